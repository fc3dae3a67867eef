// The six walks. They count with doubles and step positions by repeated addition, as the
// pads have always been placed, so that a footprint made again lands on the same units.
#include "array/placement.h"

#include <cmath>
#include <cstdint>
#include <string_view>

#include "array/pad_namer.h"
#include "array/shared_state.h"
#include "array/units_limits.h"

namespace {

constexpr int32_t kFullTurn = 21600;
constexpr int32_t kQuarterTurn = 5400;
constexpr double kRadiansPerMinute = 0.0002908882086657216;

// Subtracts one turn, once: a rotation from a padstack is assumed to be below two turns.
int32_t Normalise(int32_t rotation) { return rotation >= kFullTurn ? rotation - kFullTurn : rotation; }

// Index values wrap like the 32-bit counters they are, whatever increment the user typed.
void Step(int32_t& index, int32_t increment) { index = int32_t(uint32_t(index) + uint32_t(increment)); }

void AppendSite(PadNamer& namer, UnitConverter toUnits, const PadPosition& position, int32_t xIndex,
                int32_t yIndex, PadSiteList& list) {
    const std::string_view name = namer.Name(xIndex, yIndex);
    list.Append(toUnits(position.Px), toUnits(position.Py), int16_t(uint16_t(uint32_t(position.Rotation))),
                name.data(), name.size());
}

struct Walk {
    const ArrayParameters& a;
    UnitConverter toUnits;
    PadSiteList& list;
    PadNamer namer;
    PadPosition pin1;
    PadPosition pad;
    int32_t xi;
    int32_t yi;

    Walk(const ArrayParameters& params, UnitConverter converter, PadSiteList& out)
        : a(params), toUnits(converter), list(out), namer(params), xi(params.X.Start), yi(params.Y.Start) {
        pin1.Rotation = out.Pin1Pad.Rotation;
        pad.Rotation = out.DefaultPad.Rotation;
    }
    double p() const { return a.X.Count; }
    double q() const { return a.Y.Count; }

    void Add(const PadPosition& position, int32_t xIndex, int32_t yIndex) {
        AppendSite(namer, toUnits, position, xIndex, yIndex, list);
    }
};

// Runs `body` for the counter 1, 2, ... while it is at most `bound`.
template <typename Body>
void Repeat(double bound, Body body) {
    for (double k = 1; k <= bound; ++k) body();
}

void DualQuad(Walk& w) {
    const ArrayParameters& a = w.a;
    if (a.X.Count == 1 && a.Y.Count == 1) return;
    w.Add(w.pin1, -1, w.yi);
    Step(w.yi, a.Y.Increment);
    w.pad.Py = -a.Y.Spacing;
    w.pad.Px = a.StaggerW;
    bool t = false;
    for (double row = 2; row <= w.q(); ++row) {
        w.Add(w.pad, -1, w.yi);
        w.pad.Py -= a.Y.Spacing;
        Step(w.yi, a.Y.Increment);
        w.pad.Px += t ? a.StaggerW : -a.StaggerW;
        t = !t;
    }
    w.pad.Py += a.Y.Spacing;
    w.pad.Px = a.X.Spacing + (t ? a.StaggerZ : 0.0);
    t = !t;
    Repeat(w.q(), [&] {
        w.Add(w.pad, -1, w.yi);
        w.pad.Py += a.Y.Spacing;
        Step(w.yi, a.Y.Increment);
        w.pad.Px += t ? a.StaggerZ : -a.StaggerZ;
        t = !t;
    });
    ComputeBounds(w.list);
}

void StaggerX(Walk& w) {
    const ArrayParameters& a = w.a;
    bool full = true;
    Repeat(w.q(), [&] {
        Repeat(full ? w.p() : w.p() + a.RowDelta, [&] {
            w.Add(w.pad, w.xi, -1);
            w.pad.Px += a.X.Spacing;
            Step(w.xi, a.X.Increment);
        });
        w.pad.Px = full ? a.StaggerW : 0.0;
        w.pad.Py -= a.Y.Spacing;
        full = !full;
    });
}

void StaggerY(Walk& w) {
    const ArrayParameters& a = w.a;
    double column = 0.0;
    Repeat(w.p(), [&] {
        bool t = true;
        Repeat(w.q(), [&] {
            w.Add(w.pad, -1, w.yi);
            w.pad.Py -= a.Y.Spacing;
            Step(w.yi, a.Y.Increment);
            w.pad.Px += t ? a.StaggerW : -a.StaggerW;
            t = !t;
        });
        column += a.X.Spacing;
        w.pad.Py = 0.0;
        w.pad.Px = column;
    });
}

// One more pad of the carrier: the index moves on first, so every pad after pin 1 counts.
void NextCarrierPad(Walk& w) {
    Step(w.xi, w.a.X.Increment);
    w.Add(w.pad, w.xi, -1);
}

void TurnCorner(Walk& w) { w.pad.Rotation = Normalise(w.pad.Rotation + kQuarterTurn); }

void ChipCarrierSides(Walk& w, int32_t h, int32_t rest) {
    const ArrayParameters& a = w.a;
    TurnCorner(w);   // left side, downwards
    if (h != 0) Step(w.xi, a.X.Increment);
    w.Add(w.pad, w.xi, -1);
    Repeat(w.q() - 1, [&] { w.pad.Py -= a.Y.Spacing; NextCarrierPad(w); });

    w.pad.Py -= a.StaggerZ;   // bottom side, to the right
    TurnCorner(w);
    w.pad.Px += a.StaggerW;
    NextCarrierPad(w);
    Repeat(w.p() - 1, [&] { w.pad.Px += a.X.Spacing; NextCarrierPad(w); });

    w.pad.Px += a.StaggerW;   // right side, upwards
    TurnCorner(w);
    w.pad.Py += a.StaggerZ;
    NextCarrierPad(w);
    Repeat(w.q() - 1, [&] { w.pad.Py += a.Y.Spacing; NextCarrierPad(w); });

    w.pad.Py += a.StaggerZ;   // top side, back to the left
    TurnCorner(w);
    w.pad.Px -= a.StaggerW;
    if (rest != 0) NextCarrierPad(w);
    Repeat(double(rest) - 1, [&] { w.pad.Px -= a.X.Spacing; NextCarrierPad(w); });
}

void ChipCarrier(Walk& w) {
    const ArrayParameters& a = w.a;
    if (a.X.Count <= 0) return;
    int32_t h = 0;
    int32_t rest = a.X.Count;
    if (a.CornerStart == 0) {
        // Pin 1 in the middle of the top side: the pads left of it come first.
        h = (a.X.Count + 1) / 2;
        rest = a.X.Count - h;
        w.pin1.Rotation = Normalise(w.pin1.Rotation);
        w.Add(w.pin1, w.xi, -1);
        w.pad.Rotation = Normalise(w.list.DefaultPad.Rotation);
        Repeat(double(h) - 1, [&] { w.pad.Px -= a.X.Spacing; NextCarrierPad(w); });
        w.pad.Px -= a.StaggerW;
        w.pad.Py -= a.StaggerZ;
    } else {
        // Pin 1 at the corner: every side turns from the pin-1 padstack's rotation.
        w.pad.Rotation = Normalise(w.list.Pin1Pad.Rotation);
    }
    ChipCarrierSides(w, h, rest);
    ComputeBounds(w.list);
}

void Circular(Walk& w) {
    const ArrayParameters& a = w.a;
    if (a.X.Count <= 0) return;
    w.pad.Rotation = Normalise(w.list.Pin1Pad.Rotation);
    w.pad.Px = a.Radius * std::cos(0.0);
    w.pad.Py = a.Radius * std::sin(0.0);
    w.Add(w.pad, w.xi, -1);
    w.pad.Rotation = Normalise(Normalise(w.list.DefaultPad.Rotation + a.AngleStep));
    Step(w.xi, a.X.Increment);
    double angle = a.AngleStep;
    Repeat(w.p() - 1, [&] {
        w.pad.Px = a.Radius * std::cos(angle * kRadiansPerMinute);
        w.pad.Py = a.Radius * std::sin(angle * kRadiansPerMinute);
        w.Add(w.pad, w.xi, -1);
        w.pad.Rotation = Normalise(w.pad.Rotation + a.AngleStep);
        Step(w.xi, a.X.Increment);
        angle += a.AngleStep;
    });
    ComputeBounds(w.list);
}

void Grid(Walk& w) {
    const ArrayParameters& a = w.a;
    for (double row = 1; row <= w.q(); ++row) {
        if (a.ContinueNumbering == 0) w.xi = a.X.Start;
        w.pad.Py = (row - 1) * -a.Y.Spacing;
        for (double column = 1; column <= w.p(); ++column) {
            w.pad.Px = (column - 1) * a.X.Spacing;
            w.Add(w.pad, w.xi, w.yi);
            Step(w.xi, a.X.Increment);
        }
        Step(w.yi, a.Y.Increment);
    }
}

// A single pad of the styles that allow one: at the origin, with the index for both names.
bool SinglePad(Walk& w, int32_t xIndex, int32_t yIndex) {
    if (w.a.X.Count != 1 || w.a.Y.Count != 1) return false;
    w.Add(w.pad, xIndex, yIndex);
    ComputeBounds(w.list);
    return true;
}

// The walks that end in the bounds of whatever they placed; a short row of zero pads may
// leave a stagger without any pad at all, and then there is nothing to measure.
void BoundsIfAny(PadSiteList& list) {
    if (!list.Empty()) ComputeBounds(list);
}

}  // namespace

void PlacePads(const ArrayParameters& a, const PadstackInfo& pin1, const PadstackInfo& defaultPad,
               UnitConverter toUnits, PadSiteList& out) {
    out.Pin1Pad = pin1;
    out.DefaultPad = defaultPad;
    Walk w(a, toUnits, out);
    switch (a.Style) {
        case ArrayStyle::DualQuad: DualQuad(w); break;
        case ArrayStyle::StaggerX:
            if (!SinglePad(w, w.xi, w.xi)) { StaggerX(w); BoundsIfAny(out); }
            break;
        case ArrayStyle::StaggerY:
            if (!SinglePad(w, w.yi, w.yi)) { StaggerY(w); BoundsIfAny(out); }
            break;
        case ArrayStyle::ChipCarrier: ChipCarrier(w); break;
        case ArrayStyle::Circular: Circular(w); break;
        case ArrayStyle::Grid:
            if (!SinglePad(w, w.xi, w.yi)) { Grid(w); BoundsIfAny(out); }
            break;
    }
}

void RecomputePads() {
    if (CurrentParameters == nullptr || CurrentPadList == nullptr) return;
    PlacePads(*CurrentParameters, CurrentPadList->Pin1Pad, CurrentPadList->DefaultPad, ToDatabaseUnits,
              *CurrentPadList);
}

void AddPadSite(const PadPosition& position, int32_t xIndex, int32_t yIndex) {
    PadNamer namer(*CurrentParameters);
    AppendSite(namer, ToDatabaseUnits, position, xIndex, yIndex, *CurrentPadList);
}
