// The fixed diagrams of the style sample, as data: dotted guide lines, field letters and
// labelled pads at offsets counted in the diagram's pitch, and the pad-count formula.
#pragma once
#include <cstdint>
#include <span>
#include <string>

#include "array/array_parameters.h"

// g·pitch + h·half + q·(half/2) + t·textOffset, with whole-number halves as the diagram uses them.
struct DiagramLength {
    int8_t g = 0, h = 0, q = 0, t = 0;
};

struct DiagramMetrics {
    int pitch = 0;
    int half = 0;
    int textOffset = 0;
    int Eval(DiagramLength l) const { return l.g * pitch + l.h * half + l.q * (half / 2) + l.t * textOffset; }
};

struct DiagramPoint {
    DiagramLength x, y;
};

struct DiagramLine {
    DiagramPoint from, to;
};

struct DiagramText {
    const char* text;
    DiagramPoint at;
};

// A pad circle; its label differs by the QFP page's pin-1 position only.
struct DiagramPad {
    DiagramPoint at;
    const char* centreLabel;   // null: a circle without label
    const char* cornerLabel;
};

enum class DiagramKind : uint8_t {
    Straight,
    ChipCarrier,   // its own, smaller pitch and a centre moved right by the text offset
    Circle,        // drawn from the window's size, not from tables
};

struct StyleDiagram {
    ArrayStyle style;
    DiagramKind kind;
    std::span<const DiagramLine> lines = {};
    std::span<const DiagramText> letters = {};
    std::span<const DiagramPad> pads = {};
    const char* formula;   // one %d, the pad count
};

// The diagram of a style, or null for a style that draws nothing.
const StyleDiagram* FindStyleDiagram(ArrayStyle style);

// Pitch and half pitch of a client `width` wide; the chip carrier's are a sixth smaller.
DiagramMetrics DiagramMetricsFor(const StyleDiagram& diagram, int width, int textOffset);

// "n=12=p*q" and the like.
std::string DiagramFormula(const StyleDiagram& diagram, const ArrayParameters& params);
