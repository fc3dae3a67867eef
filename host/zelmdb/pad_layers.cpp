// The layers of each kind of pad in one file; see pad_layers.h.
#include "host/zelmdb/pad_layers.h"

namespace zelmdb {

PadLayers::PadLayers(DesignStore& store) {
    for (const PadKindName& row : PadKindNames)
        for (const bool bottom : {false, true})
            layers_[int(row.kind)][bottom] = row.kind == PadKind::Copper
                                                 ? int(bottom ? PadLayer::Bottom : PadLayer::Top)
                                                 : store.LayerNumber(row.layers[bottom]);
}

std::optional<PadPlace> PadLayers::PadOf(const Padstack& p) const {
    for (const PadKindName& row : PadKindNames)
        for (const bool bottom : {false, true}) {
            const int layer = Of(row.kind, bottom);
            if (layer >= 1 && size_t(layer) <= p.layers.size() && p.layers[size_t(layer - 1)].shape != PadShape::None)
                return PadPlace{row.kind, bottom, layer};
        }
    return std::nullopt;
}

}  // namespace zelmdb
