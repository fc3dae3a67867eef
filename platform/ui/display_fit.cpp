// Fitting the screen to a display. The dialogs are laid out for 96 dots per inch, so a dense
// display shows each screen pixel as a square of display pixels; a display that reports no
// density (or a wrong one) is judged by its size, two display pixels a screen pixel from 4K up.
#include "platform/ui/display_fit.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMargin = 80;                          // the display's own panels and frames
constexpr int kSmallestWidth = 320, kSmallestHeight = 240;
constexpr int kRoomyWidth = 800, kRoomyHeight = 600;  // a scale never leaves less than this

int ChosenScale(int w, int h, float dpi) {
    const int bySize = std::min(w / 1920, h / 1080);
    const int byDensity = dpi > 0 ? int(std::lround(dpi / 96.0f)) : 0;
    const int most = std::min(w / kRoomyWidth, h / kRoomyHeight);
    return std::max(1, std::min(std::max(bySize, byDensity), most));
}

}  // namespace

DisplayFit FitDisplay(int displayWidth, int displayHeight, float dpi, DisplayFit wanted) {
    DisplayFit fit = wanted;
    if (fit.scale <= 0) fit.scale = ChosenScale(displayWidth, displayHeight, dpi);
    if (fit.width <= 0 || fit.height <= 0) {
        fit.width = std::max(kSmallestWidth, (displayWidth - kMargin) / fit.scale);
        fit.height = std::max(kSmallestHeight, (displayHeight - kMargin) / fit.scale);
    }
    return fit;
}
