// Scan conversion. Pixel (x, y) has its centre at (x + 0.5, y + 0.5) for area fills; lines step
// from pixel to pixel with Bresenham's rule, so the results are integer-exact and repeatable.
#include "platform/gdi/rasterizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "platform/gdi/gdi.h"

namespace {

struct DashPattern {
    int count;
    int lengths[6];
};

// Cosmetic style patterns, on and off runs in pixels, as the platform draws them.
DashPattern PatternOf(int style) {
    switch (style) {
    case PS_DASH: return {2, {18, 6}};
    case PS_DOT: return {2, {3, 3}};
    case 3: return {4, {9, 6, 3, 6}};            // PS_DASHDOT
    case 4: return {6, {9, 3, 3, 3, 3, 3}};      // PS_DASHDOTDOT
    default: return {0, {}};
    }
}

bool PatternOn(const DashPattern& pattern, int phase) {
    int period = 0;
    for (int i = 0; i < pattern.count; ++i) period += pattern.lengths[i];
    phase %= period;
    for (int i = 0; i < pattern.count; ++i) {
        if (phase < pattern.lengths[i]) return i % 2 == 0;
        phase -= pattern.lengths[i];
    }
    return true;
}

// Every pixel from a to b, b excluded, by Bresenham's rule.
template <typename Put>
void Bresenham(POINT a, POINT b, Put put) {
    const int dx = std::abs(b.x - a.x), dy = -std::abs(b.y - a.y);
    const int sx = a.x < b.x ? 1 : -1, sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    int x = a.x, y = a.y;
    while (x != b.x || y != b.y) {
        put(x, y);
        const int e2 = 2 * err;
        if (e2 >= dy) { err += dy; x += sx; }
        if (e2 <= dx) { err += dx; y += sy; }
    }
}

std::pair<int, int> Intersect(std::pair<int, int> a, std::pair<int, int> b) {
    return {std::max(a.first, b.first), std::min(a.second, b.second)};
}

// The outline pixels of a shape in drawing order: counter-clockwise on the screen round the
// shape's centre, from its right-hand middle, so a style pattern runs along the outline.
void SortAlongOutline(std::vector<POINT>& pixels, const RowSpans& spans) {
    int left = 0, right = 0;
    bool any = false;
    for (const auto& row : spans.rows)
        if (row.first < row.second) {
            left = any ? std::min(left, row.first) : row.first;
            right = any ? std::max(right, row.second) : row.second;
            any = true;
        }
    const double cx = (left + right) / 2.0, cy = spans.top + spans.rows.size() / 2.0;
    const auto angle = [cx, cy](POINT p) {
        const double a = std::atan2(cy - (p.y + 0.5), p.x + 0.5 - cx);
        return a < 0 ? a + 2 * std::numbers::pi : a;
    };
    std::stable_sort(pixels.begin(), pixels.end(), [&](POINT a, POINT b) { return angle(a) < angle(b); });
}

}  // namespace

RECT NormalisedRect(RECT r) {
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

void Rasterizer::Line(POINT a, POINT b, const PenSpec& pen, const LineBackground& bk, int& phase) {
    if (pen.style == PS_NULL) return;
    if (pen.width > 1)
        WideLine(a, b, pen);
    else
        CosmeticLine(a, b, pen, bk, phase);
}

void Rasterizer::CosmeticLine(POINT a, POINT b, const PenSpec& pen, const LineBackground& bk,
                              int& phase) {
    const DashPattern pattern = PatternOf(pen.style);
    if (pattern.count == 0 && target_.Copies() && target_.Valid()) return SolidLine(a, b, pen.colour, phase);
    Bresenham(a, b, [&](int x, int y) {
        if (pattern.count == 0 || PatternOn(pattern, phase))
            target_.Plot(x, y, pen.colour);
        else if (bk.opaque)
            target_.Plot(x, y, bk.colour);
        ++phase;
    });
}

// The same line drawn again onto pixels that still hold it changes nothing, and is skipped.
void Rasterizer::SolidLine(POINT a, POINT b, COLORREF colour, int& phase) {
    phase += std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
    const HeldLine line = target_.LineOf(a, b, colour);
    if (target_.Holds(line)) return;
    target_.BeginLine(line.colour);
    Bresenham(a, b, [&](int x, int y) { target_.PutLinePixel(x, y, line.colour); });
    target_.Hold(line);
}

// Every pixel whose centre lies within half the pen width of the segment: round ends and,
// along a path of such strokes, round joins.
void Rasterizer::WideLine(POINT a, POINT b, const PenSpec& pen) {
    const double r = pen.width / 2.0;
    const int reach = int(std::ceil(r)) + 1;
    const double ax = a.x, ay = a.y, vx = b.x - ax, vy = b.y - ay;
    const double len2 = vx * vx + vy * vy;
    const int top = std::min(a.y, b.y) - reach, bottom = std::max(a.y, b.y) + reach;
    const int left = std::min(a.x, b.x) - reach, right = std::max(a.x, b.x) + reach;
    for (int y = top; y <= bottom; ++y) {
        int runStart = 0;
        bool inRun = false;
        for (int x = left; x <= right + 1; ++x) {
            bool inside = false;
            if (x <= right) {
                double t = len2 > 0 ? ((x - ax) * vx + (y - ay) * vy) / len2 : 0.0;
                t = std::clamp(t, 0.0, 1.0);
                const double ex = x - (ax + t * vx), ey = y - (ay + t * vy);
                inside = ex * ex + ey * ey <= r * r;
            }
            if (inside && !inRun) { runStart = x; inRun = true; }
            if (!inside && inRun) { target_.Span(runStart, x, y, pen.colour); inRun = false; }
        }
    }
}

RowSpans Rasterizer::EllipseSpans(RECT box) {
    box = NormalisedRect(box);
    RowSpans spans;
    spans.top = box.top;
    const int w = box.right - box.left, h = box.bottom - box.top;
    if (w <= 0 || h <= 0) return spans;
    const double cx = (box.left + box.right) / 2.0, cy = (box.top + box.bottom) / 2.0;
    const double rx = w / 2.0, ry = h / 2.0;
    for (int y = box.top; y < box.bottom; ++y) {
        const double dy = (y + 0.5 - cy) / ry;
        if (std::abs(dy) > 1.0) { spans.rows.push_back({0, 0}); continue; }
        const double half = rx * std::sqrt(1.0 - dy * dy);
        int x0 = int(std::ceil(cx - half - 0.5));
        int x1 = int(std::floor(cx + half - 0.5)) + 1;
        spans.rows.push_back({std::max(x0, int(box.left)), std::min(x1, int(box.right))});
    }
    return spans;
}

// Outline pixels are those less than the pen width from the edge; the shapes are convex, so a
// row's interior is its span shrunk by the width and cut by the rows the width above and below.
// A styled (dotted, dashed) cosmetic pen draws its pattern along the outline.
void Rasterizer::FillWithOutline(const RowSpans& spans, const PenSpec& pen, const BrushSpec& brush,
                                 const LineBackground& bk) {
    const bool outlined = pen.style != PS_NULL;
    const int k = outlined ? std::max(1, pen.width) : 0;
    const DashPattern pattern = PatternOf(pen.width <= 1 ? pen.style : PS_SOLID);
    std::vector<POINT> styled;
    for (int i = 0; i < int(spans.rows.size()); ++i) {
        const auto span = spans.rows[i];
        if (span.first >= span.second) continue;
        const int y = spans.top + i;
        std::pair<int, int> inner{span.first + k, span.second - k};
        if (k > 0) {
            const int up = i - k, down = i + k;
            const auto empty = std::pair<int, int>{0, 0};
            inner = Intersect(inner, up >= 0 ? spans.rows[up] : empty);
            inner = Intersect(inner, down < int(spans.rows.size()) ? spans.rows[down] : empty);
        }
        if (inner.first >= inner.second) inner = {span.second, span.second};
        if (!brush.hollow) target_.Span(inner.first, inner.second, y, brush.colour);
        if (!outlined) continue;
        if (pattern.count == 0) {
            target_.Span(span.first, inner.first, y, pen.colour);
            target_.Span(inner.second, span.second, y, pen.colour);
            continue;
        }
        for (int x = span.first; x < span.second; ++x)
            if (x < inner.first || x >= inner.second) styled.push_back({x, y});
    }
    SortAlongOutline(styled, spans);
    for (size_t i = 0; i < styled.size(); ++i) {
        if (PatternOn(pattern, int(i))) target_.Plot(styled[i].x, styled[i].y, pen.colour);
        else if (bk.opaque) target_.Plot(styled[i].x, styled[i].y, bk.colour);
    }
}

void Rasterizer::Rectangle(RECT box, const PenSpec& pen, const BrushSpec& brush, const LineBackground& bk) {
    box = NormalisedRect(box);
    // Without a pen the platform fills one pixel less to the right and bottom.
    if (pen.style == PS_NULL) { box.right -= 1; box.bottom -= 1; }
    RowSpans spans;
    spans.top = box.top;
    for (int y = box.top; y < box.bottom; ++y) spans.rows.push_back({box.left, box.right});
    FillWithOutline(spans, pen, brush, bk);
}

void Rasterizer::Ellipse(RECT box, const PenSpec& pen, const BrushSpec& brush, const LineBackground& bk) {
    box = NormalisedRect(box);
    if (pen.style == PS_NULL) { box.right -= 1; box.bottom -= 1; }
    FillWithOutline(EllipseSpans(box), pen, brush, bk);
}

void Rasterizer::Polygon(const POINT* pts, int count, const PenSpec& pen, const BrushSpec& brush,
                         const LineBackground& bk, int& phase) {
    if (count < 2) return;
    int top = pts[0].y, bottom = pts[0].y;
    for (int i = 1; i < count; ++i) {
        top = std::min(top, int(pts[i].y));
        bottom = std::max(bottom, int(pts[i].y));
    }
    std::vector<double> xs;
    for (int y = top; y < bottom && !brush.hollow; ++y) {
        const double yc = y + 0.5;
        xs.clear();
        for (int i = 0; i < count; ++i) {
            const POINT p = pts[i], q = pts[(i + 1) % count];
            if ((p.y <= yc) == (q.y <= yc)) continue;
            xs.push_back(p.x + (yc - p.y) * (q.x - p.x) / double(q.y - p.y));
        }
        std::sort(xs.begin(), xs.end());
        // Alternate rule: inside between the first and second crossing, third and fourth, ...
        for (size_t j = 0; j + 1 < xs.size(); j += 2)
            target_.Span(int(std::ceil(xs[j] - 0.5)), int(std::ceil(xs[j + 1] - 0.5)), y,
                          brush.colour);
    }
    for (int i = 0; i < count; ++i) Line(pts[i], pts[(i + 1) % count], pen, bk, phase);
}

void Rasterizer::FillRect(RECT box, COLORREF colour) {
    box = NormalisedRect(box);
    for (int y = box.top; y < box.bottom; ++y) target_.Span(box.left, box.right, y, colour);
}
