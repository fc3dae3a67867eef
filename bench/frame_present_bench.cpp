// What one frame of the person's window costs while nothing happens, and after one field
// repaints: only the damaged area composed, converted and sent to the window.
#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/gdi/window_surfaces.h"
#include "platform/ui/screen_presenter.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/controls.h"
#include "platform/win/win_api.h"

namespace {

struct Desktop {
    ScreenPresenter presenter;
    HWND frame = 0, field = 0;

    Desktop() {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        SDL_InitSubSystem(SDL_INIT_VIDEO);
        InstallStandardControls();
        SetScreenSize(1024, 768);
        WindowSurfaces::Install();
        frame = CreateWindowExA(0, WC_DIALOG, "Frame", WS_POPUP | WS_CAPTION | WS_VISIBLE, 190, 180, 643, 407, 0, 0, 0,
                                nullptr);
        field = CreateWindowExA(0, WC_EDIT, "16", WS_CHILD | WS_VISIBLE, 100, 80, 80, 20, frame, 0, 0, nullptr);
        std::string error;
        presenter.Open("bench", 1, error);
        Settle();
    }
    ~Desktop() {
        DestroyWindow(frame);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    static void Settle() {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
};

void BM_IdleFrame(benchmark::State& state) {
    Desktop desktop;
    desktop.presenter.Present();
    for (auto _ : state) benchmark::DoNotOptimize(desktop.presenter.Present());
}
BENCHMARK(BM_IdleFrame)->Unit(benchmark::kMillisecond);

void BM_FrameAfterTyping(benchmark::State& state) {
    Desktop desktop;
    int n = 0;
    for (auto _ : state) {
        SetWindowTextA(desktop.field, std::to_string(n++ % 100).c_str());
        Desktop::Settle();
        benchmark::DoNotOptimize(desktop.presenter.Present());
    }
}
BENCHMARK(BM_FrameAfterTyping)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
