// The land equations of one pair of rows; see row_pair.h.
#include "host/land/row_pair.h"

#include <algorithm>
#include <cmath>

#include "host/land/grid_rounding.h"

namespace land {
namespace {

constexpr double kZgxGrid = 0.05;
constexpr double kCornerShare = 0.25, kCornerMax = 0.25;

// The tolerance term of each equation: the part's own spread, the board's and the placement's.
double Spread(double c, double f, double p) { return std::sqrt(c * c + f * f + p * p); }

}  // namespace

RowPairLands CalculateRowPair(const RowTerminals& t, Density density, double f, double p, double heelReduction) {
    RowPairLands r;
    r.present = true;
    r.axis = t.axis;
    r.pinsPerRow = t.pins;
    r.terminal = t.kind;
    r.goals = GoalsFor(t.kind, density);
    r.fabrication = f;
    r.placement = p;
    r.L = t.L;
    r.S = t.S;
    r.T = t.T;
    r.W = t.W;
    r.zMax = t.L.rmsMin + 2 * r.goals.toe + Spread(t.L.rmsTolerance, f, p);
    r.gMin = t.S.rmsMax - 2 * r.goals.heel - Spread(t.S.rmsTolerance, f, p);
    r.xMax = t.W.min + 2 * r.goals.side + Spread(t.W.Tolerance(), f, p);
    r.z = RoundNearest(r.zMax, kZgxGrid);
    r.g = RoundNearest(r.gMin, kZgxGrid);
    r.x = RoundNearest(r.xMax, kZgxGrid);
    r.heelReduction = heelReduction;
    SetLandG(r, r.g + 2 * heelReduction);
    return r;
}

void SetLandG(RowPairLands& r, double gLand) {
    r.gLand = gLand;
    r.landLength = (r.z - gLand) / 2;
    r.landWidth = r.x;
    r.span = (r.z + gLand) / 2;
    r.corner = CornerOf(r.landLength, r.landWidth);
    r.toe = {(r.z - r.L.rmsMax) / 2, (r.z - r.L.rmsMin) / 2};
    r.heel = {(r.S.rmsMin - gLand) / 2, (r.S.rmsMax - gLand) / 2};
    r.side = {(r.x - r.W.max) / 2, (r.x - r.W.min) / 2};
}

Corner CornerOf(double w, double h) {
    const double shortSide = std::min(w, h);
    if (shortSide <= 0) return {};
    const double radius = std::min(kCornerShare * shortSide, kCornerMax);
    return {radius, radius / shortSide};
}

}  // namespace land
