// Reading a padstack from the command line; see padstack_request.h.
#include "host/orvex/requests/padstack_request.h"

#include <algorithm>
#include <cmath>

#include "host/orvex/text/latin1.h"
#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

using zelmdb::PadShape;

struct NamedShape {
    PadShape shape;
    uint16_t cornerRatio;   // what the shape rounds its corners by unless --corner-ratio says
};
// Names of the command line beside the shapes' own. A rounded rectangle is a rectangle to the
// plug-in; its corners are the host's own property. A hole has no copper at all: an unplated
// hole, for a mounting peg or a screw.
struct ShapeAlias {
    const char* option;
    NamedShape named;
};
const ShapeAlias Aliases[] = {{"roundrect", {PadShape::Rectangle, zelmdb::CornerRatioScale / 4}},
                              {"hole", {PadShape::None, 0}}};

// "round, square, oblong, rect, roundrect, hole"
std::string ShapeOptions() {
    std::string list;
    for (const auto& row : zelmdb::PadShapeNames) list.append(list.empty() ? "" : ", ").append(row.option);
    for (const ShapeAlias& alias : Aliases) list.append(", ").append(alias.option);
    return list;
}

Result<uint16_t> CornerRatio(const std::string& text, PadShape shape) {
    TRY_ASSIGN(r, number_parser::Real(text, "corner ratio"));
    if (!zelmdb::Rectangular(shape)) return Failure{"--corner-ratio rounds square and rectangular pads only"};
    if (!(r > 0 && r <= 0.5))
        return Failure{"corner ratio " + Utf8FromLatin1(text) + " is not above 0 and at most 0.5 (half the shorter side)"};
    const auto ratio = uint16_t(std::lround(r * zelmdb::CornerRatioScale));
    if (ratio == 0) return Failure{"corner ratio " + Utf8FromLatin1(text) + " is below the smallest step, 0.0001"};
    return ratio;
}

Result<NamedShape> ShapeOf(const ArgList& a) {
    const auto shape = a.Value("--shape");
    const auto code = a.Value("--shape-code");
    if (shape && code) return Failure{"give --shape or --shape-code, not both"};
    if (code) {
        TRY_ASSIGN(n, number_parser::Integer(*code, "shape code", 1, 255));
        return NamedShape{PadShape(n), 0};
    }
    if (!shape) return Failure{"padstack add needs --shape (" + ShapeOptions() + ") or --shape-code N"};
    if (const zelmdb::PadShapeName* row = zelmdb::PadShapeOption(*shape)) return NamedShape{row->shape, 0};
    for (const ShapeAlias& alias : Aliases)
        if (*shape == alias.option) return alias.named;
    return Failure{"unknown shape '" + Utf8FromLatin1(*shape) + "' (" + ShapeOptions() + ", or --shape-code N)"};
}

// A hole's size is its drill's; a pad's is its own.
Status HoleFits(const ArgList& a, PadShape shape) {
    if (shape != PadShape::None) return {};
    for (const char* option : {"--width", "--height", "--rotation", "--side", "--no-paste"})
        if (a.Value(option) || a.Has(option))
            return Failure{std::string("a hole has no pad: ") + option + " does not apply; give --drill"};
    if (!a.Value("--drill")) return Failure{"a hole needs --drill"};
    return {};
}

Result<int16_t> Rotation(const std::string& text) {
    TRY_ASSIGN(degrees, number_parser::Real(text, "rotation"));
    if (degrees < -360 || degrees > 360) return Failure{"rotation " + Utf8FromLatin1(text) + " is outside -360 to 360 degrees"};
    return int16_t(std::lround(degrees * 60));
}

Result<int32_t> Size(const std::optional<std::string>& text, const char* option, bool required,
                     const zelmdb::DesignInfo& info) {
    const char* what = option + 2;
    if (!text) return required ? Result<int32_t>(Failure{std::string("padstack add needs ") + option}) : 0;
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(info.unitCode);
    TRY_ASSIGN(v, number_parser::Length(*text, what, unit ? unit->inchesPerUnit : info.inchesPerUnit,
                                        info.inchesPerUnit));
    if (v < 0 || (required && v == 0))
        return Failure{std::string(what) + " " + Utf8FromLatin1(*text) + (required ? " must be more than 0" : " must not be negative")};
    return v;
}

}  // namespace

ArgRules PadstackArgRules() {
    return {{"--shape", "--shape-code", "--width", "--height", "--drill", "--rotation", "--side", "--corner-ratio"},
            {"--no-paste"}, {}, 2, 2};
}

Result<PadstackRequest> PadstackRequestOf(const ArgList& a) {
    PadstackRequest r;
    r.file = a.positional()[0];
    r.name = a.positional()[1];
    if (r.name.empty() || r.name.size() >= zelmdb::TextMax)
        return Failure{"padstack name must have 1 to " + std::to_string(zelmdb::TextMax - 1) + " characters"};
    TRY_ASSIGN(shape, ShapeOf(a));
    r.shape = shape.shape;
    r.cornerRatio = shape.cornerRatio;
    if (const auto ratio = a.Value("--corner-ratio")) {
        TRY_ASSIGN(corner, CornerRatio(*ratio, r.shape));
        r.cornerRatio = corner;
    }
    TRY(HoleFits(a, r.shape));
    const std::string side = a.Value("--side").value_or("top");
    if (side != "top" && side != "bottom") return Failure{"side '" + Utf8FromLatin1(side) + "' is neither top nor bottom"};
    r.bottom = side == "bottom";
    if (auto text = a.Value("--rotation")) {
        TRY_ASSIGN(rotation, Rotation(*text));
        r.rotation = rotation;
    }
    r.noPaste = a.Has("--no-paste");
    r.width = a.Value("--width");
    r.height = a.Value("--height");
    r.drill = a.Value("--drill");
    return r;
}

Result<zelmdb::Padstack> PadstackOf(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    const bool hole = r.shape == PadShape::None;
    TRY_ASSIGN(width, Size(r.width, "--width", !hole, design));
    TRY_ASSIGN(height, Size(r.height, "--height", !hole, design));
    TRY_ASSIGN(drill, Size(r.drill, "--drill", hole, design));
    if (!hole && drill > std::min(width, height))
        return Failure{"drill " + Utf8FromLatin1(*r.drill) + " is larger than the pad (" + Utf8FromLatin1(*r.width) + " x " +
                       Utf8FromLatin1(*r.height) +
                       "); a drill must fit inside its pad"};
    zelmdb::Padstack p;
    p.layers.resize(size_t(design.layerCount));
    const zelmdb::PadLayer side = r.bottom ? zelmdb::PadLayer::Bottom : zelmdb::PadLayer::Top;
    zelmdb::LayerGeometry& pad = p.Layer(side);
    pad.width1 = width;
    pad.height1 = height;
    pad.shape = r.shape;
    pad.cornerRatio = r.cornerRatio;
    pad.hostFlags = r.noPaste ? zelmdb::NoPasteFlag : 0;
    pad.rotation = r.rotation;
    if (drill > 0) {
        zelmdb::LayerGeometry& bore = p.Layer(zelmdb::PadLayer::Drill);
        bore.width1 = drill;
        bore.height1 = drill;
        bore.shape = PadShape::Round;
    }
    return p;
}
