// One recomputation of the largest arrangement a page accepts, as every accepted keystroke
// runs it: 3200 pads placed, named and converted, in a real design inside a run's transaction.
#include <benchmark/benchmark.h>

#include "array/placement.h"
#include "array/shared_state.h"
#include "bench/open_design.h"

namespace {

void RunRecompute(benchmark::State& state, ArrayStyle style, const char* format, int32_t p, int32_t q) {
    OpenDesign design("tessra_recompute_bench");
    ArrayParameters params;
    PadSiteList pads;
    params.Style = style;
    SetNameFormat(params, format);
    params.X = {1, 1, 0, p, 50.0};
    params.Y = {0, 1, 1, q, 50.0};
    params.Radius = 2000;
    params.AngleStep = 6;
    pads.DefaultPad.Shape = pads.Pin1Pad.Shape = 4;
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

void BM_Grid80x40(benchmark::State& state) { RunRecompute(state, ArrayStyle::Grid, "%Y%X", 80, 40); }
void BM_Carrier800x800(benchmark::State& state) { RunRecompute(state, ArrayStyle::ChipCarrier, "%X", 800, 800); }
void BM_Circular3200(benchmark::State& state) { RunRecompute(state, ArrayStyle::Circular, "%X", 3200, 1); }

BENCHMARK(BM_Grid80x40)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Carrier800x800)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Circular3200)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
