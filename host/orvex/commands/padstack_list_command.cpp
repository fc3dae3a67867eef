// "orvex padstack list": the padstacks of a design or a library, one line each.
#include <cstdio>

#include "host/orvex/commands/command_table.h"
#include "host/orvex/commands/open_to_read.h"
#include "host/orvex/text/display_length.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/record_layout.h"

namespace {

void PrintPadstack(zelmdb::DesignStore& store, const zelmdb::Padstack& p) {
    const zelmdb::DesignInfo& info = store.info();
    std::printf("%d %s", p.id, Utf8FromLatin1(store.NameText(p.nameId).value_or("")).c_str());
    for (size_t i = 0; i < p.layers.size(); ++i) {
        const zelmdb::LayerGeometry& l = p.layers[i];
        if (l.shape == zelmdb::PadShape::None || i == zelmdb::LayerIndex(zelmdb::PadLayer::Drill)) continue;
        std::printf("  layer %zu shape %d %s x %s rot %.2f", i + 1, int(l.shape),
                    DisplayLength(int64_t(l.width1) + l.width2, info, false).c_str(),
                    DisplayLength(int64_t(l.height1) + l.height2, info, false).c_str(), l.rotation / 60.0);
        if (l.cornerRatio != 0) std::printf(" corner %.4g", double(l.cornerRatio) / zelmdb::CornerRatioScale);
        if (l.hostFlags & zelmdb::NoPasteFlag) std::printf(" no paste");
    }
    const zelmdb::LayerGeometry& hole = p.Layer(zelmdb::PadLayer::Drill);
    std::printf("  drill %s\n", DisplayLength(int64_t(hole.width1) + hole.width2, info, false).c_str());
}

}  // namespace

int RunPadstackList(const Command&, const CommandContext& context) {
    const std::string& file = context.args.positional()[0];
    auto opened = OpenToRead(file);
    if (!opened.ok()) return Refuse(opened.error());
    for (const auto& p : opened.value()->Padstacks()) PrintPadstack(*opened.value(), p);
    return ExitOk;
}
