// The diagrams of the six style samples, one table of lines, letters and pads per style.
#include "preview/style_diagram.h"

#include <cstdio>

#include "array/units_limits.h"

namespace {

using L = DiagramLength;

constexpr L G(int8_t g, int8_t h = 0, int8_t t = 0) { return L{g, h, 0, t}; }
constexpr L Q(int8_t g, int8_t h, int8_t q, int8_t t = 0) { return L{g, h, q, t}; }
constexpr DiagramPad Pad(L x, L y, const char* label) { return {{x, y}, label, label}; }
constexpr DiagramPad Blank(L x, L y) { return {{x, y}, nullptr, nullptr}; }

// --- Grid: a 3 x 3 block.
constexpr DiagramLine kGridLines[] = {
    {{G(-1, -1), G(-1)}, {G(1, 1), G(-1)}}, {{G(-1, -1), G(0)}, {G(1, 1), G(0)}},
    {{G(-1), G(1)}, {G(1, 1), G(1)}},       {{G(-1), G(-1, -1)}, {G(-1), G(1, 1)}},
    {{G(0), G(-1, -1)}, {G(0), G(1, 1)}},   {{G(1), G(-1)}, {G(1), G(1, 1)}},
};
constexpr DiagramText kGridLetters[] = {{"x", {G(-1, 1), G(-1, -1, 1)}}, {"y", {G(-1, -1), G(0, -1, 1)}}};
constexpr DiagramPad kGridPads[] = {
    Pad(G(-1), G(-1), "A1"), Pad(G(0), G(-1), "A2"), Pad(G(1), G(-1), "A3"),
    Pad(G(-1), G(0), "B1"),  Pad(G(0), G(0), "B2"),  Pad(G(1), G(0), "B3"),
    Pad(G(-1), G(1), "C1"),  Pad(G(0), G(1), "C2"),  Pad(G(1), G(1), "C3"),
};

// --- Dual/quad in-line: two columns, the middle row of each stands out by half a pitch.
constexpr DiagramLine kDualLines[] = {
    {{G(-1, -2), G(-1)}, {G(1, 1), G(-1)}}, {{G(-1, -2), G(0)}, {G(1, 1), G(0)}},
    {{G(-1, -1), G(1)}, {G(1, 1), G(1)}},   {{G(-1, -1), G(-1, -1)}, {G(-1, -1), G(1, 1)}},
    {{G(-1), G(-1, -1)}, {G(-1), G(1, 1)}}, {{G(1), G(-1, -1)}, {G(1), G(1, 1)}},
    {{G(1, 1), G(-1, -1)}, {G(1, 1), G(1, 1)}},
};
constexpr DiagramText kDualLetters[] = {{"x", {G(0), G(-1, -1, 1)}},
                                        {"w", {Q(-1, 0, -1), G(-1, -1, 1)}},
                                        {"z", {Q(1, 0, 1), G(-1, -1, 1)}},
                                        {"y", {G(-1, -2), G(0, -1)}}};
constexpr DiagramPad kDualPads[] = {Pad(G(-1), G(-1), "1"),     Pad(G(1), G(-1), "n"),
                                    Pad(G(-1, -1), G(0), "2"),  Pad(G(1, 1), G(0), "n-1"),
                                    Pad(G(-1), G(1), "3"),      Pad(G(1), G(1), "n-2")};

// --- Connector stagger X: three rows, the middle one offset by half a pitch.
constexpr DiagramLine kStaggerXLines[] = {
    {{G(-1, -1), G(-1)}, {G(1, 1), G(-1)}},  {{G(-1, -1), G(0)}, {G(1, 1), G(0)}},
    {{G(-1), G(1)}, {G(1, 1), G(1)}},        {{G(-1), G(-1, -1)}, {G(-1), G(1, 1)}},
    {{G(0, -1), G(-1, -1)}, {G(0, -1), G(1, 1)}}, {{G(0), G(-1, -1)}, {G(0), G(1, 1)}},
    {{G(0, 1), G(-1)}, {G(0, 1), G(1, 1)}},  {{G(1), G(-1, -1)}, {G(1), G(1, 1)}},
};
constexpr DiagramText kStaggerXLetters[] = {
    {"x", {G(0, 1), G(-1, -1, 1)}}, {"w", {Q(-1, 0, 1), G(-1, -1, 1)}}, {"y", {G(-1, -1), G(0, -1)}}};
constexpr DiagramPad kStaggerXPads[] = {
    Pad(G(-1), G(-1), "1"),     Pad(G(0), G(-1), "2"),     Pad(G(1), G(-1), "3"),
    Pad(G(0, -1), G(0), "p+1"), Pad(G(0, 1), G(0), "p+2"), Blank(G(-1), G(1)),
    Blank(G(0), G(1)),          Blank(G(1), G(1)),
};

// --- Connector stagger Y: three columns, the middle pad of each offset to the left.
constexpr DiagramLine kStaggerYLines[] = {
    {{G(-1, -2), G(-1)}, {G(1, 1), G(-1)}},       {{G(-1, -2), G(0)}, {G(1, 1), G(0)}},
    {{G(-1, -1), G(1)}, {G(1, 1), G(1)}},         {{G(-1, -1), G(-1, -1)}, {G(-1, -1), G(1, 1)}},
    {{G(-1), G(-1, -1)}, {G(-1), G(1, 1)}},       {{G(0, -1), G(-1)}, {G(0, -1), G(1, 1)}},
    {{G(0), G(-1, -1)}, {G(0), G(1, 1)}},         {{G(0, 1), G(-1)}, {G(0, 1), G(1, 1)}},
    {{G(1), G(-1)}, {G(1), G(1, 1)}},
};
constexpr DiagramText kStaggerYLetters[] = {
    {"x", {G(0, -1), G(-1, -1, 1)}}, {"w", {Q(-1, 0, -1), G(-1, -1, 1)}}, {"y", {G(-1, -2), G(0, -1, 1)}}};
constexpr DiagramPad kStaggerYPads[] = {
    Pad(G(-1), G(-1), "1"),  Pad(G(-1, -1), G(0), "2"), Pad(G(-1), G(1), "3"),
    Pad(G(0), G(-1), "q+1"), Pad(G(0, -1), G(0), "q+2"), Pad(G(0), G(1), "q+3"),
    Blank(G(1), G(-1)),      Blank(G(1, -1), G(0)),     Blank(G(1), G(1)),
};

// --- QFP/chip carrier, in its own pitch: five pads on top and bottom, three on each side.
constexpr DiagramLine kQfpLines[] = {
    {{G(-2, -2), G(-1, -1)}, {G(2, 1), G(-1, -1)}}, {{G(-2, -2), G(-1)}, {G(2, 1), G(-1)}},
    {{G(-2, -2), G(0)}, {G(2, 1), G(0)}},           {{G(-2, -1), G(1)}, {G(2, 1), G(1)}},
    {{G(-2, -1), G(1, 1)}, {G(2, 1), G(1, 1)}},     {{G(-2, -1), G(-1, -2)}, {G(-2, -1), G(1, 1)}},
    {{G(-2), G(-1, -2)}, {G(-2), G(1, 1)}},         {{G(-1), G(-1, -2)}, {G(-1), G(1, 1)}},
    {{G(0), G(-1, -1)}, {G(0), G(1, 1)}},           {{G(1), G(-1, -1)}, {G(1), G(1, 1)}},
    {{G(2), G(-1, -1)}, {G(2), G(1, 1)}},           {{G(2, 1), G(-1, -1)}, {G(2, 1), G(1, 1)}},
};
constexpr DiagramText kQfpLetters[] = {{"x", {G(-1, -1), G(-1, -2, 1)}},
                                       {"w", {Q(-2, 0, -1), G(-1, -2, 1)}},
                                       {"z", {G(-2, -2), Q(-1, 0, -1, 1)}},
                                       {"y", {G(-2, -2), G(0, -1, 1)}}};
constexpr DiagramPad kQfpPads[] = {
    {{G(0), G(-1, -1)}, "1", nullptr},  {{G(-1), G(-1, -1)}, "2", nullptr}, {{G(-2), G(-1, -1)}, nullptr, "n"},
    {{G(-2, -1), G(-1)}, nullptr, "1"}, {{G(-2, -1), G(0)}, nullptr, "2"},  Blank(G(-2, -1), G(1)),
    Blank(G(-2), G(1, 1)),              Blank(G(-1), G(1, 1)),              Blank(G(0), G(1, 1)),
    Blank(G(1), G(1, 1)),               Blank(G(2), G(1, 1)),               Blank(G(2, 1), G(1)),
    Blank(G(2, 1), G(0)),               Blank(G(2, 1), G(-1)),              Blank(G(2), G(-1, -1)),
    {{G(1), G(-1, -1)}, "n", nullptr},
};

constexpr DiagramPad kSinglePad[] = {Pad(G(0), G(0), "Pad")};

const StyleDiagram kDiagrams[] = {
    {.style = ArrayStyle(0), .kind = DiagramKind::Straight, .pads = kSinglePad, .formula = "n=1"},
    {.style = ArrayStyle::DualQuad, .kind = DiagramKind::Straight, .lines = kDualLines, .letters = kDualLetters,
     .pads = kDualPads, .formula = "n=%d=2*q"},
    {.style = ArrayStyle::StaggerX, .kind = DiagramKind::Straight, .lines = kStaggerXLines,
     .letters = kStaggerXLetters, .pads = kStaggerXPads, .formula = "n=%d=(p*q)"},
    {.style = ArrayStyle::StaggerY, .kind = DiagramKind::Straight, .lines = kStaggerYLines,
     .letters = kStaggerYLetters, .pads = kStaggerYPads, .formula = "n=%d=p*q"},
    {.style = ArrayStyle::ChipCarrier, .kind = DiagramKind::ChipCarrier, .lines = kQfpLines, .letters = kQfpLetters,
     .pads = kQfpPads, .formula = "n=%d=2*(p+q)"},
    {.style = ArrayStyle::Circular, .kind = DiagramKind::Circle, .formula = "n=%d=p"},
    {.style = ArrayStyle::Grid, .kind = DiagramKind::Straight, .lines = kGridLines, .letters = kGridLetters,
     .pads = kGridPads, .formula = "n=%d=p*q"},
};

}  // namespace

const StyleDiagram* FindStyleDiagram(ArrayStyle style) {
    for (const StyleDiagram& diagram : kDiagrams)
        if (diagram.style == style) return &diagram;
    return nullptr;
}

DiagramMetrics DiagramMetricsFor(const StyleDiagram& diagram, int width, int textOffset) {
    int pitch = width / 5 - 2;
    if (diagram.kind == DiagramKind::ChipCarrier) pitch -= pitch / 6;
    return DiagramMetrics{pitch, pitch / 2, textOffset};
}

std::string DiagramFormula(const StyleDiagram& diagram, const ArrayParameters& params) {
    char text[64];
    std::snprintf(text, sizeof text, diagram.formula, int(ExactPadCount(params)));
    return text;
}
