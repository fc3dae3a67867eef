// Switching the active database to libraries and back, and copying padstacks out of them.
#include <utility>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"
#include "tests/support/store_records.h"

using namespace zelmdb;

namespace {

class ActiveDatabaseTest : public DesignFixture {
protected:
    // A library holding one padstack of the given name and width (and a drill of half of it).
    std::string MakeLibrary(const std::string& file, const std::string& padstack, int32_t width,
                            double inchesPerUnit = DesignInfo().inchesPerUnit) {
        const std::string path = Path(file);
        DesignInfo info;
        info.kind = FileKind::Library;
        info.inchesPerUnit = inchesPerUnit;
        auto created = DesignStore::Create(path, info);
        EXPECT_TRUE(created.ok()) << created.error();
        DesignStore& lib = *created.value();
        Padstack p;
        p.layers.resize(14);
        p.Layer(PadLayer::Top) = {width, width, 0, 0, PadShape::Square, 0, 2500, NoPasteFlag};
        p.Layer(PadLayer::Drill) = {width / 2, width / 2, 0, 0, PadShape::Round, 0};
        StoreNewPadstack(lib, p, padstack);
        return path;
    }
    int32_t LayerWidth(int16_t id, int layer = 1) {
        uint8_t record[0x24 + 24 * 14];
        ThruGet(id, record);
        return ReadOnly(record).I32(0x24 + 24 * (layer - 1));
    }
    int32_t LayerOneWidth(int16_t id) { return LayerWidth(id); }
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

// The design's record is kept between reads inside a transaction; each switch must still show.
TEST_F(ActiveDatabaseTest, DbGetReadsTheRecordOfTheActiveDatabase) {
    const auto scaleAndLast = [] {
        uint8_t record[DbRecordLayout::Size] = {};
        EXPECT_EQ(DbGet(record), 1);
        return std::pair(ReadOnly(record).F64(DbRecordLayout::InchesPerUnit),
                         ReadOnly(record).I16(DbRecordLayout::PadstackLast));
    };
    const std::string lib = MakeLibrary("a.olb", "LIBPAD", 700, 0.001);
    const std::pair design(DesignInfo().inchesPerUnit, int16_t(3));
    ASSERT_TRUE(Design().Begin().ok());
    for (int32_t id = 1; id <= 3; ++id) ASSERT_EQ(ThruCreate(), id);
    EXPECT_EQ(scaleAndLast(), design);
    ASSERT_EQ(DbLoadFpNames(lib.c_str()), 1);
    EXPECT_EQ(scaleAndLast(), std::pair(0.001, int16_t(1)));
    ASSERT_EQ(SetActiveDatabase(DatabaseSet::DesignHandle), 1);
    EXPECT_EQ(scaleAndLast(), design);
    ASSERT_EQ(SetActiveDatabase(DatabaseSet::DesignHandle + 1), 1);
    ASSERT_EQ(DeleteActiveDatabase(), 1);
    EXPECT_EQ(scaleAndLast(), design) << "closing the library brings the design back";
    DatabaseSet::Get().CloseAll();
    uint8_t record[DbRecordLayout::Size];
    EXPECT_EQ(DbGet(record), 0);
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
    const int32_t own = PutTestPadstack(Design(), "OWN");
    const int16_t id = DbLoadThru("LIBPAD", lib.c_str());
    EXPECT_EQ(id, own + 1);
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

// A copy keeps its length in inches: sizes and the drill change with the resolution, rounded
// half away from zero.
struct ResolutionCase {
    double libraryInchesPerUnit;
    double designInchesPerUnit;
    int32_t width;
    int32_t copiedWidth, copiedDrill;
};
class LoadThruResolutionTest : public ActiveDatabaseTest, public ::testing::WithParamInterface<ResolutionCase> {};

TEST_P(LoadThruResolutionTest, SizesAreConverted) {
    const ResolutionCase& c = GetParam();
    DesignInfo info;
    info.inchesPerUnit = c.designInchesPerUnit;
    AttachNewDesign(info);
    const std::string lib = MakeLibrary("a.olb", "LIBPAD", c.width, c.libraryInchesPerUnit);
    const int16_t id = DbLoadThru("LIBPAD", lib.c_str());
    ASSERT_GT(id, 0);
    EXPECT_EQ(LayerWidth(id), c.copiedWidth);
    EXPECT_EQ(LayerWidth(id, int(PadLayer::Drill)), c.copiedDrill);
}

INSTANTIATE_TEST_SUITE_P(Resolutions, LoadThruResolutionTest, ::testing::Values(
    ResolutionCase{0.001, 1.0 / 254000, 60, 15240, 7620},        // a mils library in a tenth-micron design
    ResolutionCase{1.0 / 254000, 0.001, 15240, 60, 30},
    ResolutionCase{1.0 / 254000, 0.001, 254, 1, 1},               // 1 mil; its drill of half a mil rounds up
    ResolutionCase{1.0 / 254000, 0.001, 381, 2, 1},
    ResolutionCase{1.0 / 254000, 0.001, 126, 0, 0},
    ResolutionCase{1.0 / 254000, 1.0 / 254000, 777, 777, 388}));

TEST_F(ActiveDatabaseTest, ACopyTooLargeForTheDesignIsNotMade) {
    DesignInfo info;
    info.inchesPerUnit = 1e-9;
    AttachNewDesign(info);
    const std::string lib = MakeLibrary("a.olb", "LIBPAD", 1000000, 0.001);
    EXPECT_EQ(DbLoadThru("LIBPAD", lib.c_str()), 0);
    EXPECT_EQ(ThruFind("LIBPAD"), 0);
}

// Names that repeat: the padstack a list showed is the one its name finds.
TEST_F(ActiveDatabaseTest, ThruFindTakesTheNewestListedPadstackOfAName) {
    const int32_t unlisted = PutTestPadstack(Design(), "P", PadShape(5));
    EXPECT_EQ(ThruFind("P"), 0) << "a padstack no list shows is not found for pins";
    const std::string lib = MakeLibrary("a.olb", "P", 700);
    const int16_t copy = DbLoadThru("P", lib.c_str());
    ASSERT_GT(copy, unlisted);
    EXPECT_EQ(ThruFind("P"), copy);
    EXPECT_EQ(Design().FindPadstack("P"), unlisted) << "the unlisted one keeps its name and place";
    const std::string bottomOnly = MakeLibrary("b.olb", "B", 300);
    PutTestPadstack(Design(), "B", PadShape::None);   // no pad at all: listed by no one
    const int16_t b = DbLoadThru("B", bottomOnly.c_str());
    EXPECT_EQ(ThruFind("B"), b);
}

TEST_F(ActiveDatabaseTest, LibraryCopiesTheListedPadstackOfAName) {
    const std::string path = MakeLibrary("a.olb", "P", 700);
    {
        auto lib = DesignStore::Open(path, DesignStore::Access::ReadWrite, DesignStore::Sharing::Shared);
        ASSERT_TRUE(lib.ok());
        Padstack hidden;
        hidden.layers.resize(14);
        hidden.Layer(PadLayer::Top) = {50, 50, 0, 0, PadShape(6), 0};
        StoreNewPadstack(*lib.value(), hidden, "P");
    }
    EXPECT_EQ(LayerOneWidth(DbLoadThru("P", path.c_str())), 700);
}

TEST_F(ActiveDatabaseTest, ANewPadstackUnderATakenNameGetsAFreeOne) {
    PutTestPadstack(Design(), "R(90.00)", PadShape::Rectangle);
    PutTestPadstack(Design(), "R(90.00)~2", PadShape::Rectangle);
    std::vector<uint8_t> record(0x24 + 24 * 14, 0);
    ByteRecord r(record.data());
    r.SetI32(0, NameCreate("R(90.00)"));
    r.SetI32(0x24, 200);
    r.SetU8(0x24 + 0x14, 4);
    const int32_t id = ThruCreate();
    ASSERT_EQ(ThruPut(id, record.data()), 1);
    const std::optional<Padstack> stored = Design().GetPadstack(id);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(Design().NameText(stored->nameId), "R(90.00)~3");
    ASSERT_EQ(ThruPut(id, record.data()), 1) << "putting it again under its own name";
    EXPECT_EQ(Design().NameText(Design().GetPadstack(id)->nameId), "R(90.00)~3");
}

}  // namespace
