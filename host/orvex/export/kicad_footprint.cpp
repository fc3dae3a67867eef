// The footprint file: pads from the pins and their padstacks, about the package centre for
// surface-mount parts and about pin 1 for through-hole ones, with the body, silkscreen,
// courtyard, texts and a description of what made it.
#include "host/orvex/export/kicad_footprint.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

#include "host/orvex/export/footprint_outline.h"
#include "host/orvex/export/sexpr_writer.h"
#include "host/orvex/extras/land_summary.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

constexpr double TextMm = 1.0;
constexpr double TextStrokeMm = 0.15;
constexpr double TextGapMm = 1.0;   // from the courtyard to the middle of a text line
constexpr int QuarterTurn = 5400;   // minutes
constexpr int FullTurn = 21600;

struct Pad {
    std::string_view shape;
    bool bottom = false;
    bool paste = true;
    bool unplated = false;   // a hole without copper
    double width = 0, height = 0, degrees = 0, drill = 0, cornerRatio = 0;
    double maskMargin = 0, pasteMargin = 0;   // the openings beyond the copper, per side
};

// Written as KiCad's own library writes it: a pad turned a quarter or half turn is the
// unturned pad with its sides swapped as needed, and a round pad is never turned.
void SetTurn(Pad& pad, zelmdb::PadShape shape, int16_t rotation) {
    const int minutes = ((rotation % FullTurn) + FullTurn) % FullTurn;
    if (!zelmdb::TurnsWithRotation(shape)) return;
    if (minutes % QuarterTurn != 0) {
        pad.degrees = rotation / 60.0;
        return;
    }
    if ((minutes / QuarterTurn) % 2 == 1) std::swap(pad.width, pad.height);
}

class FootprintExport {
public:
    explicit FootprintExport(zelmdb::DesignStore& store)
        : store_(store), mmPerUnit_(store.info().inchesPerUnit * 25.4) {}
    Result<std::string> Write(const zelmdb::Symbol& symbol, const std::string& name,
                                      const FootprintExtras& extras);

private:
    // Where the pads stand about the origin, and what is drawn round them.
    struct Placed {
        std::vector<Point> at;
        Box body;
        FootprintOutline outline;
    };
    Placed Place(const zelmdb::Symbol& symbol, const std::vector<Pad>& pads, const FootprintExtras& extras,
                 bool thru) const;
    void WriteHead(const std::string& name, size_t pads, const FootprintExtras& extras, bool thru);
    Result<Pad> PadOf(int16_t padstackId);
    static Result<Pad> HoleOnly(const std::string& name, double drill);
    void WritePad(const std::string& number, double x, double y, const Pad& pad);
    void WriteText(const char* type, const std::string& text, double x, double y, const char* layer);
    void WritePoly(const std::vector<Point>& points, const char* layer, double width, bool filled);
    void WriteOutline(const FootprintOutline& o);
    std::string Description(const std::string& name, size_t pads, const FootprintExtras& extras, bool thru);
    double Mm(int64_t units) const { return double(units) * mmPerUnit_; }

    zelmdb::DesignStore& store_;
    double mmPerUnit_;
    std::map<int16_t, Pad> pads_;
    SexprWriter w_;
};

Result<Pad> FootprintExport::PadOf(int16_t padstackId) {
    auto known = pads_.find(padstackId);
    if (known != pads_.end()) return known->second;
    auto stack = store_.GetPadstack(padstackId);
    if (!stack || stack->layers.size() <= zelmdb::LayerIndex(zelmdb::PadLayer::Drill)) {
        return Result<Pad>::Fail("a pin names padstack " + std::to_string(padstackId) +
                                         ", which the design does not hold");
    }
    const std::string name = store_.NameText(stack->nameId).value_or("");
    const zelmdb::LayerGeometry& hole = stack->Layer(zelmdb::PadLayer::Drill);
    Pad pad;
    pad.drill = Mm(int64_t(hole.width1) + hole.width2);
    pad.bottom = stack->Layer(zelmdb::PadLayer::Top).shape == zelmdb::PadShape::None;
    const zelmdb::LayerGeometry& g = stack->Layer(pad.bottom ? zelmdb::PadLayer::Bottom : zelmdb::PadLayer::Top);
    if (g.shape == zelmdb::PadShape::None) {
        auto unplated = HoleOnly(name, pad.drill);
        if (unplated.ok()) pads_[padstackId] = unplated.value();
        return unplated;
    }
    const zelmdb::PadShapeName* named = zelmdb::PadShapeNamed(g.shape);
    if (named == nullptr) {
        return Result<Pad>::Fail("padstack " + name + " has pad shape " + std::to_string(int(g.shape)) +
                                 ", which a KiCad pad cannot show");
    }
    pad.shape = named->kicad;
    pad.width = Mm(int64_t(g.width1) + g.width2);
    pad.height = Mm(int64_t(g.height1) + g.height2);
    SetTurn(pad, g.shape, g.rotation);
    // KiCad's circle has one size: a round pad of two sizes is the nearest it has, an oval.
    if (g.shape == zelmdb::PadShape::Round && pad.width != pad.height)
        pad.shape = zelmdb::PadShapeNamed(zelmdb::PadShape::Oblong)->kicad;
    if (zelmdb::Rectangular(g.shape) && g.cornerRatio > 0) {
        pad.shape = "roundrect";
        pad.cornerRatio = double(std::min<int>(g.cornerRatio, zelmdb::MaxCornerRatio)) / zelmdb::CornerRatioScale;
    }
    pad.paste = (g.hostFlags & zelmdb::NoPasteFlag) == 0;
    return pads_[padstackId] = pad;
}

// A padstack with a drill and no copper is KiCad's unplated hole, as round as its drill.
Result<Pad> FootprintExport::HoleOnly(const std::string& name, double drill) {
    if (drill <= 0) return Result<Pad>::Fail("padstack " + name + " has neither a pad nor a hole");
    Pad pad;
    pad.shape = zelmdb::PadShapeNamed(zelmdb::PadShape::Round)->kicad;
    pad.unplated = true;
    pad.paste = false;
    pad.width = pad.height = pad.drill = drill;
    return pad;
}

// The mask and paste openings a land pattern gives beyond the copper: a ball's margins, and the
// exposed pad's mask where it is wider alike on every side (KiCad keeps one margin per pad).
void SetOpenings(Pad& pad, const LandRecord& land, const std::string& name) {
    if (land.ball) {
        pad.maskMargin = (land.ball->mask - land.ball->land) / 2;
        pad.pasteMargin = (land.ball->paste - land.ball->land) / 2;
    }
    if (!land.ep || pad.drill > 0 || name != std::to_string(land.ep->number)) return;
    const double x = (land.ep->mask.w - land.ep->land.w) / 2, y = (land.ep->mask.h - land.ep->land.h) / 2;
    if (std::abs(x - y) < 1e-9) pad.maskMargin = x;
}

// The box of the pad as turned.
Box PadBox(double x, double y, const Pad& pad) {
    const double a = pad.degrees * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    return Box::Around(x, y, (pad.width * c + pad.height * s) / 2, (pad.width * s + pad.height * c) / 2);
}

void FootprintExport::WritePad(const std::string& number, double x, double y, const Pad& pad) {
    const bool thru = pad.drill > 0;
    w_.Open("pad").String(number).Symbol(pad.unplated ? "np_thru_hole" : thru ? "thru_hole" : "smd");
    w_.Symbol(std::string(pad.shape));
    w_.Open("at").Number(x).Number(y);
    if (pad.degrees != 0) w_.Number(pad.degrees);
    w_.Close().Open("size").Number(pad.width).Number(pad.height).Close();
    if (thru) w_.Open("drill").Number(pad.drill).Close();
    w_.Open("layers");
    if (thru) {
        w_.String("*.Cu").String("*.Mask");
    } else {
        const std::string side = pad.bottom ? "B." : "F.";
        w_.String(side + "Cu");
        if (pad.paste) w_.String(side + "Paste");
        w_.String(side + "Mask");
    }
    w_.Close();
    if (pad.cornerRatio > 0) w_.Open("roundrect_rratio").Number(pad.cornerRatio).Close();
    if (pad.maskMargin != 0) w_.Open("solder_mask_margin").Number(pad.maskMargin).Close();
    if (pad.pasteMargin != 0) w_.Open("solder_paste_margin").Number(pad.pasteMargin).Close();
    w_.Close();
}

void FootprintExport::WriteText(const char* type, const std::string& text, double x, double y, const char* layer) {
    w_.Open("fp_text").Symbol(type).String(text);
    w_.Open("at").Number(x).Number(y).Close();
    w_.Open("layer").String(layer).Close();
    w_.Open("effects").Open("font").Open("size").Number(TextMm).Number(TextMm).Close();
    w_.Open("thickness").Number(TextStrokeMm).Close().Close().Close().Close();
}

void FootprintExport::WritePoly(const std::vector<Point>& points, const char* layer, double width, bool filled) {
    w_.Open("fp_poly").Open("pts");
    for (const Point& p : points) w_.Open("xy").Number(p.x).Number(p.y).Close();
    w_.Close().Open("layer").String(layer).Close().Open("width").Number(width).Close();
    w_.Open("fill").Symbol(filled ? "solid" : "none").Close().Close();
}

void FootprintExport::WriteOutline(const FootprintOutline& o) {
    WritePoly(o.fab, "F.Fab", outline::FabLine, false);
    for (const Segment& s : o.silk) {
        w_.Open("fp_line").Open("start").Number(s.from.x).Number(s.from.y).Close();
        w_.Open("end").Number(s.to.x).Number(s.to.y).Close();
        w_.Open("layer").String("F.SilkS").Close().Open("width").Number(outline::SilkLine).Close().Close();
    }
    if (!o.pin1Mark.empty()) WritePoly(o.pin1Mark, "F.SilkS", outline::SilkLine, true);
    const Box& c = o.courtyard;
    w_.Open("fp_rect").Open("start").Number(c.left).Number(c.top).Close();
    w_.Open("end").Number(c.right).Number(c.bottom).Close();
    w_.Open("layer").String("F.CrtYd").Close().Open("width").Number(outline::CourtyardLine).Close();
    w_.Open("fill").Symbol("none").Close().Close();
}

std::string FootprintExport::Description(const std::string& name, size_t pads, const FootprintExtras& extras,
                                         bool thru) {
    std::string text = name + ", " + std::to_string(pads) + " pad" + (pads == 1 ? "" : "s") + ", " +
                       (thru ? "through-hole" : "surface-mount") + "; made by the Tessra generator in Orvex";
    if (extras.land) {
        const LandRecord& land = *extras.land;
        return text + " from " + LandKeysText(land) + " (mm); IPC-7351B land pattern, density " + land.density +
               ": " + LandSizesText(land) + "; body " + SexprWriter::FormatNumber(land.bodyX) + " x " +
               SexprWriter::FormatNumber(land.bodyY) + " mm";
    }
    std::string options;
    for (const auto& [option, value] : extras.madeFrom) options += " --" + option + (value ? " " + *value : "");
    if (!options.empty()) text += " from" + options;
    const std::string extrasText = ExtrasOptionText(extras, store_.info());
    if (!extrasText.empty()) text += (options.empty() ? ", with " : " ") + extrasText;
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(store_.info().unitCode);
    if (unit && !(options + extrasText).empty()) text += std::string(" (") + unit->option + ")";
    if (extras.body) {
        text += "; body " + SexprWriter::FormatNumber(extras.body->width) + " x " +
                SexprWriter::FormatNumber(extras.body->height) + " mm";
    } else {
        text += "; body drawn round the pads";
    }
    return text;
}

// KiCad's custom: the package centre is the origin of a surface-mount part, pin 1 that of a
// through-hole one.
FootprintExport::Placed FootprintExport::Place(const zelmdb::Symbol& symbol, const std::vector<Pad>& pads,
                                               const FootprintExtras& extras, bool thru) const {
    const int64_t originX = thru ? symbol.pins[0].x : symbol.centerX;
    const int64_t originY = thru ? symbol.pins[0].y : symbol.centerY;
    Placed placed;
    std::vector<Box> boxes;
    for (size_t i = 0; i < pads.size(); ++i) {
        placed.at.push_back({Mm(symbol.pins[i].x - originX), -Mm(symbol.pins[i].y - originY)});
        boxes.push_back(PadBox(placed.at[i].x, placed.at[i].y, pads[i]));
    }
    const Point centre{Mm(symbol.centerX - originX), -Mm(symbol.centerY - originY)};
    placed.body = extras.body ? Box::Around(centre.x, centre.y, extras.body->width / 2, extras.body->height / 2)
                              : PadsOutline(boxes);
    placed.outline = MakeOutline(boxes, placed.body, extras.body.has_value());
    // The land pattern's courtyard is the package's, worked out with its density's excess.
    if (extras.land) {
        const land::Courtyard& c = extras.land->courtyard;
        placed.outline.courtyard = {c.x1, c.y1, c.x2, c.y2};
    }
    return placed;
}

void FootprintExport::WriteHead(const std::string& name, size_t pads, const FootprintExtras& extras, bool thru) {
    w_.Open("footprint").String(name).Open("version").Symbol("20211014").Close();
    w_.Open("generator").Symbol(KicadGenerator).Close().Open("layer").String("F.Cu").Close();
    w_.Open("descr").String(Description(name, pads, extras, thru)).Close();
    std::string tags = KicadGenerator;
    for (const auto& [option, value] : extras.madeFrom)
        if (option == "style" && value) tags += " " + *value;
    w_.Open("tags").String(tags + (thru ? " through-hole" : " smd")).Close();
    w_.Open("attr").Symbol(thru ? "through_hole" : "smd").Close();
}

Result<std::string> FootprintExport::Write(const zelmdb::Symbol& symbol, const std::string& name,
                                                   const FootprintExtras& extras) {
    bool thru = false;
    std::vector<Pad> pads;
    for (const auto& pin : symbol.pins) {
        auto pad = PadOf(pin.padstack);
        if (!pad.ok()) return Result<std::string>::Fail(pad.error());
        // A package's thermal vias are plated holes of a surface-mount part.
        thru = thru || (pad.value().drill > 0 && !pad.value().unplated && !extras.land);
        pads.push_back(pad.value());
        if (extras.land) SetOpenings(pads.back(), *extras.land, store_.NameText(pin.nameId).value_or(""));
    }
    const Placed placed = Place(symbol, pads, extras, thru);
    const Box& yard = placed.outline.courtyard;
    WriteHead(name, pads.size(), extras, thru);
    WriteText("reference", "REF**", yard.CentreX(), yard.top - TextGapMm, "F.SilkS");
    WriteText("value", name, yard.CentreX(), yard.bottom + TextGapMm, "F.Fab");
    WriteText("user", "${REFERENCE}", placed.body.CentreX(), placed.body.CentreY(), "F.Fab");
    WriteOutline(placed.outline);
    for (size_t i = 0; i < pads.size(); ++i) {
        const zelmdb::Pin& pin = symbol.pins[i];
        WritePad(store_.NameText(pin.nameId).value_or(std::to_string(i + 1)), placed.at[i].x, placed.at[i].y,
                 pads[i]);
    }
    w_.Close();
    return w_.text();
}

}  // namespace

Result<std::string> KicadFootprintText(zelmdb::DesignStore& store, const std::string& footprint,
                                               const std::optional<BodySize>& body) {
    auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return Result<std::string>::Fail("the design holds no footprint named " + footprint);
    auto extras = LoadExtras(store, footprint);
    if (!extras.ok()) return Result<std::string>::Fail(extras.error());
    if (body) extras.value().body = body;
    return FootprintExport(store).Write(*symbol, footprint, extras.value());
}
