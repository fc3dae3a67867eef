// A package for the land tests, written as its keys' texts, family first.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "host/land/compute.h"
#include "host/land/package_keys.h"

namespace land {

using KeyTexts = std::vector<std::pair<std::string, std::string>>;

// The input, or the first refusal of a key.
inline Result<PackageInput> PackageOf(const KeyTexts& keys) {
    PackageInput input;
    for (const auto& [key, text] : keys) TRY(ApplyKeyText(input, key, text));
    return input;
}

inline Result<LandPattern> PatternOf(const KeyTexts& keys) {
    TRY_ASSIGN(input, PackageOf(keys));
    return Compute(input);
}

// The keys with some replaced or added: a variant of a package.
inline KeyTexts With(KeyTexts keys, const KeyTexts& changes) {
    for (const auto& change : changes) {
        auto at = keys.begin();
        while (at != keys.end() && at->first != change.first) ++at;
        if (at == keys.end()) keys.push_back(change);
        else at->second = change.second;
    }
    return keys;
}

inline KeyTexts Without(KeyTexts keys, const std::string& key) {
    std::erase_if(keys, [&](const auto& k) { return k.first == key; });
    return keys;
}

// Everyday packages the tests vary.
inline const KeyTexts kSoic8 = {{"family", "gullwing"}, {"pitch", "1.27"}, {"num_pins_y", "4"},
                                {"body_size_x", "3.8..3.9..4.0"}, {"body_size_y", "4.8..4.9..5.0"},
                                {"overall_size_x", "5.8..6.2"}, {"lead_width", "0.31..0.51"},
                                {"lead_len", "0.40..1.27"}};
inline const KeyTexts kQfn32 = {{"family", "nolead"}, {"pitch", "0.5"}, {"num_pins_x", "8"}, {"num_pins_y", "8"},
                                {"body_size_x", "4.9..5.0..5.1"}, {"body_size_y", "4.9..5.0..5.1"},
                                {"lead_width", "0.18..0.25..0.30"}, {"lead_len", "0.30..0.40..0.50"},
                                {"EP_size_x", "3.1..3.2..3.3"}, {"EP_size_y", "3.1..3.2..3.3"}};
// LQFP-64, 10 x 10 mm, 0.5 mm pitch.
inline const KeyTexts kQfp64 = {{"family", "gullwing"}, {"pitch", "0.5"}, {"num_pins_x", "16"}, {"num_pins_y", "16"},
                                {"body_size_x", "9.8..10.0..10.2"}, {"body_size_y", "9.8..10.0..10.2"},
                                {"overall_size_x", "11.8..12.0..12.2"}, {"overall_size_y", "11.8..12.0..12.2"},
                                {"lead_width", "0.17..0.22..0.27"}, {"lead_len", "0.45..0.60..0.75"}};
inline const KeyTexts kBga144 = {{"family", "bga"}, {"pitch", "0.8"}, {"cols", "12"}, {"rows", "12"},
                                 {"body_size_x", "9.9..10.0..10.1"}, {"body_size_y", "9.9..10.0..10.1"},
                                 {"ball_diameter", "0.45..0.50..0.55"}};

}  // namespace land
