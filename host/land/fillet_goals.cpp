// The fillet goals; see fillet_goals.h.
#include "host/land/fillet_goals.h"

namespace land {

const std::vector<FilletRow>& FilletTable() {
    static const std::vector<FilletRow> rows = {
        {TerminalKind::GullWing, "gull-wing, pitch >= 0.625",
         {{0.15, 0.25, 0.01}, {0.35, 0.35, 0.03}, {0.55, 0.45, 0.05}}},
        {TerminalKind::GullWingSmallPitch, "gull-wing, pitch < 0.625",
         {{0.15, 0.25, -0.04}, {0.35, 0.35, -0.02}, {0.55, 0.45, 0.01}}},
        {TerminalKind::NoLeadEdge, "no-lead, terminal at the body edge",
         {{0.20, 0, -0.04}, {0.30, 0, -0.04}, {0.40, 0, -0.04}}},
        {TerminalKind::NoLeadPulledBack, "no-lead, terminal pulled back",
         {{-0.05, -0.05, -0.05}, {0, 0, 0}, {0.05, 0.05, 0.05}}},
    };
    return rows;
}

const FilletRow& FilletRowOf(TerminalKind kind) {
    for (const FilletRow& row : FilletTable())
        if (row.kind == kind) return row;
    return FilletTable().front();
}

FilletGoals GoalsFor(TerminalKind kind, Density density) { return FilletRowOf(kind).goals[int(density)]; }

}  // namespace land
