// A ball grid's lands: pitches, the land from the ball (or a fixed one), mask and paste.
#pragma once
#include "host/base/result.h"
#include "host/land/land_pattern.h"
#include "host/land/package_input.h"

namespace land {

// Refuses a grid without its counts or pitch, a ball the tables do not list, lands that touch
// and a grid wider than the body.
Result<BallLands> BallLandsOf(const PackageInput& input, const Dimension& bodyX, const Dimension& bodyY);

}  // namespace land
