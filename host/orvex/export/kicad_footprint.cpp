// The footprint file: pads from the pins and their padstacks, about the package centre for
// surface-mount parts and about pin 1 for through-hole ones, with the body, silkscreen,
// courtyard, texts and a description of what made it.
#include "host/orvex/export/kicad_footprint.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/orvex/export/footprint_outline.h"
#include "host/orvex/export/kicad_pad.h"
#include "host/orvex/export/sexpr_writer.h"
#include "host/orvex/extras/land_summary.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

constexpr double TextMm = 1.0;
constexpr double TextStrokeMm = 0.15;
constexpr double TextGapMm = 1.0;   // from the courtyard to the middle of a text line

class FootprintExport {
public:
    explicit FootprintExport(zelmdb::DesignStore& store)
        : store_(store), mmPerUnit_(store.info().inchesPerUnit * 25.4), pads_(store) {}
    Result<std::string> Write(const zelmdb::Symbol& symbol, const std::string& name,
                                      const FootprintExtras& extras);

private:
    // Where the pads stand about the origin, and what is drawn round them.
    struct Placed {
        std::vector<Point> at;
        Box body;
        FootprintOutline outline;
    };
    Placed Place(const zelmdb::Symbol& symbol, const std::vector<KicadPad>& pads, const FootprintExtras& extras,
                 bool thru) const;
    void WriteHead(const std::string& name, size_t pads, const FootprintExtras& extras, bool thru);
    void WriteText(const char* type, const std::string& text, double x, double y, const char* layer);
    void WritePoly(const std::vector<Point>& points, const char* layer, double width, bool filled);
    void WriteOutline(const FootprintOutline& o);
    std::string Description(const std::string& name, size_t pads, const FootprintExtras& extras, bool thru);
    double Mm(int64_t units) const { return double(units) * mmPerUnit_; }

    zelmdb::DesignStore& store_;
    double mmPerUnit_;
    KicadPads pads_;
    SexprWriter w_;
};

// The mask and paste openings a land pattern gives beyond the copper: a ball's margins. The
// exposed pad's mask opening is a pad of its own; the pad's copper opens the mask no further than
// it, so a mask narrower than the land narrows the pad's own opening (KiCad keeps one margin a pad).
void SetOpenings(KicadPad& pad, const LandRecord& land, const std::string& name) {
    if (land.ball) {
        pad.maskMargin = (land.ball->mask - land.ball->land) / 2;
        pad.pasteMargin = (land.ball->paste - land.ball->land) / 2;
    }
    if (!land.ep || pad.kind != zelmdb::PadKind::Copper || pad.Thru() || name != std::to_string(land.ep->number))
        return;
    const double x = (land.ep->mask.w - land.ep->land.w) / 2, y = (land.ep->mask.h - land.ep->land.h) / 2;
    pad.maskMargin = std::min({0.0, x, y});
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
// through-hole one, where its hole is.
FootprintExport::Placed FootprintExport::Place(const zelmdb::Symbol& symbol, const std::vector<KicadPad>& pads,
                                               const FootprintExtras& extras, bool thru) const {
    const int64_t originX = thru ? symbol.pins[0].x : symbol.centerX;
    const int64_t originY = thru ? symbol.pins[0].y : symbol.centerY;
    const Point hole = thru ? KicadPadHole(pads[0]) : Point{};
    Placed placed;
    std::vector<Box> boxes;
    for (size_t i = 0; i < pads.size(); ++i) {
        placed.at.push_back({Mm(symbol.pins[i].x - originX) - hole.x, -Mm(symbol.pins[i].y - originY) - hole.y});
        boxes.push_back(KicadPadBox(placed.at[i].x, placed.at[i].y, pads[i]));
    }
    const Point centre{Mm(symbol.centerX - originX) - hole.x, -Mm(symbol.centerY - originY) - hole.y};
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
    std::vector<KicadPad> pads;
    for (const auto& pin : symbol.pins) {
        auto pad = pads_.Of(pin.padstack);
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
        WriteKicadPad(w_, store_.NameText(pin.nameId).value_or(std::to_string(i + 1)), placed.at[i].x, placed.at[i].y,
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
