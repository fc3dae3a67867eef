// Padstacks for pads the host turns, got the way the plug-in gets its own: a padstack that a
// turn leaves as it was stays, an equal one the design holds is taken, and otherwise a copy is
// stored under the padstack's name with the angle, "SQ(90.00)", made free if another holds it.
// So a turned footprint stands on the same padstacks as one the plug-in made so.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <utility>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"

class PadstackTurner {
public:
    explicit PadstackTurner(zelmdb::DesignStore& store) : store_(store) {}
    // The padstack of a pad turned counter-clockwise by `minutes`; refused when the padstack is
    // gone or its copy cannot be stored.
    Result<int16_t> Turned(int16_t padstack, int32_t minutes);

    // The name of a copy turned to `rotation`: the padstack's own name without an angle it
    // carries, then the new one; a second copy of that name gets "~2" before the angle.
    static std::string CopyName(const std::string& padstackName, int32_t rotation, int copy = 1);

private:
    Result<int16_t> StoreCopy(zelmdb::Padstack copy, const std::string& name, int32_t rotation);

    zelmdb::DesignStore& store_;
    std::map<std::pair<int16_t, int32_t>, int16_t> turned_;
};

// A rotation in minutes brought into one turn, 0 up to 21600.
int32_t NormalisedMinutes(int64_t minutes);
