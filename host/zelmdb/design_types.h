// The objects of a design as the store keeps them, in database units with y up.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "host/zelmdb/pad_shape.h"
#include "host/zelmdb/record_layout.h"

namespace zelmdb {

enum class FileKind { Design, Library };

struct DesignInfo {
    FileKind kind = FileKind::Design;
    int unitCode = 1;
    double inchesPerUnit = 1.0 / 254000.0;
    int layerCount = 14;
    uint8_t flags = 0;
    int32_t componentA = 0;
    int32_t componentB = 0;
};

struct LayerGeometry {
    int32_t width1 = 0;
    int32_t height1 = 0;
    int32_t width2 = 0;
    int32_t height2 = 0;
    PadShape shape = PadShape::None;
    int16_t rotation = 0;
    // The host's own properties of a pad, which the plug-in copies along with the record unread:
    // the rounding of a rectangular pad's corners, in ten-thousandths of its shorter side, and
    // flags such as NoPasteFlag.
    uint16_t cornerRatio = 0;
    uint8_t hostFlags = 0;
    bool operator==(const LayerGeometry&) const = default;
};

constexpr int CornerRatioScale = 10000;
constexpr int MaxCornerRatio = CornerRatioScale / 2;   // fully round ends
// A pad that gets no solder paste: a test point or a pad meant to stay bare.
constexpr uint8_t NoPasteFlag = 0x01;

struct Padstack {
    int32_t id = 0;
    int32_t nameId = 0;
    std::vector<LayerGeometry> layers;   // layer L at index L - 1
    int32_t formId = 0;                  // the host's form of the pad (pad_form.h), 0 for none

    LayerGeometry& Layer(PadLayer layer) { return layers[LayerIndex(layer)]; }
    const LayerGeometry& Layer(PadLayer layer) const { return layers[LayerIndex(layer)]; }
};

struct Pin {
    int32_t nameId = 0;
    int32_t x = 0;
    int32_t y = 0;
    int16_t padstack = 0;
};

struct Symbol {
    int32_t id = 0;
    int32_t nameId = 0;
    int32_t centerX = 0;
    int32_t centerY = 0;
    std::vector<Pin> pins;   // pin 1 first
};

struct Component {
    int32_t id = 0;
    int32_t nameId = 0;
    int32_t valueA = 0;
    int32_t valueB = 0;
    uint16_t symbolId = 0;
};

struct Label {
    int32_t id = 0;
    int32_t lineWidth = 0;
    int32_t height = 0;
    int32_t x = 0;
    int32_t y = 0;
    uint16_t symbolId = 0;
    uint8_t layer = 0;
    uint8_t kind = 0;
    std::string text;
};

struct Layer {
    int number = 0;
    std::string name;
};

struct Colour {
    int id = 0;
    uint8_t kind = 0;
    uint8_t subKind = 0;
    uint8_t layer = 0;
    uint32_t value = 0;
};

}  // namespace zelmdb
