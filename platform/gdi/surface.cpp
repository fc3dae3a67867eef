// Pixel storage for surfaces.
#include "platform/gdi/surface.h"

#include <algorithm>

uint64_t Surface::NextStamp() {
    static uint64_t last = 0;
    return ++last;
}

Surface::Surface(int width, int height, COLORREF fill) { Resize(width, height, fill); }

Surface::Surface(const Surface& other)
    : width_(other.width_), height_(other.height_), pixels_(other.pixels_) {}

Surface::Surface(Surface&& other) noexcept
    : width_(other.width_), height_(other.height_), pixels_(std::move(other.pixels_)) {
    other.Resize(0, 0);
}

Surface& Surface::operator=(Surface&& other) noexcept {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = std::move(other.pixels_);
    Changed();
    other.Resize(0, 0);
    return *this;
}

Surface& Surface::operator=(const Surface& other) {
    width_ = other.width_;
    height_ = other.height_;
    pixels_ = other.pixels_;
    Changed();
    return *this;
}

void Surface::Fill(COLORREF c) {
    Changed();
    std::fill(pixels_.begin(), pixels_.end(), c & 0xFFFFFF);
}

void Surface::Resize(int width, int height, COLORREF fill) {
    Changed();
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    pixels_.assign(size_t(width_) * height_, fill & 0xFFFFFF);
}

bool Surface::FilledWith(COLORREF c) const {
    if (fillChecked_ != stamp_) {
        fillChecked_ = stamp_;
        fill_.reset();
        if (!pixels_.empty() && std::all_of(pixels_.begin(), pixels_.end(), [&](COLORREF p) { return p == pixels_[0]; }))
            fill_ = pixels_[0];
    }
    return fill_ == c;
}

void Surface::Remember(const BlitMemo& memo) {
    memo_ = memo;
    log_.clear();
}
