// The host's pad forms: their bytes, the outlines a pad may have, and how a design keeps them
// once, carries them through the plug-in's copies and takes them across from a library.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/pad_form.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "tests/host/zelmdb/design_fixture.h"
#include "tests/support/store_records.h"

using namespace zelmdb;

namespace {

const std::vector<FormPoint> kEll{{-10, -10}, {30, -10}, {30, 0}, {0, 0}, {0, 20}, {-10, 20}};

PadForm Chamfer(uint16_t ratio, uint8_t corners) {
    PadForm f;
    f.chamferRatio = ratio;
    f.chamferCorners = corners;
    return f;
}
PadForm Trapezoid(int32_t dx, int32_t dy) {
    PadForm f;
    f.deltaX = dx;
    f.deltaY = dy;
    return f;
}
PadForm Outline(std::vector<FormPoint> points, int32_t offsetX = 0, int32_t offsetY = 0) {
    PadForm f;
    f.polygon = std::move(points);
    f.drillOffsetX = offsetX;
    f.drillOffsetY = offsetY;
    return f;
}

class PadFormBytesTest : public ::testing::TestWithParam<PadForm> {};

TEST_P(PadFormBytesTest, ReadBackAsWritten) {
    const std::string bytes = EncodePadForm(GetParam());
    const Result<PadForm> read = DecodePadForm(bytes);
    ASSERT_TRUE(read.ok()) << read.error();
    EXPECT_EQ(read.value(), GetParam());
    EXPECT_EQ(EncodePadForm(read.value()), bytes) << "equal forms, equal bytes";
}
INSTANTIATE_TEST_SUITE_P(Forms, PadFormBytesTest, ::testing::Values(
    PadForm{}, Chamfer(2500, ChamferTopLeft | ChamferBottomRight), Chamfer(MaxChamferRatio, AllChamferCorners),
    Trapezoid(-7, 0), Trapezoid(0, INT32_MAX), Outline(kEll), Outline(kEll, -3, 4), Outline({}, INT32_MIN, 0)));

TEST(PadFormBytesTest, EachPartChangesTheBytes) {
    const std::vector<PadForm> forms{PadForm{}, Chamfer(2500, 1), Chamfer(2500, 2), Chamfer(2501, 1),
                                     Trapezoid(1, 0), Trapezoid(0, 1), Outline(kEll), Outline(kEll, 1, 0),
                                     Outline({}, 0, 1)};
    for (size_t i = 0; i < forms.size(); ++i)
        for (size_t j = i + 1; j < forms.size(); ++j)
            EXPECT_NE(EncodePadForm(forms[i]), EncodePadForm(forms[j])) << i << " and " << j;
}

struct BadBytes {
    const char* name;
    std::string bytes;
    const char* error;
};
class PadFormRefusalTest : public ::testing::TestWithParam<BadBytes> {};

TEST_P(PadFormRefusalTest, SaysWhatIsWrong) {
    const Result<PadForm> read = DecodePadForm(GetParam().bytes);
    ASSERT_FALSE(read.ok());
    EXPECT_NE(read.error().find(GetParam().error), std::string::npos) << read.error();
}

std::string Bytes(std::initializer_list<int> values) {
    std::string s;
    for (int v : values) s.push_back(char(v));
    return s;
}
const std::string kTriangle = EncodePadForm(Outline({{-10, -10}, {10, -10}, {0, 10}}));

INSTANTIATE_TEST_SUITE_P(Bytes, PadFormRefusalTest, ::testing::Values(
    BadBytes{"Empty", "", "shorter than its head"},
    BadBytes{"NewerVersion", Bytes({2, 0}), "its version is 2"},
    BadBytes{"UnknownPart", Bytes({1, 16}), "parts this orvex does not know"},
    BadBytes{"ChamferCut", Bytes({1, 1, 0xC4}), "chamfer is cut short"},
    BadBytes{"ChamferNone", Bytes({1, 1, 0, 0, 1}), "chamfer is none a pad can have"},
    BadBytes{"ChamferPastHalf", Bytes({1, 1, 0x89, 0x13, 1}), "chamfer is none"},
    BadBytes{"ChamferNoCorner", Bytes({1, 1, 0xC4, 9, 0}), "chamfer is none"},
    BadBytes{"TwoDeltas", Bytes({1, 2, 1, 0, 0, 0, 1, 0, 0, 0}), "has not one delta"},
    BadBytes{"OffsetNone", Bytes({1, 4, 0, 0, 0, 0, 0, 0, 0, 0}), "drill offset is none"},
    BadBytes{"PolygonCountBeyondItsPoints", Bytes({1, 8, 3, 0, 1, 0, 0, 0}), "polygon is cut short"},
    BadBytes{"PolygonOfTwo", Bytes({1, 8, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}),
             "at least 3 points"},
    BadBytes{"TrailingBytes", kTriangle + "x", "bytes after its end"}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutlineCase {
    const char* name;
    std::vector<FormPoint> points;
    const char* error;   // empty: a pad's outline
};
class PolygonCheckTest : public ::testing::TestWithParam<OutlineCase> {};

TEST_P(PolygonCheckTest, TakesSimpleOutlinesOnly) {
    const Status checked = CheckPolygon(GetParam().points);
    if (*GetParam().error == '\0') {
        EXPECT_TRUE(checked.ok()) << checked.error();
    } else {
        ASSERT_FALSE(checked.ok());
        EXPECT_NE(checked.error().find(GetParam().error), std::string::npos) << checked.error();
    }
}
INSTANTIATE_TEST_SUITE_P(Outlines, PolygonCheckTest, ::testing::Values(
    OutlineCase{"Triangle", {{0, 0}, {10, 0}, {0, 10}}, ""},
    OutlineCase{"ClockwiseEll", {{-10, 20}, {0, 20}, {0, 0}, {30, 0}, {30, -10}, {-10, -10}}, ""},
    OutlineCase{"PointsAlongAnEdge", {{0, 0}, {5, 0}, {10, 0}, {10, 10}, {0, 10}}, ""},
    OutlineCase{"FarCorners", {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MAX}}, ""},
    OutlineCase{"TwoPoints", {{0, 0}, {10, 0}}, "at least 3 points"},
    OutlineCase{"Repeated", {{0, 0}, {10, 0}, {10, 0}, {0, 10}}, "point 3 (10, 0) repeats"},
    OutlineCase{"LastIsFirst", {{0, 0}, {10, 0}, {0, 10}, {0, 0}}, "repeats the point before it"},
    OutlineCase{"BowTie", {{0, 0}, {10, 10}, {10, 0}, {0, 10}}, "crosses itself"},
    OutlineCase{"VertexOnAnEdge", {{0, 0}, {20, 0}, {20, 10}, {10, 0}, {0, 10}}, "crosses itself"},
    OutlineCase{"SpikeOutAndBack", {{0, 0}, {10, 0}, {20, 0}, {10, 0}, {10, 10}}, "crosses itself"},
    OutlineCase{"Flat", {{0, 0}, {10, 0}, {20, 0}}, "folds back"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PolygonCheckTest, AtMostTheLargestOutline) {
    std::vector<FormPoint> many;
    for (size_t i = 0; i <= MaxPolygonPoints; ++i) many.push_back({int32_t(i), int32_t(i * i)});
    EXPECT_NE(CheckPolygon(many).error().find("at most"), std::string::npos);
}

struct InsideCase {
    int64_t x, y;
    bool inside;
};
class InsidePolygonTest : public ::testing::TestWithParam<InsideCase> {};

TEST_P(InsidePolygonTest, StrictlyInside) {
    EXPECT_EQ(InsidePolygon(kEll, GetParam().x, GetParam().y), GetParam().inside) << GetParam().x << "," << GetParam().y;
}
INSTANTIATE_TEST_SUITE_P(Points, InsidePolygonTest, ::testing::Values(
    InsideCase{-5, -5, true}, InsideCase{20, -5, true}, InsideCase{-5, 15, true},
    InsideCase{10, 10, false},    // in the L's notch
    InsideCase{0, 0, false},      // its inner corner
    InsideCase{15, 0, false},     // on an edge
    InsideCase{-10, 5, false},    // on the left edge
    InsideCase{-11, -10, false}, InsideCase{31, -5, false}));

TEST(DistanceToOutlineTest, NearestEdge) {
    EXPECT_DOUBLE_EQ(DistanceToOutline(kEll, -5, -5), 5);
    EXPECT_DOUBLE_EQ(DistanceToOutline(kEll, -2, 5), 2);  // from the notch's edge
    EXPECT_DOUBLE_EQ(DistanceToOutline(kEll, 33, 4), 5);  // outside, to the corner (30, 0)
}

class PadFormStoreTest : public DesignFixture {
protected:
    // A rectangle on layer 1 with the form; its id.
    int32_t Put(const std::string& name, const PadForm& form, int16_t rotation = 0) {
        Padstack p;
        p.layers.resize(14);
        p.Layer(PadLayer::Top) = {800, 600, 0, 0, PadShape::Rectangle, rotation};
        p.formId = Given(Design().StoreForm(form));
        return StoreNewPadstack(Design(), p, name);
    }
};

TEST_F(PadFormStoreTest, EachFormIsKeptOnce) {
    EXPECT_EQ(Given(Design().StoreForm(PadForm{})), 0);
    const int32_t ell = Given(Design().StoreForm(Outline(kEll)));
    EXPECT_GT(ell, 0);
    EXPECT_EQ(Given(Design().StoreForm(Outline(kEll))), ell);
    EXPECT_NE(Given(Design().StoreForm(Outline(kEll, 1, 0))), ell);
    EXPECT_EQ(Design().Form(ell).value(), Outline(kEll));
    EXPECT_EQ(Design().Form(0).value(), PadForm{});
    EXPECT_NE(Design().Form(ell + 100).error().find("padstack form " + std::to_string(ell + 100) + " is not in the file"),
              std::string::npos);
}

TEST_F(PadFormStoreTest, APadstackNamingNoFormIsRefused) {
    Padstack p;
    p.id = Given(Design().NewPadstack());
    p.layers.resize(14);
    p.Layer(PadLayer::Top) = {800, 600, 0, 0, PadShape::Rectangle, 0};
    p.formId = 77;
    const Status put = Design().PutPadstack(p);
    ASSERT_FALSE(put.ok());
    EXPECT_NE(put.error().find("would carry form 77, which the design does not hold"), std::string::npos) << put.error();
}

TEST_F(PadFormStoreTest, ADamagedFormIsRefusedByName) {
    const int32_t id = Put("CH", Chamfer(2500, ChamferTopLeft));
    DatabaseSet::Get().CloseAll();
    // Bytes a later writer or a fault left: read as a refusal, never as a pad.
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(designPath_.c_str(), &db), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(db, "UPDATE padstack_forms SET data = x'0101'", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    auto opened = DesignStore::Open(designPath_, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared);
    ASSERT_TRUE(opened.ok());
    const auto stack = opened.value()->GetPadstack(id);
    ASSERT_TRUE(stack);
    const Result<PadForm> form = opened.value()->Form(stack->formId);
    ASSERT_FALSE(form.ok());
    EXPECT_NE(form.error().find(designPath_ + ": padstack form"), std::string::npos) << form.error();
    EXPECT_NE(form.error().find("is damaged (its chamfer is cut short)"), std::string::npos) << form.error();
}

// The plug-in turns a padstack by reading its record, setting the rotation and asking for the
// same; a copy it stores keeps the form, and a form tells two padstacks apart.
TEST_F(PadFormStoreTest, ThePlugInsTurnedCopyKeepsTheForm) {
    const int32_t plain = Put("R", PadForm{});
    const int32_t chamfered = Put("CH", Chamfer(2500, ChamferTopLeft));
    uint8_t record[ThruRecordLayout::Size] = {};
    ASSERT_EQ(ThruGet(chamfered, record), 1);
    ByteRecord r(record);
    EXPECT_EQ(r.I32(ThruRecordLayout::FormId), Design().GetPadstack(chamfered)->formId);
    EXPECT_EQ(ThruFindSame(record), chamfered);
    r.SetI32(ThruRecordLayout::FormId, 0);
    EXPECT_EQ(ThruFindSame(record), plain) << "without its form it is the plain rectangle";
    ASSERT_EQ(ThruGet(chamfered, record), 1);
    r.SetI16(ThruRecordLayout::Layer(PadLayer::Top) + LayerEntryLayout::Rotation, 5400);
    EXPECT_EQ(ThruFindSame(record), 0);
    const int32_t copy = ThruCreate();
    r.SetI32(ThruRecordLayout::NameId, NameCreate("CH(90.00)"));
    r.SetI32(ThruRecordLayout::Id, copy);
    ASSERT_EQ(ThruPut(copy, record), 1);
    EXPECT_EQ(Design().GetPadstack(copy)->formId, Design().GetPadstack(chamfered)->formId);
    EXPECT_EQ(ThruFindSame(record), copy);
}

// Form ids are a file's own, and lengths its units: a library's padstack comes with its form
// converted and kept in the design's own table.
TEST_F(PadFormStoreTest, ALibraryCopyBringsItsFormAcross) {
    DesignInfo info;
    info.kind = FileKind::Library;
    info.inchesPerUnit = 0.001;   // mils
    const std::string path = Path("a.olb");
    {
        auto created = DesignStore::Create(path, info);
        ASSERT_TRUE(created.ok()) << created.error();
        DesignStore& lib = *created.value();
        Given(lib.StoreForm(Chamfer(1000, 1)));   // so that the ids of the two files differ
        Padstack p;
        p.layers.resize(14);
        p.Layer(PadLayer::Top) = {60, 60, 0, 0, PadShape::Rectangle, 0};
        p.Layer(PadLayer::Drill) = {20, 20, 0, 0, PadShape::Oblong, 0};
        p.formId = Given(lib.StoreForm(Outline({{-30, -30}, {30, -30}, {0, 30}}, 5, -2)));
        StoreNewPadstack(lib, p, "TRI");
    }
    const int16_t id = DbLoadThru("TRI", path.c_str());
    ASSERT_GT(id, 0);
    const auto copy = Design().GetPadstack(id);
    ASSERT_TRUE(copy);
    EXPECT_EQ(Design().Form(copy->formId).value(), Outline({{-7620, -7620}, {7620, -7620}, {0, 7620}}, 1270, -508));
}

}  // namespace
