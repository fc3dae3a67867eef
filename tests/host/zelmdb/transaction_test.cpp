// The transaction guard: a write is kept only through Commit, a failed write costs the whole
// transaction, and a guard left any other way takes everything back.
#include <fstream>
#include <iterator>

#include "host/zelmdb/transaction.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

class TransactionTest : public DesignFixture {
protected:
    std::string Bytes() const {
        std::ifstream in(designPath_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
};

TEST_F(TransactionTest, LeavingWithoutCommitTakesEveryWriteBack) {
    const std::string before = Bytes();
    {
        auto t = Transaction::Begin(Design());
        ASSERT_TRUE(t.ok()) << t.error();
        ASSERT_NE(PutTestPadstack(Design(), "P"), 0);
    }
    EXPECT_EQ(Design().FindPadstack("P"), 0);
    EXPECT_EQ(Bytes(), before);
    auto again = Transaction::Begin(Design());
    EXPECT_TRUE(again.ok()) << "the store is free for the next one";
}

TEST_F(TransactionTest, CommitKeepsAndEndsTheGuard) {
    auto t = Transaction::Begin(Design());
    ASSERT_TRUE(t.ok());
    ASSERT_NE(PutTestPadstack(Design(), "P"), 0);
    ASSERT_TRUE(t.value().Commit().ok());
    EXPECT_NE(Design().FindPadstack("P"), 0);
    const Status second = t.value().Commit();
    ASSERT_FALSE(second.ok());
    EXPECT_EQ(second.error(), "the transaction was already ended");
}

// The writer may have gone on after the failure; what it wrote before is no whole change either.
TEST_F(TransactionTest, AFailedWriteRefusesTheCommitAndTakesAllBack) {
    const std::string before = Bytes();
    auto t = Transaction::Begin(Design());
    ASSERT_TRUE(t.ok());
    ASSERT_NE(PutTestPadstack(Design(), "P"), 0);
    EXPECT_FALSE(Design().PutSymbol(Symbol{1, 0, 0, 0, {Pin{0, 0, 0, 9}}}).ok());
    const Status kept = t.value().Commit();
    ASSERT_FALSE(kept.ok());
    EXPECT_NE(kept.error().find("padstack 9, which the design does not hold"), std::string::npos) << kept.error();
    EXPECT_EQ(Design().FindPadstack("P"), 0);
    EXPECT_EQ(Bytes(), before);
}

TEST_F(TransactionTest, AMovedGuardTakesBackOnce) {
    auto t = Transaction::Begin(Design());
    ASSERT_TRUE(t.ok());
    ASSERT_NE(PutTestPadstack(Design(), "P"), 0);
    {
        Transaction moved = std::move(t.value());
    }
    EXPECT_EQ(Design().FindPadstack("P"), 0);
    EXPECT_FALSE(t.value().Commit().ok()) << "the moved-from guard holds nothing";
}

}  // namespace
