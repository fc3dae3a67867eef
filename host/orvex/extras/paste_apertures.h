// Paste-only openings over a pad: the windows a stencil prints in place of the pad's own paste,
// as an exposed pad has them. Each window size stands on one paste-only padstack, found by its
// geometry or made; the pad keeps its copper and loses its paste. --ep-paste lays a grid of
// windows; the land-pattern library hands its own.
#pragma once
#include <cstdint>
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_layers.h"

struct PasteWindow {
    int32_t x = 0, y = 0;   // centre, database units from the pad's place, y up
    int32_t width = 0, height = 0;
    uint16_t cornerRatio = 0;   // ten-thousandths of the shorter side
};

class PasteApertures {
public:
    explicit PasteApertures(zelmdb::DesignStore& store) : store_(store), layers_(store) {}
    // The padstack with its copper's paste taken away: an equal one the design holds, or a copy
    // named after it, "EP(no paste)". Refused for a padstack without copper.
    Result<int16_t> WithoutPaste(int16_t padstack);
    // One pin without a name per window about (x, y), each on the paste-only padstack of its
    // size on that side, "PASTE-0.86x0.86" in the design's unit (a mask opening's "MASK-...").
    Result<std::vector<zelmdb::Pin>> Pins(const std::vector<PasteWindow>& windows, int32_t x, int32_t y, bool bottom,
                                          zelmdb::PadKind kind = zelmdb::PadKind::Paste);

private:
    Result<int16_t> Aperture(const PasteWindow& window, bool bottom, zelmdb::PadKind kind);
    // Stores the padstack as found or as a new one under `name`, made free if another holds it.
    Result<int16_t> FoundOrStored(zelmdb::Padstack padstack, const std::string& name);

    zelmdb::DesignStore& store_;
    zelmdb::PadLayers layers_;
};

// The windows of `split` over a pad of that size about its place, laid as the land-pattern
// library lays an exposed pad's paste grid; `mmPerUnit` sizes the rounding of their corners.
std::vector<PasteWindow> PasteGridWindows(int32_t width, int32_t height, const PasteSplit& split, double mmPerUnit);
