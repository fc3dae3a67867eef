// Stored pads against their lands; see land_check.h.
#include "host/orvex/extras/land_check.h"

#include <cmath>
#include <cstdio>
#include <map>

#include "host/orvex/extras/pad_overlap.h"

namespace {

std::string Mm(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f", std::abs(v) < 5e-5 ? 0.0 : v);
    return text;
}

std::string Place(double x, double y) { return Mm(x) + " " + Mm(y) + " mm"; }

// The stored pad as the land pattern measures it.
LandPin Stored(zelmdb::DesignStore& store, const zelmdb::Symbol& symbol, const zelmdb::Pin& pin,
               std::map<int16_t, zelmdb::Padstack>& stacks) {
    const double mm = store.info().inchesPerUnit * 25.4;
    if (stacks.count(pin.padstack) == 0) stacks[pin.padstack] = store.GetPadstack(pin.padstack).value_or(zelmdb::Padstack{});
    const PadBox box = PadBoxOf(stacks[pin.padstack], pin.x, pin.y);
    return {store.NameText(pin.nameId).value_or(""), (pin.x - double(symbol.centerX)) * mm,
            -(pin.y - double(symbol.centerY)) * mm, (box.right - box.left) * mm, (box.top - box.bottom) * mm};
}

}  // namespace

Status PadsWhereLandsAre(zelmdb::DesignStore& store, const std::string& footprint, const std::vector<LandPin>& pins) {
    const auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return Failure{"the design holds no footprint named " + footprint};
    const double tolerance = 2 * store.info().inchesPerUnit * 25.4 + 1e-9;
    const auto near = [&](double a, double b) { return std::abs(a - b) <= tolerance; };
    std::multimap<std::string, size_t> open;   // lands not yet met, by name
    for (size_t i = 0; i < pins.size(); ++i) open.emplace(pins[i].name, i);
    std::map<int16_t, zelmdb::Padstack> stacks;
    for (const zelmdb::Pin& pin : symbol->pins) {
        const LandPin s = Stored(store, *symbol, pin, stacks);
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
