// What a new design or library holds before anything is added: its layers and colours.
#pragma once
#include <vector>

#include "host/zelmdb/design_types.h"
#include "host/zelmdb/record_layout.h"

namespace zelmdb {

constexpr int MinLayerCount = int(PadLayer::Drill);   // no design lacks the drill layer

// TOP 1, BOT 2, DRILL 14, the silkscreen SST and assembly AST among the others; layers above 14
// are further inner layers.
std::vector<Layer> DefaultLayers(int count);
std::vector<Colour> DefaultColours(const std::vector<Layer>& layers);

}  // namespace zelmdb
