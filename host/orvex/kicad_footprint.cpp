// The footprint file: pads from the pins and their padstacks, reference and value from the
// labels, a courtyard around the pads.
#include "host/orvex/kicad_footprint.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>

#include "host/orvex/sexpr_writer.h"
#include "host/zelmdb/record_layout.h"

namespace {

struct ShapeName {
    uint8_t code;
    const char* name;
};
// Layer-1 shape codes the dialog lists; others have no pad shape of the same kind.
const ShapeName PadShapes[] = {{1, "circle"}, {2, "rect"}, {3, "oval"}, {4, "rect"}};

struct LayerName {
    const char* design;
    const char* kicad;
};
const LayerName TextLayers[] = {{"SST", "F.SilkS"}, {"AST", "F.Fab"}, {"SSB", "B.SilkS"}, {"ASB", "B.Fab"}};

constexpr uint8_t KindComp = 1;
constexpr uint8_t KindValue = 7;
constexpr double DefaultTextMm = 1.0;
constexpr double DefaultStrokeMm = 0.15;
constexpr double CourtyardLineMm = 0.05;

struct Pad {
    const char* shape = "";
    bool bottom = false;
    double width = 0, height = 0, degrees = 0, drill = 0;
};

struct Bounds {
    double left = 0, top = 0, right = 0, bottom = 0;
    bool empty = true;
    void Add(double x, double y, double halfW, double halfH) {
        if (empty) {
            left = x - halfW, right = x + halfW, top = y - halfH, bottom = y + halfH;
            empty = false;
            return;
        }
        left = std::min(left, x - halfW), right = std::max(right, x + halfW);
        top = std::min(top, y - halfH), bottom = std::max(bottom, y + halfH);
    }
};

class FootprintExport {
public:
    explicit FootprintExport(zelmdb::DesignStore& store)
        : store_(store), mmPerUnit_(store.info().inchesPerUnit * 25.4) {
        for (const auto& l : store.Layers()) layers_[l.number] = l.name;
    }
    zelmdb::Result<std::string> Write(const zelmdb::Symbol& symbol, const std::string& name);

private:
    zelmdb::Result<Pad> PadOf(int16_t padstackId);
    void WritePad(const std::string& number, double x, double y, const Pad& pad);
    void WriteText(const char* type, const std::string& text, const zelmdb::Label* label, const char* layer);
    void WriteCourtyard();
    const char* TextLayer(const zelmdb::Label* label, const char* fallback);
    double Mm(int64_t units) const { return double(units) * mmPerUnit_; }

    zelmdb::DesignStore& store_;
    double mmPerUnit_;
    std::map<int, std::string> layers_;
    std::map<int16_t, Pad> pads_;
    Bounds bounds_;
    SexprWriter w_;
};

zelmdb::Result<Pad> FootprintExport::PadOf(int16_t padstackId) {
    auto known = pads_.find(padstackId);
    if (known != pads_.end()) return known->second;
    auto stack = store_.GetPadstack(padstackId);
    if (!stack || stack->layers.size() < size_t(zelmdb::DrillLayer)) {
        return zelmdb::Result<Pad>::Fail("a pin names padstack " + std::to_string(padstackId) +
                                         ", which the design does not hold");
    }
    const std::string name = store_.NameText(stack->nameId).value_or("");
    Pad pad;
    pad.bottom = stack->layers[0].shape == 0;
    const zelmdb::LayerGeometry& g = stack->layers[pad.bottom ? 1 : 0];
    for (const auto& s : PadShapes) {
        if (s.code == g.shape) pad.shape = s.name;
    }
    if (*pad.shape == 0) {
        return zelmdb::Result<Pad>::Fail("padstack " + name + " has pad shape " + std::to_string(g.shape) +
                                         ", which a KiCad pad cannot show");
    }
    const zelmdb::LayerGeometry& hole = stack->layers[size_t(zelmdb::DrillLayer - 1)];
    pad.width = Mm(int64_t(g.width1) + g.width2);
    pad.height = Mm(int64_t(g.height1) + g.height2);
    pad.degrees = g.rotation / 60.0;
    pad.drill = Mm(int64_t(hole.width1) + hole.width2);
    return pads_[padstackId] = pad;
}

void FootprintExport::WritePad(const std::string& number, double x, double y, const Pad& pad) {
    const bool thru = pad.drill > 0;
    w_.Open("pad").String(number).Symbol(thru ? "thru_hole" : "smd").Symbol(pad.shape);
    w_.Open("at").Number(x).Number(y);
    if (pad.degrees != 0) w_.Number(pad.degrees);
    w_.Close().Open("size").Number(pad.width).Number(pad.height).Close();
    if (thru) w_.Open("drill").Number(pad.drill).Close();
    w_.Open("layers");
    if (thru) {
        w_.String("*.Cu").String("*.Mask");
    } else {
        const char* side = pad.bottom ? "B." : "F.";
        for (const char* l : {"Cu", "Paste", "Mask"}) w_.String(std::string(side) + l);
    }
    w_.Close().Close();
    // The courtyard holds the pad as turned, so take the box around the turned rectangle.
    const double a = pad.degrees * std::numbers::pi / 180.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    bounds_.Add(x, y, (pad.width * c + pad.height * s) / 2, (pad.width * s + pad.height * c) / 2);
}

const char* FootprintExport::TextLayer(const zelmdb::Label* label, const char* fallback) {
    if (label == nullptr) return fallback;
    const std::string& name = layers_[label->layer];
    for (const auto& l : TextLayers) {
        if (name == l.design) return l.kicad;
    }
    return fallback;
}

void FootprintExport::WriteText(const char* type, const std::string& text, const zelmdb::Label* label,
                                const char* layer) {
    const double size = label && label->height > 0 ? Mm(label->height) : DefaultTextMm;
    const double stroke = label && label->lineWidth > 0 ? Mm(label->lineWidth) : DefaultStrokeMm;
    w_.Open("fp_text").Symbol(type).String(text);
    w_.Open("at").Number(label ? Mm(label->x) : 0).Number(label ? -Mm(label->y) : 0).Close();
    w_.Open("layer").String(layer).Close();
    w_.Open("effects").Open("font").Open("size").Number(size).Number(size).Close();
    w_.Open("thickness").Number(stroke).Close().Close().Close().Close();
}

void FootprintExport::WriteCourtyard() {
    const double m = CourtyardMarginMm;
    w_.Open("fp_rect").Open("start").Number(bounds_.left - m).Number(bounds_.top - m).Close();
    w_.Open("end").Number(bounds_.right + m).Number(bounds_.bottom + m).Close();
    w_.Open("layer").String("F.CrtYd").Close().Open("width").Number(CourtyardLineMm).Close();
    w_.Open("fill").Symbol("none").Close().Close();
}

zelmdb::Result<std::string> FootprintExport::Write(const zelmdb::Symbol& symbol, const std::string& name) {
    const zelmdb::Label* reference = nullptr;
    const zelmdb::Label* value = nullptr;
    const auto labels = store_.Labels();
    for (const auto& l : labels) {
        if (l.symbolId != symbol.id) continue;
        // The silkscreen reference is the one a board shows; the assembly one is a copy.
        if (l.kind == KindComp && (!reference || layers_[l.layer] == "SST")) reference = &l;
        if (l.kind == KindValue && !value) value = &l;
    }
    bool anyThru = false;
    std::vector<Pad> pads;
    for (const auto& pin : symbol.pins) {
        auto pad = PadOf(pin.padstack);
        if (!pad.ok()) return zelmdb::Result<std::string>::Fail(pad.error());
        anyThru = anyThru || pad.value().drill > 0;
        pads.push_back(pad.value());
    }
    w_.Open("footprint").String(name).Open("version").Symbol("20211014").Close();
    w_.Open("generator").Symbol(KicadGenerator).Close().Open("layer").String("F.Cu").Close();
    w_.Open("attr").Symbol(anyThru ? "through_hole" : "smd").Close();
    WriteText("reference", "REF**", reference, TextLayer(reference, "F.SilkS"));
    WriteText("value", name, value, TextLayer(value, "F.Fab"));
    for (size_t i = 0; i < pads.size(); ++i) {
        const zelmdb::Pin& pin = symbol.pins[i];
        WritePad(store_.NameText(pin.nameId).value_or(std::to_string(i + 1)), Mm(pin.x), -Mm(pin.y), pads[i]);
    }
    if (!bounds_.empty) WriteCourtyard();
    w_.Close();
    return w_.text();
}

}  // namespace

zelmdb::Result<std::string> KicadFootprintText(zelmdb::DesignStore& store, const std::string& footprint) {
    if (auto symbol = store.SymbolNamed(footprint)) return FootprintExport(store).Write(*symbol, footprint);
    return zelmdb::Result<std::string>::Fail("the design holds no footprint named " + footprint);
}
