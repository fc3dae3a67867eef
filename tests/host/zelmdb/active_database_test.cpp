// Switching the active database to libraries and back, and copying padstacks out of them.
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

class ActiveDatabaseTest : public DesignFixture {
protected:
    // A library holding one padstack of the given name and width.
    std::string MakeLibrary(const std::string& file, const std::string& padstack, int32_t width) {
        const std::string path = Path(file);
        DesignInfo info;
        info.kind = FileKind::Library;
        auto created = DesignStore::Create(path, info);
        EXPECT_TRUE(created.ok()) << created.error();
        DesignStore& lib = *created.value();
        Padstack p;
        p.layers.resize(14);
        p.layers[0] = {width, width, 0, 0, 2, 0, 2500, NoPasteFlag};
        p.id = lib.NewPadstack();
        p.nameId = lib.NameCreate(padstack);
        EXPECT_TRUE(lib.PutPadstack(p));
        return path;
    }
    int32_t LayerOneWidth(int16_t id) {
        uint8_t record[0x24 + 24 * 14];
        ThruGet(id, record);
        return ReadOnly(record).I32(0x24);
    }
};

TEST_F(ActiveDatabaseTest, LibraryBecomesActiveAndTheSwitchComesBack) {
    const std::string lib = MakeLibrary("a.olb", "LIBPAD", 700);
    const uint8_t design = GetActiveDatabase();
    ASSERT_EQ(DbLoadFpNames(lib.c_str()), 1);
    EXPECT_NE(GetActiveDatabase(), design);
    EXPECT_GT(ThruFind("LIBPAD"), 0);
    ASSERT_EQ(DeleteActiveDatabase(), 1);
    ASSERT_EQ(SetActiveDatabase(design), 1);
    EXPECT_EQ(GetActiveDatabase(), design);
    EXPECT_EQ(ThruFind("LIBPAD"), 0) << "the design does not hold the library's padstack";
    EXPECT_EQ(DatabaseSet::Get().openCount(), 1u);
}

TEST_F(ActiveDatabaseTest, FailedOpenLeavesTheDesignActive) {
    const uint8_t design = GetActiveDatabase();
    EXPECT_EQ(DbLoadFpNames(Path("missing.olb").c_str()), 0);
    EXPECT_EQ(DbLoadFpNames(designPath_.c_str()), 1) << "a design can serve as a padstack source";
    DeleteActiveDatabase();
    EXPECT_EQ(GetActiveDatabase(), design);
    EXPECT_EQ(DbLoadFpNames(""), 0);
    EXPECT_EQ(GetActiveDatabase(), design);
}

TEST_F(ActiveDatabaseTest, TheDesignIsNeverClosedAsALibrary) {
    EXPECT_EQ(DeleteActiveDatabase(), 0);
    EXPECT_NE(DatabaseSet::Get().Design(), nullptr);
    EXPECT_EQ(SetActiveDatabase(200), 0);
    EXPECT_EQ(GetActiveDatabase(), DatabaseSet::DesignHandle);
}

TEST_F(ActiveDatabaseTest, ManyLibrariesOpenedAndClosedInTurn) {
    const std::string lib = MakeLibrary("a.olb", "LIBPAD", 700);
    const uint8_t design = GetActiveDatabase();
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(DbLoadFpNames(lib.c_str()), 1) << "round " << i;
        DeleteActiveDatabase();
        SetActiveDatabase(design);
    }
    EXPECT_EQ(DatabaseSet::Get().openCount(), 1u);
}

TEST_F(ActiveDatabaseTest, LoadThruFromGivenLibraryTakesTheNextId) {
    const std::string lib = MakeLibrary("a.olb", "LIBPAD", 700);
    Padstack own;
    own.layers.resize(14);
    own.layers[0] = {100, 100, 0, 0, 1, 0};
    own.id = Design().NewPadstack();
    own.nameId = Design().NameCreate("OWN");
    Design().PutPadstack(own);
    const int16_t id = DbLoadThru("LIBPAD", lib.c_str());
    EXPECT_EQ(id, own.id + 1);
    EXPECT_EQ(ThruFind("LIBPAD"), id);
    EXPECT_EQ(LayerOneWidth(id), 700);
    uint8_t record[0x24 + 24 * 14];
    ThruGet(id, record);
    EXPECT_EQ(ReadOnly(record).U16(0x24 + 0x10), 2500) << "the host's corner ratio comes along";
    EXPECT_EQ(ReadOnly(record).U8(0x24 + 0x15), NoPasteFlag);
    EXPECT_EQ(DbLoadThru("NOPE", lib.c_str()), 0);
    EXPECT_EQ(DbLoadThru("LIBPAD", Path("missing.olb").c_str()), 0);
}

TEST_F(ActiveDatabaseTest, LoadThruWithoutPathSearchesLibrariesInListOrder) {
    const std::string first = MakeLibrary("first.olb", "PAD", 111);
    const std::string second = MakeLibrary("second.olb", "PAD", 222);
    WriteHostIni("[PADSTACK_LIB]\r\nmissing=" + Path("missing.olb") + "\r\nsecond=" + second +
                 "\r\nfirst=" + first + "\r\n");
    const int16_t id = DbLoadThru("PAD", "");
    ASSERT_GT(id, 0);
    EXPECT_EQ(LayerOneWidth(id), 222);
    EXPECT_EQ(DbLoadThru("ABSENT", ""), 0);
}

}  // namespace
