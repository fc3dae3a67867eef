// What generate asks the host to do to the footprint the dialog stored: add pads, leave pads
// out, turn it, start a circle elsewhere. Read from options or from JSON members of the same
// names; every refusal names its option.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/text/arg_list.h"
#include "host/orvex/text/json_reader.h"
#include "host/zelmdb/design_types.h"

// An extra pad as given: its position in the design's display unit, not yet converted.
struct PadRequest {
    std::string name, x, y, padstack;
};

struct ExtrasRequest {
    std::vector<PadRequest> pads;
    PadsAbout padsAbout = PadsAbout::Center;
    std::vector<std::string> omit;          // names and ranges, one each
    int32_t turn = 0;                       // minutes
    std::optional<int32_t> startAngle;      // minutes
    std::optional<PasteSplit> epPaste;
    bool allowOverlap = false;
};

// The command line's options of these ("--turn"...) into a command's rules.
void AddExtrasOptions(ArgRules& rules);

Status ExtrasFromArgs(ExtrasRequest& request, const ArgList& args);
// None when the member (a name without "--") is none of these; else whether its value reads.
std::optional<Status> ExtrasFromJson(ExtrasRequest& request, const std::string& name, const JsonValue& value);
// Refuses what the style cannot take, a start angle without a circle, and a paste split without
// an extra pad to split.
Status ExtrasFitStyle(const ExtrasRequest& request, const std::string& styleName);

// The host's record for the request, positions in database units; refuses a position the
// design cannot hold.
Result<FootprintExtras> ExtrasOf(const ExtrasRequest& request, const zelmdb::DesignInfo& design);
