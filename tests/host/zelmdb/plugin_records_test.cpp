// A plug-in's own records beside the host's, and removing a footprint with everything on it.
#include <sqlite3.h>

#include <cstring>

#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"
#include "tests/support/store_records.h"

using namespace zelmdb;

namespace {

class PluginRecordsTest : public DesignFixture {
protected:
    std::string Get(const char* owner, const char* key) {
        const int32_t size = PlugRecordGet(owner, key, nullptr, 0);
        if (size < 0) return "none";
        std::string bytes(size_t(size), '\0');
        EXPECT_EQ(PlugRecordGet(owner, key, reinterpret_cast<uint8_t*>(bytes.data()), size), size);
        return bytes;
    }
    bool Put(const char* owner, const char* key, const std::string& bytes) {
        return PlugRecordPut(owner, key, reinterpret_cast<const uint8_t*>(bytes.data()), int32_t(bytes.size())) == 1;
    }
    // A footprint as the plug-in stores one: a symbol of `pins` pins, a component, two labels.
    int32_t AddFootprint(const std::string& name, int pins) {
        if (Design().FindPadstack("P") == 0) {
            EXPECT_EQ(PutTestPadstack(Design(), "P"), 1);
        }
        Symbol s{Given(Design().NewSymbol()), Given(Design().NameCreate(name)), 0, 0, {}};
        for (int i = 0; i < pins; ++i) s.pins.push_back({Given(Design().NameCreate(std::to_string(i + 1))), i * 100, 0, 1});
        EXPECT_TRUE(Design().PutSymbol(s).ok());
        EXPECT_TRUE(Design().PutComponent({Given(Design().NewComponent()), s.nameId, 0, 0, uint16_t(s.id)}).ok());
        for (const char* text : {"&Comp", "&FP"})
            EXPECT_TRUE(Design().PutLabel({Given(Design().NewLabel()), 0, 0, 0, 0, uint16_t(s.id), 3, 1, text}).ok());
        return s.id;
    }
};

TEST_F(PluginRecordsTest, RecordsAreKeptPerOwnerAndKeyAndReplaced) {
    EXPECT_EQ(Get("Tessra", "BGA"), "none");
    const std::string binary("\x00\x01\xff\x00z", 5);
    ASSERT_TRUE(Put("Tessra", "BGA", binary));
    ASSERT_TRUE(Put("Other", "BGA", "other"));
    EXPECT_EQ(Get("Tessra", "BGA"), binary) << "zero bytes inside are kept";
    EXPECT_EQ(Get("Other", "BGA"), "other");
    EXPECT_EQ(Get("Tessra", "bga"), "none");
    ASSERT_TRUE(Put("Tessra", "BGA", ""));
    EXPECT_EQ(Get("Tessra", "BGA"), "");
    EXPECT_EQ(PlugRecordGet("Tessra", "BGA", nullptr, 0), 0) << "an empty record is there, not missing";
    ASSERT_TRUE(Design().DeletePluginRecord("Tessra", "BGA").ok());
    EXPECT_EQ(Get("Tessra", "BGA"), "none");
    EXPECT_EQ(Get("Other", "BGA"), "other") << "another owner's record of the same key stays";
    EXPECT_TRUE(Design().DeletePluginRecord("Tessra", "BGA").ok()) << "what is gone may go again";
}

TEST_F(PluginRecordsTest, ABufferTooSmallIsLeftAloneButToldTheSize) {
    ASSERT_TRUE(Put("Tessra", "K", "abcdef"));
    uint8_t buffer[4] = {'-', '-', '-', '-'};
    EXPECT_EQ(PlugRecordGet("Tessra", "K", buffer, 4), 6);
    EXPECT_EQ(std::memcmp(buffer, "----", 4), 0);
}

TEST_F(PluginRecordsTest, FaultyCallsAreRefused) {
    EXPECT_EQ(PlugRecordPut(nullptr, "K", nullptr, 0), 0);
    EXPECT_EQ(PlugRecordPut("Tessra", nullptr, nullptr, 0), 0);
    EXPECT_EQ(PlugRecordPut("Tessra", "K", nullptr, 3), 0);
    EXPECT_EQ(PlugRecordPut("Tessra", "K", reinterpret_cast<const uint8_t*>("x"), -1), 0);
    EXPECT_EQ(PlugRecordGet(nullptr, "K", nullptr, 0), -1);
    EXPECT_EQ(SymFind(nullptr), 0);
    EXPECT_EQ(SymDelete(0), 0);
}

// Designs from before the table existed are read as having no records and get it on first write.
TEST_F(PluginRecordsTest, DesignWithoutTheTableGetsItOnFirstWrite) {
    DatabaseSet::Get().CloseAll();
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(designPath_.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "DROP TABLE plugin_records", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    auto opened = DesignStore::Open(designPath_, DesignStore::Access::ReadWrite, DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(opened.ok()) << opened.error();
    DatabaseSet::Get().AttachDesign(std::move(opened.value()));
    EXPECT_EQ(Get("Tessra", "BGA"), "none");
    EXPECT_TRUE(Design().DeletePluginRecord("Tessra", "BGA").ok()) << "nothing to delete, and no table either";
    ASSERT_TRUE(Put("Tessra", "BGA", "r"));
    EXPECT_EQ(Get("Tessra", "BGA"), "r");
}

TEST_F(PluginRecordsTest, DeletingAFootprintTakesOnlyWhatStandsOnIt) {
    const int32_t first = AddFootprint("SO8", 8);
    const int32_t second = AddFootprint("QFP48", 48);
    EXPECT_EQ(SymFind("SO8"), first);
    EXPECT_EQ(SymFind("QFP48"), second);
    EXPECT_EQ(SymFind("QFP"), 0);
    ASSERT_EQ(SymDelete(first), 1);
    EXPECT_EQ(SymFind("SO8"), 0);
    ASSERT_EQ(Design().Symbols().size(), 1u);
    EXPECT_EQ(Design().Symbols()[0].pins.size(), 48u);
    ASSERT_EQ(Design().Components().size(), 1u);
    EXPECT_EQ(Design().Components()[0].symbolId, second);
    EXPECT_EQ(Design().Labels().size(), 2u);
    for (const Label& label : Design().Labels()) EXPECT_EQ(label.symbolId, second);
    EXPECT_EQ(SymDelete(first), 0) << "a symbol that is gone cannot go twice";
    EXPECT_EQ(Design().Padstacks().size(), 1u) << "padstacks stay: other footprints may stand on them";
}

}  // namespace
