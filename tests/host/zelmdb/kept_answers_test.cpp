// The answers the store keeps while its transaction holds must never outlive what they were read
// from: a change of our own, another program's change between transactions, a rollback, and a
// transaction SQLite gave up by itself.
#include <sqlite3.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "tests/host/zelmdb/design_fixture.h"
#include "tests/host/zelmdb/file_size_limit.h"
#include "tests/support/store_records.h"

using namespace zelmdb;

namespace {

// Every lookup by name or id a footprint repeats, in one line for comparing.
std::string Answers(DesignStore& d, const std::vector<LayerGeometry>& shape) {
    const auto stack = d.GetPadstack(d.FindPadstack("P"));
    Padstack same;
    same.layers = shape;
    return std::to_string(d.FindPadstack("P")) + " " + std::to_string(d.FindListedPadstack("P")) + " " +
           std::to_string(d.FindSamePadstack(same)) + " " +
           (stack ? std::to_string(stack->layers[0].width1) : "none") + " " +
           d.NameText(Given(d.NameCreate("P"))).value_or("?");
}

std::vector<LayerGeometry> Shape(const DesignStore& d, int32_t width, PadShape shape = PadShape::Round) {
    std::vector<LayerGeometry> layers(size_t(d.info().layerCount));
    layers[0] = {width, width, 0, 0, shape, 0};
    return layers;
}

class KeptAnswersTest : public DesignFixture {
protected:
    void Sql(const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(designPath_.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
};

// Each change of our own is seen by the very next lookup, kept answers or not.
struct OwnChange {
    const char* name;
    std::function<void(DesignStore&)> change;
    const char* answers;   // FindPadstack FindListedPadstack FindSamePadstack(100) width name
};
class OwnChangeTest : public KeptAnswersTest, public ::testing::WithParamInterface<OwnChange> {};

TEST_P(OwnChangeTest, IsSeenAtOnce) {
    DesignStore& d = Design();
    ASSERT_TRUE(d.Begin().ok());
    ASSERT_EQ(PutTestPadstack(d, "P"), 1);
    EXPECT_EQ(Answers(d, Shape(d, 100)), "1 1 1 100 P");
    GetParam().change(d);
    EXPECT_EQ(Answers(d, Shape(d, 100)), GetParam().answers);
    d.Rollback();
}

INSTANTIATE_TEST_SUITE_P(Changes, OwnChangeTest, ::testing::Values(
    OwnChange{"AnotherOfTheName", [](DesignStore& d) { PutTestPadstack(d, "P", PadShape::Round, 200); }, "1 2 1 100 P"},
    OwnChange{"Resized", [](DesignStore& d) { PutTestPadstack(d, "P", PadShape::Round, 300, 1); }, "1 1 0 300 P"},
    OwnChange{"Unlisted", [](DesignStore& d) { PutTestPadstack(d, "P", PadShape(FirstHostShape), 100, 1); },
              "1 0 0 100 P"},
    OwnChange{"Deleted", [](DesignStore& d) { d.DeletePadstack(1); }, "0 0 0 none P"},
    OwnChange{"AnotherPadstack", [](DesignStore& d) { PutTestPadstack(d, "Q", PadShape::Round, 100); }, "1 1 1 100 P"},
    OwnChange{"NewIdThenPut", [](DesignStore& d) {
        EXPECT_EQ(d.GetPadstack(2), std::nullopt);
        ASSERT_EQ(PutTestPadstack(d, "P", PadShape::Round, 300, Given(d.NewPadstack())), 2);
        ASSERT_NE(d.GetPadstack(2), std::nullopt) << "an id asked for before it was made";
        EXPECT_EQ(d.GetPadstack(2)->layers[0].width1, 300);
    }, "1 2 1 100 P"}),
    [](const auto& info) { return std::string(info.param.name); });

// A padstack may be stored with the id of a name not made yet; once made, the name finds it.
TEST_F(KeptAnswersTest, APadstackIsFoundByANameMadeAfterIt) {
    DesignStore& d = Design();
    ASSERT_TRUE(d.Begin().ok());
    const int32_t next = Given(d.NameCreate("P")) + 1;
    ASSERT_TRUE(d.PutPadstack({1, next, Shape(d, 50)}).ok());
    EXPECT_EQ(d.FindListedPadstack("R"), 0);
    EXPECT_EQ(d.FindPadstack("R"), 0);
    ASSERT_EQ(Given(d.NameCreate("R")), next);
    EXPECT_EQ(d.FindListedPadstack("R"), 1);
    EXPECT_EQ(d.FindPadstack("R"), 1);
}

TEST_F(KeptAnswersTest, AnotherProgramsChangeBetweenTransactionsIsSeen) {
    DesignStore& d = Design();
    ASSERT_EQ(PutTestPadstack(d, "P"), 1);
    ASSERT_TRUE(d.Begin().ok());
    EXPECT_EQ(Answers(d, Shape(d, 100)), "1 1 1 100 P");
    ASSERT_TRUE(d.Commit().ok());
    Sql("UPDATE padstack_layers SET width1 = 700 WHERE padstack_id = 1;"
        "UPDATE names SET text = 'R' WHERE text = 'P';");
    ASSERT_TRUE(d.Begin().ok());
    EXPECT_EQ(Answers(d, Shape(d, 100)), "0 0 1 none P") << "P is a new name now, and R the old one";
    EXPECT_EQ(d.GetPadstack(1)->layers[0].width1, 700);
}

// A batch commits a footprint at a time; what one transaction read stays true in the next as long
// as nobody else wrote in between, whichever way the change came.
struct BetweenOurTransactions {
    const char* name;
    std::function<void(DesignStore&)> change;   // after the first commit, outside any transaction
    const char* answers;
};
class BetweenOurTransactionsTest : public KeptAnswersTest,
                                   public ::testing::WithParamInterface<BetweenOurTransactions> {};

TEST_P(BetweenOurTransactionsTest, TheNextTransactionAnswersFromTheFile) {
    DesignStore& d = Design();
    ASSERT_TRUE(d.Begin().ok());
    ASSERT_EQ(PutTestPadstack(d, "P"), 1);
    EXPECT_EQ(Answers(d, Shape(d, 100)), "1 1 1 100 P");
    ASSERT_TRUE(d.Commit().ok());
    GetParam().change(d);
    ASSERT_TRUE(d.Begin().ok());
    EXPECT_EQ(Answers(d, Shape(d, 100)), GetParam().answers);
    ASSERT_TRUE(d.Commit().ok());
}

INSTANTIATE_TEST_SUITE_P(Changes, BetweenOurTransactionsTest, ::testing::Values(
    BetweenOurTransactions{"Nothing", [](DesignStore&) {}, "1 1 1 100 P"},
    BetweenOurTransactions{"OurOwnWithoutTransaction",
                           [](DesignStore& d) { PutTestPadstack(d, "P", PadShape::Round, 300, 1); }, "1 1 0 300 P"},
    BetweenOurTransactions{"OurOwnRolledBack", [](DesignStore& d) {
        ASSERT_TRUE(d.Begin().ok());
        PutTestPadstack(d, "P", PadShape::Round, 300, 1);
        EXPECT_EQ(Answers(d, Shape(d, 300)), "1 1 1 300 P");
        d.Rollback();
    }, "1 1 1 100 P"},
    BetweenOurTransactions{"AnotherConnections", [](DesignStore& d) {
        sqlite3* other = nullptr;
        ASSERT_EQ(sqlite3_open(d.path().c_str(), &other), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(other, "UPDATE padstack_layers SET width1 = 700", nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(other);
    }, "1 1 1 700 P"}),
    [](const auto& info) { return std::string(info.param.name); });

// A reader's transaction: no writer can commit while it holds, and what it read it keeps.
TEST_F(KeptAnswersTest, AReaderHoldsTheFileAsItWasUntilItsTransactionEnds) {
    ASSERT_EQ(PutTestPadstack(Design(), "P"), 1);
    DatabaseSet::Get().CloseAll();
    auto opened = DesignStore::Open(designPath_, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared);
    ASSERT_TRUE(opened.ok()) << opened.error();
    DesignStore& reader = *opened.value();
    ASSERT_TRUE(reader.Begin(DesignStore::Lock::Read).ok());
    EXPECT_EQ(Answers(reader, Shape(reader, 100)), "1 1 1 100 P");
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(designPath_.c_str(), &writer), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(writer, "UPDATE padstack_layers SET width1 = 700", nullptr, nullptr, nullptr), SQLITE_BUSY);
    EXPECT_EQ(Answers(reader, Shape(reader, 100)), "1 1 1 100 P");
    ASSERT_TRUE(reader.Commit().ok());
    EXPECT_EQ(sqlite3_exec(writer, "UPDATE padstack_layers SET width1 = 700", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(writer);
    ASSERT_TRUE(reader.Begin(DesignStore::Lock::Read).ok());
    EXPECT_EQ(reader.GetPadstack(1)->layers[0].width1, 700);
    EXPECT_TRUE(reader.Rollback());
}

TEST_F(KeptAnswersTest, WhatARollbackTookBackIsNotFound) {
    DesignStore& d = Design();
    ASSERT_TRUE(d.Begin().ok());
    ASSERT_EQ(PutTestPadstack(d, "P"), 1);
    const int32_t name = Given(d.NameCreate("P"));
    EXPECT_EQ(Answers(d, Shape(d, 100)), "1 1 1 100 P");
    ASSERT_TRUE(d.Rollback());
    ASSERT_TRUE(d.Begin().ok());
    EXPECT_EQ(d.NameText(name), std::nullopt);
    EXPECT_EQ(d.FindListedPadstack("P"), 0);
    EXPECT_EQ(d.GetPadstack(1), std::nullopt);
    EXPECT_EQ(d.NameText(Given(d.NameCreate("P"))), "P") << "made again, not answered from before";
}

TEST_F(KeptAnswersTest, WhatSQLiteGaveUpIsNotFound) {
    DesignStore& d = Design();
    std::ifstream file(designPath_, std::ios::binary);
    const size_t size = std::string((std::istreambuf_iterator<char>(file)), {}).size();
    ASSERT_TRUE(d.Begin().ok());
    ASSERT_EQ(PutTestPadstack(d, "P"), 1);
    EXPECT_EQ(Answers(d, Shape(d, 100)), "1 1 1 100 P");
    {
        const FileSizeLimit limit(size);
        for (int i = 0; i < 100000 && d.FailedWrites().empty(); ++i)
            (void)d.NameCreate(std::string(400, 'n') + std::to_string(i));
    }
    ASSERT_FALSE(d.FailedWrites().empty());
    EXPECT_EQ(d.FindPadstack("P"), 0);
    EXPECT_EQ(d.GetPadstack(1), std::nullopt);
}

}  // namespace
