// What the host does after every dialog run of generate or a reopen, at the largest footprint
// the plug-in stores (3200 pins): the overlap check, over pads apart and over pads all on one
// spot, and all the extras (a block left out, exposed pad added, a quarter turn) on a design.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/open_design.h"
#include "host/orvex/extras/extras_applier.h"
#include "host/orvex/extras/pad_overlap.h"

namespace {

constexpr int kSide = 56;   // 3136 pads, near the most a symbol holds

std::vector<PadBox> Grid(int32_t pitch) {
    std::vector<PadBox> pads;
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            const int32_t x = column * pitch, y = -row * pitch;
            pads.push_back(PadBox{x, y, x - 2000.0, y - 2000.0, x + 2000.0, y + 2000.0});
        }
    return pads;
}

void BM_FindOverlapApart(benchmark::State& state) {
    const std::vector<PadBox> pads = Grid(8000);
    for (auto _ : state) benchmark::DoNotOptimize(FindOverlap(pads));
}
BENCHMARK(BM_FindOverlapApart)->Unit(benchmark::kMillisecond);

// Every pad against every other: what a footprint without a spacing costs before it is refused.
void BM_FindOverlapStacked(benchmark::State& state) {
    const std::vector<PadBox> pads = Grid(0);
    for (auto _ : state) benchmark::DoNotOptimize(FindOverlap(pads));
}
BENCHMARK(BM_FindOverlapStacked)->Unit(benchmark::kMillisecond);

// The grid of pads as the plug-in stores it, on a padstack of its own.
Result<zelmdb::Symbol> StoreGrid(zelmdb::DesignStore& store) {
    zelmdb::Padstack pad;
    pad.layers.resize(14);
    pad.Layer(zelmdb::PadLayer::Top) = zelmdb::LayerGeometry{4000, 2000, 0, 0, zelmdb::PadShape::Rectangle, 0};
    TRY_ASSIGN(padId, store.NewPadstack());
    TRY_ASSIGN(padName, store.NameCreate("PAD"));
    pad.id = padId;
    pad.nameId = padName;
    TRY(store.PutPadstack(pad));
    TRY_ASSIGN(symbolId, store.NewSymbol());
    TRY_ASSIGN(symbolName, store.NameCreate("BGA"));
    zelmdb::Symbol grid{symbolId, symbolName, 220000, -220000, {}};
    for (int row = 0; row < kSide; ++row)
        for (int column = 0; column < kSide; ++column) {
            TRY_ASSIGN(name, store.NameCreate(std::string(1, char('A' + row % 26)) + std::to_string(column + 1)));
            grid.pins.push_back({name, column * 8000, -row * 8000, int16_t(padId)});
        }
    return grid;
}

void BM_ApplyExtras(benchmark::State& state) {
    OpenDesign open("tessra-extras-bench");
    zelmdb::DesignStore& store = *zelmdb::DatabaseSet::Get().Design();
    const Result<zelmdb::Symbol> stored = StoreGrid(store);
    if (!stored.ok()) return state.SkipWithError(stored.error().c_str());
    const zelmdb::Symbol& plugin = stored.value();
    FootprintExtras extras;
    extras.omit = {"E5-H8"};
    extras.pads = {{"EP", 0, 0, "PAD"}};
    extras.turn = 5400;
    for (auto _ : state) {
        (void)store.PutSymbol(plugin);
        benchmark::DoNotOptimize(ApplyExtras(store, "BGA", extras, ExtrasCheck::Strict));
    }
}
BENCHMARK(BM_ApplyExtras)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
