// Backing surfaces of top-level windows, the DCs over them and the composed screen.
#include "platform/gdi/window_surfaces.h"

#include <algorithm>

#include "platform/gdi/gdi.h"

namespace {

RECT Offset(RECT r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

WindowSurfaces& WindowSurfaces::Install() {
    static WindowSurfaces surfaces;
    Windows().backend = &surfaces;
    SetWindowSurfaceResolver([](HWND h, bool client, bool place, WindowSurfaceArea& area) {
        return place ? surfaces.Resolve(h, client, nullptr, area) : Windows().TopLevelOf(h) != 0;
    });
    return surfaces;
}

Surface* WindowSurfaces::BackingOf(HWND top) {
    if (!Windows().Get(top)) return nullptr;
    const RECT r = Windows().ScreenRect(top);
    auto& backing = backings_[top];
    if (!backing) backing = std::make_unique<Surface>();
    if (backing->Width() != r.right - r.left || backing->Height() != r.bottom - r.top)
        backing->Resize(r.right - r.left, r.bottom - r.top);
    return backing.get();
}

// The window's area in its top-level backing, cut by every ancestor's client area, so a
// control never paints over its dialog's frame.
bool WindowSurfaces::Resolve(HWND h, bool client, const RECT* paint, WindowSurfaceArea& area) {
    const HWND top = Windows().TopLevelOf(h);
    Surface* backing = BackingOf(top);
    if (!backing) return false;
    const RECT topRect = Windows().ScreenRect(top);
    const RECT own = client ? Windows().ClientScreenRect(h) : Windows().ScreenRect(h);
    RECT clip = own;
    for (const Window* w = Windows().Get(h); w && w->Child(); w = Windows().Get(w->parent))
        clip = IntersectRects(clip, Windows().ClientScreenRect(w->parent));
    if (paint) clip = IntersectRects(clip, Offset(*paint, own.left, own.top));
    // Whatever the DC draws lands in this part of the screen at the next presentation.
    Windows().AddDamage(IntersectRects(clip, topRect));
    area.surface = backing;
    area.origin = {own.left - topRect.left, own.top - topRect.top};
    area.clip = Offset(clip, -topRect.left, -topRect.top);
    return true;
}

HDC WindowSurfaces::BeginPaintDC(HWND h, const RECT& paint) {
    WindowSurfaceArea area;
    if (!Resolve(h, true, &paint, area)) return 0;
    return CreateSurfaceDC(area.surface, area.origin, area.clip, h);
}

void WindowSurfaces::EndPaintDC(HWND, HDC dc) { DeleteDC(dc); }

void WindowSurfaces::FillBackground(HDC dc, const RECT& rect, HBRUSH brush) {
    FillRect(dc, &rect, brush);
}

// A window gets its pixels when it is first painted, so that a dialog nobody sees has none; one
// that has them keeps them the size of its frame.
void WindowSurfaces::WindowMovedOrResized(HWND h) {
    const Window* w = Windows().Get(h);
    if (w && !w->Child() && backings_.count(h) != 0) BackingOf(h);
}

void WindowSurfaces::WindowDestroyed(HWND h) { backings_.erase(h); }

void WindowSurfaces::Compose(Surface& screen, COLORREF desktop) const {
    screen.Resize(Windows().ScreenWidth(), Windows().ScreenHeight(), desktop);
    Compose(screen, {0, 0, screen.Width(), screen.Height()}, desktop);
}

void WindowSurfaces::Compose(Surface& screen, const RECT& area, COLORREF desktop) const {
    const RECT part = IntersectRects(area, {0, 0, screen.Width(), screen.Height()});
    if (IsRectEmptyValue(part)) return;
    for (int y = part.top; y < part.bottom; ++y) std::fill(screen.Row(y) + part.left, screen.Row(y) + part.right, desktop);
    const auto& tops = Windows().TopLevels();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) {
        auto found = backings_.find(*it);
        if (found == backings_.end() || !Windows().ReallyVisible(*it)) continue;
        const Surface& b = *found->second;
        const RECT r = Windows().ScreenRect(*it);
        const RECT o = IntersectRects(part, {r.left, r.top, r.left + b.Width(), r.top + b.Height()});
        for (int y = o.top; y < o.bottom; ++y)
            std::copy(b.Row(y - r.top) + (o.left - r.left), b.Row(y - r.top) + (o.right - r.left), screen.Row(y) + o.left);
    }
}

Surface WindowSurfaces::Capture(HWND h) const {
    Surface screen;
    Compose(screen);
    const RECT r = Windows().ScreenRect(h);
    Surface shot(r.right - r.left, r.bottom - r.top);
    for (int y = 0; y < shot.Height(); ++y)
        for (int x = 0; x < shot.Width(); ++x)
            if (screen.Contains(r.left + x, r.top + y))
                shot.SetPixel(x, y, screen.Pixel(r.left + x, r.top + y));
    return shot;
}

const Surface* WindowSurfaces::OwnPixels(HWND h) const {
    const Window* w = Windows().Get(h);
    const auto found = backings_.find(h);
    return w == nullptr || w->Child() || found == backings_.end() ? nullptr : found->second.get();
}
