// Paste windows of an exposed pad; see paste_windows.h.
#include "host/land/paste_windows.h"

#include <cmath>

#include "host/land/number_text.h"
#include "host/land/row_pair.h"

namespace land {
namespace {

struct Segment {
    double centre, length;
};

// The free stretches of [from, to] between bands of half-width `keep` about each via line.
std::vector<Segment> Between(double from, double to, const std::vector<double>& lines, double keep) {
    std::vector<Segment> free;
    double start = from;
    for (size_t i = 0; i <= lines.size(); ++i) {
        const double end = i < lines.size() ? lines[i] - keep : to;
        if (end - start >= kMinPasteWindow - 1e-9) free.push_back({(start + end) / 2, end - start});
        if (i < lines.size()) start = lines[i] + keep;
    }
    return free;
}

double Total(const std::vector<Segment>& segments) {
    double sum = 0;
    for (const Segment& s : segments) sum += s.length;
    return sum;
}

// One window per pair of stretches, each shrunk about its centre by `scale` in both directions.
PasteLayout Windows(const std::vector<Segment>& xs, const std::vector<Segment>& ys, double scale) {
    PasteLayout layout;
    layout.x = int(xs.size());
    layout.y = int(ys.size());
    for (const Segment& y : ys)
        for (const Segment& x : xs) {
            const Rect r{x.centre, y.centre, x.length * scale, y.length * scale};
            layout.windows.push_back({r, CornerOf(r.w, r.h)});
        }
    return layout;
}

}  // namespace

std::vector<double> CellCentres(double centre, double length, int n) {
    std::vector<double> centres;
    for (int i = 0; i < n; ++i) centres.push_back(centre - length / 2 + (i + 0.5) * length / n);
    return centres;
}

int DefaultPasteSplit(double length) { return std::max(1, int(std::ceil(length / kPasteWindowPer - 1e-9))); }

PasteLayout PasteGrid(const Rect& pad, int x, int y, double coverage) {
    std::vector<Segment> xs, ys;
    for (double c : CellCentres(pad.cx, pad.w, x)) xs.push_back({c, pad.w / x});
    for (double c : CellCentres(pad.cy, pad.h, y)) ys.push_back({c, pad.h / y});
    PasteLayout layout = Windows(xs, ys, std::sqrt(coverage));
    layout.coverageReached = coverage;
    return layout;
}

Result<PasteLayout> PasteBetweenVias(const Rect& pad, const std::vector<double>& viaXs,
                                     const std::vector<double>& viaYs, double viaDiameter, double coverage) {
    const double keep = viaDiameter / 2;
    const std::vector<Segment> xs = Between(pad.Left(), pad.Right(), viaXs, keep);
    const std::vector<Segment> ys = Between(pad.Top(), pad.Bottom(), viaYs, keep);
    if (xs.empty() || ys.empty())
        return Failure{"thermal_vias " + std::to_string(viaXs.size()) + "x" + std::to_string(viaYs.size()) +
                       " leave no room between them for paste windows of " + Mm(kMinPasteWindow) +
                       " mm on the exposed pad land " + Mm(pad.w) + " x " + Mm(pad.h) +
                       "; use fewer vias or let the paste cover them"};
    const double area = pad.w * pad.h, free = Total(xs) * Total(ys);
    const double wanted = coverage * area;
    PasteLayout layout = Windows(xs, ys, free > wanted ? std::sqrt(wanted / free) : 1.0);
    layout.coverageReached = std::min(free, wanted) / area;
    return layout;
}

}  // namespace land
