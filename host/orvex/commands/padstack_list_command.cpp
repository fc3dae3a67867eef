// "orvex padstack list": the padstacks of a design or a library, one line each.
#include <cstdio>
#include <string>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/commands/open_to_read.h"
#include "host/orvex/text/display_length.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_layers.h"
#include "host/zelmdb/record_layout.h"

namespace {

// The form as padstack add takes it: "chamfer 0.25 tl,br", "delta 0 0.2", "polygon X,Y X,Y ...".
std::string FormText(const zelmdb::PadForm& f, const zelmdb::DesignInfo& info) {
    std::string text;
    if (f.chamferRatio != 0) {
        std::string corners;
        for (const auto& corner : zelmdb::ChamferCornerNames)
            if (f.chamferCorners & corner.corner) corners.append(corners.empty() ? "" : ",").append(corner.option);
        char ratio[32];
        std::snprintf(ratio, sizeof ratio, "%.4g", double(f.chamferRatio) / zelmdb::ChamferRatioScale);
        text += std::string("  chamfer ") + ratio + " " + corners;
    }
    if (f.deltaX != 0 || f.deltaY != 0)
        text += "  delta " + DisplayLength(f.deltaX, info, false) + " " + DisplayLength(f.deltaY, info, false);
    if (!f.polygon.empty()) {
        text += "  polygon";
        for (const zelmdb::FormPoint& p : f.polygon)
            text += " " + DisplayLength(p.x, info, false) + "," + DisplayLength(p.y, info, false);
    }
    return text;
}

std::string DrillText(const zelmdb::LayerGeometry& hole, const zelmdb::PadForm& f, const zelmdb::DesignInfo& info) {
    const int64_t width = int64_t(hole.width1) + hole.width2, height = int64_t(hole.height1) + hole.height2;
    std::string text = "  drill " + DisplayLength(width, info, false);
    if (height != width) text += " x " + DisplayLength(height, info, false);
    if (f.drillOffsetX != 0 || f.drillOffsetY != 0)
        text += " offset " + DisplayLength(f.drillOffsetX, info, false) + " " + DisplayLength(f.drillOffsetY, info, false);
    return text;
}

Status PrintPadstack(zelmdb::DesignStore& store, const zelmdb::PadLayers& layers, const zelmdb::Padstack& p) {
    const zelmdb::DesignInfo& info = store.info();
    TRY_ASSIGN(form, store.Form(p.formId));
    const auto place = layers.PadOf(p);
    std::printf("%d %s", p.id, Utf8FromLatin1(store.NameText(p.nameId).value_or("")).c_str());
    for (size_t i = 0; i < p.layers.size(); ++i) {
        const zelmdb::LayerGeometry& l = p.layers[i];
        if (l.shape == zelmdb::PadShape::None || i == zelmdb::LayerIndex(zelmdb::PadLayer::Drill)) continue;
        std::printf("  layer %zu shape %d %s x %s rot %.2f", i + 1, int(l.shape),
                    DisplayLength(int64_t(l.width1) + l.width2, info, false).c_str(),
                    DisplayLength(int64_t(l.height1) + l.height2, info, false).c_str(), l.rotation / 60.0);
        if (l.cornerRatio != 0) std::printf(" corner %.4g", double(l.cornerRatio) / zelmdb::CornerRatioScale);
        if (l.hostFlags & zelmdb::NoPasteFlag) std::printf(" no paste");
        if (place && place->layer == int(i + 1) && place->kind != zelmdb::PadKind::Copper)
            std::printf(" %s opening", zelmdb::PadKindNamed(place->kind).option);
    }
    std::printf("%s%s\n", FormText(form, info).c_str(), DrillText(p.Layer(zelmdb::PadLayer::Drill), form, info).c_str());
    return {};
}

}  // namespace

int RunPadstackList(const Command&, const CommandContext& context) {
    const std::string& file = context.args.positional()[0];
    auto opened = OpenToRead(file);
    if (!opened.ok()) return Refuse(opened.error());
    zelmdb::DesignStore& store = *opened.value();
    const zelmdb::PadLayers layers(store);
    for (const auto& p : store.Padstacks())
        if (Status printed = PrintPadstack(store, layers, p); !printed.ok()) return Refuse(printed.error());
    return ExitOk;
}
