// Lengths in millimetres put on a grid, without the binary noise of decimal fractions: 0.125
// on a 0.05 grid is half a step exactly and goes up, as a person rounding by hand would.
#pragma once

namespace land {

// The nearest grid line; half a step goes away from zero.
double RoundNearest(double mm, double grid);
// The grid line at or below, and at or above.
double RoundDown(double mm, double grid);
double RoundUp(double mm, double grid);

}  // namespace land
