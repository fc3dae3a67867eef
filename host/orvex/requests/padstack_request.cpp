// Reading a padstack from the command line; see padstack_request.h.
#include "host/orvex/requests/padstack_request.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "host/orvex/text/latin1.h"
#include "host/orvex/text/number_parser.h"
#include "host/orvex/text/shape_text.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

using zelmdb::PadShape;

struct NamedShape {
    PadShape shape;
    uint16_t cornerRatio;   // what the shape rounds its corners by unless --corner-ratio says
    PadOutline outline;
};
// Names of the command line beside the shapes' own. A rounded rectangle is a rectangle to the
// plug-in; its corners are the host's own property, as are the outlines of the chamfered,
// trapezoid and custom pads. A hole has no copper at all: an unplated hole, for a mounting peg
// or a screw.
struct ShapeAlias {
    const char* option;
    NamedShape named;
};
const ShapeAlias Aliases[] = {{"roundrect", {PadShape::Rectangle, zelmdb::CornerRatioScale / 4, PadOutline::Plain}},
                              {"chamfered", {PadShape::Rectangle, 0, PadOutline::Chamfered}},
                              {"trapezoid", {PadShape::Rectangle, 0, PadOutline::Trapezoid}},
                              {"custom", {PadShape::Rectangle, 0, PadOutline::Custom}},
                              {"hole", {PadShape::None, 0, PadOutline::Plain}}};

// "round, square, oblong, rect, roundrect, chamfered, trapezoid, custom, hole"
std::string ShapeOptions() {
    std::string list;
    for (const auto& row : zelmdb::PadShapeNames) list.append(list.empty() ? "" : ", ").append(row.option);
    for (const ShapeAlias& alias : Aliases) list.append(", ").append(alias.option);
    return list;
}

const char* OutlineOption(PadOutline outline) {
    for (const ShapeAlias& alias : Aliases)
        if (alias.named.outline == outline) return alias.option;
    return "";
}

bool Hole(const PadstackRequest& r) { return r.shape == PadShape::None; }
bool Copper(const PadstackRequest& r) { return r.kind == zelmdb::PadKind::Copper && !Hole(r); }
bool Opening(const PadstackRequest& r) { return r.kind != zelmdb::PadKind::Copper; }

// Options that only some padstacks take, with what to say to the others. Checked in this order.
struct OptionRule {
    const char* option;
    bool (*refused)(const PadstackRequest&);
    const char* why;
};
const OptionRule OptionRules[] = {
    {"--kind", Hole, "a hole has no pad: --kind does not apply; give --drill"},
    {"--drill", Opening, "a paste or mask opening has no drill"},
    {"--no-paste", Opening, "--no-paste is for copper pads; a paste or mask opening is its own layer"},
    {"--corner-ratio",
     [](const PadstackRequest& r) { return r.outline == PadOutline::Trapezoid || r.outline == PadOutline::Custom; },
     "--corner-ratio rounds square and rectangular pads only"},
    {"--chamfer-ratio", [](const PadstackRequest& r) { return r.outline != PadOutline::Chamfered; },
     "--chamfer-ratio cuts the corners of --shape chamfered only"},
    {"--chamfer-corners", [](const PadstackRequest& r) { return r.outline != PadOutline::Chamfered; },
     "--chamfer-corners names the corners of --shape chamfered only"},
    {"--delta", [](const PadstackRequest& r) { return r.outline != PadOutline::Trapezoid; },
     "--delta slants the sides of --shape trapezoid only"},
    {"--polygon", [](const PadstackRequest& r) { return r.outline != PadOutline::Custom; },
     "--polygon outlines --shape custom only"},
    {"--width", [](const PadstackRequest& r) { return r.outline == PadOutline::Custom; },
     "a custom pad's size is its polygon's: --width does not apply"},
    {"--height", [](const PadstackRequest& r) { return r.outline == PadOutline::Custom; },
     "a custom pad's size is its polygon's: --height does not apply"},
    {"--drill-offset", [](const PadstackRequest& r) { return !Copper(r); },
     "--drill-offset moves the drill of a copper pad; a hole or an opening has none to move"},
};
// What each outline cannot do without.
struct NeededOption {
    PadOutline outline;
    const char* option;
};
const NeededOption NeededOptions[] = {{PadOutline::Chamfered, "--chamfer-ratio"},
                                      {PadOutline::Trapezoid, "--delta"},
                                      {PadOutline::Custom, "--polygon"}};

bool Given(const ArgList& a, const char* option) {
    return a.Value(option) || a.Has(option) || !a.Groups(option).empty();
}

Status OptionsFit(const ArgList& a, const PadstackRequest& r) {
    for (const char* group : {"--delta", "--drill-offset"})
        if (a.Groups(group).size() > 1) return Failure{std::string("option ") + group + " is given twice"};
    for (const OptionRule& rule : OptionRules)
        if (Given(a, rule.option) && rule.refused(r)) return Failure{rule.why};
    for (const NeededOption& need : NeededOptions)
        if (r.outline == need.outline && !Given(a, need.option))
            return Failure{std::string("--shape ") + OutlineOption(need.outline) + " needs " + need.option};
    return {};
}

// A share of the shorter side in ten-thousandths, above 0 and at most a half.
Result<uint16_t> Ratio(const std::string& text, const char* what) {
    TRY_ASSIGN(r, number_parser::Real(text, what));
    if (!(r > 0 && r <= 0.5))
        return Failure{std::string(what) + " " + Utf8FromLatin1(text) + " is not above 0 and at most 0.5 (half the shorter side)"};
    const auto ratio = uint16_t(std::lround(r * zelmdb::CornerRatioScale));
    if (ratio == 0) return Failure{std::string(what) + " " + Utf8FromLatin1(text) + " is below the smallest step, 0.0001"};
    return ratio;
}

Result<uint16_t> CornerRatio(const std::string& text, PadShape shape) {
    if (!zelmdb::Rectangular(shape)) return Failure{"--corner-ratio rounds square and rectangular pads only"};
    return Ratio(text, "corner ratio");
}

// "tl,br" or "all".
Result<uint8_t> ChamferCorners(const std::string& text) {
    if (text == "all") return uint8_t(zelmdb::AllChamferCorners);
    uint8_t corners = 0;
    size_t at = 0;
    for (size_t comma = 0; comma != std::string::npos; at = comma + 1) {
        comma = text.find(',', at);
        const std::string word = text.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        const auto row = std::find_if(std::begin(zelmdb::ChamferCornerNames), std::end(zelmdb::ChamferCornerNames),
                                      [&](const zelmdb::ChamferCornerName& c) { return word == c.option; });
        if (row == std::end(zelmdb::ChamferCornerNames))
            return Failure{"chamfer corner '" + word + "' is none of tl, tr, bl, br (or give all)"};
        corners |= row->corner;
    }
    return corners;
}

Result<NamedShape> ShapeOf(const ArgList& a) {
    const auto shape = a.Value("--shape");
    const auto code = a.Value("--shape-code");
    if (shape && code) return Failure{"give --shape or --shape-code, not both"};
    if (code) {
        TRY_ASSIGN(n, number_parser::Integer(*code, "shape code", 1, 255));
        return NamedShape{PadShape(n), 0, PadOutline::Plain};
    }
    if (!shape) return Failure{"padstack add needs --shape (" + ShapeOptions() + ") or --shape-code N"};
    if (const zelmdb::PadShapeName* row = zelmdb::PadShapeOption(*shape))
        return NamedShape{row->shape, 0, PadOutline::Plain};
    for (const ShapeAlias& alias : Aliases)
        if (*shape == alias.option) return alias.named;
    return Failure{"unknown shape '" + Utf8FromLatin1(*shape) + "' (" + ShapeOptions() + ", or --shape-code N)"};
}

// A hole's size is its drill's; a pad's is its own.
Status HoleFits(const ArgList& a, PadShape shape) {
    if (shape != PadShape::None) return {};
    for (const char* option : {"--width", "--height", "--rotation", "--side", "--no-paste"})
        if (Given(a, option)) return Failure{std::string("a hole has no pad: ") + option + " does not apply; give --drill"};
    if (!a.Value("--drill")) return Failure{"a hole needs --drill"};
    return {};
}

Result<int16_t> Rotation(const std::string& text) {
    TRY_ASSIGN(degrees, number_parser::Real(text, "rotation"));
    if (degrees < -360 || degrees > 360) return Failure{"rotation " + Utf8FromLatin1(text) + " is outside -360 to 360 degrees"};
    return int16_t(std::lround(degrees * 60));
}

LengthUnits UnitsOf(const zelmdb::DesignInfo& info) {
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(info.unitCode);
    return {unit ? unit->inchesPerUnit : info.inchesPerUnit, info.inchesPerUnit};
}

Result<int32_t> Size(const std::optional<std::string>& text, const char* option, bool required,
                     const zelmdb::DesignInfo& info) {
    const char* what = option + 2;
    if (!text) return required ? Result<int32_t>(Failure{std::string("padstack add needs ") + option}) : 0;
    const LengthUnits units = UnitsOf(info);
    TRY_ASSIGN(v, number_parser::Length(*text, what, units.inchesPerDisplayUnit, units.inchesPerDatabaseUnit));
    if (v < 0 || (required && v == 0))
        return Failure{std::string(what) + " " + Utf8FromLatin1(*text) + (required ? " must be more than 0" : " must not be negative")};
    return v;
}

}  // namespace

ArgRules PadstackArgRules() {
    return {{"--shape", "--shape-code", "--width", "--height", "--drill", "--rotation", "--side", "--corner-ratio",
             "--kind", "--chamfer-ratio", "--chamfer-corners", "--polygon"},
            {"--no-paste"},
            {{"--delta", 2}, {"--drill-offset", 2}},
            2,
            2};
}

Result<PadstackRequest> PadstackRequestOf(const ArgList& a) {
    PadstackRequest r;
    r.file = a.positional()[0];
    r.name = a.positional()[1];
    if (r.name.empty() || r.name.size() >= zelmdb::TextMax)
        return Failure{"padstack name must have 1 to " + std::to_string(zelmdb::TextMax - 1) + " characters"};
    TRY_ASSIGN(shape, ShapeOf(a));
    r.shape = shape.shape;
    r.outline = shape.outline;
    r.cornerRatio = shape.cornerRatio;
    if (const auto kind = a.Value("--kind")) {
        const zelmdb::PadKindName* row = zelmdb::PadKindOption(*kind);
        if (!row) return Failure{"kind '" + *kind + "' is none of copper, paste, mask"};
        r.kind = row->kind;
    }
    TRY(HoleFits(a, r.shape));
    TRY(OptionsFit(a, r));
    if (const auto ratio = a.Value("--corner-ratio")) {
        TRY_ASSIGN(corner, CornerRatio(*ratio, r.shape));
        r.cornerRatio = corner;
    }
    if (const auto ratio = a.Value("--chamfer-ratio")) {
        TRY_ASSIGN(chamfer, Ratio(*ratio, "chamfer ratio"));
        r.chamferRatio = chamfer;
    }
    if (const auto corners = a.Value("--chamfer-corners")) {
        TRY_ASSIGN(chamfered, ChamferCorners(*corners));
        r.chamferCorners = chamfered;
    }
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
    r.polygon = a.Value("--polygon");
    for (const auto& words : a.Groups("--delta")) r.delta = std::make_pair(words[0], words[1]);
    for (const auto& words : a.Groups("--drill-offset")) r.drillOffset = std::make_pair(words[0], words[1]);
    return r;
}

namespace {

struct DrillSize {
    int32_t width = 0, height = 0;
};

// "D" for a round drill, "WxH" for a slot; none without --drill.
Result<DrillSize> DrillOf(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    if (r.drill && r.drill->find_first_of("xX") != std::string::npos) {
        TRY_ASSIGN(slot, SizeOfText(*r.drill, "drill", UnitsOf(design)));
        return DrillSize{slot.width, slot.height};
    }
    TRY_ASSIGN(d, Size(r.drill, "--drill", Hole(r), design));
    return DrillSize{d, d};
}

// The pad as the classic drawing knows it, the size its drill must fit in, and its outline.
struct PadOutlineSize {
    int32_t width = 0, height = 0;   // stored: the box that holds the whole pad
    int32_t innerWidth = 0, innerHeight = 0;
    zelmdb::PadForm form;
};

Result<PadOutlineSize> BoxOutline(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    TRY_ASSIGN(width, Size(r.width, "--width", !Hole(r), design));
    TRY_ASSIGN(height, Size(r.height, "--height", !Hole(r), design));
    PadOutlineSize o{width, height, width, height, {}};
    if (r.outline == PadOutline::Chamfered) {
        o.form.chamferRatio = r.chamferRatio;
        o.form.chamferCorners = r.chamferCorners;
    }
    return o;
}

// The slanted sides widen the box the pad stands in by the delta.
Result<PadOutlineSize> TrapezoidOutline(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    TRY_ASSIGN(o, BoxOutline(r, design));
    const LengthUnits units = UnitsOf(design);
    TRY_ASSIGN(dx, number_parser::Length(r.delta->first, "delta x", units.inchesPerDisplayUnit, units.inchesPerDatabaseUnit));
    TRY_ASSIGN(dy, number_parser::Length(r.delta->second, "delta y", units.inchesPerDisplayUnit, units.inchesPerDatabaseUnit));
    if ((dx == 0) == (dy == 0))
        return Failure{"--delta " + r.delta->first + " " + r.delta->second +
                       ": a trapezoid slants one pair of sides; give one delta and 0 for the other"};
    if (std::abs(int64_t(dx)) >= o.height || std::abs(int64_t(dy)) >= o.width)
        return Failure{"--delta " + r.delta->first + " " + r.delta->second +
                       " takes a side to nothing; a delta must be shorter than the side it slants (" + *r.width + " x " +
                       *r.height + ")"};
    o.width += std::abs(dy);
    o.height += std::abs(dx);
    o.form.deltaX = dx;
    o.form.deltaY = dy;
    return o;
}

// The box the classic drawing draws is centred on the pad's origin and holds the whole polygon.
Result<PadOutlineSize> CustomOutline(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    TRY_ASSIGN(points, PolygonOfText(*r.polygon, UnitsOf(design)));
    if (Status outline = zelmdb::CheckPolygon(points); !outline.ok()) return Failure{"--polygon: " + outline.error()};
    // Tracks meet a pad at its origin, and KiCad's anchor stands there.
    if (!zelmdb::InsidePolygon(points, 0, 0))
        return Failure{"--polygon: the outline must hold the pad's origin (0,0) inside it, where its pin stands"};
    PadOutlineSize o;
    for (const zelmdb::FormPoint& p : points) {
        const int64_t halfWidth = std::abs(int64_t(p.x)), halfHeight = std::abs(int64_t(p.y));
        if (2 * halfWidth > zelmdb::DesignStore::CoordinateLimit || 2 * halfHeight > zelmdb::DesignStore::CoordinateLimit)
            return Failure{"--polygon: the outline is too large for the design"};
        o.width = std::max(o.width, int32_t(2 * halfWidth));
        o.height = std::max(o.height, int32_t(2 * halfHeight));
    }
    o.form.polygon = std::move(points);
    return o;
}

Result<PadOutlineSize> OutlineOf(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    switch (r.outline) {
        case PadOutline::Trapezoid: return TrapezoidOutline(r, design);
        case PadOutline::Custom: return CustomOutline(r, design);
        default: return BoxOutline(r, design);
    }
}

Result<zelmdb::FormPoint> OffsetOf(const PadstackRequest& r, const zelmdb::DesignInfo& design) {
    if (!r.drillOffset) return zelmdb::FormPoint{};
    const LengthUnits units = UnitsOf(design);
    TRY_ASSIGN(x, number_parser::Length(r.drillOffset->first, "drill offset x", units.inchesPerDisplayUnit,
                                        units.inchesPerDatabaseUnit));
    TRY_ASSIGN(y, number_parser::Length(r.drillOffset->second, "drill offset y", units.inchesPerDisplayUnit,
                                        units.inchesPerDatabaseUnit));
    return zelmdb::FormPoint{x, y};
}

// The hole, moved by its offset, inside the pad: within a box pad's sides, or far enough from
// every edge of a custom outline.
Status DrillFits(const PadstackRequest& r, const PadOutlineSize& pad, DrillSize drill, zelmdb::FormPoint offset) {
    const std::string at = offset == zelmdb::FormPoint{} ? "" : " at offset " + r.drillOffset->first + " " +
                                                                   r.drillOffset->second;
    if (!pad.form.polygon.empty()) {
        const bool inside = zelmdb::InsidePolygon(pad.form.polygon, offset.x, offset.y) &&
                            zelmdb::DistanceToOutline(pad.form.polygon, offset.x, offset.y) >=
                                std::max(drill.width, drill.height) / 2.0;
        if (inside) return {};
        return Failure{"drill " + *r.drill + at + " reaches beyond the polygon; a drill must fit inside its pad"};
    }
    const bool fits = drill.width + 2 * std::abs(int64_t(offset.x)) <= pad.innerWidth &&
                      drill.height + 2 * std::abs(int64_t(offset.y)) <= pad.innerHeight;
    if (fits) return {};
    return Failure{"drill " + *r.drill + at + " is larger than the pad (" + r.width.value_or("") + " x " +
                   r.height.value_or("") + "); a drill must fit inside its pad"};
}

}  // namespace

Result<PadstackToStore> PadstackOf(const PadstackRequest& r, const zelmdb::DesignInfo& design, int padLayer) {
    const bool hole = Hole(r);
    TRY_ASSIGN(outline, OutlineOf(r, design));
    TRY_ASSIGN(drill, DrillOf(r, design));
    TRY_ASSIGN(offset, OffsetOf(r, design));
    if (!hole && drill.width > 0) TRY(DrillFits(r, outline, drill, offset));
    if (!hole && (padLayer < 1 || padLayer > design.layerCount)) {
        const zelmdb::PadKindName& kind = zelmdb::PadKindNamed(r.kind);
        return Failure{std::string("the file has no layer ") + kind.layers[r.bottom] + " for a " + kind.option + " opening"};
    }
    PadstackToStore made;
    made.form = outline.form;
    made.form.drillOffsetX = offset.x;
    made.form.drillOffsetY = offset.y;
    zelmdb::Padstack& p = made.padstack;
    p.layers.resize(size_t(design.layerCount));
    if (!hole) {
        zelmdb::LayerGeometry& pad = p.layers[size_t(padLayer - 1)];
        pad.width1 = outline.width;
        pad.height1 = outline.height;
        pad.shape = r.shape;
        pad.cornerRatio = r.cornerRatio;
        pad.hostFlags = r.noPaste ? zelmdb::NoPasteFlag : 0;
        pad.rotation = r.rotation;
    }
    if (drill.width > 0) {
        // A slot, or a drill off the pad's centre, is stored oblong: the plug-in turns every
        // shape but a round one with its pad, and makes turned copies of such a padstack.
        zelmdb::LayerGeometry& bore = p.Layer(zelmdb::PadLayer::Drill);
        bore.width1 = drill.width;
        bore.height1 = drill.height;
        const bool centred = offset == zelmdb::FormPoint{};
        bore.shape = drill.width == drill.height && centred ? PadShape::Round : PadShape::Oblong;
        bore.rotation = bore.shape == PadShape::Oblong ? r.rotation : 0;
    }
    return made;
}
