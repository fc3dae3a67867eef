// The solder fillets a land aims for at the toe, heel and side of a terminal, by kind of
// terminal and density: the one table the land calculation reads.
#pragma once
#include <vector>

#include "host/land/package_names.h"

namespace land {

enum class TerminalKind { GullWing, GullWingSmallPitch, NoLeadEdge, NoLeadPulledBack };

struct FilletGoals {
    double toe = 0, heel = 0, side = 0;   // Jt, Jh, Js in mm
};

struct FilletRow {
    TerminalKind kind;
    const char* name;           // as the doc's table names the row
    FilletGoals goals[3];       // least, nominal, most
};

const std::vector<FilletRow>& FilletTable();
const FilletRow& FilletRowOf(TerminalKind kind);
FilletGoals GoalsFor(TerminalKind kind, Density density);

// Gull-wing leads below this pitch take the small-pitch row.
constexpr double kSmallPitchBelow = 0.625;

}  // namespace land
