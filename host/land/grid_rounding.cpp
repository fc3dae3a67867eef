// Grid rounding in whole steps; see grid_rounding.h.
#include "host/land/grid_rounding.h"

#include <cmath>

namespace land {
namespace {

// Steps of the grid, snapped to a millionth of a step: 2.4999999999999996 steps of a value
// typed as 0.125 are the 2.5 that were meant.
double Steps(double mm, double grid) { return std::round(mm / grid * 1e6) / 1e6; }

}  // namespace

double RoundNearest(double mm, double grid) { return std::round(Steps(mm, grid)) * grid; }
double RoundDown(double mm, double grid) { return std::floor(Steps(mm, grid)) * grid; }
double RoundUp(double mm, double grid) { return std::ceil(Steps(mm, grid)) * grid; }

}  // namespace land
