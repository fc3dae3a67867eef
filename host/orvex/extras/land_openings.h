// The openings a package's exposed pad takes beside its copper: the paste windows the land
// pattern worked out (clear of the vias where asked) and a mask opening where the pattern's mask
// is not the land itself. The host stores them as paste-only and mask-only pads over the pad.
#pragma once
#include <optional>
#include <vector>

#include "host/land/land_pattern.h"
#include "host/orvex/extras/land_record.h"
#include "host/orvex/extras/paste_apertures.h"

struct LandOpenings {
    std::vector<PasteWindow> paste;
    std::optional<PasteWindow> mask;
};

// Whether the mask opening needs a pad of its own: it is not the land, to a thousandth of a micron.
bool OwnMaskOpening(const land::Rect& land, const land::Rect& mask);
// A window's corner, as every land has it.
double OpeningCornerRatio(const land::Rect& opening);

// The openings about the pad's centre in the design's units, y up, as the package stands.
LandOpenings LandEpOpenings(const LandEpRecord& ep, double mmPerUnit);
