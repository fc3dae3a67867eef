// A 32-bit pixel surface: the screen, a window's backing area or a bitmap's bits.
#pragma once
#include <cstdint>
#include <cstddef>
#include <vector>

#include "platform/win/win_types.h"

// Pixels hold COLORREF values (0x00BBGGRR) so raster operations work on them bit for bit.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = 0);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }

    COLORREF Pixel(int x, int y) const { return m_pixels[size_t(y) * m_width + x]; }
    void SetPixel(int x, int y, COLORREF c) { m_pixels[size_t(y) * m_width + x] = c; }
    COLORREF* Row(int y) { return m_pixels.data() + size_t(y) * m_width; }
    const COLORREF* Row(int y) const { return m_pixels.data() + size_t(y) * m_width; }

    void Fill(COLORREF c);
    void Resize(int width, int height, COLORREF fill = 0);
    bool operator==(const Surface& other) const = default;

private:
    int m_width = 0;
    int m_height = 0;
    std::vector<COLORREF> m_pixels;
};
