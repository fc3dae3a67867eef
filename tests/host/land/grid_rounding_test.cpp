// Grid rounding where binary fractions would tip a half step the wrong way.
#include <gtest/gtest.h>

#include "host/land/grid_rounding.h"

namespace {

struct RoundCase {
    double mm, grid, nearest, down, up;
};
class GridRoundingTest : public ::testing::TestWithParam<RoundCase> {};

TEST_P(GridRoundingTest, HalfStepsAndExactLinesAsMeant) {
    const RoundCase& c = GetParam();
    EXPECT_NEAR(land::RoundNearest(c.mm, c.grid), c.nearest, 1e-12);
    EXPECT_NEAR(land::RoundDown(c.mm, c.grid), c.down, 1e-12);
    EXPECT_NEAR(land::RoundUp(c.mm, c.grid), c.up, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(Cases, GridRoundingTest, ::testing::Values(
    // 0.125 / 0.05 is 2.4999999999999996 in doubles: still half a step, so up.
    RoundCase{0.125, 0.05, 0.15, 0.10, 0.15},
    RoundCase{-0.125, 0.05, -0.15, -0.15, -0.10},
    RoundCase{3.125, 0.01, 3.13, 3.12, 3.13},
    RoundCase{-3.125, 0.01, -3.13, -3.13, -3.12},
    // 0.1 + 0.2 lies a hair above 0.3, 5.8 + 0.7 on a line: no step either way.
    RoundCase{0.1 + 0.2, 0.05, 0.30, 0.30, 0.30},
    RoundCase{0.7 + 5.8, 0.05, 6.50, 6.50, 6.50},
    RoundCase{6.9153, 0.05, 6.90, 6.90, 6.95},
    RoundCase{2.9783, 0.05, 3.00, 2.95, 3.00},
    RoundCase{6.0, 0.01, 6.0, 6.0, 6.0}));

}  // namespace
