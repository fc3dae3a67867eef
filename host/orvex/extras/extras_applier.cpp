// The extras done to a stored footprint; see extras_applier.h.
#include "host/orvex/extras/extras_applier.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <numbers>
#include <unordered_map>
#include <utility>

#include "host/orvex/extras/land_openings.h"
#include "host/orvex/extras/omit_list.h"
#include "host/orvex/extras/padstack_turner.h"
#include "host/orvex/extras/paste_apertures.h"
#include "host/orvex/text/latin1.h"
#include "host/zelmdb/record_layout.h"

namespace {

using Notes = Result<std::vector<std::string>>;
using Place = std::pair<int32_t, int32_t>;

std::optional<Place> Fits(double x, double y) {
    const auto fits = [](double v) { return v >= INT32_MIN && v <= INT32_MAX; };
    if (!fits(x) || !fits(y)) return std::nullopt;
    return std::make_pair(int32_t(x), int32_t(y));
}

// A pad of the joined footprint and the turn its padstack takes at the end: the footprint's,
// and for an arrangement's pads their arrangement's start angle too, so that a padstack is
// turned once, by the sum, and no copy for the angle between is left behind.
struct JoinedPin {
    zelmdb::Pin pin;
    int32_t padstackTurn = 0;
    size_t arrangement = 0;   // which it came from; extra pads join once names are padded
};

bool Digits(const std::string& text) {
    const auto digit = [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; };
    return !text.empty() && std::all_of(text.begin(), text.end(), digit);
}

std::string Unpadded(const std::string& digits) {
    const size_t first = digits.find_first_not_of('0');
    return first == std::string::npos ? "0" : digits.substr(first);
}

// Names and ranges as the dialog names pads, which it never pads with zeros: "007" and "001-005"
// are "7" and "1-5", so that a name is found whether it is given padded or not.
std::vector<std::string> DialogNames(const std::vector<std::string>& items) {
    std::vector<std::string> out;
    for (const std::string& item : items) {
        const size_t dash = item.find('-');
        const bool range = dash != std::string::npos && dash > 0;
        if (Digits(item)) {
            out.push_back(Unpadded(item));
        } else if (range && Digits(item.substr(0, dash)) && Digits(item.substr(dash + 1))) {
            out.push_back(Unpadded(item.substr(0, dash)) + "-" + Unpadded(item.substr(dash + 1)));
        } else {
            out.push_back(item);
        }
    }
    return out;
}

class ExtrasApplier {
public:
    ExtrasApplier(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras)
        : store_(store), footprint_(Utf8FromLatin1(footprint)), extras_(extras), turner_(store), apertures_(store),
          layers_(store) {}
    Notes Apply(zelmdb::Symbol symbol, const std::vector<BuiltArrangement>& built, ExtrasCheck check);

private:
    const ArrangementShape& ShapeOf(size_t k) const { return k == 0 ? extras_.shape : extras_.also[k - 1].shape; }
    // How messages name arrangement k: "" for the first, else "--also K: ".
    static std::string Prefix(size_t k) { return k == 0 ? "" : AlsoLabel(k - 1) + ": "; }
    static std::string Named(size_t k) { return k == 0 ? "the first arrangement" : AlsoLabel(k - 1); }
    std::vector<std::string> Names(const std::vector<zelmdb::Pin>& pins);
    // Which of `pins` the items name; an item of a strict check that takes no pad is refused, of
    // a lenient one noted.
    Result<std::vector<bool>> Select(const std::string& option, const std::vector<std::string>& items,
                                     const std::vector<zelmdb::Pin>& pins, ExtrasCheck check);
    Status PadNames(std::vector<JoinedPin>& pins);
    Status SetPinPadstacks(size_t k, std::vector<zelmdb::Pin>& pins, const BuiltArrangement& built, ExtrasCheck check);
    // Arrangement k shaped on its own and moved into place; `first` is the first one's centre.
    Status Arrange(size_t k, const BuiltArrangement& built, Place& first, std::vector<JoinedPin>& out,
                   ExtrasCheck check);
    Status NamesApart(const std::vector<std::vector<std::string>>& names, ExtrasCheck check);
    Status Omit(std::vector<JoinedPin>& pins, ExtrasCheck check);
    // The refusal says what went wrong turning the pin; the caller names the pad.
    Status TurnPin(JoinedPin& joined, int32_t minutes);
    Status AddPads(std::vector<JoinedPin>& pins, Place reference);
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
    const std::string footprint_;   // as messages name it, in UTF-8
    const FootprintExtras& extras_;
    PadstackTurner turner_;
    PasteApertures apertures_;
    zelmdb::PadLayers layers_;
    std::vector<std::string> notes_;
};

std::vector<std::string> ExtrasApplier::Names(const std::vector<zelmdb::Pin>& pins) {
    std::vector<std::string> names;
    for (const zelmdb::Pin& pin : pins) names.push_back(store_.NameText(pin.nameId).value_or(""));
    return names;
}

Result<std::vector<bool>> ExtrasApplier::Select(const std::string& option, const std::vector<std::string>& items,
                                                 const std::vector<zelmdb::Pin>& pins, ExtrasCheck check) {
    const std::vector<std::string> asked = DialogNames(items);
    OmitSelection chosen = SelectOmitted(asked, Names(pins));
    for (const std::string& item : chosen.unmatched) {
        // Told as given, not as the dialog would name it.
        const std::string& given = items[size_t(std::find(asked.begin(), asked.end(), item) - asked.begin())];
        if (check == ExtrasCheck::Strict)
            return Failure{option + ": " + Utf8FromLatin1(given) + " is no pad of " + footprint_ +
                           ", nor a range whose ends are pads of it"};
        notes_.push_back(option + " " + Utf8FromLatin1(given) + " takes no pad of " + footprint_ + " now");
    }
    return std::move(chosen.omitted);
}

Status ExtrasApplier::PadNames(std::vector<JoinedPin>& pins) {
    for (JoinedPin& joined : pins) {
        const int width = ShapeOf(joined.arrangement).nameWidth;
        if (width == 0) continue;
        const std::string name = store_.NameText(joined.pin.nameId).value_or("");
        const std::string padded = ZeroPadded(name, width);
        if (padded == name) continue;
        const Result<int32_t> id = store_.NameCreate(padded);
        if (!id.ok())
            return Failure{Prefix(joined.arrangement) + "--name-width: the name " + Utf8FromLatin1(padded) + " could not be stored"};
        joined.pin.nameId = id.value();
    }
    return {};
}

Status ExtrasApplier::SetPinPadstacks(size_t k, std::vector<zelmdb::Pin>& pins, const BuiltArrangement& built,
                                      ExtrasCheck check) {
    const std::vector<PinPadstack>& entries = ShapeOf(k).pinPadstacks;
    for (size_t j = 0; j < entries.size(); ++j) {
        const std::string option = Prefix(k) + "--pin-padstack";
        // Each stands on what the dialog made of the same arrangement with that padstack, pad for pad.
        if (j >= built.pinPadstacks.size() || built.pinPadstacks[j].size() != pins.size())
            return Failure{option + " " + Utf8FromLatin1(PinPadstackText(entries[j])) +
                           ": the dialog made another arrangement for it"};
        TRY_ASSIGN(chosen, Select(option, entries[j].pins, pins, check));
        for (size_t i = 0; i < pins.size(); ++i)
            if (chosen[i]) pins[i].padstack = built.pinPadstacks[j][i];
    }
    return {};
}

Status ExtrasApplier::Arrange(size_t k, const BuiltArrangement& built, Place& first, std::vector<JoinedPin>& out,
                              ExtrasCheck check) {
    std::vector<zelmdb::Pin> pins = built.pins;
    const ArrangementShape& shape = ShapeOf(k);
    TRY(SetPinPadstacks(k, pins, built, check));
    Place centre{built.centerX, built.centerY};
    if (NormalisedMinutes(shape.startAngle) != 0) {
        for (zelmdb::Pin& pin : pins) {
            const auto at = TurnedPoint(pin.x, pin.y, shape.startAngle);
            if (!at) return Failure{Prefix(k) + "--start-angle: a pad would lie beyond the design's coordinates"};
            pin.x = at->first, pin.y = at->second;
        }
        // The centre of the pads as they now stand: a circle's bounds do not turn with it.
        centre = PinsMidpoint(pins);
    }
    Place move{0, 0};
    if (k == 0) {
        first = centre;
    } else {
        const AlsoArrangement& also = extras_.also[k - 1];
        const bool about = extras_.padsAbout == PadsAbout::Center;
        const auto to = Fits(double(also.x) + (about ? double(first.first) - centre.first : 0.0),
                             double(also.y) + (about ? double(first.second) - centre.second : 0.0));
        if (!to) return Failure{Prefix(k) + "--at: the arrangement would lie beyond the design's coordinates"};
        move = *to;
    }
    for (zelmdb::Pin& pin : pins) {
        const auto at = Fits(double(pin.x) + move.first, double(pin.y) + move.second);
        if (!at) return Failure{Prefix(k) + "--at: the arrangement would lie beyond the design's coordinates"};
        pin.x = at->first, pin.y = at->second;
        out.push_back({pin, shape.startAngle, k});
    }
    return {};
}

Status ExtrasApplier::NamesApart(const std::vector<std::vector<std::string>>& names, ExtrasCheck check) {
    std::unordered_map<std::string, size_t> holder;   // a name and the first arrangement that has it
    for (size_t k = 0; k < names.size(); ++k) {
        const bool shares = k > 0 && extras_.also[k - 1].shareNames;
        for (const std::string& name : names[k]) {
            if (name.empty()) continue;
            const auto [known, added] = holder.emplace(name, k);
            if (added || known->second == k || shares) continue;
            const std::string both = "pads of " + Named(known->second) + " and of " + Named(k) + " are both named \"" +
                                     Utf8FromLatin1(name) + "\"";
            if (check == ExtrasCheck::Strict)
                return Failure{both + "; give --share-names to " + Named(k) + " if they really share the name"};
            notes_.push_back(both + " now");
            break;
        }
    }
    return {};
}

Status ExtrasApplier::Omit(std::vector<JoinedPin>& pins, ExtrasCheck check) {
    if (extras_.omit.empty()) return {};
    std::vector<zelmdb::Pin> plain;
    for (const JoinedPin& j : pins) plain.push_back(j.pin);
    TRY_ASSIGN(omitted, Select("--omit", extras_.omit, plain, check));
    std::vector<JoinedPin> kept;
    for (size_t i = 0; i < pins.size(); ++i)
        if (!omitted[i]) kept.push_back(pins[i]);
    pins = std::move(kept);
    return {};
}

Status ExtrasApplier::TurnPin(JoinedPin& joined, int32_t minutes) {
    zelmdb::Pin& pin = joined.pin;
    if (NormalisedMinutes(minutes) != 0) {
        const auto at = TurnedPoint(pin.x, pin.y, minutes);
        if (!at) return Failure{"would lie beyond the design's coordinates"};
        pin.x = at->first, pin.y = at->second;
    }
    const Result<int16_t> padstack = turner_.Turned(pin.padstack, joined.padstackTurn);
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
        return Failure{"--ep-paste: the exposed pad's padstack " + Utf8FromLatin1(name) + " is no rectangle; only a rectangle's paste is split"};
    const int32_t turned = NormalisedMinutes(g.rotation);
    if (turned % kQuarterTurn != 0)
        return Failure{"--ep-paste: the exposed pad's padstack " + Utf8FromLatin1(name) +
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

Status ExtrasApplier::AddPads(std::vector<JoinedPin>& pins, Place reference) {
    bool split = false;
    for (const ExtraPad& pad : extras_.pads) {
        const std::string label = ExtraPadLabel(pad.name);
        const int32_t padstack = store_.FindPadstack(pad.padstack);
        if (padstack == 0) return Failure{label + ": the design holds no padstack named " + Utf8FromLatin1(pad.padstack)};
        const auto at = Fits(double(reference.first) + pad.x, double(reference.second) + pad.y);
        if (!at) return Failure{label + ": the pad would lie beyond the design's coordinates"};
        const Result<int32_t> name = store_.NameCreate(pad.name);
        if (!name.ok()) return Failure{label + ": the pad's name could not be stored"};
        JoinedPin joined{{name.value(), at->first, at->second, int16_t(padstack)}, extras_.turn};
        std::vector<zelmdb::Pin> windows;
        if (extras_.epPaste && ExposedPad(pad, joined.pin.padstack)) {
            TRY_ASSIGN(over, SplitPaste(joined.pin));
            windows = std::move(over);
            split = true;
        } else if (LandExposedPad(pad, joined.pin.padstack)) {
            TRY_ASSIGN(over, LandOpeningPins(joined.pin));
            windows = std::move(over);
        }
        if (Status turned = TurnPin(joined, extras_.turn); !turned.ok())
            return Failure{label + ": the pad " + turned.error()};
        pins.push_back(joined);
        for (const zelmdb::Pin& window : windows) {
            JoinedPin over{window, extras_.turn};
            if (Status turned = TurnPin(over, extras_.turn); !turned.ok())
                return Failure{label + ": an opening over the pad " + turned.error()};
            pins.push_back(over);
        }
    }
    if (extras_.epPaste && !split)
        return Failure{"--ep-paste: no extra pad is an exposed pad (one with a name, surface-mount copper and paste); "
                       "add it with --pad"};
    return {};
}

Notes ExtrasApplier::Apply(zelmdb::Symbol symbol, const std::vector<BuiltArrangement>& built, ExtrasCheck check) {
    if (built.size() != 1 + extras_.also.size())
        return Notes::Fail(footprint_ + " has " + std::to_string(1 + extras_.also.size()) + " arrangements, not " +
                           std::to_string(built.size()));
    std::vector<JoinedPin> pins;
    std::vector<std::vector<std::string>> names;
    Place first{0, 0};
    for (size_t k = 0; k < built.size(); ++k) {
        const size_t from = pins.size();
        TRY(Arrange(k, built[k], first, pins, check));
        std::vector<zelmdb::Pin> own;
        for (size_t i = from; i < pins.size(); ++i) own.push_back(pins[i].pin);
        names.push_back(Names(own));
        for (std::string& name : names.back()) name = ZeroPadded(name, ShapeOf(k).nameWidth);
    }
    TRY(NamesApart(names, check));
    TRY(Omit(pins, check));
    TRY(PadNames(pins));
    for (JoinedPin& joined : pins) {
        joined.padstackTurn += extras_.turn;
        if (Status turned = TurnPin(joined, extras_.turn); !turned.ok())
            return Failure{"pad \"" + Utf8FromLatin1(store_.NameText(joined.pin.nameId).value_or("")) + "\" of " +
                           footprint_ + " " +
                           turned.error()};
    }
    TRY(AddPads(pins, extras_.padsAbout == PadsAbout::Center ? first : Place{0, 0}));
    if (pins.empty()) return Notes::Fail("--omit: leaves " + footprint_ + " without a pad");
    if (pins.size() > size_t(zelmdb::SymRecordLayout::MaxPins))
        return Notes::Fail(footprint_ + " would have " + std::to_string(pins.size()) +
                           " pads; a footprint holds at most " + std::to_string(zelmdb::SymRecordLayout::MaxPins));
    const auto centre = TurnedPoint(first.first, first.second, extras_.turn);
    if (!centre) return Notes::Fail("the centre of " + footprint_ + " would lie beyond the design's coordinates");
    symbol.centerX = centre->first, symbol.centerY = centre->second;
    symbol.pins.clear();
    for (const JoinedPin& joined : pins) symbol.pins.push_back(joined.pin);
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

std::pair<int32_t, int32_t> PinsMidpoint(const std::vector<zelmdb::Pin>& pins) {
    if (pins.empty()) return {0, 0};
    int64_t left = pins[0].x, right = left, bottom = pins[0].y, top = bottom;
    for (const zelmdb::Pin& p : pins) {
        left = std::min<int64_t>(left, p.x), right = std::max<int64_t>(right, p.x);
        bottom = std::min<int64_t>(bottom, p.y), top = std::max<int64_t>(top, p.y);
    }
    // Halved toward zero, as the dialog halves.
    return {int32_t((left + right) / 2), int32_t((bottom + top) / 2)};
}

std::string ZeroPadded(const std::string& name, int width) {
    if (!Digits(name) || int(name.size()) >= width) return name;
    return std::string(size_t(width) - name.size(), '0') + name;
}

Result<std::vector<std::string>> ApplyExtras(zelmdb::DesignStore& store, const std::string& footprint,
                                             const FootprintExtras& extras, ExtrasCheck check,
                                             const std::vector<BuiltArrangement>& built) {
    if (!extras.ChangesFootprint()) return std::vector<std::string>{};
    auto symbol = store.SymbolNamed(footprint);
    if (!symbol) return Notes::Fail("the design holds no footprint named " + Utf8FromLatin1(footprint));
    const std::vector<BuiltArrangement> alone{{symbol->pins, symbol->centerX, symbol->centerY, {}}};
    return ExtrasApplier(store, footprint, extras).Apply(*symbol, built.empty() ? alone : built, check);
}
