// What generate asks the host to do to the footprint the dialog stored: add pads, split an
// exposed pad's paste, leave pads out, turn it, and to each arrangement: start a circle
// elsewhere, pad its names with zeros, stand some of its pads on padstacks of their own. Read
// from options or from JSON members of the same names; every refusal names its option.
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

// What the host does to one arrangement, as given.
struct ShapeRequest {
    std::optional<int32_t> startAngle;   // minutes
    int nameWidth = 0;
    std::vector<PinPadstack> pinPadstacks;
};

// What the host does to the whole footprint, as given.
struct ExtrasRequest {
    std::vector<PadRequest> pads;
    PadsAbout padsAbout = PadsAbout::Center;
    std::vector<std::string> omit;          // names and ranges, one each
    int32_t turn = 0;                       // minutes
    std::optional<PasteSplit> epPaste;
    bool allowOverlap = false;
};

// The command line's options of these ("--start-angle"..., "--turn"...) into a command's rules.
void AddShapeOptions(ArgRules& rules);
void AddExtrasOptions(ArgRules& rules);

Status ShapeFromArgs(ShapeRequest& request, const ArgList& args);
Status ExtrasFromArgs(ExtrasRequest& request, const ArgList& args);
// None when the member (a name without "--") is none of these; else whether its value reads.
std::optional<Status> ShapeFromJson(ShapeRequest& request, const std::string& name, const JsonValue& value);
std::optional<Status> ExtrasFromJson(ExtrasRequest& request, const std::string& name, const JsonValue& value);
// Refuses what the style cannot take: a start angle without a circle.
Status ShapeFitsStyle(const ShapeRequest& request, const std::string& styleName);
// Refuses a paste split without an extra pad to split.
Status ExtrasFit(const ExtrasRequest& request);

ArrangementShape ShapeOf(const ShapeRequest& request);
// The host's record for the request, positions in database units; refuses a position the
// design cannot hold.
Result<FootprintExtras> ExtrasOf(const ExtrasRequest& request, const zelmdb::DesignInfo& design);
// A length in the display unit as the design stores it; the refusal starts with `label`.
Result<int32_t> DesignLength(const std::string& text, const char* axis, const std::string& label,
                             const zelmdb::DesignInfo& design);
