// Z, G and X of one pair of facing rows from its terminal spans, and the lands they give.
#pragma once
#include <optional>

#include "host/land/land_pattern.h"

namespace land {

// The terminals of one pair of rows as the datasheet makes them.
struct RowTerminals {
    RowAxis axis = RowAxis::X;
    int pins = 0;              // on each of the two rows
    TerminalKind kind = TerminalKind::GullWing;
    Span L, S;
    std::optional<Dimension> T;   // none where S comes from the body's inside edge
    Dimension W;
};

// Z, G and X as calculated and rounded; the lands follow from G as the heel reduction leaves it.
RowPairLands CalculateRowPair(const RowTerminals& terminals, Density density, double fabrication,
                              double placement, double heelReduction);
// Sets G for the lands (widened for an exposed pad where needed) and what follows from it: the
// land's length, the span, the corner and the fillets reached.
void SetLandG(RowPairLands& pair, double gLand);

// The corner of a land w x h: a quarter of the short side, at most 0.25 mm.
Corner CornerOf(double w, double h);

}  // namespace land
