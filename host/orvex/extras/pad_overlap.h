// Pads that stand on one spot or cover each other, as a footprint made by mistake has them
// (leave out a spacing and every pad lands on the origin). A pad is measured by the box round
// its outline as turned, or round its hole (a slot too) when it has no pad; two pads overlap too
// much when their boxes share more than half the area of the smaller box, or stand on one spot.
// Paste and mask openings are compared only with openings of their own layer: they are meant to
// lie over copper. Pads of one name are one terminal (a thermal via inside its exposed pad) and
// may overlap.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_layers.h"

struct PadBox {
    int32_t x = 0, y = 0;                             // the pad's place
    double left = 0, bottom = 0, right = 0, top = 0;  // database units, y up
    int plane = 0;                                    // 0 copper and holes, else an opening's layer
    int32_t terminal = 0;                             // the name's id; 0 for a pad without a name
};

// The two pads, in pin order, of the first pair that overlaps too much; none when none does.
std::optional<std::pair<size_t, size_t>> FindOverlap(const std::vector<PadBox>& pads);

// The box of a pad of that padstack at (x, y), its pad standing at `place` (PadLayers::PadOf).
PadBox PadBoxOf(const zelmdb::Padstack& padstack, const zelmdb::PadForm& form,
                const std::optional<zelmdb::PadPlace>& place, int32_t x, int32_t y);

// Whether the stored footprint's pads keep apart; the refusal names two of them.
Status PadsApart(zelmdb::DesignStore& store, const std::string& footprint);
