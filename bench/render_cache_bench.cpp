// Render cache lookups as the preview paint makes them: 14-byte pad keys, 4-byte bitmap handles,
// a 256-bucket cache holding about fifty pad images.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <vector>

#include "preview/render_cache.h"

namespace {

using PadKey = std::array<uint8_t, 14>;

// Keys that differ the way pad images do: in size, rotation and colour, one byte pair each.
std::vector<PadKey> PadKeys(int count) {
    std::vector<PadKey> keys;
    for (int n = 0; n < count; ++n) {
        PadKey key{};
        key[0] = 1;                        // shape
        key[2] = uint8_t(12 + n % 5);      // width in pixels
        key[4] = uint8_t(12 + n % 5);      // height in pixels
        key[6] = uint8_t(n / 5 % 4 * 90);  // rotation
        key[10] = uint8_t(n / 20);         // colour index
        key[12] = uint8_t(n % 2);          // image or mask
        keys.push_back(key);
    }
    return keys;
}

// Fifty images are stored; the argument picks looking up those (hits) or fifty others (misses,
// which walk their whole chain before the preview renders the image).
void BM_CacheLookup(benchmark::State& state) {
    constexpr size_t Stored = 50;
    const std::vector<PadKey> keys = PadKeys(2 * Stored);
    RenderCache* cache = CacheCreate(256);
    for (size_t n = 0; n < Stored; ++n) {
        const uint32_t handle = uint32_t(0x1000 + n);
        CacheAdd(cache, keys[n].data(), 14, &handle, 4);
    }
    const size_t first = state.range(0) == 0 ? 0 : Stored;
    size_t next = 0;
    for (auto _ : state) {
        uint32_t handle = 0;
        benchmark::DoNotOptimize(CacheLookup(cache, keys[first + next].data(), 14, &handle, 4));
        benchmark::DoNotOptimize(handle);
        next = next + 1 == Stored ? 0 : next + 1;
    }
    state.SetItemsProcessed(state.iterations());
    CacheDestroy(cache);
}
BENCHMARK(BM_CacheLookup)->ArgName("missing")->Arg(0)->Arg(1);

}  // namespace

BENCHMARK_MAIN();
