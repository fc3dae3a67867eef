// A package's lands as the dialog and the host make them; see package_layout.h.
#include "host/orvex/requests/package_layout.h"

#include <cmath>
#include <cstdlib>

#include "host/land/pad_places.h"
#include "host/orvex/extras/land_openings.h"
#include "host/orvex/extras/omit_list.h"

namespace {

using land::PadPlace;
using land::PadRow;

constexpr int32_t kQuarterTurn = 5400;

LandShape Rounded(double w, double h, double ratio) { return {w, h, ratio, false, 0}; }

bool Same(const LandShape& a, const LandShape& b) {
    const auto near = [](double u, double v) { return std::abs(u - v) < 1e-9; };
    return near(a.width, b.width) && near(a.height, b.height) && near(a.cornerRatio, b.cornerRatio) &&
           a.round == b.round && near(a.drill, b.drill);
}

// The values of the page that stands the rows' lands where the pattern has them. A quad is the
// chip carrier from pin 1 at the top of the left side, its padstack the top row's land, which
// the page turns a quarter for each side; a dual of top and bottom rows is a dual stood up.
void SetRows(const land::LandPattern& p, PackageLayout& l) {
    const land::RowPairLands& x = p.rowX;
    const land::RowPairLands& y = p.rowY;
    if (x.present && y.present) {
        l.style = "chip-carrier";
        l.counts = {{"p", y.pinsPerRow}, {"q", x.pinsPerRow}};
        l.lengths = {{"x", p.pitch}, {"y", p.pitch}, {"w", x.span / 2 - (y.pinsPerRow - 1) * p.pitch / 2},
                     {"z", y.span / 2 - (x.pinsPerRow - 1) * p.pitch / 2}};
        l.buttons = {"corner-start"};
        l.land = Rounded(y.landWidth, y.landLength, y.corner.ratio);
        return;
    }
    const land::RowPairLands& pair = x.present ? x : y;
    l.style = "dual";
    l.counts = {{"q", pair.pinsPerRow}};
    l.lengths = {{"x", pair.span}, {"y", p.pitch}, {"w", 0.0}, {"z", 0.0}};
    l.land = Rounded(pair.landLength, pair.landWidth, pair.corner.ratio);
    l.turn = x.present ? 0 : kQuarterTurn;
}

// The land the dialog stands at a place, as it stands there.
LandShape DialogLand(const PackageLayout& l, const PadPlace& at) {
    LandShape s = l.land;
    const bool sideways = at.row == PadRow::Left || at.row == PadRow::Right;
    if ((l.style == "chip-carrier" && sideways) || l.turn == kQuarterTurn) std::swap(s.width, s.height);
    return s;
}

// An extra pad for a land that stands at (x, y) with y down, about the centre.
void AddPad(PackageLayout& l, std::vector<PlannedPad>& to, const std::string& name, double x, double y,
            LandShape shape) {
    PlannedPad pad{name, x, -y, shape};
    if (l.turn == kQuarterTurn) {
        pad.x = -y;   // turned back a quarter: the host turns it on with the rest
        pad.y = -x;
        std::swap(pad.shape.width, pad.shape.height);
    }
    to.push_back(pad);
}

// Every position: left out when the package leaves it empty; added as an extra pad when the
// dialog names or shapes it otherwise; the pins numbered on past the deleted ones.
void SetPositions(const PackageRequest& r, PackageLayout& l, bool grid) {
    const std::vector<PadPlace> places = land::PadPlaces(r.pattern);
    std::vector<std::string> omitted;
    int deleted = 0;
    for (size_t i = 0; i < places.size(); ++i) {
        const PadPlace& at = places[i];
        deleted += r.deleted[i] ? 1 : 0;
        if (r.hidden[i] || r.deleted[i]) {
            omitted.push_back(r.positions[i]);
            continue;
        }
        const bool sideways = at.row == PadRow::Left || at.row == PadRow::Right;
        const double ratio = (sideways ? r.pattern.rowX : r.pattern.rowY).corner.ratio;
        const LandShape want = grid ? LandShape{at.w, at.h, 0, true, 0} : Rounded(at.w, at.h, ratio);
        const std::string name = grid ? r.positions[i] : std::to_string(at.number - deleted);
        l.pins.push_back({name, at.x, at.y, at.w, at.h});
        if (name == r.positions[i] && Same(want, DialogLand(l, at))) continue;
        omitted.push_back(r.positions[i]);
        AddPad(l, l.extras, name, at.x, at.y, want);
    }
    const std::string* hidden = r.input.Get<std::string>(land::Key::HiddenPins);
    l.omit = grid ? (hidden ? ListItems(*hidden) : std::vector<std::string>{}) : NameRuns(omitted);
}

// The exposed pad and its thermal vias are pads of the pad's number.
void SetExposedPad(const land::ExposedPadLands& ep, PackageLayout& l) {
    if (!ep.present) return;
    const std::string name = std::to_string(ep.number);
    const land::Rect& pad = ep.land.rect;
    l.pins.push_back({name, pad.cx, pad.cy, pad.w, pad.h});
    AddPad(l, l.extras, name, pad.cx, pad.cy, Rounded(pad.w, pad.h, ep.land.corner.ratio));
    for (const land::Point& via : ep.vias) {
        l.pins.push_back({name, via.x, via.y, ep.viaDiameter, ep.viaDiameter});
        AddPad(l, l.extras, name, via.x, via.y, LandShape{ep.viaDiameter, ep.viaDiameter, 0, true, ep.viaDrill});
    }
    // The host lays the paste windows and the mask opening over the pad from the land record.
    for (const land::Land& window : ep.paste)
        l.pins.push_back({"", window.rect.cx, window.rect.cy, window.rect.w, window.rect.h});
    if (OwnMaskOpening(pad, ep.mask)) l.pins.push_back({"", ep.mask.cx, ep.mask.cy, ep.mask.w, ep.mask.h});
}

bool Number(const std::string& name) {
    return !name.empty() && name.size() < 10 && name[0] != '0' && name.find_first_not_of("0123456789") == std::string::npos;
}

}  // namespace

std::vector<std::string> NameRuns(const std::vector<std::string>& names) {
    std::vector<std::string> runs;
    for (size_t i = 0; i < names.size();) {
        size_t end = i + 1;
        while (end < names.size() && Number(names[i]) && Number(names[end]) &&
               std::atol(names[end].c_str()) == std::atol(names[i].c_str()) + long(end - i))
            ++end;
        runs.push_back(end - i == 1 ? names[i] : names[i] + "-" + names[end - 1]);
        i = end;
    }
    return runs;
}

PackageLayout LayoutOf(const PackageRequest& r) {
    PackageLayout l;
    const land::LandPattern& p = r.pattern;
    const bool grid = p.family == land::Family::Bga;
    if (grid) {
        l.style = "grid";
        l.counts = {{"p", p.ball.cols}, {"q", p.ball.rows}};
        l.lengths = {{"x", p.ball.pitchX}, {"y", p.ball.pitchY}};
        l.alphabet = kBallAlphabet;
        l.land = LandShape{p.ball.land, p.ball.land, 0, true, 0};
    } else {
        SetRows(p, l);
    }
    SetPositions(r, l, grid);
    SetExposedPad(p.ep, l);
    return l;
}
