// Pixel storage for surfaces.
#include "platform/gdi/surface.h"

#include <algorithm>

uint64_t Surface::NextStamp() {
    static uint64_t last = 0;
    return ++last;
}

Surface::Surface(int width, int height, COLORREF fill) { Resize(width, height, fill); }

Surface::Surface(const Surface& other)
    : m_width(other.m_width), m_height(other.m_height), m_pixels(other.m_pixels) {}

Surface::Surface(Surface&& other) noexcept
    : m_width(other.m_width), m_height(other.m_height), m_pixels(std::move(other.m_pixels)) {
    other.Resize(0, 0);
}

Surface& Surface::operator=(Surface&& other) noexcept {
    m_width = other.m_width;
    m_height = other.m_height;
    m_pixels = std::move(other.m_pixels);
    Changed();
    other.Resize(0, 0);
    return *this;
}

Surface& Surface::operator=(const Surface& other) {
    m_width = other.m_width;
    m_height = other.m_height;
    m_pixels = other.m_pixels;
    Changed();
    return *this;
}

void Surface::Fill(COLORREF c) {
    Changed();
    std::fill(m_pixels.begin(), m_pixels.end(), c & 0xFFFFFF);
}

void Surface::Resize(int width, int height, COLORREF fill) {
    Changed();
    m_width = std::max(width, 0);
    m_height = std::max(height, 0);
    m_pixels.assign(size_t(m_width) * m_height, fill & 0xFFFFFF);
}

bool Surface::FilledWith(COLORREF c) const {
    if (m_fillChecked != m_stamp) {
        m_fillChecked = m_stamp;
        m_fill.reset();
        if (!m_pixels.empty() && std::all_of(m_pixels.begin(), m_pixels.end(), [&](COLORREF p) { return p == m_pixels[0]; }))
            m_fill = m_pixels[0];
    }
    return m_fill == c;
}

void Surface::Remember(const BlitMemo& memo) {
    m_memo = memo;
    m_log.clear();
}
