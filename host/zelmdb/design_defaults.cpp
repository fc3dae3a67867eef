// Layer names and colours of a new design; see design_defaults.h.
#include "host/zelmdb/design_defaults.h"

#include <string>

namespace zelmdb {

namespace {

const char* const BaseLayerNames[MinLayerCount] = {
    "TOP", "BOT", "IN1", "IN2", "IN3", "IN4", "SMT", "SMB", "SPT", "SPB", "SST", "SSB", "AST",
    "DRILL"};

// 0x00BBGGRR values. Kind 1 is a layer's drawing colour, 6/4 the pad names, 10 the markers.
constexpr uint8_t LayerColourKind = 1;
constexpr uint32_t Green = 0x0000FF00, Red = 0x000000FF, Grey = 0x00A0A0A0, White = 0x00FFFFFF,
                   Yellow = 0x0000FFFF, Cyan = 0x00FFFF00, Blue = 0x00FF8000;

uint32_t LayerColour(const std::string& name) {
    if (name == "TOP") return Green;
    if (name == "BOT") return Red;
    if (name == "DRILL") return Grey;
    if (name == "SST" || name == "SSB") return White;
    if (name == "AST") return Cyan;
    return Blue;
}

}  // namespace

std::vector<Layer> DefaultLayers(int count) {
    std::vector<Layer> layers;
    for (int n = 1; n <= count; ++n) {
        layers.push_back({n, n <= MinLayerCount ? BaseLayerNames[n - 1]
                                                : "IN" + std::to_string(n - MinLayerCount + 4)});
    }
    return layers;
}

std::vector<Colour> DefaultColours(const std::vector<Layer>& layers) {
    std::vector<Colour> colours;
    for (const auto& layer : layers) {
        colours.push_back({0, LayerColourKind, 0, uint8_t(layer.number), LayerColour(layer.name)});
    }
    colours.push_back({0, 6, 4, 255, White});
    colours.push_back({0, 10, 0, 255, Yellow});
    return colours;
}

}  // namespace zelmdb
