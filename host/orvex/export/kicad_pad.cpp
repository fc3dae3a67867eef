// Padstacks as KiCad pads; see kicad_pad.h.
#include "host/orvex/export/kicad_pad.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

#include "host/orvex/text/latin1.h"
#include "host/zelmdb/pad_form.h"
#include "host/zelmdb/record_layout.h"

namespace {

constexpr int QuarterTurn = 5400;   // minutes
constexpr int FullTurn = 21600;
// A custom pad's anchor is a circle inside its outline, rounded down to a micron.
constexpr double AnchorStep = 0.001;

// Turned by `degrees` counter-clockwise as seen, y down, as KiCad turns a pad.
Point Turned(const Point& p, double degrees) {
    const int quarters = int(std::lround(degrees / 90));
    if (degrees == quarters * 90.0) {
        switch (((quarters % 4) + 4) % 4) {
            case 1: return {p.y, -p.x};
            case 2: return {-p.x, -p.y};
            case 3: return {-p.y, p.x};
            default: return p;
        }
    }
    const double a = degrees * std::numbers::pi / 180.0, c = std::cos(a), s = std::sin(a);
    return {p.x * c + p.y * s, -p.x * s + p.y * c};
}

// Written as KiCad's own library writes it: a box pad turned a quarter or half turn is the
// unturned pad with its sides, its drill's sides and its drill offset turned along; a round pad
// with a round centred drill is never turned; any other turn, or a pad whose outline a swap
// would not give, is written with its angle.
void SetTurn(KicadPad& pad, int16_t rotation, bool outlined) {
    const int minutes = ((rotation % FullTurn) + FullTurn) % FullTurn;
    if (minutes == 0) return;
    if (minutes % QuarterTurn != 0 || outlined) {
        pad.degrees = rotation / 60.0;
        return;
    }
    if ((minutes / QuarterTurn) % 2 == 1) {
        std::swap(pad.width, pad.height);
        std::swap(pad.drill, pad.drillHeight);
    }
    pad.drillOffset = Turned(pad.drillOffset, minutes / 60.0);
}

// What turns the pad: its copper, or for a round pad its drill, which is stored oblong when it
// is a slot or stands off the centre.
int16_t PadRotation(const zelmdb::LayerGeometry& pad, const zelmdb::LayerGeometry& hole) {
    if (zelmdb::TurnsWithRotation(pad.shape)) return pad.rotation;
    return zelmdb::TurnsWithRotation(hole.shape) ? hole.rotation : 0;
}

}  // namespace

Result<KicadPad> KicadPads::Of(int16_t padstackId) {
    if (auto known = pads_.find(padstackId); known != pads_.end()) return known->second;
    auto stack = store_.GetPadstack(padstackId);
    if (!stack || stack->layers.size() <= zelmdb::LayerIndex(zelmdb::PadLayer::Drill))
        return Failure{"a pin names padstack " + std::to_string(padstackId) + ", which the design does not hold"};
    TRY_ASSIGN(pad, Make(*stack, Utf8FromLatin1(store_.NameText(stack->nameId).value_or(""))));
    return pads_[padstackId] = pad;
}

Result<KicadPad> KicadPads::Make(const zelmdb::Padstack& stack, const std::string& name) {
    TRY_ASSIGN(form, store_.Form(stack.formId));
    const zelmdb::LayerGeometry& hole = stack.Layer(zelmdb::PadLayer::Drill);
    KicadPad pad;
    pad.drill = Mm(int64_t(hole.width1) + hole.width2);
    pad.drillHeight = Mm(int64_t(hole.height1) + hole.height2);
    pad.drillOffset = {Mm(form.drillOffsetX), -Mm(form.drillOffsetY)};
    const std::optional<zelmdb::PadPlace> place = layers_.PadOf(stack);
    if (!place) {
        // A drill and no copper: KiCad's unplated hole, as large as its drill.
        if (pad.drill <= 0) return Failure{"padstack " + name + " has neither a pad nor a hole"};
        pad.unplated = true;
        pad.paste = false;
        pad.width = pad.drill;
        pad.height = pad.drillHeight;
        const zelmdb::PadShape shape = pad.width == pad.height ? zelmdb::PadShape::Round : zelmdb::PadShape::Oblong;
        pad.shape = zelmdb::PadShapeNamed(shape)->kicad;
        SetTurn(pad, PadRotation({}, hole), false);
        return pad;
    }
    const zelmdb::LayerGeometry& g = stack.layers[size_t(place->layer - 1)];
    const zelmdb::PadShapeName* named = zelmdb::PadShapeNamed(g.shape);
    if (named == nullptr)
        return Failure{"padstack " + name + " has pad shape " + std::to_string(int(g.shape)) +
                       ", which a KiCad pad cannot show"};
    pad.kind = place->kind;
    pad.bottom = place->bottom;
    pad.shape = named->kicad;
    pad.width = Mm(int64_t(g.width1) + g.width2);
    pad.height = Mm(int64_t(g.height1) + g.height2);
    // KiCad's circle has one size: a round pad of two sizes is the nearest it has, an oval.
    if (g.shape == zelmdb::PadShape::Round && pad.width != pad.height)
        pad.shape = zelmdb::PadShapeNamed(zelmdb::PadShape::Oblong)->kicad;
    if (zelmdb::Rectangular(g.shape) && g.cornerRatio > 0) {
        pad.shape = "roundrect";
        pad.cornerRatio = double(std::min<int>(g.cornerRatio, zelmdb::MaxCornerRatio)) / zelmdb::CornerRatioScale;
    }
    pad.paste = place->kind == zelmdb::PadKind::Copper && (g.hostFlags & zelmdb::NoPasteFlag) == 0;
    if (form.chamferRatio != 0) {
        pad.shape = "roundrect";   // KiCad keeps a chamfer with a rounded rectangle's corners
        pad.chamferRatio = double(form.chamferRatio) / zelmdb::ChamferRatioScale;
        pad.chamferCorners = form.chamferCorners;
    }
    if (form.deltaX != 0 || form.deltaY != 0) {
        pad.shape = "trapezoid";
        pad.width -= Mm(std::abs(int64_t(form.deltaY)));
        pad.height -= Mm(std::abs(int64_t(form.deltaX)));
        pad.deltaX = Mm(form.deltaX);
        pad.deltaY = Mm(form.deltaY);
    }
    if (!form.polygon.empty()) {
        pad.shape = "custom";
        for (const zelmdb::FormPoint& p : form.polygon) pad.outline.push_back({Mm(p.x), -Mm(p.y)});
        const double anchor = 2 * Mm(1) * zelmdb::DistanceToOutline(form.polygon, 0, 0);
        pad.anchor = std::max(AnchorStep, std::floor(anchor / AnchorStep) * AnchorStep);
    }
    const bool outlined = form.chamferRatio != 0 || form.deltaX != 0 || form.deltaY != 0 || !form.polygon.empty();
    SetTurn(pad, PadRotation(g, hole), outlined);
    return pad;
}

Box KicadPadBox(double x, double y, const KicadPad& pad) {
    if (!pad.outline.empty()) {
        Box box{INFINITY, INFINITY, -INFINITY, -INFINITY};
        for (const Point& p : pad.outline) {
            const Point t = Turned(p, pad.degrees);
            box = box.United(Box{x + t.x, y + t.y, x + t.x, y + t.y});
        }
        return box;
    }
    // A trapezoid's slanted sides reach the delta beyond its size.
    const double width = pad.width + std::abs(pad.deltaY), height = pad.height + std::abs(pad.deltaX);
    const double a = pad.degrees * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    return Box::Around(x, y, (width * c + height * s) / 2, (width * s + height * c) / 2);
}

namespace {

void WriteLayers(SexprWriter& w, const KicadPad& pad) {
    w.Open("layers");
    if (pad.Thru() || pad.unplated) {
        w.String("*.Cu").String("*.Mask");
    } else {
        const std::string side = pad.bottom ? "B." : "F.";
        if (pad.kind != zelmdb::PadKind::Copper) {
            w.String(side + zelmdb::PadKindNamed(pad.kind).kicad);
        } else {
            w.String(side + "Cu");
            if (pad.paste) w.String(side + "Paste");
            w.String(side + "Mask");
        }
    }
    w.Close();
}

void WriteDrill(SexprWriter& w, const KicadPad& pad) {
    w.Open("drill");
    if (pad.drill != pad.drillHeight) {
        w.Symbol("oval").Number(pad.drill).Number(pad.drillHeight);
    } else {
        w.Number(pad.drill);
    }
    // KiCad's offset moves the copper from the hole, where its pad stands.
    if (pad.drillOffset.x != 0 || pad.drillOffset.y != 0)
        w.Open("offset").Number(-pad.drillOffset.x).Number(-pad.drillOffset.y).Close();
    w.Close();
}

void WriteChamfer(SexprWriter& w, const KicadPad& pad) {
    w.Open("chamfer_ratio").Number(pad.chamferRatio).Close().Open("chamfer");
    for (const zelmdb::ChamferCornerName& corner : zelmdb::ChamferCornerNames)
        if (pad.chamferCorners & corner.corner) w.Symbol(corner.kicad);
    w.Close();
}

void WriteOutline(SexprWriter& w, const KicadPad& pad) {
    w.Open("options").Open("clearance").Symbol("outline").Close().Open("anchor").Symbol("circle").Close().Close();
    w.Open("primitives").Open("gr_poly").Open("pts");
    for (const Point& p : pad.outline) w.Open("xy").Number(p.x).Number(p.y).Close();
    w.Close().Open("width").Number(0).Close().Open("fill").Symbol("yes").Close().Close().Close();
}

}  // namespace

Point KicadPadHole(const KicadPad& pad) { return Turned(pad.drillOffset, pad.degrees); }

void WriteKicadPad(SexprWriter& w, const std::string& number, double x, double y, const KicadPad& pad) {
    const Point hole = KicadPadHole(pad);
    w.Open("pad").String(number).Symbol(pad.unplated ? "np_thru_hole" : pad.Thru() ? "thru_hole" : "smd");
    w.Symbol(std::string(pad.shape));
    w.Open("at").Number(x + hole.x).Number(y + hole.y);
    if (pad.degrees != 0) w.Number(pad.degrees);
    w.Close().Open("size");
    if (pad.outline.empty()) {
        w.Number(pad.width).Number(pad.height).Close();
    } else {
        w.Number(pad.anchor).Number(pad.anchor).Close();
    }
    if (pad.deltaX != 0 || pad.deltaY != 0) w.Open("rect_delta").Number(pad.deltaX).Number(pad.deltaY).Close();
    if (pad.Thru()) WriteDrill(w, pad);
    WriteLayers(w, pad);
    if (pad.cornerRatio > 0 || pad.chamferRatio > 0) w.Open("roundrect_rratio").Number(pad.cornerRatio).Close();
    if (pad.chamferRatio > 0) WriteChamfer(w, pad);
    if (pad.maskMargin != 0) w.Open("solder_mask_margin").Number(pad.maskMargin).Close();
    if (pad.pasteMargin != 0) w.Open("solder_paste_margin").Number(pad.pasteMargin).Close();
    if (!pad.outline.empty()) WriteOutline(w, pad);
    w.Close();
}
