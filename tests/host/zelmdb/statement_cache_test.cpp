// Kept statements must behave as freshly prepared ones: after a failed step, while another use
// of the same SQL is still reading, and where the SQL could not be prepared before.
#include "host/zelmdb/statement_cache.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <vector>

namespace {

using zelmdb::StatementCache;

class StatementCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
        cache_ = std::make_unique<StatementCache>(db_);
    }
    void TearDown() override {
        cache_.reset();
        EXPECT_EQ(sqlite3_close(db_), SQLITE_OK) << "a statement was left prepared";
    }
    void Exec(const char* sql) { ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }
    bool Insert(const std::string& text) {
        auto insert = cache_->Use("INSERT INTO names(text) VALUES (?)");
        return insert->Bind(1, text).Run();
    }
    std::vector<int64_t> Ids() {
        std::vector<int64_t> ids;
        auto all = cache_->Use("SELECT id FROM names ORDER BY id");
        while (all->Step()) ids.push_back(all->Int(0));
        return ids;
    }

    sqlite3* db_ = nullptr;
    std::unique_ptr<StatementCache> cache_;
};

TEST_F(StatementCacheTest, AStatementWhoseStepFailedServesTheNextUse) {
    Exec("CREATE TABLE names(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE)");
    EXPECT_TRUE(Insert("A"));
    EXPECT_FALSE(Insert("A"));   // the constraint fails the step
    EXPECT_TRUE(Insert("B"));
    EXPECT_EQ(Ids(), (std::vector<int64_t>{1, 2}));
    EXPECT_EQ(cache_->Size(), 2u);
}

TEST_F(StatementCacheTest, ALeaseEndsItsReadingAndUnbinds) {
    Exec("CREATE TABLE names(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE);"
         "INSERT INTO names(text) VALUES ('A'), ('B'), ('C')");
    {
        auto first = cache_->Use("SELECT id FROM names WHERE id >= ? ORDER BY id");
        ASSERT_TRUE(first->Bind(1, int64_t(2)).Step());
        EXPECT_EQ(first->Int(0), 2);
    }
    // Left reading, the statement would go on at its third row, and keep the bound 2.
    {
        auto again = cache_->Use("SELECT id FROM names WHERE id >= ? ORDER BY id");
        ASSERT_TRUE(again->Bind(1, int64_t(1)).Step());
        EXPECT_EQ(again->Int(0), 1);
    }
    auto unbound = cache_->Use("SELECT id FROM names WHERE id >= ? ORDER BY id");
    EXPECT_FALSE(unbound->Step()) << "an unbound parameter is NULL, and id >= NULL finds nothing";
}

TEST_F(StatementCacheTest, TheSameSqlUsedWhileLentOutGetsASpare) {
    Exec("CREATE TABLE names(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE);"
         "INSERT INTO names(text) VALUES ('A'), ('B')");
    auto outer = cache_->Use("SELECT id FROM names ORDER BY id");
    ASSERT_TRUE(outer->Step());
    EXPECT_EQ(Ids(), (std::vector<int64_t>{1, 2}));   // the same SQL, from its first row
    ASSERT_TRUE(outer->Step());
    EXPECT_EQ(outer->Int(0), 2);
    EXPECT_FALSE(outer->Step());
    EXPECT_EQ(cache_->Size(), 1u);
}

TEST_F(StatementCacheTest, SqlThatDidNotPrepareIsTriedAgain) {
    {
        auto early = cache_->Use("SELECT id FROM names ORDER BY id");
        EXPECT_FALSE(early->ok());
        EXPECT_FALSE(early->Step());
    }
    EXPECT_EQ(cache_->Size(), 0u);
    Exec("CREATE TABLE names(id INTEGER PRIMARY KEY, text TEXT NOT NULL UNIQUE)");
    EXPECT_TRUE(Insert("A"));
    EXPECT_EQ(Ids(), (std::vector<int64_t>{1}));
}

}  // namespace
