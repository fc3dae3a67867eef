// Reading a padstack from the command line; see padstack_request.h.
#include "host/orvex/requests/padstack_request.h"

#include <algorithm>
#include <cmath>

#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

struct ShapeName {
    const char* name;
    uint8_t code;
    uint16_t cornerRatio;   // what the shape rounds its corners by unless --corner-ratio says
};
// A rounded rectangle is a rectangle to the plug-in; its corners are the host's own property.
// A hole has no copper at all: an unplated hole, for a mounting peg or a screw.
constexpr uint8_t HoleCode = 0;
const ShapeName Shapes[] = {{"round", 1, 0}, {"square", 2, 0}, {"oblong", 3, 0}, {"rect", 4, 0},
                            {"roundrect", 4, zelmdb::CornerRatioScale / 4}, {"hole", HoleCode, 0}};

bool Rectangular(uint8_t code) { return code == 2 || code == 4; }

constexpr int TopLayer = 1;
constexpr int BottomLayer = 2;

Result<uint16_t> CornerRatio(const std::string& text, uint8_t code) {
    TRY_ASSIGN(r, number_parser::Real(text, "corner ratio"));
    if (!Rectangular(code)) return Failure{"--corner-ratio rounds square and rectangular pads only"};
    if (!(r > 0 && r <= 0.5))
        return Failure{"corner ratio " + text + " is not above 0 and at most 0.5 (half the shorter side)"};
    const auto ratio = uint16_t(std::lround(r * zelmdb::CornerRatioScale));
    if (ratio == 0) return Failure{"corner ratio " + text + " is below the smallest step, 0.0001"};
    return ratio;
}

Result<ShapeName> NamedShape(const ArgList& a) {
    const auto shape = a.Value("--shape");
    const auto code = a.Value("--shape-code");
    if (shape && code) return Failure{"give --shape or --shape-code, not both"};
    if (code) {
        TRY_ASSIGN(n, number_parser::Integer(*code, "shape code", 1, 255));
        return ShapeName{"", uint8_t(n), 0};
    }
    if (!shape)
        return Failure{"padstack add needs --shape (round, square, oblong, rect, roundrect, hole) or --shape-code N"};
    for (const auto& s : Shapes)
        if (*shape == s.name) return s;
    return Failure{"unknown shape '" + *shape + "' (round, square, oblong, rect, roundrect, hole, or --shape-code N)"};
}

// A hole's size is its drill's; a pad's is its own.
Status HoleFits(const ArgList& a, uint8_t code) {
    if (code != HoleCode) return {};
    for (const char* option : {"--width", "--height", "--rotation", "--side", "--no-paste"})
        if (a.Value(option) || a.Has(option))
            return Failure{std::string("a hole has no pad: ") + option + " does not apply; give --drill"};
    if (!a.Value("--drill")) return Failure{"a hole needs --drill"};
    return {};
}

Result<int16_t> Rotation(const std::string& text) {
    TRY_ASSIGN(degrees, number_parser::Real(text, "rotation"));
    if (degrees < -360 || degrees > 360) return Failure{"rotation " + text + " is outside -360 to 360 degrees"};
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
        return Failure{std::string(what) + " " + *text + (required ? " must be more than 0" : " must not be negative")};
    return v;
}

}  // namespace

ArgSpec PadstackArgSpec() {
    return {{"--shape", "--shape-code", "--width", "--height", "--drill", "--rotation", "--side", "--corner-ratio"},
            {"--no-paste"}, {}, 2, 2};
}

Result<PadstackRequest> PadstackRequestOf(const ArgList& a) {
    PadstackRequest r;
    r.file = a.positional()[0];
    r.name = a.positional()[1];
    if (r.name.empty() || r.name.size() >= zelmdb::TextMax)
        return Failure{"padstack name must have 1 to " + std::to_string(zelmdb::TextMax - 1) + " characters"};
    TRY_ASSIGN(shape, NamedShape(a));
    r.shape = shape.code;
    r.cornerRatio = shape.cornerRatio;
    if (const auto ratio = a.Value("--corner-ratio")) {
        TRY_ASSIGN(corner, CornerRatio(*ratio, r.shape));
        r.cornerRatio = corner;
    }
    TRY(HoleFits(a, r.shape));
    const std::string side = a.Value("--side").value_or("top");
    if (side != "top" && side != "bottom") return Failure{"side '" + side + "' is neither top nor bottom"};
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
    const bool hole = r.shape == HoleCode;
    TRY_ASSIGN(width, Size(r.width, "--width", !hole, design));
    TRY_ASSIGN(height, Size(r.height, "--height", !hole, design));
    TRY_ASSIGN(drill, Size(r.drill, "--drill", hole, design));
    if (!hole && drill > std::min(width, height))
        return Failure{"drill " + *r.drill + " is larger than the pad (" + *r.width + " x " + *r.height +
                       "); a drill must fit inside its pad"};
    zelmdb::Padstack p;
    p.layers.resize(size_t(design.layerCount));
    zelmdb::LayerGeometry& pad = p.layers[size_t((r.bottom ? BottomLayer : TopLayer) - 1)];
    pad.width1 = width;
    pad.height1 = height;
    pad.shape = r.shape;
    pad.cornerRatio = r.cornerRatio;
    pad.hostFlags = r.noPaste ? zelmdb::NoPasteFlag : 0;
    pad.rotation = r.rotation;
    if (drill > 0) {
        zelmdb::LayerGeometry& bore = p.layers[size_t(zelmdb::DrillLayer - 1)];
        bore.width1 = drill;
        bore.height1 = drill;
        bore.shape = 1;   // a drill is round
    }
    return p;
}
