// The footprint file: pads from the pins and their padstacks, about the body's centre for
// surface-mount parts and about pin 1's hole for through-hole ones, with the body, silkscreen,
// courtyard, texts, a 3D model and a description of what made it; all on the bottom's layers,
// texts mirrored, when the part's pads are on the bottom.
#include "host/orvex/export/kicad_footprint.h"

#include <algorithm>
#include <string>
#include <vector>

#include "host/orvex/export/footprint_outline.h"
#include "host/orvex/export/kicad_pad.h"
#include "host/orvex/export/sexpr_writer.h"
#include "host/orvex/extras/land_summary.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

constexpr double TextMm = 1.0;
constexpr double TextStrokeMm = 0.15;
constexpr double TextGapMm = 1.0;   // from the courtyard to the middle of a text line
// Extra pads beyond these are counted in the description, not spelled out: a part with hundreds
// of vias would have a text KiCad no longer reads.
constexpr size_t DescribedPads = 8;

// The layers a part's drawings and texts go on: those of the side its pads are on.
struct Side {
    const char* silk;
    const char* fab;
    const char* courtyard;
    bool mirrored;   // texts read from that side
};
constexpr Side Front{"F.SilkS", "F.Fab", "F.CrtYd", false};
constexpr Side Back{"B.SilkS", "B.Fab", "B.CrtYd", true};

class FootprintExport {
public:
    explicit FootprintExport(zelmdb::DesignStore& store)
        : store_(store), mmPerUnit_(store.info().inchesPerUnit * 25.4), pads_(store) {}
    Result<std::string> Write(const zelmdb::Symbol& symbol, const std::string& name, const FootprintExtras& extras,
                              const std::optional<KicadModel>& model);

private:
    // Where the pads stand about the origin, and what is drawn round them.
    struct Placed {
        std::vector<Point> at;
        Box body;
        FootprintOutline outline;
    };
    Placed Place(const zelmdb::Symbol& symbol, const std::vector<KicadPad>& pads, const FootprintExtras& extras,
                 bool thru) const;
    void WriteModel(const KicadModel& model);
    void WriteHead(const std::string& name, size_t pads, const FootprintExtras& extras, bool thru);
    void WriteText(const char* type, const std::string& text, double x, double y, const char* layer, bool mirrored);
    void WritePoly(const std::vector<Point>& points, const char* layer, double width, bool filled);
    void WriteOutline(const FootprintOutline& o, const Side& side);
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

void FootprintExport::WriteText(const char* type, const std::string& text, double x, double y, const char* layer,
                                bool mirrored) {
    w_.Open("fp_text").Symbol(type).String(text);
    w_.Open("at").Number(x).Number(y).Close();
    w_.Open("layer").String(layer).Close();
    w_.Open("effects").Open("font").Open("size").Number(TextMm).Number(TextMm).Close();
    w_.Open("thickness").Number(TextStrokeMm).Close().Close();
    if (mirrored) w_.Open("justify").Symbol("mirror").Close();
    w_.Close().Close();
}

void FootprintExport::WritePoly(const std::vector<Point>& points, const char* layer, double width, bool filled) {
    w_.Open("fp_poly").Open("pts");
    for (const Point& p : points) w_.Open("xy").Number(p.x).Number(p.y).Close();
    w_.Close().Open("layer").String(layer).Close().Open("width").Number(width).Close();
    w_.Open("fill").Symbol(filled ? "solid" : "none").Close().Close();
}

void FootprintExport::WriteOutline(const FootprintOutline& o, const Side& side) {
    WritePoly(o.fab, side.fab, outline::FabLine, false);
    for (const Segment& s : o.silk) {
        w_.Open("fp_line").Open("start").Number(s.from.x).Number(s.from.y).Close();
        w_.Open("end").Number(s.to.x).Number(s.to.y).Close();
        w_.Open("layer").String(side.silk).Close().Open("width").Number(outline::SilkLine).Close().Close();
    }
    if (!o.pin1Mark.empty()) WritePoly(o.pin1Mark, side.silk, outline::SilkLine, true);
    const Box& c = o.courtyard;
    w_.Open("fp_rect").Open("start").Number(c.left).Number(c.top).Close();
    w_.Open("end").Number(c.right).Number(c.bottom).Close();
    w_.Open("layer").String(side.courtyard).Close().Open("width").Number(outline::CourtyardLine).Close();
    w_.Open("fill").Symbol("none").Close().Close();
}

void FootprintExport::WriteModel(const KicadModel& model) {
    w_.Open("model").String(model.path);
    for (const auto& [key, xyz] : {std::pair{"offset", model.offset}, {"scale", nullptr}, {"rotate", model.rotate}}) {
        w_.Open(key).Open("xyz");
        for (int i = 0; i < 3; ++i) w_.Number(xyz ? xyz[i] : 1);
        w_.Close().Close();
    }
    w_.Close();
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
    const std::string options = OptionListText(extras.madeFrom);
    if (!options.empty()) text += " from " + options;
    const std::string extrasText = ExtrasOptionText(extras, store_.info(), DescribedPads);
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

// KiCad's custom: the body's centre is the origin of a surface-mount part, pin 1's hole that of
// a through-hole one. The body stands about the centre of the pads' outline, which stands in for
// it when its size is not known; paste and mask openings alone are no part of the package.
FootprintExport::Placed FootprintExport::Place(const zelmdb::Symbol& symbol, const std::vector<KicadPad>& pads,
                                               const FootprintExtras& extras, bool thru) const {
    std::vector<Box> boxes, package;
    for (size_t i = 0; i < pads.size(); ++i) {
        boxes.push_back(KicadPadBox(Mm(symbol.pins[i].x), -Mm(symbol.pins[i].y), pads[i]));
        if (pads[i].kind == zelmdb::PadKind::Copper) package.push_back(boxes.back());
    }
    const Box outline = PadsOutline(package.empty() ? boxes : package);
    // A land pattern stands about the package's centre, where the host put the footprint's: a
    // row left empty moves the pads' outline, not the package.
    const Point centre = extras.land ? Point{Mm(symbol.centerX), -Mm(symbol.centerY)}
                                     : Point{outline.CentreX(), outline.CentreY()};
    const Box body =
        extras.body ? Box::Around(centre.x, centre.y, extras.body->width / 2, extras.body->height / 2) : outline;
    const Point hole = thru ? KicadPadHole(pads[0]) : Point{};
    const Point origin = thru ? Point{Mm(symbol.pins[0].x) + hole.x, -Mm(symbol.pins[0].y) + hole.y}
                              : Point{body.CentreX(), body.CentreY()};
    const auto moved = [&](const Box& b) {
        return Box{b.left - origin.x, b.top - origin.y, b.right - origin.x, b.bottom - origin.y};
    };
    Placed placed;
    for (size_t i = 0; i < pads.size(); ++i) {
        placed.at.push_back({Mm(symbol.pins[i].x) - origin.x, -Mm(symbol.pins[i].y) - origin.y});
        boxes[i] = moved(boxes[i]);
    }
    placed.body = moved(body);
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
                                           const FootprintExtras& extras, const std::optional<KicadModel>& model) {
    // A plated hole makes a through-hole part only where it is a pin: a mechanical pad, without a
    // name, leaves a surface-mount part one. Its surface-mount pads all below put it on the bottom.
    bool thru = false, front = false, back = false;
    std::vector<KicadPad> pads;
    std::vector<std::string> numbers;
    for (size_t i = 0; i < symbol.pins.size(); ++i) {
        TRY_ASSIGN(pad, pads_.Of(symbol.pins[i].padstack));
        numbers.push_back(store_.NameText(symbol.pins[i].nameId).value_or(std::to_string(i + 1)));
        // A package's thermal vias are plated holes of a surface-mount part.
        thru = thru || (pad.Thru() && !pad.unplated && !numbers.back().empty() && !extras.land);
        if (!pad.Thru()) (pad.bottom ? back : front) = true;
        pads.push_back(pad);
        if (extras.land) SetOpenings(pads.back(), *extras.land, store_.NameText(symbol.pins[i].nameId).value_or(""));
    }
    const Side& side = back && !front ? Back : Front;
    const Placed placed = Place(symbol, pads, extras, thru);
    const Box& yard = placed.outline.courtyard;
    WriteHead(name, pads.size(), extras, thru);
    WriteText("reference", "REF**", yard.CentreX(), yard.top - TextGapMm, side.silk, side.mirrored);
    WriteText("value", name, yard.CentreX(), yard.bottom + TextGapMm, side.fab, side.mirrored);
    WriteText("user", "${REFERENCE}", placed.body.CentreX(), placed.body.CentreY(), side.fab, side.mirrored);
    WriteOutline(placed.outline, side);
    for (size_t i = 0; i < pads.size(); ++i) WriteKicadPad(w_, numbers[i], placed.at[i].x, placed.at[i].y, pads[i]);
    if (model) WriteModel(*model);
    w_.Close();
    return w_.text();
}

}  // namespace

Result<std::string> KicadFootprintText(zelmdb::DesignStore& store, const std::string& footprint,
                                       const std::optional<BodySize>& body, const std::optional<KicadModel>& model) {
    auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return Result<std::string>::Fail("the design holds no footprint named " + Utf8FromLatin1(footprint));
    auto extras = LoadExtras(store, footprint);
    if (!extras.ok()) return Result<std::string>::Fail(extras.error());
    if (body) extras.value().body = body;
    return FootprintExport(store).Write(*symbol, footprint, extras.value(), model);
}
