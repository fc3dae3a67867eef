// The paste of an exposed pad as paste-only windows: a grid of equal windows centred in equal
// cells, each cell shrunk alike so the windows cover the share asked for; or, where thermal
// vias are to stay dry, windows in the room between the vias' lands.
#pragma once
#include <vector>

#include "host/base/result.h"
#include "host/land/land_pattern.h"

namespace land {

struct PasteLayout {
    std::vector<Land> windows;
    int x = 0, y = 0;            // windows across and down
    double coverageReached = 0;  // of the pad's area
};

// The centres of `n` equal cells across `length`, centred on `centre`.
std::vector<double> CellCentres(double centre, double length, int n);
// Windows across a side of this length when none are asked for: one per 1.5 mm begun.
int DefaultPasteSplit(double length);

PasteLayout PasteGrid(const Rect& pad, int x, int y, double coverage);
// Refuses vias that leave no room of kMinPasteWindow in one of the two directions.
Result<PasteLayout> PasteBetweenVias(const Rect& pad, const std::vector<double>& viaXs,
                                     const std::vector<double>& viaYs, double viaDiameter, double coverage);

// A stencil does not print a narrower window reliably.
constexpr double kMinPasteWindow = 0.2;
constexpr double kPasteWindowPer = 1.5;

}  // namespace land
