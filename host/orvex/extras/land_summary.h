// A footprint's land pattern as "orvex show" gives it: a short table for a person, and the
// "land_pattern" object of --json for tools, both in millimetres, x right, y down, centred.
#pragma once
#include <string>
#include <vector>

#include "host/orvex/extras/land_record.h"
#include "host/orvex/text/json_writer.h"

// The package as generate's options: "--package gullwing --pitch 1.27 ...", each limit of a
// dimension to four decimals.
std::string LandKeysText(const LandRecord& record);
// Z, G and X of each pair of rows, or the balls' land: "left/right rows Z 6.9 G 3 X 0.6".
std::string LandSizesText(const LandRecord& record);
// The lines of the table, without indent.
std::vector<std::string> LandTable(const LandRecord& record);
// {"density", "row_x": {"w", "h", "span"}, "row_y", "ep", "courtyard": {"x1", "y1", "x2", "y2"},
// "ball": {"w", "h"}}; a part the package lacks is null. A row's w is along x: the land's length
// for the left and right rows, its width for the top and bottom rows.
void WriteShownLandPattern(JsonWriter& j, const LandRecord& record);
