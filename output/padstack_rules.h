// What the plug-in reads from a padstack record: whether it may be offered, its geometry for
// the previews, and whether turning it changes anything.
#pragma once
#include <cstdint>
#include <vector>

#include "array/padstack_info.h"

using PadstackBuffer = std::vector<uint8_t>;   // one ThruRecord

PadstackBuffer NewPadstackBuffer();
uint8_t LayerShape(const PadstackBuffer& record, int layer);

// A pad on layer 1 of a drawable shape, or none there but one on layer 2.
bool UsablePadstack(const PadstackBuffer& record);
// The design scan takes layer-1 pads only.
bool TopPadstack(const PadstackBuffer& record);
void MakePadstackInfo(const PadstackBuffer& record, PadstackInfo& info);
// True when every layer up to `layerCount` is empty or round.
bool RotationFree(const PadstackBuffer& record, int layerCount);

// 3000 by 3000 round with a 1500 drill, for pages with no padstack anywhere.
PadstackInfo TemporaryPad();
