// A length built from several toleranced parts (L - 2T, a body less two pull-backs, twice a
// lead-centre offset). Its parts vary independently, so its tolerance is their root sum of
// squares, and its limits stand at that tolerance about the middle of the linear limits.
#pragma once
#include "host/land/dimension.h"

namespace land {

struct Span {
    double min = 0, max = 0;         // linear limits: every part at its worst together
    double tolerance = 0;            // max - min
    double rmsTolerance = 0;         // root sum of squares of the parts' tolerances
    double rmsMin = 0, rmsMax = 0;   // the middle -+ rmsTolerance / 2
    double nominal = 0;

    // Adds factor x part; adding T twice with -1 is L - 2T with two feet that vary apart.
    Span& Add(const Dimension& part, double factor);
    // A span of one measured length: its limits are its own.
    static Span Of(const Dimension& d);
};

}  // namespace land
