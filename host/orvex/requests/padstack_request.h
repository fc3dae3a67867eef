// "orvex padstack add": a padstack of one pad, or a hole without copper, into a design or a
// library. Sizes stay texts until the file is open, since they are in its display unit.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "host/base/result.h"
#include "host/orvex/text/arg_list.h"
#include "host/zelmdb/design_types.h"
#include "host/zelmdb/pad_form.h"
#include "host/zelmdb/pad_kind.h"

// The outline beside the shape code: a chamfered, trapezoid or custom pad is a rectangle of its
// full size to the plug-in, its exact outline the host's form.
enum class PadOutline { Plain, Chamfered, Trapezoid, Custom };

struct PadstackRequest {
    std::string file, name;
    zelmdb::PadShape shape = zelmdb::PadShape::None;   // none: a hole
    PadOutline outline = PadOutline::Plain;
    zelmdb::PadKind kind = zelmdb::PadKind::Copper;
    uint16_t cornerRatio = 0;
    uint16_t chamferRatio = 0;
    uint8_t chamferCorners = zelmdb::AllChamferCorners;
    bool bottom = false;
    bool noPaste = false;
    int16_t rotation = 0;   // minutes
    std::optional<std::string> width, height, drill, polygon;   // drill: "D", or "WxH" for a slot
    std::optional<std::pair<std::string, std::string>> delta, drillOffset;
};

ArgRules PadstackArgRules();
// Refuses a name the file cannot keep, an unknown shape or kind, options the shape or kind does
// not take, a side or rotation that is none.
Result<PadstackRequest> PadstackRequestOf(const ArgList& args);

// What a padstack add stores: the form first, whose id the padstack then carries.
struct PadstackToStore {
    zelmdb::Padstack padstack;
    zelmdb::PadForm form;
};
// The padstack as `design` stores it, sizes in its units, its pad on `padLayer` (the layer of the
// request's kind and side in that file); refuses sizes it cannot hold, an outline that is no
// pad's, and a drill that does not fit inside its pad.
Result<PadstackToStore> PadstackOf(const PadstackRequest& request, const zelmdb::DesignInfo& design, int padLayer);
