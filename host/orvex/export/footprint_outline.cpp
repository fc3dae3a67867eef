// The outline geometry of an exported footprint; see footprint_outline.h.
#include "host/orvex/export/footprint_outline.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using namespace outline;

// How close a silkscreen line's centre may come to a pad; a hair less, so that a line laid at
// exactly the clearance is kept.
constexpr double SilkKeepout = SilkPadClearance + SilkLine / 2 - 1e-9;
constexpr double ShortestSilk = SilkLine;
constexpr double MarkLength = 0.5, MarkWidth = 0.5;

// The pin-1 corner is cut by a quarter of the shorter side, at most a millimetre.
constexpr double ChamferShare = 0.25, MaxChamfer = 1.0;

double SnapDown(double v) { return std::floor(v / CourtyardGrid + 1e-6) * CourtyardGrid; }
double SnapUp(double v) { return std::ceil(v / CourtyardGrid - 1e-6) * CourtyardGrid; }
Box Snapped(const Box& b) { return {SnapDown(b.left), SnapDown(b.top), SnapUp(b.right), SnapUp(b.bottom)}; }

// What is left of the line from `a` to `b` (along x when `alongX`, at the fixed other
// coordinate `at`) once every pad's keep-out is taken from it.
void AddClearPieces(std::vector<Segment>& out, bool alongX, double at, double a, double b,
                    const std::vector<Box>& pads) {
    std::vector<std::pair<double, double>> blocked;
    for (const Box& p : pads) {
        const Box k = p.Grown(SilkKeepout);
        const double lo = alongX ? k.top : k.left, hi = alongX ? k.bottom : k.right;
        if (at > lo && at < hi) blocked.emplace_back(alongX ? k.left : k.top, alongX ? k.right : k.bottom);
    }
    std::sort(blocked.begin(), blocked.end());
    double from = a;
    auto emit = [&](double to) {
        if (to - from < ShortestSilk) return;
        out.push_back(alongX ? Segment{{from, at}, {to, at}} : Segment{{at, from}, {at, to}});
    };
    for (const auto& [lo, hi] : blocked) {
        if (hi <= from) continue;
        if (lo >= b) break;
        emit(std::min(lo, b));
        from = std::max(from, hi);
    }
    if (from < b) emit(b);
}

std::vector<Segment> SilkOutline(const Box& s, const std::vector<Box>& pads) {
    std::vector<Segment> out;
    AddClearPieces(out, true, s.top, s.left, s.right, pads);
    AddClearPieces(out, false, s.right, s.top, s.bottom, pads);
    AddClearPieces(out, true, s.bottom, s.left, s.right, pads);
    AddClearPieces(out, false, s.left, s.top, s.bottom, pads);
    return out;
}

// The body with the corner nearest pin 1 cut off, corners in drawing order.
std::vector<Point> FabOutline(const Box& b, const Point& pin1) {
    const double cut = std::min(MaxChamfer, ChamferShare * std::min(b.right - b.left, b.bottom - b.top));
    const Point corners[4] = {{b.left, b.top}, {b.right, b.top}, {b.right, b.bottom}, {b.left, b.bottom}};
    if (!(cut > 0)) return {corners, corners + 4};
    size_t nearest = 0;
    for (size_t i = 1; i < 4; ++i) {
        if (std::hypot(corners[i].x - pin1.x, corners[i].y - pin1.y) <
            std::hypot(corners[nearest].x - pin1.x, corners[nearest].y - pin1.y))
            nearest = i;
    }
    std::vector<Point> out;
    for (size_t i = 0; i < 4; ++i) {
        const Point c = corners[i];
        if (i != nearest) {
            out.push_back(c);
            continue;
        }
        // Step back along the edge from the previous corner, then on along the edge to the next.
        const Point prev = corners[(i + 3) % 4], next = corners[(i + 1) % 4];
        auto toward = [&](const Point& p) {
            const double len = std::hypot(p.x - c.x, p.y - c.y);
            return Point{c.x + (p.x - c.x) * cut / len, c.y + (p.y - c.y) * cut / len};
        };
        out.push_back(toward(prev));
        out.push_back(toward(next));
    }
    return out;
}

// The triangle on side `d` (a unit step along one axis) of pin 1's pad, its tip toward the pad,
// clear of that pad and outside the silkscreen outline so that the part does not hide it.
std::vector<Point> MarkOnSide(const Point& d, const Box& pin1, const Box& silk) {
    auto outward = [&](const Box& b) { return d.x > 0 ? b.right : d.x < 0 ? -b.left : d.y > 0 ? b.bottom : -b.top; };
    const double tipAt = std::max(outward(pin1) + SilkKeepout, outward(silk) + SilkLine);
    const double baseAt = tipAt + MarkLength;
    const double cx = pin1.CentreX(), cy = pin1.CentreY(), half = MarkWidth / 2;
    if (d.x != 0) return {{d.x * tipAt, cy}, {d.x * baseAt, cy - half}, {d.x * baseAt, cy + half}};
    return {{cx, d.y * tipAt}, {cx - half, d.y * baseAt}, {cx + half, d.y * baseAt}};
}

// The box the mark's lines cover.
Box MarkBox(const std::vector<Point>& mark) {
    Box box{mark[0].x, mark[0].y, mark[0].x, mark[0].y};
    for (const Point& p : mark) box = box.United({p.x, p.y, p.x, p.y});
    return box.Grown(SilkLine / 2);
}

bool ClearOfPads(const std::vector<Point>& mark, const std::vector<Box>& pads) {
    const Box box = MarkBox(mark).Grown(-SilkLine / 2);
    return std::none_of(pads.begin(), pads.end(), [&](const Box& p) { return p.Grown(SilkKeepout).Overlaps(box); });
}

bool Inside(const Box& inner, const Box& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The mark on the first side of pin 1 that keeps clear of every pad and inside `yard`, trying
// outward from the body's centre first; else on the first side clear of the pads, for the
// courtyard to grow round it.
std::vector<Point> PinOneMark(const std::vector<Box>& pads, const Box& body, const Box& silk, const Box& yard) {
    const Box& pin1 = pads.front();
    const double dx = (pin1.CentreX() - body.CentreX()) / std::max(body.right - body.left, 1e-9);
    const double dy = (pin1.CentreY() - body.CentreY()) / std::max(body.bottom - body.top, 1e-9);
    const double sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
    const bool xFirst = std::abs(dx) >= std::abs(dy);
    const Point sides[4] = {xFirst ? Point{sx, 0} : Point{0, sy}, xFirst ? Point{0, sy} : Point{sx, 0},
                            xFirst ? Point{0, -sy} : Point{-sx, 0}, xFirst ? Point{-sx, 0} : Point{0, -sy}};
    std::optional<std::vector<Point>> clear;
    for (const Point& d : sides) {
        std::vector<Point> mark = MarkOnSide(d, pin1, silk);
        if (!ClearOfPads(mark, pads)) continue;
        if (Inside(MarkBox(mark), yard)) return mark;
        if (!clear) clear = std::move(mark);
    }
    return clear ? *clear : MarkOnSide(sides[0], pin1, silk);
}

}  // namespace

Box Box::United(const Box& o) const {
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right), std::max(bottom, o.bottom)};
}

Box PadsOutline(const std::vector<Box>& pads) {
    if (pads.empty()) return {};
    Box all = pads.front();
    for (const Box& p : pads) all = all.United(p);
    return all;
}

FootprintOutline MakeOutline(const std::vector<Box>& pads, const Box& body, bool bodyGiven) {
    FootprintOutline o;
    const Point pin1 = pads.empty() ? Point{body.left, body.top}
                                    : Point{pads.front().CentreX(), pads.front().CentreY()};
    o.fab = FabOutline(body, pin1);
    const Box silk = body.Grown(bodyGiven ? SilkBodyGap : SilkKeepout + 1e-9);
    o.silk = SilkOutline(silk, pads);
    const Box all = pads.empty() ? body : PadsOutline(pads).United(body);
    // Round pads alone the silkscreen stands further out than the margin; the courtyard holds it,
    // and the pin-1 mark too where no side of pin 1 has room for it inside.
    Box grown = all.Grown(CourtyardMargin).United(silk.Grown(SilkLine / 2));
    if (!pads.empty()) {
        o.pin1Mark = PinOneMark(pads, body, silk, Snapped(grown));
        grown = grown.United(MarkBox(o.pin1Mark));
    }
    o.courtyard = Snapped(grown);
    return o;
}
