// The drawn parts of an exported footprint around its pads, as a board library expects them:
// the body on the fabrication layer with its pin-1 corner cut, a silkscreen outline that keeps
// clear of the copper with a mark pointing at pin 1, and the courtyard. Millimetres, y down.
#pragma once
#include <cstddef>
#include <vector>

struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;

    static Box Around(double x, double y, double halfWidth, double halfHeight) {
        return {x - halfWidth, y - halfHeight, x + halfWidth, y + halfHeight};
    }
    double CentreX() const { return (left + right) / 2; }
    double CentreY() const { return (top + bottom) / 2; }
    Box Grown(double by) const { return {left - by, top - by, right + by, bottom + by}; }
    Box United(const Box& o) const;
    bool Overlaps(const Box& o) const { return left < o.right && o.left < right && top < o.bottom && o.top < bottom; }
};

struct Point {
    double x = 0, y = 0;
};

struct Segment {
    Point from, to;
};

// Line widths, gaps and margins of the layers, in millimetres.
namespace outline {
constexpr double FabLine = 0.10;
constexpr double SilkLine = 0.12;
constexpr double CourtyardLine = 0.05;
constexpr double SilkBodyGap = 0.11;      // silkscreen outside the body
constexpr double SilkPadClearance = 0.2;  // copper to the edge of a silkscreen line
constexpr double CourtyardMargin = 0.25;  // around pads and body
constexpr double CourtyardGrid = 0.01;
}  // namespace outline

struct FootprintOutline {
    std::vector<Point> fab;         // closed: the body with the corner nearest pin 1 cut
    std::vector<Segment> silk;      // the outline, broken where it would come near copper
    std::vector<Point> pin1Mark;    // a filled triangle on the silkscreen pointing at pin 1
    Box courtyard;                  // round everything, the mark too
};

// `pads` are the pads' boxes as turned, pin 1 first. Without a body size the pads' outline
// stands in for the body, and the silkscreen goes round it at the copper clearance, inside
// the courtyard.
FootprintOutline MakeOutline(const std::vector<Box>& pads, const Box& body, bool bodyGiven);

// The box of all pads; an empty list gives a box of no size at the origin.
Box PadsOutline(const std::vector<Box>& pads);
