// The padstacks of calculated lands: found where the design holds one of the same geometry,
// else made under a name that states the size in millimetres. "RR1.95x0.6r0.15" is a rounded
// rectangle 1.95 wide and 0.6 high with corners of radius 0.15; "C0.4" a circle of 0.4; "C0.5d0.3"
// a circle of 0.5 round a plated drill of 0.3 (a thermal via).
#pragma once
#include <string>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"

// One land as a padstack would hold it, in millimetres, unturned.
struct LandShape {
    double width = 0, height = 0;
    double cornerRatio = 0;   // a rectangle's corner radius over its shorter side
    bool round = false;
    double drill = 0;
    bool operator==(const LandShape&) const = default;
};

std::string LandPadstackName(const LandShape& shape);
// The padstack's layers in the design's units; the sizes are rounded to whole units.
zelmdb::Padstack LandPadstackOf(const LandShape& shape, const zelmdb::DesignInfo& design);

// The name under which the design holds the land, storing it first where it has none. One of
// the same geometry is taken only while its name is its own, so that a list that offers it by
// name offers that one.
Result<std::string> FindOrMakeLandPadstack(zelmdb::DesignStore& store, const LandShape& shape);
