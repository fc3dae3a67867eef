// Where each pin's land stands: the order and places the dialog gives a dual, a chip carrier
// or a grid, so that a footprint can be checked whole and the host can check the dialog's.
#pragma once
#include <vector>

#include "host/land/land_pattern.h"

namespace land {

enum class PadRow { Left, Bottom, Right, Top, Grid };

struct PadPlace {
    int number = 0;        // 1 for pin 1, counting every position
    double x = 0, y = 0;   // centre
    double w = 0, h = 0;   // land size as it stands
    PadRow row = PadRow::Left;
    int gridRow = 0, gridCol = 0;   // from 0 at the top left of a grid
};

// Pin 1 at the top of the left row, then counter-clockwise: down the left row, along the
// bottom row to the right, up the right row, back along the top row. A dual's pins are its
// left and right rows, or its bottom and top rows; a grid's go row by row from the top left.
std::vector<PadPlace> PadPlaces(const LandPattern& pattern);

// The box round both rows of a pair's lands.
Rect RowPairExtent(const RowPairLands& pair, double pitch);

}  // namespace land
