// Writes the plug-in does not look at: each failed create or put of the design is refused, noted
// and reported, and once SQLite has given a transaction up nothing more reaches the file.

#include <climits>
#include <fstream>
#include <functional>
#include <iterator>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"
#include "tests/host/zelmdb/file_size_limit.h"
#include "tests/support/store_records.h"

using namespace zelmdb;

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

Symbol OnePin(int32_t symbolId, int32_t padstack, int32_t x = 0) {
    return Symbol{symbolId, 0, 0, 0, {Pin{0, x, 0, int16_t(padstack)}}};
}

Padstack TestPadstack(int32_t id, int32_t width) {
    Padstack p{id, 0, std::vector<LayerGeometry>(14)};
    p.layers[0] = {width, width, 0, 0, PadShape::Round, 0};
    return p;
}

// A write that gave an id went through.
Status Done(const Result<int32_t>& id) {
    if (!id.ok()) return Failure{id.error()};
    return {};
}

struct FailedWriteCase {
    const char* name;
    std::function<Status(DesignStore&)> write;
    const char* why;
};
class FailedWriteTest : public DesignFixture, public ::testing::WithParamInterface<FailedWriteCase> {};

TEST_P(FailedWriteTest, IsRefusedNotedAndReported) {
    ASSERT_TRUE(Design().Begin().ok());
    ASSERT_NE(PutTestPadstack(Design(), "P"), 0);
    ASSERT_TRUE(Design().PutSymbol(OnePin(Given(Design().NewSymbol()), 1)).ok());
    ASSERT_TRUE(Design().FailedWrites().empty());
    const Status written = GetParam().write(Design());
    ASSERT_FALSE(written.ok());
    ASSERT_EQ(Design().FailedWrites().size(), 1u);
    EXPECT_EQ(written.error(), Design().FailedWrites()[0]) << "the refusal is what was noted";
    EXPECT_NE(Design().FailedWrites()[0].find(GetParam().why), std::string::npos) << Design().FailedWrites()[0];
    ASSERT_FALSE(HostEnvironment::Get().messages().empty());
    EXPECT_EQ(HostEnvironment::Get().messages().back().text, Design().FailedWrites()[0]);
    Design().Rollback();
    ASSERT_TRUE(Design().Begin().ok());
    EXPECT_TRUE(Design().FailedWrites().empty()) << "a new transaction starts clean";
}

INSTANTIATE_TEST_SUITE_P(Writes, FailedWriteTest, ::testing::Values(
    FailedWriteCase{"PadstackIdsUsedUp",
                    [](DesignStore& d) { return PutTestPadstack(d, "Q", PadShape::Round, 100, 32767) ? Done(d.NewPadstack()) : Status(); },
                    "no padstack id is left (the design holds padstack 32767)"},
    FailedWriteCase{"SymbolIdsUsedUp",
                    [](DesignStore& d) { return d.PutSymbol(OnePin(65535, 1)).ok() ? Done(d.NewSymbol()) : Status(); },
                    "no symbol id is left"},
    FailedWriteCase{"PinOnPadstackZero", [](DesignStore& d) { return d.PutSymbol(OnePin(1, 0)); },
                    "pin 1 would stand on padstack 0, which the design does not hold"},
    FailedWriteCase{"PinOnMissingPadstack", [](DesignStore& d) { return d.PutSymbol(OnePin(1, 9)); }, "padstack 9"},
    FailedWriteCase{"SymbolIdZeroThroughTheCCall", [](DesignStore& d) {
                        std::vector<uint8_t> record(0x100, 0);
                        return SymPut(0, record.data()) == 1 ? Status() : Status(Failure{d.FailedWrites().back()});
                    }, "symbol id 0 is outside 1 to 65535"},
    FailedWriteCase{"ComponentOfNoSymbol",
                    [](DesignStore& d) { return d.PutComponent({Given(d.NewComponent()), 0, 0, 0, 0}); },
                    "would belong to symbol 0"},
    FailedWriteCase{"LabelIdZero", [](DesignStore& d) { return d.PutLabel({0, 0, 0, 0, 0, 1, 1, 1, "&Comp"}); },
                    "label id 0 is no id"},
    FailedWriteCase{"PinSaturatedByAConversion", [](DesignStore& d) { return d.PutSymbol(OnePin(1, 1, INT32_MAX)); },
                    "pin 1 would lie at (2147483647, 0), beyond the design's limit of 1073741823 units"},
    FailedWriteCase{"PadstackSizeBeyondTheLimit",
                    [](DesignStore& d) { return d.PutPadstack(TestPadstack(2, INT32_MIN)); },
                    "padstack 2 would have a size of -2147483648 units, beyond"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FailedWriteTest, TheLimitItselfIsAPlace) {
    ASSERT_TRUE(Design().Begin().ok());
    ASSERT_NE(PutTestPadstack(Design(), "P"), 0);
    EXPECT_TRUE(Design().PutSymbol(OnePin(1, 1, DesignStore::CoordinateLimit)).ok());
    EXPECT_TRUE(Design().PutSymbol(OnePin(1, 1, -DesignStore::CoordinateLimit)).ok());
    EXPECT_TRUE(Design().FailedWrites().empty());
}

TEST_F(FailedWriteTest, AFullDiskEndsTheTransactionAndNothingReachesTheFileAfterIt) {
    const std::string before = ReadFile(designPath_);
    ASSERT_TRUE(Design().Begin().ok());
    {
        const FileSizeLimit limit(before.size());
        // More than SQLite keeps in memory, so pages go to the file before any commit.
        for (int i = 0; i < 100000 && Design().FailedWrites().empty(); ++i)
            (void)Design().NameCreate(std::string(400, 'n') + std::to_string(i));
    }
    ASSERT_FALSE(Design().FailedWrites().empty());
    EXPECT_FALSE(Design().NameCreate("written after the failure").ok()) << "it would have been kept on its own";
    EXPECT_FALSE(Design().Commit().ok());
    Design().Rollback();
    EXPECT_EQ(ReadFile(designPath_), before);
}

TEST_F(FailedWriteTest, ARangeSQLiteTookBackReachesDbGet) {
    const auto listedLast = [] {
        uint8_t record[DbRecordLayout::Size] = {};
        EXPECT_EQ(DbGet(record), 1);
        return ReadOnly(record).I16(DbRecordLayout::PadstackLast);
    };
    const std::string before = ReadFile(designPath_);
    ASSERT_TRUE(Design().Begin().ok());
    ASSERT_EQ(ThruCreate(), 1);
    ASSERT_EQ(ThruCreate(), 2);
    ASSERT_EQ(listedLast(), 2);
    {
        const FileSizeLimit limit(before.size());
        for (int i = 0; i < 100000 && Design().FailedWrites().empty(); ++i)
            (void)Design().NameCreate(std::string(400, 'n') + std::to_string(i));
    }
    ASSERT_FALSE(Design().FailedWrites().empty());
    EXPECT_EQ(listedLast(), 0) << "the two padstacks went with the transaction";
}

}  // namespace
