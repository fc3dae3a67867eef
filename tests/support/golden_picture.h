// Compares a picture with its golden copy in tests/data, pixel for pixel. On a mismatch the
// actual picture is written under the build's test output as NAME.actual.png and the message
// says how many pixels differ. TESSRA_UPDATE_GOLDEN=1 writes the picture over the golden one
// instead, for a deliberate change of looks; the diff then shows in review.
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

inline int DifferingPixels(const Surface& expected, const Surface& actual) {
    if (expected.Width() != actual.Width() || expected.Height() != actual.Height()) return -1;
    int differing = 0;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x) differing += expected.Pixel(x, y) != actual.Pixel(x, y);
    return differing;
}

// `relative` names the golden under tests/data, "gdi/primitives.png".
inline ::testing::AssertionResult MatchesGolden(const Surface& actual, const std::string& relative) {
    const std::string golden = std::string(TESSRA_TEST_DATA) + "/" + relative;
    std::string error;
    const char* update = std::getenv("TESSRA_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        if (!WritePng(actual, golden, error)) return ::testing::AssertionFailure() << error;
        return ::testing::AssertionSuccess();
    }
    Surface expected;
    if (!ReadPng(golden, expected, error)) return ::testing::AssertionFailure() << error;
    if (expected == actual) return ::testing::AssertionSuccess();
    const std::filesystem::path out = PictureOutPath(relative).replace_extension(".actual.png");
    WritePng(actual, out.string(), error);
    auto failure = ::testing::AssertionFailure() << relative << ": ";
    if (const int differing = DifferingPixels(expected, actual); differing >= 0)
        failure << differing << " pixels differ";
    else
        failure << actual.Width() << "x" << actual.Height() << " against " << expected.Width() << "x"
                << expected.Height();
    return failure << "; actual picture in " << out;
}

// For a picture already written to PictureOutPath(relative), by the test or by a script's shot.
inline void ExpectSameAsGolden(const std::string& relative) {
    Surface actual;
    std::string error;
    ASSERT_TRUE(ReadPng(PictureOutPath(relative).string(), actual, error)) << error;
    EXPECT_TRUE(MatchesGolden(actual, relative));
}
