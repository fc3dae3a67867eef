// Reading a package from flags or JSON; see package_request.h.
#include "host/orvex/requests/package_request.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "host/land/compute.h"
#include "host/land/package_keys.h"
#include "host/land/pad_places.h"
#include "host/orvex/extras/omit_list.h"
#include "host/orvex/text/latin1.h"

const char* const kBallAlphabet = "ABCDEFGHJKLMNPRTUVWY";

namespace {

using Kind = JsonValue::Kind;
using land::Key;
using land::KeyKind;
using land::KeyRow;
using land::KeyValue;

// How a JSON value of each kind of key is written, for the refusal of another.
struct JsonForm {
    KeyKind kind;
    const char* form;
};
constexpr JsonForm kJsonForms[] = {
    {KeyKind::Dimension, "a number, {\"nominal\", \"tolerance\"}, {\"minimum\", \"maximum\"}, "
                         "{\"minimum\", \"nominal\", \"maximum\"} or a text such as \"0.31..0.51\""},
    {KeyKind::Size, "a number"},
    {KeyKind::Allowance, "a number"},
    {KeyKind::Offset, "a number"},
    {KeyKind::Ratio, "a number"},
    {KeyKind::Count, "a whole number"},
    {KeyKind::Flag, "true or false"},
    {KeyKind::CountPair, "[N, M]"},
    {KeyKind::PinList, "a text or a list of texts"},
    {KeyKind::Vias, "{\"count\": [N, M], \"drill\": D, \"paste_avoid_via\": true or false}"},
};

Failure Refused(const KeyRow& row) {
    for (const JsonForm& f : kJsonForms)
        if (f.kind == row.kind) return Failure{std::string(row.name) + " takes " + f.form};
    return Failure{std::string(row.name) + " takes a text: " + land::KindOf(row.kind).textForm};
}

Result<int> Whole(const JsonValue& v, const KeyRow& row) {
    if (v.kind != Kind::Number || !(std::fabs(v.number) <= 1e9) || v.number != std::floor(v.number))
        return Refused(row);
    return int(v.number);
}

// {"nominal"}, {"nominal", "tolerance"}, {"minimum", "maximum"} or {"minimum", "nominal", "maximum"}.
Result<land::Dimension> DimensionObject(const JsonValue& v, const KeyRow& row) {
    std::set<std::string> names;
    for (const JsonMember& m : v.members)
        if (m.value.kind != Kind::Number || !names.insert(m.name).second) return Refused(row);
    const auto at = [&](const char* name) { return v.Member(name)->number; };
    using Names = std::set<std::string>;
    if (names == Names{"nominal"}) return land::Dimension::Exact(at("nominal"), row.name);
    if (names == Names{"nominal", "tolerance"}) return land::Dimension::Toleranced(at("nominal"), at("tolerance"), row.name);
    if (names == Names{"minimum", "maximum"}) return land::Dimension::Limits(at("minimum"), at("maximum"), row.name);
    if (names == Names{"minimum", "nominal", "maximum"})
        return land::Dimension::Limits(at("minimum"), at("nominal"), at("maximum"), row.name);
    return Refused(row);
}

Result<land::CountPair> PairArray(const JsonValue& v, const KeyRow& row) {
    if (v.items.size() != 2) return Refused(row);
    TRY_ASSIGN(x, Whole(v.items[0], row));
    TRY_ASSIGN(y, Whole(v.items[1], row));
    return land::CountPair::Make(x, y, row.name);
}

Result<land::ViaGrid> ViasObject(const JsonValue& v, const KeyRow& row) {
    const JsonValue* count = v.Member("count");
    const JsonValue* drill = v.Member("drill");
    const JsonValue* avoid = v.Member("paste_avoid_via");
    const size_t members = 2 + (avoid ? 1 : 0);
    if (!count || count->kind != Kind::Array || !drill || drill->kind != Kind::Number ||
        (avoid && avoid->kind != Kind::Bool) || v.members.size() != members)
        return Refused(row);
    TRY_ASSIGN(pair, PairArray(*count, row));
    return land::ViaGrid::Make(pair.x, pair.y, drill->number, avoid && avoid->boolean);
}

Result<std::string> PinListArray(const JsonValue& v, const KeyRow& row) {
    std::string list;
    for (const JsonValue& item : v.items) {
        if (item.kind != Kind::String) return Refused(row);
        list += (list.empty() ? "" : ",") + Utf8FromLatin1(item.text);
    }
    return list;
}

template <class T>
Result<KeyValue> Held(Result<T> value) {
    if (!value.ok()) return Failure{value.error()};
    return KeyValue(std::move(value.value()));
}

// A key's value from JSON; a text is read as the command line reads it.
Result<KeyValue> ValueOf(const KeyRow& row, const JsonValue& v) {
    if (v.kind == Kind::String) return land::ParseKeyValue(row, Utf8FromLatin1(v.text));
    switch (row.kind) {
    case KeyKind::Dimension:
        if (v.kind == Kind::Number) return Held(land::Dimension::Exact(v.number, row.name));
        if (v.kind == Kind::Object) return Held(DimensionObject(v, row));
        break;
    case KeyKind::Size: case KeyKind::Allowance: case KeyKind::Offset: case KeyKind::Ratio:
        if (v.kind == Kind::Number) return KeyValue(v.number);
        break;
    case KeyKind::Count:
        if (v.kind == Kind::Number) return Held(Whole(v, row));
        break;
    case KeyKind::Flag:
        if (v.kind == Kind::Bool) return KeyValue(v.boolean);
        break;
    case KeyKind::CountPair:
        if (v.kind == Kind::Array) return Held(PairArray(v, row));
        break;
    case KeyKind::PinList:
        if (v.kind == Kind::Array) return Held(PinListArray(v, row));
        break;
    case KeyKind::Vias:
        if (v.kind == Kind::Object) return Held(ViasObject(v, row));
        break;
    default:
        break;
    }
    return Refused(row);
}

// Which positions a pin list names; the refusal names the list and the item that takes none.
Result<std::vector<bool>> Positions(const land::PackageInput& in, Key key, const std::vector<std::string>& names) {
    const KeyRow& row = land::RowOf(key);
    const std::string* list = in.Get<std::string>(key);
    if (list == nullptr) return std::vector<bool>(names.size(), false);
    std::vector<std::string> items = ListItems(*list);
    for (const std::string& item : items)
        if (item.empty()) return Failure{std::string(row.name) + " \"" + *list + "\" holds an empty name"};
    const OmitSelection s = SelectOmitted(items, names);
    if (!s.unmatched.empty())
        return Failure{std::string(row.name) + ": " + s.unmatched.front() + " is no position of the package (" +
                       names.front() + " to " + names.back() + ")"};
    return s.omitted;
}

// The dialog's name of every position, in the order of the places.
std::vector<std::string> PositionNames(const land::PackageInput& in) {
    std::vector<std::string> names;
    if (in.family == land::Family::Bga) {
        const int cols = in.Or(Key::Cols, 0), rows = in.Or(Key::Rows, 0);
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < cols; ++c) names.push_back(BallName(r, c));
        return names;
    }
    const int count = 2 * (in.Or(Key::NumPinsX, 0) + in.Or(Key::NumPinsY, 0));
    for (int n = 1; n <= count; ++n) names.push_back(std::to_string(n));
    return names;
}

// The positions left empty, then the pattern with the exposed pad numbered after the pins left.
Result<PackageRequest> Finish(land::PackageInput input) {
    PackageRequest r;
    r.positions = PositionNames(input);
    if (!r.positions.empty()) {
        TRY_ASSIGN(hidden, Positions(input, Key::HiddenPins, r.positions));
        TRY_ASSIGN(deleted, Positions(input, Key::DeletedPins, r.positions));
        for (size_t i = 0; i < r.positions.size(); ++i)
            if (hidden[i] && deleted[i])
                return Failure{"position " + r.positions[i] + " is in hidden_pins and in deleted_pins; give it in one"};
        if (std::count(hidden.begin(), hidden.end(), false) == std::count(deleted.begin(), deleted.end(), true))
            return Failure{"hidden_pins and deleted_pins leave the package no pin"};
        input.deletedCount = int(std::count(deleted.begin(), deleted.end(), true));
        r.hidden = std::move(hidden);
        r.deleted = std::move(deleted);
    }
    TRY_ASSIGN(pattern, land::Compute(input));
    if (land::PadPlaces(pattern).size() != r.positions.size())
        return Failure{"the land pattern has other positions than its keys count; nothing was made of it"};
    r.input = std::move(input);
    r.pattern = std::move(pattern);
    return r;
}

}  // namespace

std::string BallName(int row, int col) {
    const int letters = int(std::char_traits<char>::length(kBallAlphabet));
    std::string name;
    for (int n = row + 1; n > 0; n = (n - 1) / letters) name.insert(name.begin(), kBallAlphabet[(n - 1) % letters]);
    return name + std::to_string(col + 1);
}

void AddPackageOptions(ArgRules& rules) {
    rules.values.insert("--package");
    for (const KeyRow& row : land::PackageKeys()) {
        if (row.key == Key::Family) continue;
        (row.kind == KeyKind::Flag ? rules.flags : rules.values).insert(land::FlagName(row));
    }
}

// The land library reads and tells in UTF-8: the host's Latin-1 texts (a plus-minus sign among
// them) go back to UTF-8 on their way there, and its refusals come out as they are.
Result<std::optional<PackageRequest>> PackageFromArgs(const ArgList& args) {
    const std::optional<std::string> family = args.Value("--package");
    const auto textOf = [&](const KeyRow& row) -> std::optional<std::string> {
        if (row.kind == KeyKind::Flag) return args.Has(land::FlagName(row)) ? std::optional<std::string>("true") : std::nullopt;
        return args.Value(land::FlagName(row));
    };
    land::PackageInput input;
    if (family) {
        const Status named = land::ApplyKeyText(input, "family", Utf8FromLatin1(*family));
        if (!named.ok()) return Failure{"--package: " + named.error()};
    }
    for (const KeyRow& row : land::PackageKeys()) {
        if (row.key == Key::Family) continue;
        const std::optional<std::string> text = textOf(row);
        if (!text) continue;
        if (!family) return Failure{land::FlagName(row) + " tells of a package: give --package FAMILY with it"};
        TRY(land::ApplyKeyText(input, row.name, Utf8FromLatin1(*text)));
    }
    if (!family) return std::optional<PackageRequest>();
    TRY_ASSIGN(request, Finish(std::move(input)));
    return std::optional<PackageRequest>(std::move(request));
}

Result<BatchTolerances> BatchTolerancesOf(const ArgList& args) {
    BatchTolerances batch;
    for (auto [key, value] : {std::pair{Key::FabricationTolerance, &batch.fabrication},
                              std::pair{Key::PlacementTolerance, &batch.placement}}) {
        const KeyRow& row = land::RowOf(key);
        const std::optional<std::string> text = args.Value(land::FlagName(row));
        if (!text) continue;
        // Checked as a package would check it.
        land::PackageInput check;
        TRY(land::ApplyKeyText(check, "family", "gullwing"));
        TRY(land::ApplyKeyText(check, row.name, Utf8FromLatin1(*text)));
        *value = *check.Get<double>(key);
    }
    return batch;
}

Status TakeBatchTolerances(PackageRequest& package, const BatchTolerances& batch) {
    if (package.input.family == land::Family::Bga || batch.Count() == 0) return {};
    land::PackageInput input = package.input;
    for (auto [key, value] : {std::pair{Key::FabricationTolerance, batch.fabrication},
                              std::pair{Key::PlacementTolerance, batch.placement}})
        if (value && !input.Given(key)) TRY(land::ApplyKey(input, land::RowOf(key), *value));
    TRY_ASSIGN(again, Finish(std::move(input)));
    package = std::move(again);
    return {};
}

Result<PackageRequest> PackageFromJson(const JsonValue& object) {
    if (object.kind != Kind::Object) return Failure{"\"package\" must be an object of package keys"};
    if (object.Member("family") == nullptr)
        return Failure{"\"package\" needs \"family\" (" + land::FamilyChoices() + ")"};
    land::PackageInput input;
    std::set<std::string> seen;
    // The family first: every other key is checked against it.
    for (bool family : {true, false})
        for (const JsonMember& m : object.members) {
            if ((m.name == "family") != family) continue;
            const KeyRow* row = land::KeyNamed(m.name);
            if (row == nullptr) return Failure{"\"package\": '" + Utf8FromLatin1(m.name) + "' is not a package key"};
            if (!seen.insert(m.name).second) return Failure{m.name + " is given twice"};
            TRY_ASSIGN(value, ValueOf(*row, m.value));
            TRY(land::ApplyKey(input, *row, std::move(value)));
        }
    return Finish(std::move(input));
}
