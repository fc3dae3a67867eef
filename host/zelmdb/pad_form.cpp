// The bytes of a pad form and the geometry of its outline; see pad_form.h.
#include "host/zelmdb/pad_form.h"

#include <algorithm>
#include <cmath>

#include "host/zelmdb/byte_record.h"

namespace zelmdb {

namespace {

// Version byte, a byte of the parts present, then each part present in this order, little-endian:
// chamfer (u16 ratio, u8 corners), trapezoid (i32 dx, dy), drill offset (i32 x, y), polygon
// (u16 count, then i32 x, y per point).
constexpr uint8_t FormVersion = 1;
enum Part : uint8_t { PartChamfer = 1, PartTrapezoid = 2, PartDrillOffset = 4, PartPolygon = 8 };
constexpr uint8_t AllParts = PartChamfer | PartTrapezoid | PartDrillOffset | PartPolygon;
constexpr size_t HeadSize = 2, ChamferSize = 3, PairSize = 8, CountSize = 2;

uint8_t PartsOf(const PadForm& f) {
    return uint8_t((f.chamferRatio != 0 || f.chamferCorners != 0 ? PartChamfer : 0) |
                   (f.deltaX != 0 || f.deltaY != 0 ? PartTrapezoid : 0) |
                   (f.drillOffsetX != 0 || f.drillOffsetY != 0 ? PartDrillOffset : 0) |
                   (!f.polygon.empty() ? PartPolygon : 0));
}

class FormWriter {
public:
    void U8(uint8_t v) { Grow(1).SetU8(at_, v), at_ += 1; }
    void U16(uint16_t v) { Grow(2).SetU16(at_, v), at_ += 2; }
    void I32(int32_t v) { Grow(4).SetI32(at_, v), at_ += 4; }
    std::string bytes() const { return std::string(bytes_.begin(), bytes_.end()); }

private:
    ByteRecord Grow(size_t n) {
        bytes_.resize(at_ + n);
        return ByteRecord(bytes_.data());
    }
    std::vector<uint8_t> bytes_;
    size_t at_ = 0;
};

// Reads in order and says so when the bytes end first.
class FormReader {
public:
    explicit FormReader(std::string_view bytes) : bytes_(bytes) {}
    bool Has(size_t n) const { return bytes_.size() - at_ >= n; }
    size_t Left() const { return bytes_.size() - at_; }
    uint8_t U8() { return Take(1).U8(0); }
    uint16_t U16() { return Take(2).U16(0); }
    int32_t I32() { return Take(4).I32(0); }

private:
    ByteRecord Take(size_t n) {
        const ByteRecord r = ReadOnly(reinterpret_cast<const uint8_t*>(bytes_.data() + at_));
        at_ += n;
        return r;
    }
    std::string_view bytes_;
    size_t at_ = 0;
};

// Exact at any 32-bit coordinates: a product of two differences needs 64 bits, their difference more.
__int128 Cross(const FormPoint& o, const FormPoint& a, const FormPoint& b) {
    return __int128(int64_t(a.x) - o.x) * (int64_t(b.y) - o.y) - __int128(int64_t(a.y) - o.y) * (int64_t(b.x) - o.x);
}

int Sign(__int128 v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }
int Orientation(const FormPoint& o, const FormPoint& a, const FormPoint& b) { return Sign(Cross(o, a, b)); }

bool Within(int32_t v, int32_t a, int32_t b) { return v >= std::min(a, b) && v <= std::max(a, b); }

// Whether p, known to be on the line through a and b, lies on the segment.
bool OnSegment(const FormPoint& a, const FormPoint& b, const FormPoint& p) {
    return Within(p.x, a.x, b.x) && Within(p.y, a.y, b.y);
}

// Segments that share any point, ends included.
bool Meet(const FormPoint& a, const FormPoint& b, const FormPoint& c, const FormPoint& d) {
    const int o1 = Orientation(a, b, c), o2 = Orientation(a, b, d), o3 = Orientation(c, d, a),
              o4 = Orientation(c, d, b);
    if (o1 != o2 && o3 != o4) return true;
    return (o1 == 0 && OnSegment(a, b, c)) || (o2 == 0 && OnSegment(a, b, d)) || (o3 == 0 && OnSegment(c, d, a)) ||
           (o4 == 0 && OnSegment(c, d, b));
}

std::string PointText(size_t i, const FormPoint& p) {
    return "point " + std::to_string(i + 1) + " (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")";
}

Status CheckEdges(const std::vector<FormPoint>& p) {
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const FormPoint &a = p[i], &b = p[(i + 1) % n], &c = p[(i + 2) % n];
        // The next edge going straight back along this one.
        const __int128 back = __int128(int64_t(b.x) - a.x) * (int64_t(c.x) - b.x) +
                              __int128(int64_t(b.y) - a.y) * (int64_t(c.y) - b.y);
        if (Orientation(a, b, c) == 0 && back < 0)
            return Failure{"the outline folds back on itself at " + PointText((i + 1) % n, b)};
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;   // the last edge meets the first at point 1
            if (Meet(a, b, p[j], p[(j + 1) % n]))
                return Failure{"the outline crosses itself: the edge from " + PointText(i, a) + " meets the edge from " +
                               PointText(j, p[j])};
        }
    }
    return {};
}

}  // namespace

std::string EncodePadForm(const PadForm& f) {
    FormWriter w;
    const uint8_t parts = PartsOf(f);
    w.U8(FormVersion);
    w.U8(parts);
    if (parts & PartChamfer) {
        w.U16(f.chamferRatio);
        w.U8(f.chamferCorners);
    }
    if (parts & PartTrapezoid) {
        w.I32(f.deltaX);
        w.I32(f.deltaY);
    }
    if (parts & PartDrillOffset) {
        w.I32(f.drillOffsetX);
        w.I32(f.drillOffsetY);
    }
    if (parts & PartPolygon) {
        w.U16(uint16_t(f.polygon.size()));
        for (const FormPoint& p : f.polygon) {
            w.I32(p.x);
            w.I32(p.y);
        }
    }
    return w.bytes();
}

Result<PadForm> DecodePadForm(std::string_view bytes) {
    FormReader r(bytes);
    if (!r.Has(HeadSize)) return Failure{"it is shorter than its head"};
    if (const uint8_t version = r.U8(); version != FormVersion)
        return Failure{"its version is " + std::to_string(version) + ", this orvex reads " + std::to_string(FormVersion)};
    const uint8_t parts = r.U8();
    if ((parts & ~AllParts) != 0) return Failure{"it holds parts this orvex does not know"};
    PadForm f;
    if (parts & PartChamfer) {
        if (!r.Has(ChamferSize)) return Failure{"its chamfer is cut short"};
        f.chamferRatio = r.U16();
        f.chamferCorners = r.U8();
        if (f.chamferRatio == 0 || f.chamferRatio > MaxChamferRatio || f.chamferCorners == 0 ||
            f.chamferCorners > AllChamferCorners)
            return Failure{"its chamfer is none a pad can have"};
    }
    if (parts & PartTrapezoid) {
        if (!r.Has(PairSize)) return Failure{"its trapezoid is cut short"};
        f.deltaX = r.I32();
        f.deltaY = r.I32();
        if ((f.deltaX == 0) == (f.deltaY == 0)) return Failure{"its trapezoid has not one delta"};
    }
    if (parts & PartDrillOffset) {
        if (!r.Has(PairSize)) return Failure{"its drill offset is cut short"};
        f.drillOffsetX = r.I32();
        f.drillOffsetY = r.I32();
        if (f.drillOffsetX == 0 && f.drillOffsetY == 0) return Failure{"its drill offset is none"};
    }
    if (parts & PartPolygon) {
        if (!r.Has(CountSize)) return Failure{"its polygon is cut short"};
        const size_t count = r.U16();
        if (count > MaxPolygonPoints || r.Left() < count * PairSize) return Failure{"its polygon is cut short"};
        for (size_t i = 0; i < count; ++i) {
            const int32_t x = r.I32();
            f.polygon.push_back({x, r.I32()});
        }
        if (Status outline = CheckPolygon(f.polygon); !outline.ok()) return Failure{"its polygon: " + outline.error()};
    }
    if (r.Left() != 0) return Failure{"it has bytes after its end"};
    return f;
}

Status CheckPolygon(const std::vector<FormPoint>& p) {
    if (p.size() < 3) return Failure{"an outline needs at least 3 points, not " + std::to_string(p.size())};
    if (p.size() > MaxPolygonPoints)
        return Failure{"an outline has at most " + std::to_string(MaxPolygonPoints) + " points, not " +
                       std::to_string(p.size())};
    for (size_t i = 0; i < p.size(); ++i)
        if (p[i] == p[(i + 1) % p.size()]) return Failure{PointText((i + 1) % p.size(), p[i]) + " repeats the point before it"};
    TRY(CheckEdges(p));
    __int128 twiceArea = 0;
    for (size_t i = 0; i < p.size(); ++i) twiceArea += Cross(FormPoint{}, p[i], p[(i + 1) % p.size()]);
    if (twiceArea == 0) return Failure{"the outline encloses no area"};
    return {};
}

bool InsidePolygon(const std::vector<FormPoint>& p, int64_t x, int64_t y) {
    bool inside = false;
    const size_t n = p.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const FormPoint &a = p[j], &b = p[i];
        const __int128 cross = __int128(int64_t(b.x) - a.x) * (y - a.y) - __int128(int64_t(b.y) - a.y) * (x - a.x);
        const bool between = (x >= std::min(a.x, b.x) && x <= std::max(a.x, b.x)) &&
                             (y >= std::min(a.y, b.y) && y <= std::max(a.y, b.y));
        if (cross == 0 && between) return false;   // on the edge
        // Crossings of a ray towards +x, each edge counted with one end in and one out.
        if ((a.y > y) != (b.y > y) && Sign(cross) == (b.y > a.y ? 1 : -1)) inside = !inside;
    }
    return inside;
}

double DistanceToOutline(const std::vector<FormPoint>& p, double x, double y) {
    double nearest = INFINITY;
    for (size_t i = 0; i < p.size(); ++i) {
        const double ax = p[i].x, ay = p[i].y, bx = p[(i + 1) % p.size()].x, by = p[(i + 1) % p.size()].y;
        const double dx = bx - ax, dy = by - ay, length = dx * dx + dy * dy;
        const double t = length > 0 ? std::clamp(((x - ax) * dx + (y - ay) * dy) / length, 0.0, 1.0) : 0.0;
        nearest = std::min(nearest, std::hypot(x - (ax + t * dx), y - (ay + t * dy)));
    }
    return nearest;
}

}  // namespace zelmdb
