// Where the pad of a padstack stands in one file: its kind, side and layer. Copper is on layers 1
// and 2 as every record has it; paste and mask openings on the layers the file names for them.
#pragma once
#include <iterator>
#include <optional>

#include "host/zelmdb/design_store.h"
#include "host/zelmdb/pad_kind.h"

namespace zelmdb {

struct PadPlace {
    PadKind kind = PadKind::Copper;
    bool bottom = false;
    int layer = 0;
};

class PadLayers {
public:
    explicit PadLayers(DesignStore& store);
    // 0 when the file has no layer of that name.
    int Of(PadKind kind, bool bottom) const { return layers_[int(kind)][bottom]; }
    // The layer of the padstack's pad, copper first and the top before the bottom; none for a
    // padstack without a pad (a hole alone).
    std::optional<PadPlace> PadOf(const Padstack& padstack) const;

private:
    int layers_[std::size(PadKindNames)][2] = {};
};

}  // namespace zelmdb
