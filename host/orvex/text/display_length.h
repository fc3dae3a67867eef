// Lengths of a design in its display unit, as orvex prints them.
#pragma once
#include <cstdint>
#include <string>

#include "host/zelmdb/design_types.h"

// `units` database units in the design's display unit with the unit's own decimals; `trimmed`
// drops the zeros after the last digit that counts ("0.65" rather than "0.6500"). A design of
// an unknown unit shows database units.
std::string DisplayLength(int64_t units, const zelmdb::DesignInfo& design, bool trimmed = true);
