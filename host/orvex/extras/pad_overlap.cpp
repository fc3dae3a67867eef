// Overlapping pads; see pad_overlap.h.
#include "host/orvex/extras/pad_overlap.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

#include "host/zelmdb/record_layout.h"

namespace {

double Area(const PadBox& b) { return (b.right - b.left) * (b.top - b.bottom); }

bool TooMuch(const PadBox& a, const PadBox& b) {
    if (a.terminal != 0 && a.terminal == b.terminal) return false;
    if (a.x == b.x && a.y == b.y) return true;
    const double w = std::min(a.right, b.right) - std::max(a.left, b.left);
    const double h = std::min(a.top, b.top) - std::max(a.bottom, b.bottom);
    return w > 0 && h > 0 && w * h > std::min(Area(a), Area(b)) / 2;
}

}  // namespace

std::optional<std::pair<size_t, size_t>> FindOverlap(const std::vector<PadBox>& pads) {
    // Swept from left to right: only pads whose boxes reach each other's are compared.
    std::vector<size_t> order(pads.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(), [&](size_t a, size_t b) { return pads[a].left < pads[b].left; });
    std::optional<std::pair<size_t, size_t>> first;
    for (size_t i = 0; i < order.size(); ++i) {
        const PadBox& a = pads[order[i]];
        for (size_t j = i + 1; j < order.size() && pads[order[j]].left <= a.right; ++j) {
            if (!TooMuch(a, pads[order[j]])) continue;
            const std::pair<size_t, size_t> pair = std::minmax(order[i], order[j]);
            if (!first || pair < *first) first = pair;
        }
    }
    return first;
}

PadBox PadBoxOf(const zelmdb::Padstack& padstack, int32_t x, int32_t y) {
    using zelmdb::PadLayer;
    using zelmdb::PadShape;
    const zelmdb::LayerGeometry none;
    const auto layer = [&](PadLayer n) { return zelmdb::LayerIndex(n) < padstack.layers.size() ? padstack.Layer(n) : none; };
    zelmdb::LayerGeometry g = layer(PadLayer::Top).shape != PadShape::None ? layer(PadLayer::Top) : layer(PadLayer::Bottom);
    if (g.shape == PadShape::None) {
        g = layer(PadLayer::Drill);
        g.shape = PadShape::Round;   // a hole is round
    }
    const double width = double(g.width1) + g.width2, height = double(g.height1) + g.height2;
    const double a = zelmdb::TurnsWithRotation(g.shape) ? g.rotation * std::numbers::pi / 10800 : 0.0;
    const double c = std::abs(std::cos(a)), s = std::abs(std::sin(a));
    const double halfW = (width * c + height * s) / 2, halfH = (width * s + height * c) / 2;
    return PadBox{x, y, x - halfW, y - halfH, x + halfW, y + halfH};
}

Status PadsApart(zelmdb::DesignStore& store, const std::string& footprint) {
    const auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return {};
    std::map<int16_t, zelmdb::Padstack> stacks;
    std::vector<PadBox> boxes;
    for (const zelmdb::Pin& pin : symbol->pins) {
        if (stacks.count(pin.padstack) == 0) stacks[pin.padstack] = store.GetPadstack(pin.padstack).value_or(zelmdb::Padstack{});
        boxes.push_back(PadBoxOf(stacks[pin.padstack], pin.x, pin.y));
        if (!store.NameText(pin.nameId).value_or("").empty()) boxes.back().terminal = pin.nameId;
    }
    const auto pair = FindOverlap(boxes);
    if (!pair) return {};
    const auto name = [&](size_t i) {
        const std::string text = store.NameText(symbol->pins[i].nameId).value_or("");
        return text.empty() ? "pin " + std::to_string(i + 1) + " (no name)" : "\"" + text + "\"";
    };
    const auto [a, b] = *pair;
    const bool spot = boxes[a].x == boxes[b].x && boxes[a].y == boxes[b].y;
    return Failure{"pads " + name(a) + " and " + name(b) +
                   (spot ? " stand on one spot (is a spacing missing?)" : " overlap by more than half the smaller") +
                   "; give --allow-overlap to store them so"};
}
