// The extras done to a stored footprint; see extras_applier.h.
#include "host/orvex/extras/extras_applier.h"

#include <cmath>
#include <numbers>
#include <utility>

#include "host/orvex/extras/land_openings.h"
#include "host/orvex/extras/omit_list.h"
#include "host/orvex/extras/padstack_turner.h"
#include "host/orvex/extras/paste_apertures.h"

namespace {

using Notes = Result<std::vector<std::string>>;

std::optional<std::pair<int32_t, int32_t>> Fits(double x, double y) {
    const auto fits = [](double v) { return v >= INT32_MIN && v <= INT32_MAX; };
    if (!fits(x) || !fits(y)) return std::nullopt;
    return std::make_pair(int32_t(x), int32_t(y));
}

class ExtrasApplier {
public:
    ExtrasApplier(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras)
        : store_(store), footprint_(footprint), extras_(extras), turner_(store), apertures_(store), layers_(store) {}
    Notes Apply(zelmdb::Symbol symbol, ExtrasCheck check);

private:
    Status Omit(zelmdb::Symbol& symbol, ExtrasCheck check);
    // The refusal says what went wrong turning the pin; the caller names the pad.
    Status TurnPin(zelmdb::Pin& pin, int32_t minutes);
    Status AddPads(zelmdb::Symbol& symbol, std::pair<int32_t, int32_t> reference);
    // Whether the pad is one whose paste a split takes: named, surface-mount copper with paste.
    bool ExposedPad(const ExtraPad& pad, int16_t padstack);
    // The pad's paste as windows over it: the pad goes on a padstack without paste.
    Result<std::vector<zelmdb::Pin>> SplitPaste(zelmdb::Pin& pad);
    // Whether the pad is the exposed pad of the package the footprint was made from.
    bool LandExposedPad(const ExtraPad& pad, int16_t padstack);
    // The package's paste windows and mask opening over its exposed pad, which loses its paste.
    Result<std::vector<zelmdb::Pin>> LandOpeningPins(zelmdb::Pin& pad);
    // An opening as it stands before the footprint's turn, which it then takes with its pad.
    Result<PasteWindow> Unturned(PasteWindow opening) const;

    zelmdb::DesignStore& store_;
    const std::string& footprint_;
    const FootprintExtras& extras_;
    PadstackTurner turner_;
    PasteApertures apertures_;
    zelmdb::PadLayers layers_;
    std::vector<std::string> notes_;
};

Status ExtrasApplier::Omit(zelmdb::Symbol& symbol, ExtrasCheck check) {
    if (extras_.omit.empty()) return {};
    std::vector<std::string> names;
    for (const zelmdb::Pin& pin : symbol.pins) names.push_back(store_.NameText(pin.nameId).value_or(""));
    const OmitSelection selection = SelectOmitted(extras_.omit, names);
    for (const std::string& item : selection.unmatched) {
        if (check == ExtrasCheck::Strict)
            return Failure{"--omit: " + item + " is no pad of " + footprint_ + ", nor a range whose ends are pads of it"};
        notes_.push_back("--omit " + item + " takes no pad of " + footprint_ + " now");
    }
    std::vector<zelmdb::Pin> kept;
    for (size_t i = 0; i < symbol.pins.size(); ++i)
        if (!selection.omitted[i]) kept.push_back(symbol.pins[i]);
    symbol.pins = std::move(kept);
    return {};
}

Status ExtrasApplier::TurnPin(zelmdb::Pin& pin, int32_t minutes) {
    if (NormalisedMinutes(minutes) == 0) return {};
    const auto at = TurnedPoint(pin.x, pin.y, minutes);
    if (!at) return Failure{"would lie beyond the design's coordinates"};
    pin.x = at->first, pin.y = at->second;
    const Result<int16_t> padstack = turner_.Turned(pin.padstack, minutes);
    if (!padstack.ok()) return Failure{"stands on a turned padstack that could not be stored"};
    pin.padstack = padstack.value();
    return {};
}

bool ExtrasApplier::ExposedPad(const ExtraPad& pad, int16_t padstack) {
    const auto stack = store_.GetPadstack(padstack);
    const auto place = stack ? layers_.PadOf(*stack) : std::nullopt;
    return !pad.name.empty() && place && place->kind == zelmdb::PadKind::Copper &&
           (stack->layers[size_t(place->layer - 1)].hostFlags & zelmdb::NoPasteFlag) == 0 &&
           stack->Layer(zelmdb::PadLayer::Drill).shape == zelmdb::PadShape::None;
}

Result<std::vector<zelmdb::Pin>> ExtrasApplier::SplitPaste(zelmdb::Pin& pad) {
    const zelmdb::Padstack stack = store_.GetPadstack(pad.padstack).value_or(zelmdb::Padstack{});
    const zelmdb::PadPlace place = layers_.PadOf(stack).value_or(zelmdb::PadPlace{});
    const zelmdb::LayerGeometry& g = stack.layers[size_t(place.layer - 1)];
    const std::string name = store_.NameText(stack.nameId).value_or("");
    TRY_ASSIGN(form, store_.Form(stack.formId));
    if (!zelmdb::Rectangular(g.shape) || !form.polygon.empty() || form.deltaX != 0 || form.deltaY != 0)
        return Failure{"--ep-paste: the exposed pad's padstack " + name + " is no rectangle; only a rectangle's paste is split"};
    const int32_t turned = NormalisedMinutes(g.rotation);
    if (turned % kQuarterTurn != 0)
        return Failure{"--ep-paste: the exposed pad's padstack " + name +
                       " is turned off the axes; its windows stand in rows and columns"};
    int32_t width = int32_t(int64_t(g.width1) + g.width2), height = int32_t(int64_t(g.height1) + g.height2);
    if ((turned / kQuarterTurn) % 2 == 1) std::swap(width, height);
    const double mmPerUnit = store_.info().inchesPerUnit * 25.4;
    const std::vector<PasteWindow> windows = PasteGridWindows(width, height, *extras_.epPaste, mmPerUnit);
    TRY_ASSIGN(bare, apertures_.WithoutPaste(pad.padstack));
    pad.padstack = bare;
    return apertures_.Pins(windows, pad.x, pad.y, place.bottom);
}

bool ExtrasApplier::LandExposedPad(const ExtraPad& pad, int16_t padstack) {
    return extras_.land && extras_.land->ep && pad.name == std::to_string(extras_.land->ep->number) &&
           ExposedPad(pad, padstack);
}

Result<PasteWindow> ExtrasApplier::Unturned(PasteWindow opening) const {
    const auto at = TurnedPoint(opening.x, opening.y, -extras_.turn);
    if (!at) return Failure{"an opening of the exposed pad would lie beyond the design's coordinates"};
    opening.x = at->first, opening.y = at->second;
    if ((NormalisedMinutes(extras_.turn) / kQuarterTurn) % 2 == 1) std::swap(opening.width, opening.height);
    return opening;
}

Result<std::vector<zelmdb::Pin>> ExtrasApplier::LandOpeningPins(zelmdb::Pin& pad) {
    const LandOpenings openings = LandEpOpenings(*extras_.land->ep, store_.info().inchesPerUnit * 25.4);
    std::vector<PasteWindow> paste;
    for (const PasteWindow& window : openings.paste) {
        TRY_ASSIGN(unturned, Unturned(window));
        paste.push_back(unturned);
    }
    std::vector<zelmdb::Pin> pins;
    if (!paste.empty()) {
        TRY_ASSIGN(bare, apertures_.WithoutPaste(pad.padstack));
        pad.padstack = bare;
        TRY_ASSIGN(windows, apertures_.Pins(paste, pad.x, pad.y, false));
        pins = std::move(windows);
    }
    if (openings.mask) {
        TRY_ASSIGN(mask, Unturned(*openings.mask));
        TRY_ASSIGN(opening, apertures_.Pins({mask}, pad.x, pad.y, false, zelmdb::PadKind::Mask));
        pins.insert(pins.end(), opening.begin(), opening.end());
    }
    return pins;
}

Status ExtrasApplier::AddPads(zelmdb::Symbol& symbol, std::pair<int32_t, int32_t> reference) {
    bool split = false;
    for (const ExtraPad& pad : extras_.pads) {
        const std::string label = ExtraPadLabel(pad.name);
        const int32_t padstack = store_.FindPadstack(pad.padstack);
        if (padstack == 0) return Failure{label + ": the design holds no padstack named " + pad.padstack};
        const auto at = Fits(double(reference.first) + pad.x, double(reference.second) + pad.y);
        if (!at) return Failure{label + ": the pad would lie beyond the design's coordinates"};
        const Result<int32_t> name = store_.NameCreate(pad.name);
        if (!name.ok()) return Failure{label + ": the pad's name could not be stored"};
        zelmdb::Pin pin{name.value(), at->first, at->second, int16_t(padstack)};
        std::vector<zelmdb::Pin> windows;
        if (extras_.epPaste && ExposedPad(pad, pin.padstack)) {
            TRY_ASSIGN(over, SplitPaste(pin));
            windows = std::move(over);
            split = true;
        } else if (LandExposedPad(pad, pin.padstack)) {
            TRY_ASSIGN(over, LandOpeningPins(pin));
            windows = std::move(over);
        }
        if (Status turned = TurnPin(pin, extras_.turn); !turned.ok())
            return Failure{label + ": the pad " + turned.error()};
        symbol.pins.push_back(pin);
        for (zelmdb::Pin& window : windows) {
            if (Status turned = TurnPin(window, extras_.turn); !turned.ok())
                return Failure{label + ": an opening over the pad " + turned.error()};
            symbol.pins.push_back(window);
        }
    }
    if (extras_.epPaste && !split)
        return Failure{"--ep-paste: no extra pad is an exposed pad (one with a name, surface-mount copper and paste); "
                       "add it with --pad"};
    return {};
}

Notes ExtrasApplier::Apply(zelmdb::Symbol symbol, ExtrasCheck check) {
    TRY(Omit(symbol, check));
    // The arrangement turns to its start angle and then with the rest; the extra pads stand
    // where they were asked to stand once it has.
    const int32_t arrangement = extras_.startAngle + extras_.turn;
    for (zelmdb::Pin& pin : symbol.pins)
        if (Status turned = TurnPin(pin, arrangement); !turned.ok())
            return Failure{"pad \"" + store_.NameText(pin.nameId).value_or("") + "\" of " + footprint_ + " " +
                           turned.error()};
    const auto centre = TurnedPoint(symbol.centerX, symbol.centerY, extras_.startAngle);
    const std::optional<std::pair<int32_t, int32_t>> origin{{0, 0}};
    const auto& reference = extras_.padsAbout == PadsAbout::Center ? centre : origin;
    if (!reference) return Notes::Fail("the centre of " + footprint_ + " would lie beyond the design's coordinates");
    TRY(AddPads(symbol, *reference));
    if (symbol.pins.empty()) return Notes::Fail("--omit: leaves " + footprint_ + " without a pad");
    const auto turnedCentre = TurnedPoint(symbol.centerX, symbol.centerY, arrangement);
    if (!turnedCentre) return Notes::Fail("the centre of " + footprint_ + " would lie beyond the design's coordinates");
    symbol.centerX = turnedCentre->first, symbol.centerY = turnedCentre->second;
    if (!store_.PutSymbol(symbol).ok()) return Failure{footprint_ + ": the shaped footprint could not be stored"};
    return notes_;
}

}  // namespace

std::optional<std::pair<int32_t, int32_t>> TurnedPoint(int64_t x, int64_t y, int32_t minutes) {
    switch (NormalisedMinutes(minutes)) {
    case 0: return Fits(double(x), double(y));
    case kQuarterTurn: return Fits(double(-y), double(x));
    case 2 * kQuarterTurn: return Fits(double(-x), double(-y));
    case 3 * kQuarterTurn: return Fits(double(y), double(-x));
    default: break;
    }
    const double a = NormalisedMinutes(minutes) * std::numbers::pi / (kFullTurn / 2);
    return Fits(std::round(x * std::cos(a) - y * std::sin(a)), std::round(x * std::sin(a) + y * std::cos(a)));
}

Result<std::vector<std::string>> ApplyExtras(zelmdb::DesignStore& store, const std::string& footprint,
                                             const FootprintExtras& extras, ExtrasCheck check) {
    if (!extras.ChangesFootprint()) return std::vector<std::string>{};
    auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return Notes::Fail("the design holds no footprint named " + footprint);
    return ExtrasApplier(store, footprint, extras).Apply(*symbol, check);
}
