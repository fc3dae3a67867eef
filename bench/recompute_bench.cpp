// One recomputation of the largest arrangement a page accepts, as every accepted keystroke
// runs it: 3200 pads placed, named and converted, in a real design inside a run's transaction.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "array/placement.h"
#include "array/shared_state.h"
#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"

namespace {

struct OpenDesign {
    std::filesystem::path dir = std::filesystem::temp_directory_path() / "tessra_recompute_bench";
    OpenDesign() {
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const std::string path = (dir / "d.design").string();
        zelmdb::DesignStore::Create(path, zelmdb::DesignInfo{});
        auto store = zelmdb::DesignStore::Open(path, zelmdb::DesignStore::Access::ReadWrite,
                                               zelmdb::DesignStore::Sharing::Exclusive);
        if (!store.ok()) return;
        store.value()->Begin();
        zelmdb::DatabaseSet::Get().AttachDesign(std::move(store.value()));
    }
    ~OpenDesign() {
        if (auto* design = zelmdb::DatabaseSet::Get().Design()) design->Rollback();
        zelmdb::DatabaseSet::Get().CloseAll();
        std::filesystem::remove_all(dir);
    }
};

void RunRecompute(benchmark::State& state, ArrayStyle style, const char* format, int32_t p, int32_t q) {
    OpenDesign design;
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
