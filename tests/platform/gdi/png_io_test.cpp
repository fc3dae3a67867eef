// PNG files written from surfaces read back pixel for pixel; a file that cannot be written is
// a message, not a crash.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gdi/png_io.h"

namespace {

namespace fs = std::filesystem;

// Odd sizes and every byte of each channel, so a pad byte or a channel order that slips shows.
TEST(PngIoTest, ReadsBackWhatItWrote) {
    for (const auto& [w, h] : {std::pair{1, 1}, std::pair{257, 3}, std::pair{3, 257}}) {
        Surface written(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const int i = y * w + x;
                written.SetPixel(x, y, RGB(i & 0xFF, (i * 7 + 3) & 0xFF, (255 - i) & 0xFF));
            }
        const fs::path file = fs::path(TESSRA_TEST_OUT) / "png-io" / ("round-trip-" + std::to_string(w) + ".png");
        fs::create_directories(file.parent_path());
        std::string error;
        ASSERT_TRUE(WritePng(written, file.string(), error)) << error;
        Surface read;
        ASSERT_TRUE(ReadPng(file.string(), read, error)) << error;
        EXPECT_TRUE(read == written) << w << " x " << h;
    }
}

TEST(PngIoTest, UnwritablePathIsAMessage) {
    const Surface surface(4, 4, 0x123456);
    std::string error;
    EXPECT_FALSE(WritePng(surface, "/nonexistent-folder/picture.png", error));
    EXPECT_NE(error.find("/nonexistent-folder/picture.png"), std::string::npos) << error;
}

// libpng refuses an empty picture; the refusal comes back as a message and leaves no file.
TEST(PngIoTest, EmptySurfaceIsRefused) {
    const fs::path file = fs::path(TESSRA_TEST_OUT) / "png-io" / "empty.png";
    fs::create_directories(file.parent_path());
    std::string error;
    EXPECT_FALSE(WritePng(Surface(), file.string(), error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(fs::exists(file));
}

}  // namespace
