// What OK costs on the largest footprint: 3200 pins of a chip carrier stored with the turned
// padstack copies its four sides need and the labels, in a real design. Every iteration is its
// own transaction, rolled back afterwards, so the copies are made anew each time.
#include <benchmark/benchmark.h>

#include "array/placement.h"
#include "array/shared_state.h"
#include "bench/open_design.h"
#include "host/zelmdb/design_store.h"
#include "output/create_footprint.h"

namespace {

bool StoreRectanglePadstack(zelmdb::DesignStore& design) {
    const Result<int32_t> id = design.NewPadstack();
    const Result<int32_t> name = design.NameCreate("R60");
    if (!id.ok() || !name.ok()) return false;
    zelmdb::Padstack p{id.value(), name.value(), {}};
    p.layers.resize(size_t(design.info().layerCount));
    p.Layer(zelmdb::PadLayer::Top) = zelmdb::LayerGeometry{300000, 150000, 300000, 150000, zelmdb::PadShape::Rectangle, 0};
    p.Layer(zelmdb::PadLayer::Drill) = zelmdb::LayerGeometry{100000, 100000, 100000, 100000, zelmdb::PadShape::Round, 0};
    return design.PutPadstack(p).ok() && design.Commit().ok();
}

void BM_CreateFootprint3200(benchmark::State& state) {
    OpenDesign open("tessra_create_footprint_bench");
    zelmdb::DesignStore* design = zelmdb::DatabaseSet::Get().Design();
    if (design == nullptr || !StoreRectanglePadstack(*design)) return state.SkipWithError("no design");
    ArrayParameters params;
    PadSiteList pads;
    params.Style = ArrayStyle::ChipCarrier;
    SetNameFormat(params, "%X");
    params.X = {1, 1, 0, 800, 50.0};
    params.Y = {0, 1, 0, 800, 50.0};
    params.DefaultPadstackName = params.Pin1PadstackName = "R60";
    pads.DefaultPad.Shape = pads.Pin1Pad.Shape = zelmdb::PadShape::Rectangle;
    FootprintName = "QFP3200";
    CurrentParameters = &params;
    CurrentPadList = &pads;
    RecomputePads();
    for (auto _ : state) {
        state.PauseTiming();
        if (!design->Begin().ok()) {
            state.SkipWithError("the design cannot be written");
            break;
        }
        state.ResumeTiming();
        if (!CreateFootprint()) state.SkipWithError("not stored");
        state.PauseTiming();
        design->Rollback();
        state.ResumeTiming();
    }
    (void)design->Begin();   // the design's guard rolls back what it began
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(pads.Count()));
    CurrentParameters = nullptr;
    CurrentPadList = nullptr;
}
BENCHMARK(BM_CreateFootprint3200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
