// The terminal spans L and S of a pair of rows from whichever form the datasheet gives: a
// gull-wing's lead span and foot, or a no-lead package's body with its pull-back, inside-edge
// distance or lead-centre position.
#pragma once
#include <optional>

#include "host/base/result.h"
#include "host/land/package_input.h"
#include "host/land/row_pair.h"

namespace land {

// The keys of one pair of rows: X are the left and right rows, measured across x and lined up
// along y.
struct AxisKeys {
    Key pins, body, bodyAlong, overall, leadLen, centerPos, centerToCenter;
    const char* rows;   // as messages name the pair
};
const AxisKeys& KeysOf(RowAxis axis);

// None where the pair has no pins. Refuses, naming the keys, a form that lacks a key, gives
// two forms at once or has feet that meet in the middle.
Result<std::optional<RowTerminals>> TerminalsOf(const PackageInput& input, RowAxis axis, double pitch);

// A no-lead terminal whose outer edge lies further inside the body than this, at nominal,
// is pulled back.
constexpr double kPullBackFrom = 0.01;

}  // namespace land
