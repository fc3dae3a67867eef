// What a keystroke in p costs on a large grid: the pads recomputed, then the whole 1024 x 768
// preview painted; and the paint alone, with every pad image already in the cache. The worst
// case is the grid before its spacings are typed: 3200 pads with their names on one spot, each
// image as large as the window.
#include <benchmark/benchmark.h>

#include "array/placement.h"
#include "array/shared_state.h"
#include "bench/open_design.h"
#include "output/layer_colours.h"
#include "platform/framework/win_app.h"
#include "platform/gdi/window_surfaces.h"
#include "preview/array_preview_wnd.h"
#include "preview/pad_images.h"

namespace {

struct PreviewRun {
    OpenDesign design{"tessra_preview_bench"};
    ArrayParameters params;
    PadSiteList pads;
    CArrayPreviewWnd window;

    explicit PreviewRun(double spacing = 50.0) {
        WindowSurfaces::Install();
        TopColour = 0x00C000;
        params.Style = ArrayStyle::Grid;
        SetNameFormat(params, "%Y%X");
        params.X = {1, 1, 0, 80, spacing};
        params.Y = {0, 1, 1, 40, spacing};
        for (PadstackInfo* pad : {&pads.DefaultPad, &pads.Pin1Pad}) {
            pad->Shape = zelmdb::PadShape::Square;
            for (int32_t& e : pad->Extents) e = 3000;
            pad->DrillExtents[0] = pad->DrillExtents[1] = 1000;
            pad->Colour = TopColour;
        }
        CurrentParameters = &params;
        CurrentPadList = &pads;
        RecomputePads();
        window.CreateEx(0, AfxRegisterWndClass(0, 0), "Array Preview: B", WS_POPUP | WS_VISIBLE, 0, 0, 1024, 768, 0, 0);
    }
    ~PreviewRun() {
        window.DestroyWindow();
        CurrentParameters = nullptr;
        CurrentPadList = nullptr;
        ClearPadImages();
    }
    void Paint() {
        window.Invalidate(TRUE);
        window.UpdateWindow();
    }
};

void BM_KeystrokeToPaint(benchmark::State& state) {
    PreviewRun run;
    for (auto _ : state) {
        run.pads.RemoveAll();
        RecomputePads();
        run.Paint();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(run.pads.Count()));
}

void BM_KeystrokeAllOnOneSpot(benchmark::State& state) {
    PreviewRun run(0.0);
    for (auto _ : state) {
        run.pads.RemoveAll();
        RecomputePads();
        run.Paint();
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(run.pads.Count()));
}

void BM_PaintWarmCache(benchmark::State& state) {
    PreviewRun run;
    run.Paint();
    for (auto _ : state) run.Paint();
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(run.pads.Count()));
}

void BM_PaintColdCache(benchmark::State& state) {
    PreviewRun run;
    for (auto _ : state) {
        ClearPadImages();
        run.Paint();
    }
}

}  // namespace

BENCHMARK(BM_KeystrokeToPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeAllOnOneSpot)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintWarmCache)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintColdCache)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
