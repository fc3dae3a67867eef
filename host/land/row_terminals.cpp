// Terminal spans from the datasheet's forms; see row_terminals.h.
#include "host/land/row_terminals.h"

#include "host/land/number_text.h"
#include "host/land/package_keys.h"

namespace land {
namespace {

std::string Named(const PackageInput& in, Key key) {
    return std::string(RowOf(key).name) + " " + DimensionText(*in.Get<Dimension>(key));
}

Result<Dimension> Needed(const PackageInput& in, Key key, const char* rows) {
    if (const Dimension* d = in.Get<Dimension>(key)) return *d;
    return Failure{std::string(RowOf(key).name) + " is needed for the " + rows};
}

// The terminal length of the pair: its own key where a no-lead package gives one.
std::optional<Key> LeadLenKey(const PackageInput& in, const AxisKeys& keys) {
    if (*in.family == Family::NoLead && in.Given(keys.leadLen)) return keys.leadLen;
    if (in.Given(Key::LeadLen)) return Key::LeadLen;
    return std::nullopt;
}

Result<Dimension> FootOf(const PackageInput& in, const AxisKeys& keys) {
    if (const auto key = LeadLenKey(in, keys)) return *in.Get<Dimension>(*key);
    return Failure{std::string("lead_len is needed for the ") + keys.rows};
}

// The span the feet are measured against, as the keys given make it: for messages only.
std::string SpanText(const PackageInput& in, const AxisKeys& keys) {
    if (*in.family == Family::GullWing) return Named(in, keys.overall);
    if (in.Given(keys.centerPos)) return "twice " + Named(in, keys.centerPos);
    if (in.Given(keys.centerToCenter)) return Named(in, keys.centerToCenter);
    if (in.Given(Key::LeadToEdge)) return Named(in, keys.body) + " less twice " + Named(in, Key::LeadToEdge);
    return Named(in, keys.body);
}

Status FeetApart(const PackageInput& in, const RowTerminals& t, const AxisKeys& keys) {
    if (t.S.nominal > 0) return {};
    if (in.Given(Key::BodyToInsideLeadEdge) && *in.family == Family::NoLead && !in.Given(keys.centerPos) &&
        !in.Given(keys.centerToCenter))
        return Failure{Named(in, Key::BodyToInsideLeadEdge) + " is more than half of " + Named(in, keys.body)};
    return Failure{Named(in, *LeadLenKey(in, keys)) + " is longer than half the span " + SpanText(in, keys) +
                   " of the " + keys.rows};
}

Result<RowTerminals> GullWing(const PackageInput& in, const AxisKeys& keys, RowTerminals t, double pitch) {
    TRY_ASSIGN(L, Needed(in, keys.overall, keys.rows));
    TRY_ASSIGN(T, FootOf(in, keys));
    const Dimension& body = *in.Get<Dimension>(keys.body);
    if (L.nominal <= body.nominal)
        return Failure{Named(in, keys.overall) + " does not reach past " + Named(in, keys.body)};
    t.L = Span::Of(L);
    t.S = Span::Of(L).Add(T, -1).Add(T, -1);
    t.T = T;
    const bool small = in.Or(Key::SmallPitchTable, false) || pitch < kSmallPitchBelow - 1e-9;
    t.kind = small ? TerminalKind::GullWingSmallPitch : TerminalKind::GullWing;
    TRY(FeetApart(in, t, keys));
    return t;
}

// Terminals placed by their centres: L and S are the centre span plus and minus a foot,
// half a foot on each side.
Result<RowTerminals> ByCentres(const PackageInput& in, const AxisKeys& keys, RowTerminals t) {
    if (in.Given(keys.centerPos) && in.Given(keys.centerToCenter))
        return Failure{std::string("give ") + RowOf(keys.centerPos).name + " or " + RowOf(keys.centerToCenter).name +
                       ", not both"};
    TRY_ASSIGN(T, FootOf(in, keys));
    t.T = T;
    Span centres;
    if (const Dimension* pos = in.Get<Dimension>(keys.centerPos)) {
        centres.Add(*pos, 1).Add(*pos, 1);   // one offset on each side
    } else {
        centres = Span::Of(*in.Get<Dimension>(keys.centerToCenter));
    }
    t.L = centres;
    t.L.Add(T, 0.5).Add(T, 0.5);
    t.S = centres;
    t.S.Add(T, -0.5).Add(T, -0.5);
    return t;
}

Result<RowTerminals> NoLead(const PackageInput& in, const AxisKeys& keys, RowTerminals t) {
    const Dimension& body = *in.Get<Dimension>(keys.body);
    if (in.Given(keys.centerPos) || in.Given(keys.centerToCenter)) {
        TRY_ASSIGN(placed, ByCentres(in, keys, t));
        t = placed;
    } else {
        t.L = Span::Of(body);
        if (const Dimension* pullBack = in.Get<Dimension>(Key::LeadToEdge)) {
            t.L.Add(*pullBack, -1).Add(*pullBack, -1);
        }
        if (const Dimension* inside = in.Get<Dimension>(Key::BodyToInsideLeadEdge)) {
            t.S = Span::Of(body).Add(*inside, -1).Add(*inside, -1);
        } else {
            TRY_ASSIGN(T, FootOf(in, keys));
            t.T = T;
            t.S = t.L;
            t.S.Add(T, -1).Add(T, -1);
        }
    }
    const bool pulledBack = (body.nominal - t.L.nominal) / 2 > kPullBackFrom + 1e-9;
    t.kind = pulledBack ? TerminalKind::NoLeadPulledBack : TerminalKind::NoLeadEdge;
    TRY(FeetApart(in, t, keys));
    return t;
}

}  // namespace

const AxisKeys& KeysOf(RowAxis axis) {
    static const AxisKeys x{Key::NumPinsY, Key::BodySizeX, Key::BodySizeY, Key::OverallSizeX, Key::LeadLenH,
                            Key::LeadCenterPosX, Key::LeadCenterToCenterX, "left and right rows"};
    static const AxisKeys y{Key::NumPinsX, Key::BodySizeY, Key::BodySizeX, Key::OverallSizeY, Key::LeadLenV,
                            Key::LeadCenterPosY, Key::LeadCenterToCenterY, "top and bottom rows"};
    return axis == RowAxis::X ? x : y;
}

Result<std::optional<RowTerminals>> TerminalsOf(const PackageInput& in, RowAxis axis, double pitch) {
    const AxisKeys& keys = KeysOf(axis);
    RowTerminals t;
    t.axis = axis;
    t.pins = in.Or(keys.pins, 0);
    if (t.pins == 0) return std::optional<RowTerminals>();
    TRY_ASSIGN(W, Needed(in, Key::LeadWidth, keys.rows));
    t.W = W;
    if (*in.family == Family::GullWing) {
        TRY_ASSIGN(g, GullWing(in, keys, t, pitch));
        return std::optional<RowTerminals>(g);
    }
    TRY_ASSIGN(n, NoLead(in, keys, t));
    return std::optional<RowTerminals>(n);
}

}  // namespace land
