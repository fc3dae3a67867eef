// One full preview paint: 3200 pads of 12 x 12 pixels, each a mask AND and an image OR.
#include <benchmark/benchmark.h>

#include "platform/gdi/gdi.h"

namespace {

struct Bitmaps {
    HDC screen = CreateCompatibleDC(0), image = CreateCompatibleDC(0), mask = CreateCompatibleDC(0);
    HBITMAP screenBits = CreateCompatibleBitmap(screen, 1024, 768);
    HBITMAP imageBits = CreateCompatibleBitmap(image, 12, 12);
    HBITMAP maskBits = CreateCompatibleBitmap(mask, 12, 12);
    Bitmaps() {
        SelectObject(screen, screenBits);
        SelectObject(image, imageBits);
        SelectObject(mask, maskBits);
        PatBlt(mask, 0, 0, 12, 12, WHITENESS);
        HBRUSH brush = CreateSolidBrush(0x00FF00);
        HGDIOBJ old = SelectObject(image, brush);
        Ellipse(image, 0, 0, 12, 12);
        DeleteObject(SelectObject(image, old));
    }
};

void BM_PaintPads(benchmark::State& state) {
    Bitmaps b;
    for (auto _ : state) {
        PatBlt(b.screen, 0, 0, 1024, 768, BLACKNESS);
        for (int i = 0; i < 3200; ++i) {
            const int x = (i % 80) * 12 + 16, y = (i / 80) * 16 + 40;
            BitBlt(b.screen, x, y, 12, 12, b.mask, 0, 0, SRCAND);
            BitBlt(b.screen, x, y, 12, 12, b.image, 0, 0, SRCPAINT);
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 3200);
}
BENCHMARK(BM_PaintPads)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
