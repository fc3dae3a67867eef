// The screen on the SDL window's own surface. Drawing through the window surface needs neither
// a graphics card nor a renderer, and updating it by rectangles sends the display only the
// pixels that changed: an idle window with a blinking caret costs a few hundred pixels a blink.
#include "platform/ui/screen_presenter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gdi/window_surfaces.h"
#include "platform/win/window_manager.h"

namespace {

void DamageAll() { Windows().AddDamage({0, 0, Windows().ScreenWidth(), Windows().ScreenHeight()}); }

}  // namespace

ScreenPresenter::~ScreenPresenter() {
    if (window_) SDL_DestroyWindow(window_);
}

bool ScreenPresenter::Open(const char* title, int scale, std::string& error) {
    scale_ = std::max(1, scale);
    const int w = Windows().ScreenWidth(), h = Windows().ScreenHeight();
    // The display's own framebuffer (shared memory on X11): SDL would otherwise put the surface
    // on an OpenGL texture, which without a graphics card means a software rasterizer's threads
    // for every caret blink.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    window_ = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w * scale_, h * scale_,
                                SDL_WINDOW_RESIZABLE);
    if (!window_ || !SDL_GetWindowSurface(window_)) {
        error = std::string("the window could not be opened: ") + SDL_GetError();
        return false;
    }
    SDL_SetWindowMinimumSize(window_, 320 * scale_, 240 * scale_);
    screen_.Resize(w, h);
    DamageAll();
    return true;
}

void ScreenPresenter::Resized() {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    w = std::max(1, w / scale_);
    h = std::max(1, h / scale_);
    Windows().SetScreenSize(w, h);   // damages the whole new screen
    screen_.Resize(w, h);
}

void ScreenPresenter::Exposed() { DamageAll(); }

// One damaged area, converted to the window's pixel format and repeated `scale` times across
// and down; the rectangle of the window it covers.
SDL_Rect ScreenPresenter::Show(SDL_Surface& target, const RECT& area) const {
    const int s = scale_, bpp = target.format->BytesPerPixel;
    const int left = std::max(0, int(area.left)), top = std::max(0, int(area.top));
    const int right = std::min({int(area.right), screen_.Width(), target.w / s});
    const int bottom = std::min({int(area.bottom), screen_.Height(), target.h / s});
    if (right <= left || bottom <= top) return {0, 0, 0, 0};
    const int width = right - left;
    std::vector<uint8_t> row(size_t(width) * bpp);
    auto* pixels = static_cast<uint8_t*>(target.pixels);
    for (int y = top; y < bottom; ++y) {
        // COLORREF is 0x00BBGGRR, which is SDL's packed BGR888 bit for bit.
        SDL_ConvertPixels(width, 1, SDL_PIXELFORMAT_BGR888, screen_.Row(y) + left, width * 4,
                          target.format->format, row.data(), width * bpp);
        uint8_t* out = pixels + size_t(y) * s * target.pitch + size_t(left) * s * bpp;
        if (s == 1) {
            std::memcpy(out, row.data(), row.size());
            continue;
        }
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < s; ++k) std::memcpy(out + (size_t(x) * s + k) * bpp, &row[size_t(x) * bpp], bpp);
        for (int k = 1; k < s; ++k) std::memcpy(out + size_t(k) * target.pitch, out, size_t(width) * s * bpp);
    }
    return {left * s, top * s, width * s, (bottom - top) * s};
}

RECT ScreenPresenter::Present() {
    std::vector<RECT> damage = Windows().TakeDamage();
    SDL_Surface* target = window_ ? SDL_GetWindowSurface(window_) : nullptr;
    if (damage.empty() || !target) return {};
    if (screen_.Width() != Windows().ScreenWidth() || screen_.Height() != Windows().ScreenHeight())
        screen_.Resize(Windows().ScreenWidth(), Windows().ScreenHeight());
    const WindowSurfaces& surfaces = WindowSurfaces::Install();
    std::vector<SDL_Rect> sent;
    RECT shown{};
    if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
    for (const RECT& area : damage) {
        surfaces.Compose(screen_, area);
        const SDL_Rect r = Show(*target, area);
        if (r.w <= 0 || r.h <= 0) continue;
        sent.push_back(r);
        shown = UnionRects(shown, {r.x / scale_, r.y / scale_, (r.x + r.w) / scale_, (r.y + r.h) / scale_});
    }
    if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
    if (!sent.empty()) SDL_UpdateWindowSurfaceRects(window_, sent.data(), int(sent.size()));
    return shown;
}
