// Stored pads against their lands; see land_check.h.
#include "host/orvex/extras/land_check.h"

#include <cmath>
#include <cstdio>
#include <map>
#include <utility>

#include "host/orvex/extras/pad_overlap.h"

namespace {

std::string Mm(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", std::abs(v) < 5e-5 ? 0.0 : v);
    return text;
}

std::string Place(double x, double y) { return Mm(x) + " " + Mm(y) + " mm"; }

// The size of a padstack's pad as the land pattern measures it, each padstack once.
class PadSizes {
public:
    explicit PadSizes(zelmdb::DesignStore& store) : store_(store), layers_(store) {}
    Result<std::pair<double, double>> Of(int16_t padstack) {
        if (auto known = sizes_.find(padstack); known != sizes_.end()) return known->second;
        const zelmdb::Padstack stack = store_.GetPadstack(padstack).value_or(zelmdb::Padstack{});
        TRY_ASSIGN(form, store_.Form(stack.formId));
        const PadBox box = PadBoxOf(stack, form, layers_.PadOf(stack), 0, 0);
        return sizes_[padstack] = {box.right - box.left, box.top - box.bottom};
    }

private:
    zelmdb::DesignStore& store_;
    zelmdb::PadLayers layers_;
    std::map<int16_t, std::pair<double, double>> sizes_;
};

}  // namespace

Status PadsWhereLandsAre(zelmdb::DesignStore& store, const std::string& footprint, const std::vector<LandPin>& pins) {
    const auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return Failure{"the design holds no footprint named " + footprint};
    const double tolerance = 2 * store.info().inchesPerUnit * 25.4 + 1e-9;
    const auto near = [&](double a, double b) { return std::abs(a - b) <= tolerance; };
    std::multimap<std::string, size_t> open;   // lands not yet met, by name
    for (size_t i = 0; i < pins.size(); ++i) open.emplace(pins[i].name, i);
    PadSizes sizes(store);
    const double mm = store.info().inchesPerUnit * 25.4;
    for (const zelmdb::Pin& pin : symbol->pins) {
        TRY_ASSIGN(size, sizes.Of(pin.padstack));
        const LandPin s{store.NameText(pin.nameId).value_or(""), (pin.x - double(symbol->centerX)) * mm,
                        -(pin.y - double(symbol->centerY)) * mm, size.first * mm, size.second * mm};
        auto [at, end] = open.equal_range(s.name);
        while (at != end && !(near(pins[at->second].x, s.x) && near(pins[at->second].y, s.y))) ++at;
        if (at == end)
            return Failure{"pad \"" + s.name + "\" stands at " + Place(s.x, s.y) + ", where its land pattern has none"};
        const LandPin& want = pins[at->second];
        if (!near(want.w, s.w) || !near(want.h, s.h))
            return Failure{"pad \"" + s.name + "\" at " + Place(s.x, s.y) + " is " + Mm(s.w) + " x " + Mm(s.h) +
                           ", where its land is " + Mm(want.w) + " x " + Mm(want.h)};
        open.erase(at);
    }
    if (open.empty()) return {};
    const LandPin& missing = pins[open.begin()->second];
    return Failure{"pad \"" + missing.name + "\" of the land pattern, at " + Place(missing.x, missing.y) +
                   ", is not in the footprint"};
}
