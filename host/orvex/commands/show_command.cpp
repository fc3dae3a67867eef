// "orvex show": what a design holds, as text or as one JSON object (coordinates as stored).
#include <cstdio>
#include <map>
#include <string>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/commands/open_to_read.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/extras/land_summary.h"
#include "host/orvex/text/display_length.h"
#include "host/orvex/text/json_writer.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_layers.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

struct LabelKind {
    uint8_t code;
    const char* text;
};
const LabelKind LabelKinds[] = {{zelmdb::LabelComponent, "&Comp"},
                                {zelmdb::LabelFootprint, "&FP"},
                                {zelmdb::LabelPackage, "&Pack"},
                                {zelmdb::LabelValue, "&Value"}};

std::string KindText(uint8_t code) {
    for (const auto& k : LabelKinds) {
        if (k.code == code) return k.text;
    }
    return std::to_string(code);
}

class DesignView {
public:
    explicit DesignView(zelmdb::DesignStore& store) : store_(store) {
        for (const auto& l : store.Layers()) layers_[l.number] = l.name;
    }
    std::string Name(int32_t id) { return store_.NameText(id).value_or(""); }
    std::string LayerName(int n) {
        auto it = layers_.find(n);
        return it == layers_.end() ? std::to_string(n) : it->second;
    }
    std::string PadstackName(int32_t id) {
        auto it = padstackNames_.find(id);
        if (it != padstackNames_.end()) return it->second;
        auto p = store_.GetPadstack(id);
        return padstackNames_[id] = p ? Name(p->nameId) : "";
    }

private:
    zelmdb::DesignStore& store_;
    std::map<int, std::string> layers_;
    std::map<int32_t, std::string> padstackNames_;
};

void WriteDesign(JsonWriter& j, const std::string& file, const zelmdb::DesignInfo& info) {
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(info.unitCode);
    j.Key("design").BeginObject();
    j.Key("file").String(file);
    j.Key("kind").String(zelmdb::FileKindName(info.kind));
    j.Key("units").String(unit ? unit->option : "unknown");
    j.Key("unit_code").Int(info.unitCode);
    j.Key("inches_per_unit").Real(info.inchesPerUnit);
    j.Key("layers").Int(info.layerCount);
    j.Key("big_labels").Int((info.flags & zelmdb::BigLabelsFlag) ? 1 : 0);
    j.EndObject();
}

// What the host keeps beside the layers, each member only where the padstack has it.
void WriteForm(JsonWriter& j, const zelmdb::PadForm& f) {
    if (f.chamferRatio != 0) {
        j.Key("chamfer").BeginObject().Key("ratio").Real(double(f.chamferRatio) / zelmdb::ChamferRatioScale);
        j.Key("corners").BeginArray();
        for (const auto& corner : zelmdb::ChamferCornerNames)
            if (f.chamferCorners & corner.corner) j.String(corner.kicad);
        j.EndArray().EndObject();
    }
    if (f.deltaX != 0 || f.deltaY != 0) j.Key("trapezoid").BeginArray().Int(f.deltaX).Int(f.deltaY).EndArray();
    if (!f.polygon.empty()) {
        j.Key("polygon").BeginArray();
        for (const zelmdb::FormPoint& p : f.polygon) j.BeginArray().Int(p.x).Int(p.y).EndArray();
        j.EndArray();
    }
    if (f.drillOffsetX != 0 || f.drillOffsetY != 0)
        j.Key("drill_offset").BeginArray().Int(f.drillOffsetX).Int(f.drillOffsetY).EndArray();
}

Status WritePadstacks(JsonWriter& j, zelmdb::DesignStore& store, DesignView& view) {
    const zelmdb::PadLayers layers(store);
    j.Key("padstacks").BeginArray();
    for (const auto& p : store.Padstacks()) {
        j.BeginObject().Key("id").Int(p.id).Key("name").String(view.Name(p.nameId));
        j.Key("layers").BeginArray();
        for (size_t i = 0; i < p.layers.size(); ++i) {
            const zelmdb::LayerGeometry& l = p.layers[i];
            if (l.shape == zelmdb::PadShape::None || i == zelmdb::LayerIndex(zelmdb::PadLayer::Drill)) continue;
            j.BeginObject().Key("layer").Int(int64_t(i + 1)).Key("shape").Int(int64_t(l.shape))
                .Key("width").Int(int64_t(l.width1) + l.width2)
                .Key("height").Int(int64_t(l.height1) + l.height2)
                .Key("rotation").Int(l.rotation)
                .Key("corner_ratio").Real(double(l.cornerRatio) / zelmdb::CornerRatioScale)
                .Key("paste").Bool((l.hostFlags & zelmdb::NoPasteFlag) == 0).EndObject();
        }
        const zelmdb::LayerGeometry& hole = p.Layer(zelmdb::PadLayer::Drill);
        const int64_t drill = int64_t(hole.width1) + hole.width2, drillHeight = int64_t(hole.height1) + hole.height2;
        j.EndArray().Key("drill").Int(drill);
        if (drillHeight != drill) j.Key("slot").BeginArray().Int(drill).Int(drillHeight).EndArray();
        // A slot or an offset drill turns with its pad, and alone when it has no pad.
        if (zelmdb::TurnsWithRotation(hole.shape)) j.Key("drill_rotation").Int(hole.rotation);
        if (const auto place = layers.PadOf(p); place && place->kind != zelmdb::PadKind::Copper)
            j.Key("kind").String(zelmdb::PadKindNamed(place->kind).option).Key("side").String(place->bottom ? "bottom" : "top");
        TRY_ASSIGN(form, store.Form(p.formId));
        WriteForm(j, form);
        j.EndObject();
    }
    j.EndArray();
    return {};
}

// What the host keeps with the footprint, as it keeps it; a damaged record is told, not hidden.
void WriteHostRecord(JsonWriter& j, zelmdb::DesignStore& store, const std::string& footprint) {
    if (!store.GetPluginRecord(kHostRecordOwner, footprint)) {
        j.Key("host").Null();
        return;
    }
    const auto extras = LoadExtras(store, footprint);
    if (!extras.ok()) {
        j.Key("host").Null().Key("host_damaged").String(extras.error());
        return;
    }
    j.Key("host");
    WriteExtras(j, extras.value());
    if (extras.value().land) WriteShownLandPattern(j.Key("land_pattern"), *extras.value().land);
}

void WriteFootprints(JsonWriter& j, zelmdb::DesignStore& store, DesignView& view,
                     const std::string& only) {
    const auto components = store.Components();
    const auto labels = store.Labels();
    j.Key("footprints").BeginArray();
    for (const auto& s : store.Symbols()) {
        const std::string name = view.Name(s.nameId);
        if (!only.empty() && name != only) continue;
        j.BeginObject().Key("name").String(name).Key("symbol_id").Int(s.id);
        j.Key("center").BeginArray().Int(s.centerX).Int(s.centerY).EndArray();
        j.Key("pins").BeginArray();
        for (size_t n = 0; n < s.pins.size(); ++n) {
            const zelmdb::Pin& pin = s.pins[n];
            j.BeginObject().Key("number").Int(int64_t(n + 1)).Key("name").String(view.Name(pin.nameId))
                .Key("x").Int(pin.x).Key("y").Int(pin.y)
                .Key("padstack").String(view.PadstackName(pin.padstack)).EndObject();
        }
        j.EndArray().Key("component");
        const zelmdb::Component* comp = nullptr;
        for (const auto& c : components) {
            if (c.symbolId == s.id) {
                comp = &c;
                break;
            }
        }
        if (comp) {
            j.BeginObject().Key("id").Int(comp->id).Key("symbol_id").Int(comp->symbolId).EndObject();
        } else {
            j.Null();
        }
        j.Key("labels").BeginArray();
        for (const auto& t : labels) {
            if (t.symbolId != s.id) continue;
            j.BeginObject().Key("layer").String(view.LayerName(t.layer)).Key("kind").String(KindText(t.kind))
                .Key("x").Int(t.x).Key("y").Int(t.y).Key("height").Int(t.height)
                .Key("width").Int(t.lineWidth).EndObject();
        }
        j.EndArray();
        WriteHostRecord(j, store, name);
        j.EndObject();
    }
    j.EndArray();
}

// What the host did to one arrangement, a line each.
void PrintShape(const ArrangementShape& shape, const char* indent) {
    if (shape.nameWidth != 0) std::printf("%snumeric names padded to %d digits\n", indent, shape.nameWidth);
    for (const PinPadstack& p : shape.pinPadstacks) {
        std::string list;
        for (const std::string& item : p.pins) list += (list.empty() ? "" : ",") + item;
        std::printf("%spads %s on padstack %s\n", indent, Utf8FromLatin1(list).c_str(),
                    Utf8FromLatin1(p.padstack).c_str());
    }
    if (shape.startAngle != 0) std::printf("%spin 1 of the circle at %g degrees\n", indent, shape.startAngle / 60.0);
}

// A footprint shown alone: every pin where it stands, in the design's unit, and what the host
// did to the arrangement.
Status PrintPins(zelmdb::DesignStore& store, DesignView& view, const zelmdb::Symbol& s, const std::string& name) {
    const zelmdb::DesignInfo& info = store.info();
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(info.unitCode);
    const char* unitName = unit ? unit->option : "units";
    for (size_t n = 0; n < s.pins.size(); ++n) {
        const zelmdb::Pin& pin = s.pins[n];
        std::printf("    pin %zu \"%s\" at %s %s %s, padstack %s\n", n + 1, Utf8FromLatin1(view.Name(pin.nameId)).c_str(),
                    DisplayLength(pin.x, info).c_str(), DisplayLength(pin.y, info).c_str(), unitName,
                    Utf8FromLatin1(view.PadstackName(pin.padstack)).c_str());
    }
    TRY_ASSIGN(e, LoadExtras(store, name));
    const char* about = e.padsAbout == PadsAbout::Center ? "centre" : "origin";
    PrintShape(e.shape, "    ");
    for (size_t k = 0; k < e.also.size(); ++k) {
        const AlsoArrangement& a = e.also[k];
        std::printf("    %s at %s %s %s from the first arrangement's %s%s: %s\n", AlsoLabel(k).c_str(),
                    DisplayLength(a.x, info).c_str(), DisplayLength(a.y, info).c_str(), unitName, about,
                    a.shareNames ? ", sharing names" : "", Utf8FromLatin1(OptionListText(a.madeFrom)).c_str());
        PrintShape(a.shape, "      ");
    }
    for (const ExtraPad& pad : e.pads)
        std::printf("    extra pad \"%s\" at %s %s %s from the %s, padstack %s\n", Utf8FromLatin1(pad.name).c_str(),
                    DisplayLength(pad.x, info).c_str(), DisplayLength(pad.y, info).c_str(), unitName, about,
                    Utf8FromLatin1(pad.padstack).c_str());
    for (const std::string& item : e.omit) std::printf("    omitted %s\n", Utf8FromLatin1(item).c_str());
    if (e.turn != 0) std::printf("    turned %d degrees counter-clockwise\n", e.turn / 60);
    if (e.epPaste)
        std::printf("    exposed pad paste in %d x %d windows covering %g of it\n", e.epPaste->across, e.epPaste->down,
                    e.epPaste->coverage);
    if (e.land)
        for (const std::string& line : LandTable(*e.land)) std::printf("    %s\n", Utf8FromLatin1(line).c_str());
    return {};
}

Status PrintText(zelmdb::DesignStore& store, DesignView& view, const std::string& file,
                      const std::string& only) {
    const zelmdb::DesignInfo& info = store.info();
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(info.unitCode);
    std::printf("%s: %s in %s, %d layers, %.9g inches per unit\n", file.c_str(),
                zelmdb::FileKindName(info.kind), unit ? unit->option : "unknown units",
                info.layerCount, info.inchesPerUnit);
    const auto padstacks = store.Padstacks();
    std::printf("padstacks: %zu\n", padstacks.size());
    for (const auto& p : padstacks) std::printf("  %d %s\n", p.id, Utf8FromLatin1(view.Name(p.nameId)).c_str());
    std::printf("footprints:\n");
    for (const auto& s : store.Symbols()) {
        const std::string name = view.Name(s.nameId);
        if (!only.empty() && name != only) continue;
        std::printf("  %s (symbol %d): %zu pins, centre %d %d\n", Utf8FromLatin1(name).c_str(), s.id, s.pins.size(),
                    s.centerX, s.centerY);
        if (!only.empty()) TRY(PrintPins(store, view, s, name));
    }
    return {};
}

}  // namespace

int RunShow(const Command&, const CommandContext& context) {
    const ArgList& a = context.args;
    const std::string& file = a.positional()[0];
    const std::string only = a.positional().size() == 2 ? a.positional()[1] : "";
    auto opened = OpenToRead(file);
    if (!opened.ok()) return Refuse(opened.error());
    zelmdb::DesignStore& store = *opened.value();
    if (!only.empty() && store.FindSymbol(only) == 0) return Refuse(file + " holds no footprint named " + Utf8FromLatin1(only));
    DesignView view(store);
    if (!a.Has("--json")) {
        const Status printed = PrintText(store, view, file, only);
        return printed.ok() ? ExitOk : Refuse(file + ": " + printed.error());
    }
    JsonWriter j;
    j.BeginObject();
    WriteDesign(j, file, store.info());
    if (Status written = WritePadstacks(j, store, view); !written.ok()) return Refuse(written.error());
    WriteFootprints(j, store, view, only);
    j.EndObject();
    std::printf("%s\n", j.text().c_str());
    return ExitOk;
}
