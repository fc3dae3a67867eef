// The land calculation alone, over a mix of everyday packages of the three families: what one
// footprint of a batch costs before anything is stored (an iteration is one footprint, the
// next of the mix). The second figure adds reading the keys from their texts, as a batch
// hands them over.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "host/land/compute.h"
#include "host/land/package_keys.h"

namespace {

using Keys = std::vector<std::pair<const char*, const char*>>;

// SOIC-8, TSSOP-20, LQFP-144, QFN-32 with pad, paste kept off its vias, DFN-10 pulled back,
// BGA-256.
const std::vector<Keys>& Mix() {
    static const std::vector<Keys> mix = {
        {{"family", "gullwing"}, {"pitch", "1.27"}, {"num_pins_y", "4"}, {"body_size_x", "3.8..3.9..4.0"},
         {"body_size_y", "4.8..4.9..5.0"}, {"overall_size_x", "5.8..6.2"}, {"lead_width", "0.31..0.51"},
         {"lead_len", "0.40..1.27"}},
        {{"family", "gullwing"}, {"pitch", "0.65"}, {"num_pins_y", "10"}, {"body_size_x", "4.3..4.4..4.5"},
         {"body_size_y", "6.4..6.5..6.6"}, {"overall_size_x", "6.2..6.4..6.6"}, {"lead_width", "0.19..0.30"},
         {"lead_len", "0.45..0.60..0.75"}},
        {{"family", "gullwing"}, {"pitch", "0.5"}, {"num_pins_x", "36"}, {"num_pins_y", "36"},
         {"body_size_x", "20+-0.1"}, {"body_size_y", "20+-0.1"}, {"overall_size_x", "22+-0.2"},
         {"overall_size_y", "22+-0.2"}, {"lead_width", "0.17..0.27"}, {"lead_len", "0.45..0.75"}},
        {{"family", "nolead"}, {"pitch", "0.5"}, {"num_pins_x", "8"}, {"num_pins_y", "8"},
         {"body_size_x", "4.9..5.1"}, {"body_size_y", "4.9..5.1"}, {"lead_width", "0.18..0.30"},
         {"lead_len", "0.30..0.50"}, {"EP_size_x", "3.1..3.3"}, {"EP_size_y", "3.1..3.3"},
         {"thermal_vias", "3x3,0.2,paste_avoid_via"}},
        {{"family", "nolead"}, {"pitch", "0.5"}, {"num_pins_y", "5"}, {"body_size_x", "3+-0.1"},
         {"body_size_y", "3+-0.1"}, {"lead_width", "0.18..0.30"}, {"lead_len", "0.3..0.5"},
         {"lead_to_edge", "0.05..0.15"}, {"EP_size_x", "1.6"}, {"EP_size_y", "2.4"}},
        {{"family", "bga"}, {"pitch", "1"}, {"cols", "16"}, {"rows", "16"}, {"body_size_x", "17"},
         {"body_size_y", "17"}, {"ball_diameter", "0.5+-0.05"}},
    };
    return mix;
}

land::PackageInput InputOf(const Keys& keys) {
    land::PackageInput input;
    for (const auto& [key, text] : keys)
        if (!land::ApplyKeyText(input, key, text).ok()) std::abort();
    return input;
}

void BM_LandPatternMix(benchmark::State& state) {
    std::vector<land::PackageInput> inputs;
    for (const Keys& keys : Mix()) inputs.push_back(InputOf(keys));
    size_t next = 0;
    for (auto _ : state) {
        Result<land::LandPattern> pattern = land::Compute(inputs[next++ % inputs.size()]);
        benchmark::DoNotOptimize(pattern);
    }
}
BENCHMARK(BM_LandPatternMix);

void BM_LandPatternMixFromText(benchmark::State& state) {
    size_t next = 0;
    for (auto _ : state) {
        Result<land::LandPattern> pattern = land::Compute(InputOf(Mix()[next++ % Mix().size()]));
        benchmark::DoNotOptimize(pattern);
    }
}
BENCHMARK(BM_LandPatternMixFromText);

}  // namespace

BENCHMARK_MAIN();
