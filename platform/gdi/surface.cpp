// Pixel storage for surfaces.
#include "platform/gdi/surface.h"

#include <algorithm>

Surface::Surface(int width, int height, COLORREF fill) { Resize(width, height, fill); }

void Surface::Fill(COLORREF c) { std::fill(m_pixels.begin(), m_pixels.end(), c & 0xFFFFFF); }

void Surface::Resize(int width, int height, COLORREF fill) {
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(size_t(m_width) * m_height, fill & 0xFFFFFF);
}
