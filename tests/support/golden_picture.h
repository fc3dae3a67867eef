// Compares a picture a test took with its golden copy in tests/data, pixel for pixel.
// TESSRA_UPDATE_GOLDEN=1 copies the new picture over the golden one first, for a deliberate
// change of looks; the diff then shows in review.
#pragma once
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gdi/png_io.h"
#include "platform/gdi/surface.h"

// Where a test writes the picture named `relative` (for example "sheet/page0.png").
inline std::filesystem::path PictureOutPath(const std::string& relative) {
    const std::filesystem::path out = std::filesystem::path(TESSRA_TEST_OUT) / "pictures" / relative;
    std::filesystem::create_directories(out.parent_path());
    return out;
}

inline void ExpectSameAsGolden(const std::string& relative) {
    const std::filesystem::path out = PictureOutPath(relative);
    const std::string golden = std::string(TESSRA_TEST_DATA) + "/" + relative;
    const char* update = std::getenv("TESSRA_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1")
        std::filesystem::copy_file(out, golden, std::filesystem::copy_options::overwrite_existing);
    Surface expected, actual;
    std::string error;
    ASSERT_TRUE(ReadPng(out.string(), actual, error)) << error;
    ASSERT_TRUE(ReadPng(golden, expected, error)) << error;
    EXPECT_TRUE(expected == actual) << out << " looks different from " << golden;
}
