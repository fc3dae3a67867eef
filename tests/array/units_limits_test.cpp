// Unit conversion and the pad-count and size limits, against real designs of each unit.
#include "array/units_limits.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "array/unit_table.h"
#include "tests/array/array_fixture.h"

namespace {

constexpr double kTenthMicron = 1.0 / 254000.0;

constexpr double kBinary = 1.0 / 1024.0;   // halves of a unit are exact in binary

struct ConversionCase {
    int unitCode;
    double inchesPerUnit;
    double value;
    int32_t units;
};

class ToDatabaseUnitsTest : public ArrayFixture, public ::testing::WithParamInterface<ConversionCase> {};

TEST_P(ToDatabaseUnitsTest, RoundsHalfAwayFromZero) {
    UseDesign(GetParam().unitCode, GetParam().inchesPerUnit);
    EXPECT_EQ(ToDatabaseUnits(GetParam().value), GetParam().units);
}

INSTANTIATE_TEST_SUITE_P(Units, ToDatabaseUnitsTest, ::testing::Values(
    ConversionCase{1, kTenthMicron, 1, 254}, ConversionCase{1, kTenthMicron, -12.5, -3175},
    ConversionCase{2, kTenthMicron, 1, 254000}, ConversionCase{3, kTenthMicron, 1, 100000},
    ConversionCase{4, kTenthMicron, 1.27, 12700}, ConversionCase{5, kTenthMicron, 1, 10},
    ConversionCase{2, kBinary, 0.5 * kBinary, 1}, ConversionCase{2, kBinary, -0.5 * kBinary, -1},
    ConversionCase{2, kBinary, 0.4375 * kBinary, 0}, ConversionCase{2, kBinary, -0.4375 * kBinary, 0},
    ConversionCase{2, kBinary, 1.5 * kBinary, 2}, ConversionCase{2, kBinary, -2.5 * kBinary, -3},
    ConversionCase{4, kTenthMicron, 1e9, INT32_MAX}, ConversionCase{4, kTenthMicron, -1e9, INT32_MIN}));

// Half away from zero, then the ends of the 32-bit range and NaN, right at their edges.
TEST(RoundHalfAwayTest, EdgesOfTheRange) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, int32_t> cases[] = {
        {-0.0, 0},          {0.5, 1},                   {-0.5, -1},          {2147483646.4, 2147483646},
        {2147483646.6, INT32_MAX}, {2147483647.6, INT32_MAX}, {1e300, INT32_MAX}, {inf, INT32_MAX},
        {-2147483647.4, -2147483647}, {-2147483647.6, INT32_MIN}, {-2147483648.6, INT32_MIN},
        {-inf, INT32_MIN},  {nan, 0}};
    for (const auto& [value, units] : cases) EXPECT_EQ(RoundHalfAway(value), units) << value;
}

TEST_F(ArrayFixture, ToDatabaseUnitsReadsTheDesignOfTheMoment) {
    EXPECT_EQ(ToDatabaseUnits(3), 3);
    UseDesign(4, kTenthMicron);
    EXPECT_EQ(ToDatabaseUnits(3), 30000);
}

struct CountCase {
    ArrayStyle style;
    int32_t p, q;
    int64_t pads;   // 0: accepted
};

class CheckPadCountTest : public ArrayFixture, public ::testing::WithParamInterface<CountCase> {};

TEST_P(CheckPadCountTest, LimitOf3200) {
    const CountCase& c = GetParam();
    params.Style = c.style;
    params.X.Count = c.p;
    params.Y.Count = c.q;
    EXPECT_EQ(CheckPadCount(params, 0), c.pads == 0 ? 1 : 0);
    if (c.pads == 0) {
        EXPECT_TRUE(ShownMessageBoxes().empty());
        return;
    }
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    const ShownMessageBox& box = ShownMessageBoxes()[0];
    EXPECT_EQ(box.Caption, "Too Many Pads: " + std::to_string(c.pads) + " pads");
    EXPECT_EQ(box.Text, "The number of pads exceeds Orvexs limit of 3200 per symbol");
    EXPECT_EQ(box.Type & MB_ICONMASK, MB_ICONINFORMATION);
}

INSTANTIATE_TEST_SUITE_P(Styles, CheckPadCountTest, ::testing::Values(
    CountCase{ArrayStyle::Grid, 80, 40, 0}, CountCase{ArrayStyle::Grid, 80, 41, 3280},
    CountCase{ArrayStyle::ChipCarrier, 800, 800, 0}, CountCase{ArrayStyle::ChipCarrier, 800, 801, 3202},
    CountCase{ArrayStyle::DualQuad, 3200, 1600, 0}, CountCase{ArrayStyle::DualQuad, 1, 1601, 3202},
    CountCase{ArrayStyle::Circular, 3200, 3200, 0}, CountCase{ArrayStyle::Circular, 3201, 1, 3201},
    CountCase{ArrayStyle::StaggerX, 3200, 3200, 10240000}, CountCase{ArrayStyle::StaggerY, 1, 3200, 0}));

TEST_F(ArrayFixture, UnknownStyleIsAnErrorButPasses) {
    params.Style = ArrayStyle(9);
    EXPECT_EQ(CheckPadCount(params, 0), 1);
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].Text, "Invalid Array Style");
    EXPECT_EQ(ShownMessageBoxes()[0].Caption, "Error");
}

struct ExtentCase {
    ArrayStyle style;
    int32_t p, q;
    double x, y, w, z;
    int16_t d;
    double across, down;
};

class ExtentTest : public ::testing::TestWithParam<ExtentCase> {};

TEST_P(ExtentTest, CentreToCentre) {
    const ExtentCase& c = GetParam();
    ArrayParameters a;
    a.Style = c.style;
    a.X.Count = c.p, a.Y.Count = c.q, a.X.Spacing = c.x, a.Y.Spacing = c.y;
    a.StaggerW = c.w, a.StaggerZ = c.z, a.RowDelta = c.d;
    ArrayExtent e;
    ASSERT_TRUE(ComputeArrayExtent(a, e));
    EXPECT_DOUBLE_EQ(e.Across, c.across);
    EXPECT_DOUBLE_EQ(e.Down, c.down);
}

INSTANTIATE_TEST_SUITE_P(Styles, ExtentTest, ::testing::Values(
    ExtentCase{ArrayStyle::DualQuad, 2, 1, 100, 50, -20, 0, 0, 100, 0},
    ExtentCase{ArrayStyle::DualQuad, 2, 4, 100, 50, -20, 0, 0, 120, 150},
    ExtentCase{ArrayStyle::DualQuad, 2, 4, 100, 50, 150, 0, 0, 150, 150},
    ExtentCase{ArrayStyle::DualQuad, 2, 4, 100, 50, 0, -150, 0, 150, 150},
    ExtentCase{ArrayStyle::DualQuad, 2, 4, 100, 50, 0, 30, 0, 130, 150},
    ExtentCase{ArrayStyle::StaggerX, 1, 1, 100, 50, 30, 0, 1, 0, 0},
    ExtentCase{ArrayStyle::StaggerX, 3, 2, 100, 50, -30, 0, 0, 230, 50},
    ExtentCase{ArrayStyle::StaggerX, 3, 2, 100, 50, 30, 0, 1, 330, 50},
    ExtentCase{ArrayStyle::StaggerX, 3, 2, 100, 50, 30, 0, -1, 200, 50},    // short row inside
    ExtentCase{ArrayStyle::StaggerX, 3, 2, 100, 50, 150, 0, -1, 250, 50},   // short row sticks out
    ExtentCase{ArrayStyle::StaggerX, 1, 2, 100, 50, 30, 0, -1, 0, 0},       // short rows are empty
    ExtentCase{ArrayStyle::StaggerY, 3, 2, 100, 50, -30, 0, 0, 230, 50},
    ExtentCase{ArrayStyle::ChipCarrier, 3, 2, 100, 50, 10, -20, 0, 220, 50},
    ExtentCase{ArrayStyle::ChipCarrier, 3, 2, 100, 50, -300, -60, 0, 800, 170},
    ExtentCase{ArrayStyle::Grid, 1, 1, 100, 50, 0, 0, 0, 0, 0},
    ExtentCase{ArrayStyle::Grid, 4, 3, 100, 50, 0, 0, 0, 300, 100}));

class CheckArraySizeTest : public ArrayFixture {
protected:
    int Check(uint8_t unitCode) { return CheckArraySize(params, pads, unitCode, 0); }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& box : ShownMessageBoxes()) {
            EXPECT_EQ(box.Caption, "Array too large");
            texts.push_back(box.Text);
        }
        return texts;
    }
};

TEST_F(CheckArraySizeTest, ExactlyTheLimitPasses) {
    params.Style = ArrayStyle::Grid;
    params.X = {1, 1, 0, 33, 1000.0};
    params.Y = {1, 1, 0, 2, 10.0};
    EXPECT_EQ(Check(1), 1);
    params.X.Count = 34;
    EXPECT_EQ(Check(1), 0);
    EXPECT_EQ(Texts(), std::vector<std::string>{"Width must be less than 32000 mils"});
}

TEST_F(CheckArraySizeTest, PadsAddHalfAPin1AndHalfADefaultPad) {
    params.Style = ArrayStyle::Grid;
    params.X = {1, 1, 0, 2, 31000.0};
    params.Y = {1, 1, 0, 2, 31000.0};
    pads.Pin1Pad.Extents[0] = 600, pads.Pin1Pad.Extents[1] = 600;   // 1200 wide
    pads.DefaultPad.Extents[0] = 400, pads.DefaultPad.Extents[1] = 400;
    pads.DefaultPad.Extents[2] = 1001, pads.Pin1Pad.Extents[2] = 1000;
    EXPECT_EQ(Check(1), 0);   // 31000 + (1200 + 800) / 2 = 32000 wide; 31000 + 1000.5 high
    EXPECT_EQ(Texts(), std::vector<std::string>{"Height must be less than 32000 mils"});
}

TEST_F(CheckArraySizeTest, WidthThenHeight) {
    UseDesign(4, kTenthMicron);
    params.Style = ArrayStyle::Circular;
    params.X.Count = 4;
    params.AngleStep = 5400;
    params.Radius = 406.4;
    EXPECT_EQ(Check(4), 1);
    params.Radius = 406.5;
    EXPECT_EQ(Check(4), 0);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Width must be less than 812.8 millimeters",
                                                 "Height must be less than 812.8 millimeters"}));
}

TEST_F(CheckArraySizeTest, EveryUnitHasItsLimitAndTexts) {
    for (uint8_t code = 1; code <= 5; ++code) {
        const UnitInfo* unit = FindUnit(code);
        ASSERT_NE(unit, nullptr);
        params.Style = ArrayStyle::Grid;
        params.X = {1, 1, 0, 2, unit->SizeLimit};
        params.Y = {1, 1, 0, 2, unit->SizeLimit * 1.0001};
        ClearShownMessageBoxes();
        EXPECT_EQ(Check(code), 0);
        EXPECT_EQ(Texts(), std::vector<std::string>{unit->HeightMessage});
        EXPECT_DOUBLE_EQ(unit->SizeLimit / unit->PerInch, 32.0);
        EXPECT_DOUBLE_EQ(unit->SpacingLimit / unit->PerInch, 10.0);
    }
    params.Y.Spacing = 1e12;
    EXPECT_EQ(Check(0), 1);   // an unknown unit has no limit
    EXPECT_EQ(UnitName(7), std::string("-> Unknown Unit <-"));
    EXPECT_EQ(UnitSuffix(0), std::string("(--)"));
}

}  // namespace
