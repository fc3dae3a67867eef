// One recomputation of the largest arrangement a page accepts, as every accepted keystroke
// runs it: 3200 pads placed, named and converted, in a real design inside a run's transaction.
// Beside each style, a floor: the same positions and names written with snprintf into a
// reserved vector, the least any placement could do; the ratio of the two is the figure.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <vector>

#include "array/design_record.h"
#include "array/pad_naming.h"
#include "array/placement.h"
#include "array/shared_state.h"
#include "array/unit_table.h"
#include "array/units_limits.h"
#include "bench/open_design.h"

namespace {

struct Arrangement {
    ArrayStyle style;
    const char* format;
    int32_t p, q;
};

ArrayParameters ParametersOf(const Arrangement& a) {
    ArrayParameters params;
    params.Style = a.style;
    SetNameFormat(params, a.format);
    params.X = {1, 1, 0, a.p, 50.0};
    params.Y = {0, 1, a.style == ArrayStyle::Grid, a.q, 50.0};   // grid rows are lettered
    params.StaggerW = params.StaggerZ = 25.0;
    params.CornerStart = 1;
    params.Radius = 2000;
    params.AngleStep = 6;
    return params;
}

void RunRecompute(benchmark::State& state, const Arrangement& arrangement) {
    OpenDesign design("tessra_recompute_bench");
    ArrayParameters params = ParametersOf(arrangement);
    PadSiteList pads;
    pads.DefaultPad.Shape = pads.Pin1Pad.Shape = zelmdb::PadShape::Rectangle;
    CurrentParameters = &params;
    CurrentPadList = &pads;
    for (auto _ : state) {
        pads.RemoveAll();
        RecomputePads();
        benchmark::DoNotOptimize(pads.Bounds);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(pads.Count()));
    CurrentParameters = nullptr;
    CurrentPadList = nullptr;
}

// Pad k of the arrangement in display units with its two indices, in closed form.
struct FloorPad {
    double x, y;
    int32_t xi, yi;
};

FloorPad FloorPadOf(const ArrayParameters& a, int32_t k) {
    const int32_t p = a.X.Count, q = a.Y.Count;
    const double x = a.X.Spacing, y = a.Y.Spacing, w = a.StaggerW;
    switch (a.Style) {
    case ArrayStyle::DualQuad: {
        const int32_t row = k < q ? k : 2 * q - 1 - k;
        return {(k < q ? 0 : x) + (row % 2 ? w : 0), -row * y, -1, k};
    }
    case ArrayStyle::StaggerX: return {(k % p) * x + ((k / p) % 2 ? w : 0), -(k / p) * y, k + 1, -1};
    case ArrayStyle::StaggerY: return {(k / q) * x + ((k % q) % 2 ? w : 0), -(k % q) * y, -1, k};
    case ArrayStyle::ChipCarrier: {
        const int32_t side = k < q ? 0 : k < q + p ? 1 : k < 2 * q + p ? 2 : 3;
        const int32_t i = k - (side == 0 ? 0 : side == 1 ? q : side == 2 ? q + p : 2 * q + p);
        const double sides[4][2] = {{0, -i * y}, {w + i * x, -(q - 1) * y - w},
                                    {2 * w + (p - 1) * x, -(q - 1) * y + i * y}, {w + (p - 1 - i) * x, w}};
        return {sides[side][0], sides[side][1], k + 1, -1};
    }
    case ArrayStyle::Circular: {
        const double angle = k * a.AngleStep * 0.0002908882086657216;
        return {a.Radius * std::cos(angle), a.Radius * std::sin(angle), k + 1, -1};
    }
    case ArrayStyle::Grid: return {(k % p) * x, -(k / p) * y, k % p + 1, k / p};
    }
    return {};
}

void RunFloor(benchmark::State& state, const Arrangement& arrangement) {
    OpenDesign design("tessra_recompute_floor");
    const ArrayParameters params = ParametersOf(arrangement);
    DesignRecord record;
    record.Read();
    const int32_t count = int32_t(PadCountOf(params));
    const bool both = arrangement.style == ArrayStyle::Grid;
    std::vector<std::string> rows;   // the letters of each grid row, made once
    for (int32_t row = 0; both && row < arrangement.q; ++row) rows.push_back(AlphaIndexName(row));
    std::vector<PadSite> sites;
    sites.reserve(size_t(count));
    for (auto _ : state) {
        sites.clear();
        for (int32_t k = 0; k < count; ++k) {
            const FloorPad pad = FloorPadOf(params, k);
            char name[32];
            const int length = both ? std::snprintf(name, sizeof name, "%s%d", rows[size_t(pad.yi)].c_str(), pad.xi)
                                    : std::snprintf(name, sizeof name, "%d", pad.xi >= 0 ? pad.xi : pad.yi);
            PadSite& site = sites.emplace_back();
            site.X = ToDatabaseUnits(pad.x, record);
            site.Y = ToDatabaseUnits(pad.y, record);
            site.Name.assign(name, size_t(length));
        }
        benchmark::DoNotOptimize(sites.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * count);
}

constexpr Arrangement kDual{ArrayStyle::DualQuad, "%Y", 2, 1600};
constexpr Arrangement kStaggerX{ArrayStyle::StaggerX, "%X", 80, 40};
constexpr Arrangement kStaggerY{ArrayStyle::StaggerY, "%Y", 80, 40};
constexpr Arrangement kCarrier{ArrayStyle::ChipCarrier, "%X", 800, 800};
constexpr Arrangement kCircular{ArrayStyle::Circular, "%X", 3200, 1};
constexpr Arrangement kGrid{ArrayStyle::Grid, "%Y%X", 80, 40};
// The size of the peer's 3136-ball array, for the comparison bench/summary prints.
constexpr Arrangement kGrid56{ArrayStyle::Grid, "%Y%X", 56, 56};

#define TESSRA_RECOMPUTE(Name, arrangement)                                                 \
    void BM_##Name(benchmark::State& s) { RunRecompute(s, arrangement); }                   \
    void BM_Floor##Name(benchmark::State& s) { RunFloor(s, arrangement); }                  \
    BENCHMARK(BM_##Name)->Unit(benchmark::kMicrosecond);                                    \
    BENCHMARK(BM_Floor##Name)->Unit(benchmark::kMicrosecond);

TESSRA_RECOMPUTE(Dual2x1600, kDual)
TESSRA_RECOMPUTE(StaggerX80x40, kStaggerX)
TESSRA_RECOMPUTE(StaggerY80x40, kStaggerY)
TESSRA_RECOMPUTE(Carrier800x800, kCarrier)
TESSRA_RECOMPUTE(Circular3200, kCircular)
TESSRA_RECOMPUTE(Grid80x40, kGrid)
TESSRA_RECOMPUTE(Grid56x56, kGrid56)

// x and y of every pad of a 56x56 grid, each converted by `convert`.
template <typename Convert>
void ConvertGrid56(benchmark::State& state, Convert convert) {
    std::vector<int32_t> units(2 * 56 * 56);
    for (auto _ : state) {
        for (size_t k = 0; k < units.size(); k += 2) {
            units[k] = convert(double(k / 2 % 56) * 50.0);
            units[k + 1] = convert(double(k / 2 / 56) * -50.0);
        }
        benchmark::DoNotOptimize(units.data());
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(units.size()));
}

// The conversions a 56x56 grid makes, alone, each reading the design record. All else a
// recomputation does comes on top, so the peer's time over this is the most the ratio beside
// it could be.
void BM_Conversions56x56(benchmark::State& state) {
    OpenDesign design("tessra_conversions");
    ConvertGrid56(state, [](double value) { return ToDatabaseUnits(value); });
}
BENCHMARK(BM_Conversions56x56)->Unit(benchmark::kMicrosecond);

// The least those conversions can cost: each the record read and one division, rounded, with
// no unit lookup, no check and nothing else. The peer's time over this is the ceiling of its
// ratio on this machine, whatever a recomputation did with the rest of its time.
void BM_FloorConversions56x56(benchmark::State& state) {
    OpenDesign design("tessra_conversions_floor");
    DesignRecord first;
    first.Read();
    const double perInch = FindUnit(first.UnitCode())->PerInch;   // looked up once, not per call
    ConvertGrid56(state, [perInch](double value) {
        DesignRecord record;
        record.Read();
        const double units = value / (record.InchesPerUnit() * perInch);
        return int32_t(units + std::copysign(0.5, units));
    });
}
BENCHMARK(BM_FloorConversions56x56)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
