// The pixels of windows: one backing surface per top-level window, composed onto the screen.
#pragma once
#include <map>
#include <memory>

#include "platform/gdi/gdi.h"
#include "platform/gdi/surface.h"
#include "platform/win/window_manager.h"

// Top-level windows keep their own pixels, so a window above another never loses what is
// beneath it and nothing needs repainting when a window moves or closes.
class WindowSurfaces : public PaintBackend {
public:
    // Installs itself as the window system's paint backend and the DC resolver.
    static WindowSurfaces& Install();

    HDC BeginPaintDC(HWND window, const RECT& paint) override;
    void EndPaintDC(HWND window, HDC dc) override;
    void FillBackground(HDC dc, const RECT& rect, HBRUSH brush) override;
    void PaintNonClient(HWND) override {}
    void WindowMovedOrResized(HWND window) override;
    void WindowDestroyed(HWND window) override;

    // The screen as a person sees it: the desktop with every shown top-level window on it,
    // bottom first.
    void Compose(Surface& screen, COLORREF desktop = 0x808000) const;
    // Only `area` of a screen-sized surface, for presenting what changed.
    void Compose(Surface& screen, const RECT& area, COLORREF desktop = 0x808000) const;
    // One window as a person sees it, frame included, from the composed screen.
    Surface Capture(HWND window) const;
    // One top-level window's own pixels, frame included, whatever lies above it; null for a
    // child window or one that has no pixels yet.
    const Surface* OwnPixels(HWND topLevel) const;

    Surface* BackingOf(HWND topLevel);

private:
    WindowSurfaces() = default;
    bool Resolve(HWND window, bool client, const RECT* paint, WindowSurfaceArea& area);

    std::map<HWND, std::unique_ptr<Surface>> backings_;
};
