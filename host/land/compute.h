// The land pattern of a package from its datasheet dimensions, or the reason there is none,
// naming the keys and values that do not agree.
#pragma once
#include "host/base/result.h"
#include "host/land/land_pattern.h"
#include "host/land/package_input.h"

namespace land {

Result<LandPattern> Compute(const PackageInput& input);

// Board fabrication and placement tolerances where the package gives none.
constexpr double kDefaultFabrication = 0.10;
constexpr double kDefaultPlacement = 0.05;

}  // namespace land
