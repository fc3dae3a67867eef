// Renders each pad appearance once, its image on black and its white mask, into the render
// cache, and finds them there for the preview's paint.
#include "preview/pad_images.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "array/degree_trig.h"
#include "output/layer_colours.h"
#include "preview/pad_drawing.h"
#include "preview/render_cache.h"

namespace {

RenderCache* Cache = nullptr;

// Stores the bitmap under the key, or deletes it when the key is already there.
void Keep(const PadImageKey& key, HBITMAP bitmap) {
    const uint32_t handle = bitmap;
    if (CacheAdd(Cache, key.data(), PadImageKey::Size, &handle, sizeof handle) != 1) DeleteObject(bitmap);
}

HBITMAP FilledBitmap(HDC display, SIZE size, DWORD rop, HDC& memory, HGDIOBJ& old) {
    HBITMAP bitmap = CreateCompatibleBitmap(display, size.cx, size.cy);
    memory = CreateCompatibleDC(display);
    old = SelectObject(memory, bitmap);
    PatBlt(memory, 0, 0, size.cx, size.cy, rop);
    return bitmap;
}

void DrawImage(HDC memory, const PadImageKey& key, SIZE size, bool drill) {
    DrawPadAndDrill(memory,
                    PadDrawing{key.Shape(), key.Width(), key.Height(), key.Rotation(), key.Colour(), key.CornerRatio()},
                    drill ? key.Drill() : 0, DrillColour, POINT{size.cx / 2, size.cy / 2});
}

void RenderPadImage(const PadImageKey& key, bool drill, HDC display) {
    const SIZE size = PadImageSize(key);
    HDC memory = 0;
    HGDIOBJ old = 0;
    HBITMAP image = FilledBitmap(display, size, BLACKNESS, memory, old);
    DrawImage(memory, key, size, drill);
    SelectObject(memory, old);
    DeleteDC(memory);
    Keep(key, image);
    HBITMAP mask = FilledBitmap(display, size, WHITENESS, memory, old);
    SelectObject(memory, old);
    DeleteDC(memory);
    Keep(key.Mask(), mask);
}

void RenderIfMissing(const PadImageKey& key, bool drill, HDC display) {
    if (FindPadImage(key) == 0) RenderPadImage(key, drill, display);
}

int DeleteImage(const uint8_t*, uint32_t, const uint8_t* data, uint32_t, void*) {
    uint32_t handle = 0;
    std::memcpy(&handle, data, sizeof handle);
    DeleteObject(HGDIOBJ(handle));
    return 0;
}

}  // namespace

SIZE PadImageSize(const PadImageKey& key) {
    double a = std::abs(key.Rotation()) / 60.0;
    while (a > 180) a -= 180;
    int w = key.Width(), h = key.Height();
    if (a > 90) {
        std::swap(w, h);
        a -= 90;
    }
    if (key.Shape() == zelmdb::PadShape::Round) return SIZE{w, h};
    const double co = CosDeg(a), si = SinDeg(a);
    return SIZE{LONG(std::trunc(w * co + h * si + 2)), LONG(std::trunc(w * si + h * co + 2))};
}

HBITMAP FindPadImage(const PadImageKey& key) {
    uint32_t handle = 0;
    return CacheLookup(Cache, key.data(), PadImageKey::Size, &handle, sizeof handle) == sizeof handle ? handle : 0;
}

void EnsurePadImages(const PadSiteList& pads, double scale, bool drill, HDC display) {
    if (Cache == nullptr) Cache = CacheCreate(256);
    const auto& sites = pads.Sites();
    if (Cache == nullptr || sites.empty()) return;
    RenderIfMissing(PadImageKey(pads.Pin1Pad, scale, sites[0].Rotation), drill, display);
    if (sites.size() < 2) return;
    PadImageKey key(pads.DefaultPad, scale, sites[1].Rotation);
    RenderIfMissing(key, drill, display);
    // Most arrangements turn all their pads alike: one lookup serves them all.
    const int16_t second = sites[1].Rotation;
    for (size_t i = 2; i < sites.size(); ++i) {
        if (sites[i].Rotation == second) continue;
        key.SetRotation(sites[i].Rotation);
        RenderIfMissing(key, drill, display);
    }
}

bool HasPadImages() { return Cache != nullptr; }

void ClearPadImages() {
    if (Cache == nullptr) return;
    CacheForEach(Cache, DeleteImage, nullptr);
    CacheDestroy(Cache);
    Cache = nullptr;
}
