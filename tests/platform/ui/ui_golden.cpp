// Golden pictures of the UI tests.
#include "tests/platform/ui/ui_golden.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gdi/png_io.h"

::testing::AssertionResult MatchesUiGolden(const Surface& actual, const char* name) {
    const std::string golden = std::string(TESSRA_TEST_DATA) + "/ui/" + name + ".png";
    std::string error;
    const char* update = std::getenv("TESSRA_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        if (!WritePng(actual, golden, error)) return ::testing::AssertionFailure() << error;
        return ::testing::AssertionSuccess();
    }
    Surface expected;
    if (!ReadPng(golden, expected, error)) return ::testing::AssertionFailure() << error;
    if (expected == actual) return ::testing::AssertionSuccess();
    std::filesystem::create_directories(TESSRA_TEST_OUT);
    const std::string out = std::string(TESSRA_TEST_OUT) + "/" + name + ".actual.png";
    WritePng(actual, out, error);
    int differing = 0;
    if (expected.Width() == actual.Width() && expected.Height() == actual.Height())
        for (int y = 0; y < actual.Height(); ++y)
            for (int x = 0; x < actual.Width(); ++x) differing += expected.Pixel(x, y) != actual.Pixel(x, y);
    return ::testing::AssertionFailure() << name << ": " << differing << " pixels differ; actual picture in " << out;
}
