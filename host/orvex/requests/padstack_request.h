// "orvex padstack add": a padstack of one pad, or a hole without copper, into a design or a
// library. Sizes stay texts until the file is open, since they are in its display unit.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "host/base/result.h"
#include "host/orvex/text/arg_list.h"
#include "host/zelmdb/design_types.h"

struct PadstackRequest {
    std::string file, name;
    zelmdb::PadShape shape = zelmdb::PadShape::None;   // none: a hole
    uint16_t cornerRatio = 0;
    bool bottom = false;
    bool noPaste = false;
    int16_t rotation = 0;   // minutes
    std::optional<std::string> width, height, drill;
};

ArgRules PadstackArgRules();
// Refuses a name the file cannot keep, an unknown shape, options a hole does not take, a side
// or rotation that is none.
Result<PadstackRequest> PadstackRequestOf(const ArgList& args);
// The padstack as `design` stores it, sizes in its units; refuses sizes it cannot hold and a drill
// larger than its pad.
Result<zelmdb::Padstack> PadstackOf(const PadstackRequest& request, const zelmdb::DesignInfo& design);
