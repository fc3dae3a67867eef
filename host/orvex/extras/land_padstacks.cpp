// Land padstacks; see land_padstacks.h.
#include "host/orvex/extras/land_padstacks.h"

#include <algorithm>
#include <cmath>

#include "host/land/number_text.h"
#include "host/zelmdb/record_layout.h"

namespace {

int32_t Units(double mm, const zelmdb::DesignInfo& design) {
    return int32_t(std::lround(mm / (design.inchesPerUnit * 25.4)));
}

}  // namespace

std::string LandPadstackName(const LandShape& s) {
    using land::Mm;
    if (s.round) return "C" + Mm(s.width) + (s.drill > 0 ? "d" + Mm(s.drill) : "");
    const std::string size = "RR" + Mm(s.width) + "x" + Mm(s.height);
    return s.cornerRatio > 0 ? size + "r" + Mm(s.cornerRatio * std::min(s.width, s.height)) : size;
}

zelmdb::Padstack LandPadstackOf(const LandShape& s, const zelmdb::DesignInfo& design) {
    zelmdb::Padstack p;
    p.layers.resize(size_t(design.layerCount));
    zelmdb::LayerGeometry& pad = p.Layer(zelmdb::PadLayer::Top);
    pad.shape = s.round ? zelmdb::PadShape::Round : zelmdb::PadShape::Rectangle;
    pad.width1 = Units(s.width, design);
    pad.height1 = Units(s.round ? s.width : s.height, design);
    pad.cornerRatio = uint16_t(std::lround(std::clamp(s.cornerRatio, 0.0, 0.5) * zelmdb::CornerRatioScale));
    if (s.drill > 0) {
        zelmdb::LayerGeometry& bore = p.Layer(zelmdb::PadLayer::Drill);
        bore.width1 = bore.height1 = Units(s.drill, design);
        bore.shape = zelmdb::PadShape::Round;
    }
    return p;
}

Result<std::string> FindOrMakeLandPadstack(zelmdb::DesignStore& store, const LandShape& shape) {
    zelmdb::Padstack padstack = LandPadstackOf(shape, store.info());
    if (const auto same = store.GetPadstack(store.FindSamePadstack(padstack))) {
        const std::string name = store.NameText(same->nameId).value_or("");
        if (!name.empty() && store.FindPadstack(name) == same->id && store.FindListedPadstack(name) == same->id) return name;
    }
    TRY_ASSIGN(id, store.NewPadstack());
    TRY_ASSIGN(wanted, store.NameCreate(LandPadstackName(shape)));
    TRY_ASSIGN(nameId, store.FreePadstackName(wanted, id));
    padstack.id = id;
    padstack.nameId = nameId;
    TRY(store.PutPadstack(padstack));
    return store.NameText(nameId).value_or("");
}
