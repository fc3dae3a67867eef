// The shape codes of a padstack's layers, named once for the host and the plug-in, with the one
// table of their names. A code is a byte of the records and of the files; it is kept as it is.
#pragma once
#include <cstdint>
#include <string_view>

namespace zelmdb {

// Any byte may stand in a record: the named codes below, the host's own 5 to 8, or others that
// no list offers a name for.
enum class PadShape : uint8_t {
    None = 0,   // no pad on the layer
    Round = 1,
    Square = 2,
    Oblong = 3,
    Rectangle = 4,
};

struct PadShapeName {
    PadShape shape;
    const char* option;   // on orvex's command line
    const char* kicad;    // a KiCad pad of the same kind
};
inline constexpr PadShapeName PadShapeNames[] = {
    {PadShape::Round, "round", "circle"},
    {PadShape::Square, "square", "rect"},
    {PadShape::Oblong, "oblong", "oval"},
    {PadShape::Rectangle, "rect", "rect"},
};

// The row of a shape or of an option name; null when the table has none.
constexpr const PadShapeName* PadShapeNamed(PadShape shape) {
    for (const PadShapeName& row : PadShapeNames)
        if (row.shape == shape) return &row;
    return nullptr;
}
constexpr const PadShapeName* PadShapeOption(std::string_view option) {
    for (const PadShapeName& row : PadShapeNames)
        if (option == row.option) return &row;
    return nullptr;
}

// Codes 5 to 8 keep a padstack for the host's own use: no padstack list offers it and no
// preview draws it.
constexpr uint8_t FirstHostShape = 5, LastHostShape = 8;
constexpr bool HostOnly(PadShape shape) { return uint8_t(shape) >= FirstHostShape && uint8_t(shape) <= LastHostShape; }
// A pad a list may offer: one of some shape that is not kept for the host.
constexpr bool Listable(PadShape shape) { return shape != PadShape::None && !HostOnly(shape); }
// Turning leaves no pad and a round pad as they are.
constexpr bool TurnsWithRotation(PadShape shape) { return shape != PadShape::None && shape != PadShape::Round; }
// The pads whose corners the host may round.
constexpr bool Rectangular(PadShape shape) { return shape == PadShape::Square || shape == PadShape::Rectangle; }

}  // namespace zelmdb
