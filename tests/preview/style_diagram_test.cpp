// The style sample's pad-count formulas and pitch, from the page parameters.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "preview/style_diagram.h"

namespace {

struct FormulaCase {
    ArrayStyle style;
    int32_t p, q;
    int16_t d;
    const char* formula;
};

void PrintTo(const FormulaCase& c, std::ostream* out) { *out << c.formula; }

class StyleDiagramFormulaTest : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(StyleDiagramFormulaTest, CountsThePadsOfTheParameters) {
    ArrayParameters params;
    params.Style = GetParam().style;
    params.X.Count = GetParam().p;
    params.Y.Count = GetParam().q;
    params.RowDelta = GetParam().d;
    const StyleDiagram* diagram = FindStyleDiagram(GetParam().style);
    ASSERT_NE(diagram, nullptr);
    EXPECT_EQ(DiagramFormula(*diagram, params), GetParam().formula);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, StyleDiagramFormulaTest,
    ::testing::Values(FormulaCase{ArrayStyle::Grid, 4, 3, 0, "n=12=p*q"},
                      FormulaCase{ArrayStyle::DualQuad, 3, 7, 0, "n=14=2*q"},
                      FormulaCase{ArrayStyle::ChipCarrier, 10, 8, 0, "n=36=2*(p+q)"},
                      FormulaCase{ArrayStyle::Circular, 16, 5, 0, "n=16=p"},
                      // Two odd rows of 5 and two even rows of 5 + 1.
                      FormulaCase{ArrayStyle::StaggerX, 5, 4, 1, "n=22=(p*q)"},
                      FormulaCase{ArrayStyle::StaggerX, 5, 1, 1, "n=5=(p*q)"},
                      FormulaCase{ArrayStyle::StaggerX, 5, 3, -1, "n=14=(p*q)"},
                      FormulaCase{ArrayStyle::StaggerY, 3, 4, 0, "n=12=p*q"},
                      FormulaCase{ArrayStyle(0), 9, 9, 0, "n=1"}));

TEST(StyleDiagramTest, UnknownStyleHasNoDiagram) { EXPECT_EQ(FindStyleDiagram(ArrayStyle(7)), nullptr); }

TEST(StyleDiagramTest, PitchFollowsTheClientWidth) {
    const StyleDiagram& grid = *FindStyleDiagram(ArrayStyle::Grid);
    const DiagramMetrics m = DiagramMetricsFor(grid, 250, 6);
    EXPECT_EQ(m.pitch, 48);
    EXPECT_EQ(m.half, 24);
    // The chip carrier's pitch is a sixth smaller: 48 - 8.
    EXPECT_EQ(DiagramMetricsFor(*FindStyleDiagram(ArrayStyle::ChipCarrier), 250, 6).pitch, 40);
    // A half of a half is truncated on its own, so -h/2 - g is not -(h/2 + g) rounded once.
    const DiagramMetrics odd{47, 23, 6};
    EXPECT_EQ(odd.Eval(DiagramLength{-1, 0, -1, 0}), -47 - 11);
    EXPECT_EQ(odd.Eval(DiagramLength{-1, -1, 0, 1}), -47 - 23 + 6);
}

}  // namespace
