// Paste windows over a pad; see paste_apertures.h.
#include "host/orvex/extras/paste_apertures.h"

#include <cmath>
#include <string>

#include "host/land/paste_windows.h"
#include "host/orvex/text/display_length.h"

Result<int16_t> PasteApertures::WithoutPaste(int16_t padstack) {
    auto stack = store_.GetPadstack(padstack);
    const auto place = stack ? layers_.PadOf(*stack) : std::nullopt;
    if (!place || place->kind != zelmdb::PadKind::Copper)
        return Failure{"padstack " + std::to_string(padstack) + " has no copper whose paste could be split"};
    stack->layers[size_t(place->layer - 1)].hostFlags |= zelmdb::NoPasteFlag;
    return FoundOrStored(*stack, store_.NameText(stack->nameId).value_or("") + "(no paste)");
}

Result<std::vector<zelmdb::Pin>> PasteApertures::Pins(const std::vector<PasteWindow>& windows, int32_t x, int32_t y,
                                                      bool bottom, zelmdb::PadKind kind) {
    TRY_ASSIGN(unnamed, store_.NameCreate(""));
    std::vector<zelmdb::Pin> pins;
    for (const PasteWindow& window : windows) {
        TRY_ASSIGN(padstack, Aperture(window, bottom, kind));
        const int64_t at[2] = {int64_t(x) + window.x, int64_t(y) + window.y};
        for (const int64_t v : at)
            if (std::llabs(v) > zelmdb::DesignStore::CoordinateLimit) return Failure{"a paste window would lie beyond the design's coordinates"};
        pins.push_back({unnamed, int32_t(at[0]), int32_t(at[1]), padstack});
    }
    return pins;
}

Result<int16_t> PasteApertures::Aperture(const PasteWindow& window, bool bottom, zelmdb::PadKind kind) {
    const int layer = layers_.Of(kind, bottom);
    if (layer < 1 || layer > store_.info().layerCount)
        return Failure{std::string("the design has no layer ") + zelmdb::PadKindNamed(kind).layers[bottom] +
                       (kind == zelmdb::PadKind::Paste ? " for paste windows" : " for a mask opening")};
    zelmdb::Padstack p;
    p.layers.resize(size_t(store_.info().layerCount));
    zelmdb::LayerGeometry& pad = p.layers[size_t(layer - 1)];
    pad.width1 = window.width;
    pad.height1 = window.height;
    pad.shape = zelmdb::PadShape::Rectangle;
    pad.cornerRatio = window.cornerRatio;
    const zelmdb::DesignInfo& info = store_.info();
    const std::string prefix = kind == zelmdb::PadKind::Paste ? "PASTE-" : "MASK-";
    return FoundOrStored(p, prefix + DisplayLength(window.width, info) + "x" + DisplayLength(window.height, info));
}

Result<int16_t> PasteApertures::FoundOrStored(zelmdb::Padstack padstack, const std::string& name) {
    if (const int32_t same = store_.FindSamePadstack(padstack); same != 0) return int16_t(same);
    TRY_ASSIGN(id, store_.NewPadstack());
    TRY_ASSIGN(wanted, store_.NameCreate(name.substr(0, zelmdb::TextMax - 1)));
    TRY_ASSIGN(nameId, store_.FreePadstackName(wanted, id));
    padstack.id = id;
    padstack.nameId = nameId;
    TRY(store_.PutPadstack(padstack));
    return int16_t(id);
}

std::vector<PasteWindow> PasteGridWindows(int32_t width, int32_t height, const PasteSplit& split, double mmPerUnit) {
    const land::PasteLayout layout =
        land::PasteGrid(land::Rect{0, 0, width * mmPerUnit, height * mmPerUnit}, split.across, split.down, split.coverage);
    const auto units = [mmPerUnit](double mm) { return int32_t(std::lround(mm / mmPerUnit)); };
    std::vector<PasteWindow> windows;
    // The library's y points down; the design's up.
    for (const land::Land& window : layout.windows)
        windows.push_back({units(window.rect.cx), units(-window.rect.cy), units(window.rect.w), units(window.rect.h),
                           uint16_t(std::lround(window.corner.ratio * zelmdb::CornerRatioScale))});
    return windows;
}
