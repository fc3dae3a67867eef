// What the plug-in reads from a padstack record: whether it may be offered, its geometry for
// the previews, and whether turning it changes anything.
#pragma once
#include <cstdint>
#include <vector>

#include "array/padstack_info.h"
#include "host/zelmdb/pad_shape.h"
#include "host/zelmdb/record_layout.h"

using PadstackBuffer = std::vector<uint8_t>;   // one ThruRecord

PadstackBuffer NewPadstackBuffer();
zelmdb::PadShape LayerShape(const PadstackBuffer& record, int layer);
inline zelmdb::PadShape LayerShape(const PadstackBuffer& record, zelmdb::PadLayer layer) {
    return LayerShape(record, int(layer));
}

// A listable pad on the top layer, or none there but one on the bottom layer.
bool UsablePadstack(const PadstackBuffer& record);
// The design scan takes top-layer pads only.
bool TopPadstack(const PadstackBuffer& record);
void MakePadstackInfo(const PadstackBuffer& record, PadstackInfo& info);
// True when no layer up to `layerCount` turns with a rotation.
bool RotationFree(const PadstackBuffer& record, int layerCount);

// 3000 by 3000 round with a 1500 drill, for pages with no padstack anywhere.
PadstackInfo TemporaryPad();
