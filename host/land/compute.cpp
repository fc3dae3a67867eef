// The land calculation, step by step; see compute.h.
#include "host/land/compute.h"

#include <algorithm>

#include "host/land/bga_lands.h"
#include "host/land/courtyard.h"
#include "host/land/exposed_pad.h"
#include "host/land/number_text.h"
#include "host/land/package_keys.h"
#include "host/land/pad_places.h"
#include "host/land/row_terminals.h"

namespace land {
namespace {

const char* Name(Key key) { return RowOf(key).name; }

Result<Dimension> BodyOf(const PackageInput& in, Key key) {
    if (const Dimension* d = in.Get<Dimension>(key)) {
        if (d->nominal > 0) return *d;
        return Failure{std::string(Name(key)) + " " + DimensionText(*d) + " leaves no body"};
    }
    return Failure{std::string(Name(key)) + " is needed"};
}

// The leads side by side along a row: apart from each other and within the body's length.
Status LeadsFit(const PackageInput& in, const RowTerminals& t, double pitch) {
    const AxisKeys& n = KeysOf(t.axis);
    if (t.pins > 1 && t.W.max >= pitch - 1e-9)
        return Failure{"lead_width " + DimensionText(t.W) + " is too wide for pitch " + Mm(pitch) +
                       ": neighbouring leads would touch"};
    const Dimension& body = *in.Get<Dimension>(n.bodyAlong);
    const double reach = (t.pins - 1) * pitch + t.W.min;
    if (reach > body.max + 1e-9)
        return Failure{std::string(Name(n.pins)) + " " + std::to_string(t.pins) + " at pitch " + Mm(pitch) +
                       " with lead_width " + DimensionText(t.W) + " reach " + Mm(reach) + ", more than " +
                       Name(n.bodyAlong) + " " + DimensionText(body)};
    return {};
}

Status LandsApart(const RowPairLands& pair, double pitch) {
    if (pair.pinsPerRow < 2 || pair.x < pitch - 1e-9) return {};
    return Failure{"lead_width " + DimensionText(pair.W) + " needs lands " + Mm(pair.x) + " wide for the " +
                   KeysOf(pair.axis).rows + ", no narrower than pitch " + Mm(pitch) +
                   ": neighbouring lands would merge"};
}

// Widens G where the lands would come nearer the exposed pad than its clearance.
void KeepClearOf(const Rect& ep, RowPairLands& pair) {
    const double g = GClearOf(ep, pair.axis);
    if (g <= pair.gLand + 1e-9) return;
    SetLandG(pair, g);
    pair.epClearanceBinds = true;
}

// Some land must be left under the terminal at its shortest span.
Status LandLeft(const RowPairLands& pair, const PackageInput& in) {
    const std::string_view rows = KeysOf(pair.axis).rows;
    if (pair.gLand <= 0)
        return Failure{"the lands of the " + std::string(rows) + " meet in the middle (G " + Mm(pair.gLand) + ")"};
    if (pair.gLand < std::min(pair.z, pair.L.rmsMin) - 1e-9) return {};
    const std::string gap = "(G " + Mm(pair.gLand) + ", terminals reaching " + Mm(pair.L.rmsMin) + " at least)";
    if (pair.epClearanceBinds) {
        const Key size = pair.axis == RowAxis::X ? Key::EpSizeX : Key::EpSizeY;
        return Failure{std::string(Name(size)) + " " + DimensionText(*in.Get<Dimension>(size)) + " with its " +
                       Mm(kEpClearance) + " mm clearance leaves the " + std::string(rows) +
                       " no land under their terminals " + gap};
    }
    return Failure{"heel_reduction " + Mm(pair.heelReduction) + " leaves the " + std::string(rows) +
                   " no land under their terminals " + gap};
}

// The last land of the left row and the first of the bottom row, about the corner.
Status CornersApart(const LandPattern& p) {
    if (!p.rowX.present || !p.rowY.present) return {};
    const Rect a = RowPairExtent(p.rowX, p.pitch), b = RowPairExtent(p.rowY, p.pitch);
    // Left row's end land against the bottom row's leftmost land.
    const double ax1 = -a.w / 2, ax2 = -a.w / 2 + p.rowX.landLength, ay2 = a.h / 2;
    const double bx1 = -b.w / 2, by1 = b.h / 2 - p.rowY.landLength, by2 = b.h / 2;
    const bool overlap = ax1 < bx1 + p.rowY.landWidth && bx1 < ax2 && by1 < ay2 && ay2 - p.rowX.landWidth < by2;
    if (!overlap) return {};
    return Failure{"num_pins_x " + std::to_string(p.rowY.pinsPerRow) + " and num_pins_y " +
                   std::to_string(p.rowX.pinsPerRow) + " at pitch " + Mm(p.pitch) +
                   ": the lands at the corners of the rows overlap"};
}

Result<RowPairLands> PairOf(const PackageInput& in, const RowTerminals& t, Density density, double pitch) {
    TRY(LeadsFit(in, t, pitch));
    const RowPairLands pair =
        CalculateRowPair(t, density, in.Or(Key::FabricationTolerance, kDefaultFabrication),
                         in.Or(Key::PlacementTolerance, kDefaultPlacement), in.Or(Key::HeelReduction, 0.0));
    TRY(LandsApart(pair, pitch));
    return pair;
}

Status LeadedLands(const PackageInput& in, LandPattern& p) {
    const double* pitch = in.Get<double>(Key::Pitch);
    if (pitch == nullptr) return Failure{"pitch is needed"};
    p.pitch = *pitch;
    if (in.Or(Key::NumPinsX, 0) == 0 && in.Or(Key::NumPinsY, 0) == 0)
        return Failure{"num_pins_x and num_pins_y are both 0 or missing: a package needs a row of pins"};
    TRY_ASSIGN(epLand, ExposedPadLand(in));
    for (RowAxis axis : {RowAxis::X, RowAxis::Y}) {
        TRY_ASSIGN(terminals, TerminalsOf(in, axis, p.pitch));
        if (!terminals) continue;
        TRY_ASSIGN(pair, PairOf(in, *terminals, p.density, p.pitch));
        if (epLand) KeepClearOf(*epLand, pair);
        TRY(LandLeft(pair, in));
        (axis == RowAxis::X ? p.rowX : p.rowY) = pair;
    }
    TRY(CornersApart(p));
    if (epLand) {
        const int pins = 2 * (p.rowX.pinsPerRow + p.rowY.pinsPerRow) - in.deletedCount;
        TRY_ASSIGN(ep, ExposedPadOf(in, *epLand, pins + 1));
        p.ep = std::move(ep);
    }
    p.courtyard = LeadedCourtyard(p);
    return {};
}

}  // namespace

Result<LandPattern> Compute(const PackageInput& in) {
    if (!in.family) return Failure{"the package family is missing (" + FamilyChoices() + ")"};
    LandPattern p;
    p.family = *in.family;
    p.density = in.Or(Key::Density, Density::Nominal);
    p.courtyardExcess = DensityOf(p.density).courtyardExcess;
    TRY_ASSIGN(bodyX, BodyOf(in, Key::BodySizeX));
    TRY_ASSIGN(bodyY, BodyOf(in, Key::BodySizeY));
    p.bodyX = bodyX;
    p.bodyY = bodyY;
    if (p.family != Family::Bga) {
        TRY(LeadedLands(in, p));
        return p;
    }
    TRY_ASSIGN(ball, BallLandsOf(in, bodyX, bodyY));
    p.ball = ball;
    p.pitch = ball.pitchX;
    p.courtyardExcess = kBgaCourtyardExcess;
    p.courtyard = BgaCourtyard(bodyX, bodyY);
    return p;
}

}  // namespace land
