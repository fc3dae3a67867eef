// The courtyard: the keep-out round body, lands and exposed pad.
#pragma once
#include "host/land/land_pattern.h"

namespace land {

// Body (nominal), every land and the exposed pad, grown by the density's excess, each edge on
// the nearest 0.01 mm.
Courtyard LeadedCourtyard(const LandPattern& pattern);
// A ball grid's: the nominal body grown by kBgaCourtyardExcess, each edge outwards to 0.01 mm.
Courtyard BgaCourtyard(const Dimension& bodyX, const Dimension& bodyY);

constexpr double kBgaCourtyardExcess = 1.0;
constexpr double kCourtyardGrid = 0.01;

}  // namespace land
