// Pin places; see pad_places.h.
#include "host/land/pad_places.h"

namespace land {
namespace {

// One row of a pair, walked from `first` in steps of `step` along the row.
void Walk(std::vector<PadPlace>& out, const RowPairLands& pair, PadRow row, double pitch, double side, double step) {
    if (!pair.present) return;
    const bool acrossX = pair.axis == RowAxis::X;
    const double first = -step * pitch * (pair.pinsPerRow - 1) / 2;
    for (int i = 0; i < pair.pinsPerRow; ++i) {
        PadPlace p;
        p.number = int(out.size()) + 1;
        const double along = first + step * pitch * i;
        p.x = acrossX ? side * pair.span / 2 : along;
        p.y = acrossX ? along : side * pair.span / 2;
        p.w = acrossX ? pair.landLength : pair.landWidth;
        p.h = acrossX ? pair.landWidth : pair.landLength;
        p.row = row;
        out.push_back(p);
    }
}

void Grid(std::vector<PadPlace>& out, const BallLands& b) {
    for (int r = 0; r < b.rows; ++r)
        for (int c = 0; c < b.cols; ++c) {
            PadPlace p;
            p.number = int(out.size()) + 1;
            p.x = (c - (b.cols - 1) / 2.0) * b.pitchX;
            p.y = (r - (b.rows - 1) / 2.0) * b.pitchY;
            p.w = p.h = b.land;
            p.row = PadRow::Grid;
            p.gridRow = r;
            p.gridCol = c;
            out.push_back(p);
        }
}

}  // namespace

std::vector<PadPlace> PadPlaces(const LandPattern& p) {
    std::vector<PadPlace> out;
    if (p.family == Family::Bga) {
        Grid(out, p.ball);
        return out;
    }
    Walk(out, p.rowX, PadRow::Left, p.pitch, -1, 1);
    Walk(out, p.rowY, PadRow::Bottom, p.pitch, 1, 1);
    Walk(out, p.rowX, PadRow::Right, p.pitch, 1, -1);
    Walk(out, p.rowY, PadRow::Top, p.pitch, -1, -1);
    return out;
}

Rect RowPairExtent(const RowPairLands& pair, double pitch) {
    const double across = pair.span + pair.landLength;
    const double along = pitch * (pair.pinsPerRow - 1) + pair.landWidth;
    return pair.axis == RowAxis::X ? Rect{0, 0, across, along} : Rect{0, 0, along, across};
}

}  // namespace land
