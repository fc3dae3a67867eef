// Golden-image comparison and the canvas the drawing tests paint on.
#include "tests/platform/gdi/golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gdi/gdi.h"
#include "platform/gdi/png_io.h"

::testing::AssertionResult MatchesGolden(const Surface& actual, const char* name) {
    const std::string golden = std::string(TESSRA_TEST_DATA) + "/gdi/" + name + ".png";
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
            for (int x = 0; x < actual.Width(); ++x)
                differing += expected.Pixel(x, y) != actual.Pixel(x, y);
    return ::testing::AssertionFailure()
           << name << ": " << differing << " pixels differ (" << actual.Width() << "x"
           << actual.Height() << " against " << expected.Width() << "x" << expected.Height()
           << "); actual picture in " << out;
}

Canvas::Canvas(int width, int height, COLORREF background) {
    m_dc = CreateCompatibleDC(0);
    m_bitmap = CreateCompatibleBitmap(m_dc, width, height);
    m_previous = SelectObject(m_dc, m_bitmap);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(background);
    FillRect(m_dc, &all, brush);
    DeleteObject(brush);
}

Canvas::~Canvas() {
    SelectObject(m_dc, m_previous);
    DeleteObject(m_bitmap);
    DeleteDC(m_dc);
}

const Surface& Canvas::surface() const { return *GdiBitmapSurface(m_bitmap); }

int Canvas::Count(COLORREF colour) const {
    int n = 0;
    const Surface& s = surface();
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x) n += s.Pixel(x, y) == colour;
    return n;
}

RECT Canvas::Bounds(COLORREF colour) const {
    const Surface& s = surface();
    RECT r{s.Width(), s.Height(), -1, -1};
    for (int y = 0; y < s.Height(); ++y)
        for (int x = 0; x < s.Width(); ++x)
            if (s.Pixel(x, y) == colour) {
                r.left = std::min(r.left, LONG(x));
                r.top = std::min(r.top, LONG(y));
                r.right = std::max(r.right, LONG(x));
                r.bottom = std::max(r.bottom, LONG(y));
            }
    return r;
}
