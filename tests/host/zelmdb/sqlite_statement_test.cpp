// A statement that failed to prepare refuses every call; SQLite would crash on some of them.
#include <gtest/gtest.h>

#include "host/zelmdb/sqlite_statement.h"

namespace {

TEST(SqliteStatementTest, OneThatFailedToPrepareRefusesEveryCall) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
    {
        zelmdb::SqliteStatement missing(db, "SELECT x FROM pins WHERE symbol_id = ?");
        EXPECT_FALSE(missing.ok());
        EXPECT_FALSE(missing.Bind(1, int64_t(1)).Bind(2, 2.0).Bind(3, std::string("t")).BindBlob(4, "b").Step());
        EXPECT_FALSE(missing.Run());
        missing.Reset();
        EXPECT_EQ(missing.Int(0), 0);
        EXPECT_EQ(missing.Real(0), 0.0);
        EXPECT_EQ(missing.Text(0), "");
        EXPECT_EQ(missing.Blob(0), "");
    }
    sqlite3_close(db);
}

}  // namespace
