// What the land calculation gives for a package, with every intermediate a person checks by
// hand: in millimetres, x right, y down, centred on the package.
#pragma once
#include <optional>
#include <vector>

#include "host/land/dimension.h"
#include "host/land/fillet_goals.h"
#include "host/land/package_names.h"
#include "host/land/toleranced_span.h"

namespace land {

struct Point {
    double x = 0, y = 0;
};

// A rectangle by its centre and size.
struct Rect {
    double cx = 0, cy = 0, w = 0, h = 0;
    double Left() const { return cx - w / 2; }
    double Right() const { return cx + w / 2; }
    double Top() const { return cy - h / 2; }
    double Bottom() const { return cy + h / 2; }
};

// The rounding of a rounded rectangle's corners: radius, and radius over the short side.
struct Corner {
    double radius = 0, ratio = 0;
};

struct Range {
    double min = 0, max = 0;
};

// Which pair of facing rows: X are the left and right rows (their lands long along x), Y the
// top and bottom rows.
enum class RowAxis { X, Y };

// One pair of facing rows: the terminal as the calculation saw it, Z, G and X, and the lands.
struct RowPairLands {
    bool present = false;
    RowAxis axis = RowAxis::X;
    int pinsPerRow = 0;
    TerminalKind terminal = TerminalKind::GullWing;
    FilletGoals goals;
    double fabrication = 0, placement = 0;   // F and P

    Span L;   // outer edge to outer edge
    Span S;   // inner edge to inner edge
    std::optional<Dimension> T;   // the terminal's length, where the datasheet gives it
    Dimension W;

    double zMax = 0, gMin = 0, xMax = 0;   // as calculated
    double z = 0, g = 0, x = 0;            // each to the nearest 0.05
    double heelReduction = 0;
    bool epClearanceBinds = false;
    double gLand = 0;                      // G after the heel reduction and the exposed pad's clearance

    double landLength = 0, landWidth = 0;  // (Z - G) / 2 and X
    double span = 0;                       // row centre to row centre, (Z + G) / 2
    Corner corner;

    // Fillets the lands give at the terminal's limits (the statistical ones where the span is built).
    Range toe, heel, side;
};

// A paste window or the pad itself.
struct Land {
    Rect rect;
    Corner corner;
};

struct ExposedPadLands {
    bool present = false;
    int number = 0;           // after the last pin
    Land land;
    Rect mask;                // the solder-mask opening
    bool maskGiven = false;   // else it is the land's
    int pasteX = 0, pasteY = 0;           // the windows' grid
    std::vector<Land> paste;              // paste-only windows
    double pasteCoverage = 0;             // the share asked for
    double pasteCoverageReached = 0;      // less where vias leave too little room
    std::vector<Point> vias;
    double viaDrill = 0, viaDiameter = 0;
    bool pasteAvoidsVias = false;
};

struct BallLands {
    bool present = false;
    int cols = 0, rows = 0;
    double pitchX = 0, pitchY = 0;
    double ball = 0;            // the nominal ball, 0 where pad_diameter was given
    bool fromTable = false;
    double land = 0;            // land diameter
    double maskMargin = 0, pasteMargin = 0;
    double mask = 0, paste = 0; // opening diameters
};

struct Courtyard {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

struct LandPattern {
    Family family = Family::GullWing;
    Density density = Density::Nominal;
    double pitch = 0;
    Dimension bodyX, bodyY;
    RowPairLands rowX, rowY;
    ExposedPadLands ep;
    BallLands ball;
    Courtyard courtyard;
    double courtyardExcess = 0;
};

}  // namespace land
