// Unit conversion, the pad-count limit and the size limit.
#include "array/units_limits.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "array/degree_trig.h"
#include "array/design_record.h"
#include "array/unit_table.h"
#include "platform/framework/module_state.h"
#include "platform/win/message_box.h"
#include "res/captions.h"
#include "res/page_texts.h"
#include "res/resource.h"

int32_t TruncateToInt32(double value) {
    // Every coordinate converted comes through here: one test for all that fits, NaN failing it.
    if (value > -2147483649.0 && value < 2147483648.0) return int32_t(value);
    if (std::isnan(value)) return 0;
    return value > 0 ? std::numeric_limits<int32_t>::max() : std::numeric_limits<int32_t>::min();
}

int32_t RoundHalfAway(double value) {
    // -0 goes to -0.5, which truncates to 0 as 0.5 does.
    return TruncateToInt32(value + std::copysign(0.5, value));
}

int32_t ToDatabaseUnits(double value, const DesignRecord& record) {
    const UnitInfo* unit = FindUnit(record.UnitCode());
    const double scale = unit ? record.InchesPerUnit() * unit->PerInch : 0.0;
    // Without a known unit or a sane base size there is no scale; the value is taken as
    // database units rather than divided into infinity.
    if (!(scale > 0 && scale <= std::numeric_limits<double>::max())) return RoundHalfAway(value);
    return RoundHalfAway(value / scale);
}

int32_t ToDatabaseUnits(double value) {
    DesignRecord record;
    record.Read();
    return ToDatabaseUnits(value, record);
}

int64_t PadCountOf(const ArrayParameters& params) {
    const int64_t p = params.X.Count;
    const int64_t q = params.Y.Count;
    switch (params.Style) {
        case ArrayStyle::DualQuad: return 2 * q;
        case ArrayStyle::StaggerX:
        case ArrayStyle::StaggerY:
        case ArrayStyle::Grid: return p * q;
        case ArrayStyle::ChipCarrier: return 2 * (p + q);
        case ArrayStyle::Circular: return p;
    }
    return -1;
}

int64_t ExactPadCount(const ArrayParameters& params) {
    if (params.Style != ArrayStyle::StaggerX) return PadCountOf(params);
    const int64_t p = params.X.Count;
    const int64_t q = params.Y.Count;
    const int64_t odd = (q + 1) / 2;
    return p * odd + (p + params.RowDelta) * (q - odd);
}

int CheckPadCount(const ArrayParameters& candidate, HWND owner) {
    const int64_t count = PadCountOf(candidate);
    if (count < 0) {
        MessageBoxA(owner, page_texts::kInvalidStyle, captions::kError, MB_OK);
        return 1;
    }
    if (count <= PADS_PER_SYMBOL_LIMIT) return 1;
    const std::string text =
        page_texts::kPadLimit + std::to_string(PADS_PER_SYMBOL_LIMIT) + page_texts::kPadLimitEnd;
    const std::string caption = AfxLoadString(IDS_TOO_MANY_PADS) + " " + std::to_string(count) + page_texts::kPads;
    MessageBoxA(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONINFORMATION);
    return 0;
}

namespace {

ArrayExtent DualQuadExtent(const ArrayParameters& a, double S, double T) {
    const double w = a.StaggerW, z = a.StaggerZ;
    ArrayExtent e{S, T};
    if (a.Y.Count == 1) return e;
    if (w < 0 && S + z > w) e.Across = S - w;
    if (w > 0 && w > S && S + z <= w) e.Across += w - S;
    if (z < 0 && S + z < 0 && w - S >= z) e.Across -= S + z;
    if (z > 0 && w - S < z) e.Across += z;
    return e;
}

// Rows that lose a pad (d = -1) are measured by where their pads really stand: the full rows
// span 0 to S, the short ones w to w + (p - 2) x, and with p = 1 the short rows are empty.
ArrayExtent StaggerXShortRowsExtent(const ArrayParameters& a, double S, double T) {
    const double x = a.X.Spacing, w = a.StaggerW, y = a.Y.Spacing;
    const int32_t p = a.X.Count, q = a.Y.Count;
    double lo = std::min(0.0, S), hi = std::max(0.0, S);
    if (q >= 2 && p >= 2) {
        const double end = w + (p - 2) * x;
        lo = std::min({lo, w, end});
        hi = std::max({hi, w, end});
    }
    const double down = (p == 1 && q % 2 == 0) ? T - y : T;
    return {hi - lo, down};
}

ArrayExtent StaggerXExtent(const ArrayParameters& a, double S, double T) {
    if (a.X.Count == 1 && a.Y.Count == 1) return {0, 0};
    if (a.RowDelta == -1) return StaggerXShortRowsExtent(a, S, T);
    double across = S + std::fabs(a.StaggerW);
    if (a.RowDelta == 1) across += a.X.Spacing;
    return {across, T};
}

ArrayExtent StaggerYExtent(const ArrayParameters& a, double S, double T) {
    if (a.X.Count == 1 && a.Y.Count == 1) return {0, 0};
    return {S + std::fabs(a.StaggerW), T};
}

double CarrierSide(double side, double gap) {
    if (gap > 0) return side + 2 * gap;
    if (gap < 0 && std::fabs(gap) > side) return side + 2 * std::fabs(gap);
    return side;
}

ArrayExtent ChipCarrierExtent(const ArrayParameters& a, double S, double T) {
    return {CarrierSide(S, a.StaggerW), CarrierSide(T, a.StaggerZ)};
}

ArrayExtent CircularExtent(const ArrayParameters& a, double, double) {
    const int32_t g = a.AngleStep / 60;   // whole degrees, toward zero
    const double r = a.Radius;
    double minX = r, maxX = r, minY = 0, maxY = 0;
    for (int32_t i = 0; i < a.X.Count; ++i) {
        const double degrees = double(i) * g;
        const double x = r * CosDeg(degrees), y = r * SinDeg(degrees);
        minX = std::min(minX, x);
        maxX = std::max(maxX, x);
        minY = std::min(minY, y);
        maxY = std::max(maxY, y);
    }
    return {maxX - minX, maxY - minY};
}

ArrayExtent GridExtent(const ArrayParameters& a, double S, double T) {
    if (a.X.Count == 1 && a.Y.Count == 1) return {0, 0};
    return {S, T};
}

using ExtentRule = ArrayExtent (*)(const ArrayParameters&, double, double);

struct StyleExtent {
    ArrayStyle style;
    ExtentRule rule;
};

constexpr StyleExtent kExtentRules[] = {
    {ArrayStyle::DualQuad, DualQuadExtent},       {ArrayStyle::StaggerX, StaggerXExtent},
    {ArrayStyle::StaggerY, StaggerYExtent},       {ArrayStyle::ChipCarrier, ChipCarrierExtent},
    {ArrayStyle::Circular, CircularExtent},       {ArrayStyle::Grid, GridExtent},
};

}  // namespace

bool ComputeArrayExtent(const ArrayParameters& candidate, ArrayExtent& extent) {
    const double S = (double(candidate.X.Count) - 1) * candidate.X.Spacing;
    const double T = (double(candidate.Y.Count) - 1) * candidate.Y.Spacing;
    for (const StyleExtent& row : kExtentRules) {
        if (row.style == candidate.Style) {
            extent = row.rule(candidate, S, T);
            return true;
        }
    }
    extent = {0, 0};
    return false;
}

int CheckArraySize(const ArrayParameters& candidate, const PadSiteList& pads, uint8_t unitCode,
                   HWND owner) {
    const UnitInfo* unit = FindUnit(unitCode);
    DesignRecord record;
    record.Read();
    const double b = record.InchesPerUnit();
    const double u = unit ? unit->PerInch : 1.0;
    // Half a pin-1 pad at one end, half a default pad at the other.
    const double wd = double(pads.DefaultPad.Width()) * b * u;
    const double hd = double(pads.DefaultPad.Height()) * b * u;
    const double wp = double(pads.Pin1Pad.Width()) * b * u;
    const double hp = double(pads.Pin1Pad.Height()) * b * u;
    const double across = (wp + wd) / 2;
    const double down = (hp + hd) / 2;

    ArrayExtent extent;
    if (!ComputeArrayExtent(candidate, extent)) {
        MessageBoxA(owner, page_texts::kInvalidStyle, captions::kError, MB_OK);
    }
    if (!unit) return 1;

    bool refused = false;
    if (extent.Across + across > unit->SizeLimit) {
        MessageBoxA(owner, unit->WidthMessage, page_texts::kTooLarge, MB_OK);
        refused = true;
    }
    if (extent.Down + down > unit->SizeLimit) {
        MessageBoxA(owner, unit->HeightMessage, page_texts::kTooLarge, MB_OK);
        refused = true;
    }
    return refused ? 0 : 1;
}
