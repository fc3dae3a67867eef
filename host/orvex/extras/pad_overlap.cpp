// Overlapping pads; see pad_overlap.h.
#include "host/orvex/extras/pad_overlap.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <utility>
#include <vector>

#include "host/orvex/text/latin1.h"
#include "host/zelmdb/record_layout.h"

namespace {

double Area(const PadBox& b) { return (b.right - b.left) * (b.top - b.bottom); }

bool TooMuch(const PadBox& a, const PadBox& b) {
    if (a.plane != b.plane) return false;
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

PadBox PadBoxOf(const zelmdb::Padstack& padstack, const zelmdb::PadForm& form,
                const std::optional<zelmdb::PadPlace>& place, int32_t x, int32_t y) {
    const zelmdb::LayerGeometry none;
    const zelmdb::LayerGeometry& hole = zelmdb::LayerIndex(zelmdb::PadLayer::Drill) < padstack.layers.size()
                                            ? padstack.Layer(zelmdb::PadLayer::Drill)
                                            : none;
    const zelmdb::LayerGeometry& g = place ? padstack.layers[size_t(place->layer - 1)] : hole;
    // A round pad over a slot turns with its slot.
    const zelmdb::LayerGeometry& turning = zelmdb::TurnsWithRotation(g.shape) ? g : hole;
    const double a = zelmdb::TurnsWithRotation(turning.shape) ? turning.rotation * std::numbers::pi / 10800 : 0.0;
    const double c = std::cos(a), s = std::sin(a);
    std::vector<std::pair<double, double>> outline;
    if (place && !form.polygon.empty()) {
        for (const zelmdb::FormPoint& p : form.polygon) outline.emplace_back(p.x, p.y);
    } else {
        const double w = (double(g.width1) + g.width2) / 2, h = (double(g.height1) + g.height2) / 2;
        outline = {{-w, -h}, {w, -h}, {w, h}, {-w, h}};
    }
    PadBox box{x, y, INFINITY, INFINITY, -INFINITY, -INFINITY,
               place && place->kind != zelmdb::PadKind::Copper ? place->layer : 0};
    for (const auto& [px, py] : outline) {
        const double tx = x + px * c - py * s, ty = y + px * s + py * c;
        box.left = std::min(box.left, tx), box.right = std::max(box.right, tx);
        box.bottom = std::min(box.bottom, ty), box.top = std::max(box.top, ty);
    }
    return box;
}

Status PadsApart(zelmdb::DesignStore& store, const std::string& footprint) {
    const auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return {};
    const zelmdb::PadLayers layers(store);
    struct Known {
        zelmdb::Padstack stack;
        zelmdb::PadForm form;
        std::optional<zelmdb::PadPlace> place;
    };
    std::map<int16_t, Known> stacks;
    std::vector<PadBox> boxes;
    for (const zelmdb::Pin& pin : symbol->pins) {
        if (stacks.count(pin.padstack) == 0) {
            Known& known = stacks[pin.padstack];
            known.stack = store.GetPadstack(pin.padstack).value_or(zelmdb::Padstack{});
            TRY_ASSIGN(form, store.Form(known.stack.formId));
            known.form = form;
            known.place = layers.PadOf(known.stack);
        }
        const Known& known = stacks[pin.padstack];
        boxes.push_back(PadBoxOf(known.stack, known.form, known.place, pin.x, pin.y));
        if (!store.NameText(pin.nameId).value_or("").empty()) boxes.back().terminal = pin.nameId;
    }
    const auto pair = FindOverlap(boxes);
    if (!pair) return {};
    const auto name = [&](size_t i) {
        const std::string text = store.NameText(symbol->pins[i].nameId).value_or("");
        return text.empty() ? "pin " + std::to_string(i + 1) + " (no name)" : "\"" + Utf8FromLatin1(text) + "\"";
    };
    const auto [a, b] = *pair;
    const bool spot = boxes[a].x == boxes[b].x && boxes[a].y == boxes[b].y;
    return Failure{"pads " + name(a) + " and " + name(b) +
                   (spot ? " stand on one spot (is a spacing missing?)" : " overlap by more than half the smaller") +
                   "; give --allow-overlap to store them so"};
}
