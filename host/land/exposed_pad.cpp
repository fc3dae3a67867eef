// The exposed pad; see exposed_pad.h.
#include "host/land/exposed_pad.h"

#include <cmath>

#include "host/land/number_text.h"
#include "host/land/package_keys.h"
#include "host/land/paste_windows.h"
#include "host/land/row_pair.h"

namespace land {
namespace {

// The keys of one direction of the pad.
struct EpKeys {
    Key size, overwrite, centre, mask, body;
};
constexpr EpKeys kEpX{Key::EpSizeX, Key::EpSizeXOverwrite, Key::EpCenterX, Key::EpMaskX, Key::BodySizeX};
constexpr EpKeys kEpY{Key::EpSizeY, Key::EpSizeYOverwrite, Key::EpCenterY, Key::EpMaskY, Key::BodySizeY};

const char* Name(Key key) { return RowOf(key).name; }

bool IsExposedPadKey(const KeyRow& row) {
    return std::string_view(row.name).rfind("EP_", 0) == 0 || row.key == Key::ThermalVias;
}

// The land's extent along one direction: size and centre. The body has been checked given.
Result<std::pair<double, double>> Extent(const PackageInput& in, const EpKeys& k) {
    const Dimension& ep = *in.Get<Dimension>(k.size);
    const Dimension& body = *in.Get<Dimension>(k.body);
    const auto bodyText = [&] { return std::string(Name(k.body)) + " " + DimensionText(body); };
    if (ep.nominal > body.nominal)
        return Failure{std::string(Name(k.size)) + " " + DimensionText(ep) + " is larger than " + bodyText()};
    const double size = in.Or(k.overwrite, ep.nominal);
    if (size > body.nominal)
        return Failure{std::string(Name(k.overwrite)) + " " + Mm(size) + " is larger than " + bodyText()};
    const double centre = in.Or(k.centre, 0.0);
    if (std::abs(centre) + size / 2 > body.nominal / 2 + 1e-9)
        return Failure{std::string(Name(k.centre)) + " " + Mm(centre) + " puts the exposed pad past the edge of " +
                       bodyText()};
    if (!(size > 0)) return Failure{std::string(Name(k.size)) + " " + DimensionText(ep) + " leaves no pad"};
    return std::pair{size, centre};
}

// Vias at the centres of equal cells of the land, so they spread evenly and keep half a pitch
// from its edges.
Status PlaceVias(const ViaGrid& grid, const Rect& land, ExposedPadLands& ep,
                 std::vector<double>& xs, std::vector<double>& ys) {
    ep.viaDrill = grid.drill;
    ep.viaDiameter = grid.drill + 2 * kViaRing;
    const double pitchX = land.w / grid.x, pitchY = land.h / grid.y;
    if (pitchX < ep.viaDiameter - 1e-9 || pitchY < ep.viaDiameter - 1e-9)
        return Failure{"thermal_vias " + std::to_string(grid.x) + "x" + std::to_string(grid.y) + " with drill " +
                       Mm(grid.drill) + " do not fit the exposed pad land " + Mm(land.w) + " x " + Mm(land.h) +
                       ": their " + Mm(ep.viaDiameter) + " lands would stand at a pitch of " +
                       Mm(std::min(pitchX, pitchY))};
    xs = CellCentres(land.cx, land.w, grid.x);
    ys = CellCentres(land.cy, land.h, grid.y);
    for (double y : ys)
        for (double x : xs) ep.vias.push_back({x, y});
    return {};
}

}  // namespace

Result<std::optional<Rect>> ExposedPadLand(const PackageInput& in) {
    const bool x = in.Given(Key::EpSizeX), y = in.Given(Key::EpSizeY);
    if (!x && !y) {
        for (const KeyRow& row : PackageKeys())
            if (IsExposedPadKey(row) && in.Given(row.key))
                return Failure{std::string(row.name) + " needs EP_size_x and EP_size_y"};
        return std::optional<Rect>();
    }
    if (!x || !y) return Failure{x ? "EP_size_y is needed with EP_size_x" : "EP_size_x is needed with EP_size_y"};
    TRY_ASSIGN(across, Extent(in, kEpX));
    TRY_ASSIGN(down, Extent(in, kEpY));
    return std::optional<Rect>(Rect{across.second, down.second, across.first, down.first});
}

double GClearOf(const Rect& pad, RowAxis axis) {
    const double reach = axis == RowAxis::X ? std::abs(pad.cx) + pad.w / 2 : std::abs(pad.cy) + pad.h / 2;
    return 2 * (reach + kEpClearance);
}

Result<ExposedPadLands> ExposedPadOf(const PackageInput& in, const Rect& land, int number) {
    ExposedPadLands ep;
    ep.present = true;
    ep.number = number;
    ep.land = {land, CornerOf(land.w, land.h)};
    ep.maskGiven = in.Given(Key::EpMaskX) || in.Given(Key::EpMaskY);
    ep.mask = {land.cx, land.cy, in.Or(Key::EpMaskX, land.w), in.Or(Key::EpMaskY, land.h)};
    ep.pasteCoverage = in.Or(Key::EpPasteCoverage, kDefaultPasteCoverage);
    std::vector<double> viaXs, viaYs;
    if (const ViaGrid* grid = in.Get<ViaGrid>(Key::ThermalVias)) {
        TRY(PlaceVias(*grid, land, ep, viaXs, viaYs));
        ep.pasteAvoidsVias = grid->pasteAvoidVia;
    }
    PasteLayout paste;
    if (ep.pasteAvoidsVias) {
        if (const CountPair* split = in.Get<CountPair>(Key::EpNumPastePads))
            return Failure{"EP_num_paste_pads " + std::to_string(split->x) + "x" + std::to_string(split->y) +
                           " does not apply with thermal_vias paste_avoid_via: the windows stand between the vias"};
        TRY_ASSIGN(between, PasteBetweenVias(land, viaXs, viaYs, ep.viaDiameter, ep.pasteCoverage));
        paste = between;
    } else {
        const CountPair split =
            in.Or(Key::EpNumPastePads, CountPair{DefaultPasteSplit(land.w), DefaultPasteSplit(land.h)});
        paste = PasteGrid(land, split.x, split.y, ep.pasteCoverage);
    }
    ep.paste = std::move(paste.windows);
    ep.pasteX = paste.x;
    ep.pasteY = paste.y;
    ep.pasteCoverageReached = paste.coverageReached;
    return ep;
}

}  // namespace land
