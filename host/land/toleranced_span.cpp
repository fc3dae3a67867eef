// Root-sum-square spans; see toleranced_span.h.
#include "host/land/toleranced_span.h"

#include <cmath>

namespace land {

Span& Span::Add(const Dimension& part, double factor) {
    const double a = part.min * factor, b = part.max * factor;
    min += std::min(a, b);
    max += std::max(a, b);
    nominal += part.nominal * factor;
    tolerance = max - min;
    const double c = part.Tolerance() * std::abs(factor);
    // The squares are kept in the tolerance itself: the sum so far, squared back.
    rmsTolerance = std::sqrt(rmsTolerance * rmsTolerance + c * c);
    const double middle = (min + max) / 2;
    rmsMin = middle - rmsTolerance / 2;
    rmsMax = middle + rmsTolerance / 2;
    return *this;
}

Span Span::Of(const Dimension& d) { return Span().Add(d, 1); }

}  // namespace land
