// Where a point of the arrangement lands in the preview's client area: the bounds scaled to
// fit with a 10-pixel margin, their centre on the client's centre, y up.
#pragma once
#include <cstdint>

#include "platform/win/win_types.h"

class PreviewScale {
public:
    // Bounds in database units (top is the smaller y), client size in pixels.
    PreviewScale(const RECT& bounds, int clientWidth, int clientHeight);

    double Scale() const { return s_; }
    // The window point, and the y before it is turned upside down.
    POINT ToWindow(int32_t x, int32_t y) const;
    int32_t UnflippedY(int32_t y) const;

private:
    double s_ = 0;
    int32_t left_, top_, halfWidth_, halfHeight_, right_, bottom_;
};
