// The land-pattern part of the host's record; see land_record.h. Each part of the record is a
// table of its members, which writing and reading both walk.
#include "host/orvex/extras/land_record.h"

#include <cmath>
#include <set>
#include <variant>

#include "host/land/package_keys.h"

namespace {

using Kind = JsonValue::Kind;
using land::Point;
using land::Range;
using land::Rect;

template <class T>
using Member = std::variant<int T::*, double T::*, Range T::*, Rect T::*, std::vector<Rect> T::*,
                            std::vector<Point> T::*>;
template <class T>
struct Field {
    const char* name;
    Member<T> member;
};

using Row = LandRowRecord;
const Field<Row> kRowFields[] = {
    {"pins", &Row::pins},     {"z_max", &Row::zMax},   {"g_min", &Row::gMin},   {"x_max", &Row::xMax},
    {"z", &Row::z},           {"g", &Row::g},          {"x", &Row::x},          {"g_land", &Row::gLand},
    {"length", &Row::length}, {"width", &Row::width},  {"span", &Row::span},    {"corner_ratio", &Row::cornerRatio},
    {"toe", &Row::toe},       {"heel", &Row::heel},    {"side", &Row::side},
};
using Ep = LandEpRecord;
const Field<Ep> kEpFields[] = {
    {"number", &Ep::number}, {"land", &Ep::land},   {"mask", &Ep::mask},
    {"corner_ratio", &Ep::cornerRatio}, {"paste", &Ep::paste}, {"paste_coverage", &Ep::pasteCoverage},
    {"vias", &Ep::vias},     {"via_drill", &Ep::viaDrill}, {"via_diameter", &Ep::viaDiameter},
};
using Ball = LandBallRecord;
const Field<Ball> kBallFields[] = {{"land", &Ball::land}, {"mask", &Ball::mask}, {"paste", &Ball::paste}};

// Each kind of member as JSON: a number, or an array of numbers, or an array of those.
void Put(JsonWriter& j, int v) { j.Int(v); }
void Put(JsonWriter& j, double v) { j.Short(v); }
void Put(JsonWriter& j, const Range& r) { j.BeginArray().Short(r.min).Short(r.max).EndArray(); }
void Put(JsonWriter& j, const Rect& r) { j.BeginArray().Short(r.cx).Short(r.cy).Short(r.w).Short(r.h).EndArray(); }
void Put(JsonWriter& j, const Point& p) { j.BeginArray().Short(p.x).Short(p.y).EndArray(); }
template <class T>
void Put(JsonWriter& j, const std::vector<T>& items) {
    j.BeginArray();
    for (const T& item : items) Put(j, item);
    j.EndArray();
}

Status Get(const JsonValue& v, double& out) {
    if (v.kind != Kind::Number || !std::isfinite(v.number)) return Failure{"is not a number"};
    out = v.number;
    return {};
}
Status Get(const JsonValue& v, int& out) {
    if (v.kind != Kind::Number || !(std::fabs(v.number) <= 1e9) || v.number != std::floor(v.number))
        return Failure{"is not a whole number"};
    out = int(v.number);
    return {};
}
// An array of exactly these numbers.
Status GetNumbers(const JsonValue& v, std::initializer_list<double*> out) {
    if (v.kind != Kind::Array || v.items.size() != out.size())
        return Failure{"is not " + std::to_string(out.size()) + " numbers"};
    size_t i = 0;
    for (double* target : out) TRY(Get(v.items[i++], *target));
    return {};
}
Status Get(const JsonValue& v, Range& r) { return GetNumbers(v, {&r.min, &r.max}); }
Status Get(const JsonValue& v, Rect& r) { return GetNumbers(v, {&r.cx, &r.cy, &r.w, &r.h}); }
Status Get(const JsonValue& v, Point& p) { return GetNumbers(v, {&p.x, &p.y}); }
template <class T>
Status Get(const JsonValue& v, std::vector<T>& items) {
    if (v.kind != Kind::Array) return Failure{"is not a list"};
    items.resize(v.items.size());
    for (size_t i = 0; i < items.size(); ++i) TRY(Get(v.items[i], items[i]));
    return {};
}

template <class T, size_t N>
void PutFields(JsonWriter& j, const T& record, const Field<T> (&fields)[N]) {
    j.BeginObject();
    for (const Field<T>& f : fields) {
        j.Key(f.name);
        std::visit([&](auto member) { Put(j, record.*member); }, f.member);
    }
    j.EndObject();
}

// Every member of the table, and nothing else.
template <class T, size_t N>
Result<T> GetFields(const JsonValue& v, const Field<T> (&fields)[N]) {
    if (v.kind != Kind::Object) return Failure{"is not an object"};
    T record;
    std::set<std::string> seen;
    for (const JsonMember& m : v.members) {
        const Field<T>* field = nullptr;
        for (const Field<T>& f : fields)
            if (m.name == f.name) field = &f;
        if (field == nullptr) return Failure{"has an unknown member \"" + m.name + "\""};
        const Status got = std::visit([&](auto member) { return Get(m.value, record.*member); }, field->member);
        if (!got.ok()) return Failure{"has \"" + m.name + "\", which " + got.error()};
        seen.insert(m.name);
    }
    if (seen.size() != N) return Failure{"lacks members"};
    return record;
}

LandRowRecord RowRecordOf(const land::RowPairLands& p) {
    return {p.pinsPerRow, p.zMax, p.gMin, p.xMax, p.z, p.g, p.x, p.gLand, p.landLength, p.landWidth, p.span,
            p.corner.ratio, p.toe, p.heel, p.side};
}

LandEpRecord EpRecordOf(const land::ExposedPadLands& ep) {
    LandEpRecord r{ep.number, ep.land.rect, ep.mask, ep.land.corner.ratio, {}, ep.pasteCoverageReached, ep.vias,
                   ep.viaDrill, ep.viaDiameter};
    for (const land::Land& window : ep.paste) r.paste.push_back(window.rect);
    return r;
}

Status GetKeys(const JsonValue& v, LandRecord& r) {
    if (v.kind != Kind::Object) return Failure{"is not an object"};
    for (const JsonMember& m : v.members) {
        const land::KeyRow* row = land::KeyNamed(m.name);
        if (row == nullptr || m.value.kind != Kind::String) return Failure{"holds \"" + m.name + "\", no key"};
        if (!land::ParseKeyValue(*row, m.value.text).ok())
            return Failure{"holds " + m.name + " '" + m.value.text + "', which does not read"};
        r.keys.emplace_back(m.name, m.value.text);
    }
    return {};
}

template <class T, size_t N>
Status GetPart(const JsonValue& v, std::optional<T>& part, const Field<T> (&fields)[N]) {
    TRY_ASSIGN(read, GetFields(v, fields));
    part = std::move(read);
    return {};
}

Status GetMember(const JsonMember& m, LandRecord& r) {
    if (m.name == "keys") return GetKeys(m.value, r);
    if (m.name == "density") {
        if (m.value.kind != Kind::String || !land::DensityNamed(m.value.text)) return Failure{"is no density"};
        r.density = m.value.text;
        return {};
    }
    if (m.name == "body") return GetNumbers(m.value, {&r.bodyX, &r.bodyY});
    if (m.name == "courtyard")
        return GetNumbers(m.value, {&r.courtyard.x1, &r.courtyard.y1, &r.courtyard.x2, &r.courtyard.y2});
    if (m.name == "row_x") return GetPart(m.value, r.rowX, kRowFields);
    if (m.name == "row_y") return GetPart(m.value, r.rowY, kRowFields);
    if (m.name == "ep") return GetPart(m.value, r.ep, kEpFields);
    if (m.name == "ball") return GetPart(m.value, r.ball, kBallFields);
    return Failure{"is no member of it"};
}

}  // namespace

LandRecord LandRecordOf(const land::PackageInput& input, const land::LandPattern& p) {
    LandRecord r;
    for (const land::KeyRow& row : land::PackageKeys())
        if (input.Given(row.key)) r.keys.emplace_back(row.name, land::KeyValueText(input.values[size_t(row.key)]));
    if (input.family && !input.Given(land::Key::Family))
        r.keys.insert(r.keys.begin(), {"family", land::FamilyName(*input.family)});
    r.density = land::DensityOf(p.density).name;
    r.bodyX = p.bodyX.nominal;
    r.bodyY = p.bodyY.nominal;
    if (p.rowX.present) r.rowX = RowRecordOf(p.rowX);
    if (p.rowY.present) r.rowY = RowRecordOf(p.rowY);
    if (p.ep.present) r.ep = EpRecordOf(p.ep);
    if (p.ball.present) r.ball = LandBallRecord{p.ball.land, p.ball.mask, p.ball.paste};
    r.courtyard = p.courtyard;
    return r;
}

void WriteLandRecord(JsonWriter& j, const LandRecord& r) {
    j.BeginObject().Key("keys").BeginObject();
    for (const auto& [name, text] : r.keys) j.Key(name).String(text);
    j.EndObject().Key("density").String(r.density);
    j.Key("body").BeginArray().Short(r.bodyX).Short(r.bodyY).EndArray();
    if (r.rowX) PutFields(j.Key("row_x"), *r.rowX, kRowFields);
    if (r.rowY) PutFields(j.Key("row_y"), *r.rowY, kRowFields);
    if (r.ep) PutFields(j.Key("ep"), *r.ep, kEpFields);
    if (r.ball) PutFields(j.Key("ball"), *r.ball, kBallFields);
    const land::Courtyard& c = r.courtyard;
    j.Key("courtyard").BeginArray().Short(c.x1).Short(c.y1).Short(c.x2).Short(c.y2).EndArray();
    j.EndObject();
}

Result<LandRecord> ReadLandRecord(const JsonValue& value) {
    if (value.kind != Kind::Object) return Failure{"\"land_pattern\" is not an object"};
    LandRecord r;
    for (const JsonMember& m : value.members) {
        const Status got = GetMember(m, r);
        if (!got.ok()) return Failure{"\"land_pattern\": \"" + m.name + "\" " + got.error()};
    }
    if (r.keys.empty() || r.density.empty()) return Failure{"\"land_pattern\" lacks its keys or density"};
    return r;
}
