// The exposed pad: its land (the datasheet's nominal pad, or the land it recommends), the
// clearance the rows keep from it, its mask opening, paste windows and thermal vias.
#pragma once
#include <optional>

#include "host/base/result.h"
#include "host/land/land_pattern.h"
#include "host/land/package_input.h"

namespace land {

constexpr double kEpClearance = 0.2;           // lands to exposed pad
constexpr double kDefaultPasteCoverage = 0.65;
constexpr double kViaRing = 0.1;               // copper round a thermal via's drill

// None where the package has no exposed pad. Refuses a pad half given, larger than the body or
// standing past its edge.
Result<std::optional<Rect>> ExposedPadLand(const PackageInput& in);
// The least G of a pair of rows whose lands keep kEpClearance from the pad.
double GClearOf(const Rect& pad, RowAxis axis);
// Mask, paste and vias of the pad's land.
Result<ExposedPadLands> ExposedPadOf(const PackageInput& in, const Rect& land, int number);

}  // namespace land
