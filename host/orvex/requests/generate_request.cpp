// Options of "orvex generate" as tables: each row names the option and the control it fills.
#include "host/orvex/requests/generate_request.h"

#include <algorithm>
#include <cctype>
#include <set>

namespace {

// The dialog's control IDs, as its scripts name them; the host knows the dialog only by these.
enum ControlId : int {
    IDC_ARRAY_ALPHABET = 502, IDC_LETTER_A = 267, IDC_SELECT_DEFAULT_PADSTACK = 1058,
    IDC_SELECT_PIN1_PADSTACK = 1059, IDC_PADSTACK_LIST = 1056,
    IDC_NUMBER_P = 4026, IDC_NUMBER_Q = 4028, IDC_STAGGER_W = 4032, IDC_STAGGER_Z = 4033,
    IDC_SPACING_X = 4034, IDC_SPACING_Y = 4035, IDC_START_X = 4038, IDC_INCREMENT_X = 4039,
    IDC_START_Y = 4040, IDC_INCREMENT_Y = 4041, IDC_NUMERIC_X = 4043, IDC_ALPHABETIC_X = 4044,
    IDC_NUMERIC_Y = 4045, IDC_ALPHABETIC_Y = 4046, IDC_ROW_DELTA = 4053, IDC_CENTER_CC = 4063,
    IDC_CORNER_QFP = 4064, IDC_ANGLE = 4065, IDC_RADIUS = 4066, IDC_PIN1_NUMERIC = 4114,
    IDC_PIN1_ALPHA_NUMERIC = 4117,
};

struct StyleRow {
    const char* name;
    int page;
};
constexpr StyleRow kStyles[] = {{"dual", 0},         {"stagger-x", 1}, {"stagger-y", 2},
                                {"chip-carrier", 3}, {"circular", 4},  {"grid", 5}};

struct ControlRow {
    const char* name;
    int id;
};
// In the order they are entered, so a run does not depend on the order they were given in.
// Spacings go before counts: a page starts with its pads on one spot, and every count typed
// there would have its pads all drawn, names and all, on top of each other.
constexpr ControlRow kFields[] = {
    {"x", IDC_SPACING_X},        {"y", IDC_SPACING_Y},         {"w", IDC_STAGGER_W},
    {"z", IDC_STAGGER_Z},        {"d", IDC_ROW_DELTA},         {"r", IDC_RADIUS},
    {"angle", IDC_ANGLE},        {"p", IDC_NUMBER_P},          {"q", IDC_NUMBER_Q},
    {"x-start", IDC_START_X},    {"x-increment", IDC_INCREMENT_X},
    {"y-start", IDC_START_Y},    {"y-increment", IDC_INCREMENT_Y},
};
// Pairs of radio buttons: each button is a flag, and a JSON false picks the other one.
struct RadioRow {
    ControlRow first, second;
};
constexpr RadioRow kRadios[] = {
    {{"x-alpha", IDC_ALPHABETIC_X}, {"x-numeric", IDC_NUMERIC_X}},
    {{"y-alpha", IDC_ALPHABETIC_Y}, {"y-numeric", IDC_NUMERIC_Y}},
    {{"continue-numbering", IDC_PIN1_NUMERIC}, {"alpha-numeric", IDC_PIN1_ALPHA_NUMERIC}},
    {{"center-start", IDC_CENTER_CC}, {"corner-start", IDC_CORNER_QFP}},
};

const ControlRow& Button(int row, bool first) { return first ? kRadios[row].first : kRadios[row].second; }

// The row and button of a flag's name, or row -1.
std::pair<int, bool> RadioNamed(const std::string& name) {
    for (size_t i = 0; i < std::size(kRadios); ++i)
        for (bool first : {true, false})
            if (name == Button(int(i), first).name) return {int(i), first};
    return {-1, false};
}
constexpr const char* kTexts[] = {"alphabet", "padstack", "pin1-padstack", "body"};

template <class Row, size_t N>
int RowOf(const Row (&rows)[N], const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (name == rows[i].name) return int(i);
    return -1;
}

std::string StyleList() {
    std::string list;
    for (const StyleRow& s : kStyles) list.append(list.empty() ? "" : "|").append(s.name);
    return list;
}

using RequestResult = Result<GenerateRequest>;

// Fills the request's style; an unknown style is refused with the list of known ones.
Status SetStyle(GenerateRequest& request, const std::string& style) {
    const int row = RowOf(kStyles, style);
    if (row < 0) return Failure{"unknown style \"" + style + "\"; the styles are " + StyleList()};
    request.page = kStyles[row].page;
    request.styleName = style;
    return {};
}

Status SetText(GenerateRequest& request, const std::string& name, const std::string& text) {
    if (name == "body") {
        TRY_ASSIGN(body, ParseBody(text));
        request.body = body;
    } else if (name == "alphabet") {
        std::string letters;
        for (char c : text) {
            const char upper = char(std::toupper(uint8_t(c)));
            if (upper < 'A' || upper > 'Z') return Failure{"the alphabet takes the letters A to Z, not \"" + text + "\""};
            letters += upper;
        }
        request.alphabet = letters;
    } else if (name == "padstack") {
        request.padstack = text;
    } else {
        request.pin1Padstack = text;
    }
    return {};
}

// Both buttons of a pair, or one twice, cannot both be meant.
Status AddRadio(GenerateRequest& request, int row, bool first) {
    for (const auto& [given, wasFirst] : request.radios) {
        if (given != row) continue;
        return Failure{"--" + std::string(Button(row, wasFirst).name) + " and --" + Button(row, first).name +
                       " answer one choice; give one"};
    }
    request.radios.emplace_back(row, first);
    return {};
}

// A package's lands set the page, its values, the padstacks and the body, and what the host adds
// and leaves out: an option that would set any of these as well is refused, naming it.
Status PackageAlone(const GenerateRequest& r) {
    if (!r.package) return {};
    const auto name = [](const ControlRow& row) { return "--" + std::string(row.name); };
    const ExtrasRequest& e = r.extras;
    const std::pair<bool, std::string> others[] = {
        {r.page >= 0, "--style"},
        {!r.fields.empty(), r.fields.empty() ? "" : name(kFields[r.fields.front().first])},
        {!r.radios.empty(), r.radios.empty() ? "" : name(Button(r.radios.front().first, r.radios.front().second))},
        {r.alphabet.has_value(), "--alphabet"},   {!r.padstack.empty(), "--padstack"},
        {!r.pin1Padstack.empty(), "--pin1-padstack"}, {r.body.has_value(), "--body"},
        {!e.pads.empty(), "--pad"},               {!e.omit.empty(), "--omit"},
        {e.turn != 0, "--turn"},                  {e.startAngle.has_value(), "--start-angle"},
        {e.epPaste.has_value(), "--ep-paste"},
    };
    for (const auto& [given, option] : others)
        if (given)
            return Failure{option + " does not go with --package: the package's lands choose the page, its values, "
                                    "padstacks and body (hidden_pins and deleted_pins leave positions empty)"};
    return {};
}

// Sorted and checked once every option is in.
Status FinishRequest(GenerateRequest& request) {
    TRY(PackageAlone(request));
    std::sort(request.fields.begin(), request.fields.end());
    std::sort(request.radios.begin(), request.radios.end());
    return ExtrasFitStyle(request.extras, request.styleName);
}

ScriptAction Action(ScriptVerb verb, int origin, int id = 0, std::string text = "") {
    ScriptAction a;
    a.verb = verb;
    a.line = origin + 1;
    a.id = id;
    a.text = std::move(text);
    return a;
}

void AddPadstackPick(GenerateScript& script, int button, const std::string& name, const char* origin) {
    const int at = int(script.origins.size());
    script.origins.push_back(origin);
    script.actions.push_back(Action(ScriptVerb::Click, at, button));
    script.actions.push_back(Action(ScriptVerb::Select, at, IDC_PADSTACK_LIST, name));
    script.actions.push_back(Action(ScriptVerb::Ok, at));
}

using Kind = JsonValue::Kind;

Status Expect(const std::string& name, const JsonValue& value, Kind kind, const char* what) {
    if (value.kind != kind) return Failure{"\"" + name + "\" must be " + what};
    return {};
}

Status ReadMember(GenerateRequest& request, const std::string& name, const JsonValue& value) {
    if (name == "footprint" || name == "design" || name == "style") {
        TRY(Expect(name, value, Kind::String, "a string"));
        if (name == "style") return SetStyle(request, value.text);
        (name == "footprint" ? request.footprint : request.design) = value.text;
        return {};
    }
    if (const int row = RowOf(kFields, name); row >= 0) {
        if (value.kind != Kind::Number && value.kind != Kind::String)
            return Failure{"\"" + name + "\" must be a number or a string"};
        request.fields.emplace_back(row, value.text);
        return {};
    }
    if (const auto [row, first] = RadioNamed(name); row >= 0) {
        TRY(Expect(name, value, Kind::Bool, "true or false"));
        return AddRadio(request, row, first == value.boolean);
    }
    if (std::find_if(std::begin(kTexts), std::end(kTexts), [&](const char* t) { return name == t; }) != std::end(kTexts)) {
        TRY(Expect(name, value, Kind::String, "a string"));
        return SetText(request, name, value.text);
    }
    if (name == "package") {
        TRY_ASSIGN(package, PackageFromJson(value));
        request.package = std::move(package);
        return {};
    }
    if (std::optional<Status> read = ExtrasFromJson(request.extras, name, value)) return *read;
    return Failure{"unknown option \"" + name + "\""};
}

RequestResult RequestFromObject(const JsonValue& object) {
    if (object.kind != Kind::Object) return RequestResult::Fail("is not an object");
    GenerateRequest request;
    std::set<std::string> seen;
    for (const auto& [name, value] : object.members) {
        if (!seen.insert(name).second) return RequestResult::Fail("\"" + name + "\" is given twice");
        TRY(ReadMember(request, name, value));
    }
    if (request.footprint.empty()) return RequestResult::Fail("\"footprint\" is needed");
    if (request.page < 0 && !request.package)
        return RequestResult::Fail("\"style\" (" + StyleList() + ") or \"package\" is needed");
    TRY(FinishRequest(request));
    return request;
}

// An entry as a refusal names it: its place, and its footprint when it has a name.
std::string EntryLabel(const JsonValue& entry, size_t index, bool many) {
    const JsonValue* name = entry.kind == Kind::Object ? entry.Member("footprint") : nullptr;
    const std::string footprint = name && name->kind == Kind::String ? name->text : "";
    if (!many) return footprint.empty() ? "the object" : footprint;
    return "entry " + std::to_string(index + 1) + (footprint.empty() ? "" : " (" + footprint + ")");
}

}  // namespace

ArgRules GenerateArgRules() {
    ArgRules rules{{"--style", "--from-json"}, {}, {}, 0, 2};
    for (const ControlRow& f : kFields) rules.values.insert("--" + std::string(f.name));
    for (const char* t : kTexts) rules.values.insert("--" + std::string(t));
    for (const RadioRow& r : kRadios)
        for (const ControlRow& button : {r.first, r.second}) rules.flags.insert("--" + std::string(button.name));
    AddExtrasOptions(rules);
    AddPackageOptions(rules);
    return rules;
}

RequestResult RequestFromArgs(const ArgList& args, const std::string& footprint) {
    GenerateRequest request;
    request.footprint = footprint;
    TRY_ASSIGN(package, PackageFromArgs(args));
    request.package = std::move(package);
    const auto style = args.Value("--style");
    if (!style && !request.package)
        return RequestResult::Fail("--style " + StyleList() + " is needed, or --package FAMILY with its keys");
    if (style) TRY(SetStyle(request, *style));
    for (size_t i = 0; i < std::size(kFields); ++i)
        if (auto text = args.Value("--" + std::string(kFields[i].name))) request.fields.emplace_back(int(i), *text);
    for (size_t i = 0; i < std::size(kRadios); ++i)
        for (bool first : {true, false})
            if (args.Has("--" + std::string(Button(int(i), first).name)))
                TRY(AddRadio(request, int(i), first));
    for (const char* name : kTexts)
        if (auto text = args.Value("--" + std::string(name)))
            TRY(SetText(request, name, *text));
    TRY(ExtrasFromArgs(request.extras, args));
    TRY(FinishRequest(request));
    return request;
}

Result<std::vector<GenerateRequest>> RequestsFromJson(const JsonValue& root) {
    using R = Result<std::vector<GenerateRequest>>;
    const bool many = root.kind == Kind::Array;
    const std::vector<JsonValue> one{root};
    const std::vector<JsonValue>& entries = many ? root.items : one;
    if (entries.empty()) return R::Fail("the list holds no footprint");
    std::vector<GenerateRequest> requests;
    for (size_t i = 0; i < entries.size(); ++i) {
        auto request = RequestFromObject(entries[i]);
        if (!request.ok()) return R::Fail(EntryLabel(entries[i], i, many) + ": " + request.error());
        request.value().entry = many ? int(i + 1) : 0;
        requests.push_back(std::move(request.value()));
    }
    return requests;
}

std::string RequestLabel(const GenerateRequest& request) {
    if (request.entry == 0) return request.footprint;
    return "entry " + std::to_string(request.entry) + " (" + request.footprint + ")";
}

Result<FootprintExtras> ExtrasOf(const GenerateRequest& request, const zelmdb::DesignInfo& design) {
    auto extras = ExtrasOf(request.extras, design);
    if (!extras.ok()) return extras;
    extras.value().body = request.body;
    extras.value().madeFrom = MadeFrom(request);
    if (request.package) extras.value().land = LandRecordOf(request.package->input, request.package->pattern);
    return extras;
}

Status SetDialogOption(GenerateRequest& request, const std::string& name, const std::optional<std::string>& value) {
    if (const auto [row, first] = RadioNamed(name); row >= 0 && !value) return AddRadio(request, row, first);
    if (!value) return Failure{"--" + name + " takes a value"};
    if (name == "style") return SetStyle(request, *value);
    if (const int row = RowOf(kFields, name); row >= 0) {
        // In the order of the table, as every field is entered.
        const std::pair<int, std::string> field{row, *value};
        request.fields.insert(std::upper_bound(request.fields.begin(), request.fields.end(), field), field);
        return {};
    }
    if (std::find(std::begin(kTexts), std::end(kTexts), name) != std::end(kTexts)) return SetText(request, name, *value);
    return Failure{"--" + name + " is no option of the dialog"};
}

GenerateScript BuildGenerateScript(const GenerateRequest& request) {
    GenerateScript script;
    script.origins.push_back("--style");
    script.actions.push_back(Action(ScriptVerb::Page, 0, request.page));
    for (const auto& [row, text] : request.fields) {
        script.actions.push_back(Action(ScriptVerb::Set, int(script.origins.size()), kFields[row].id, text));
        script.origins.push_back("--" + std::string(kFields[row].name));
    }
    for (const auto& [row, first] : request.radios) {
        script.actions.push_back(Action(ScriptVerb::Click, int(script.origins.size()), Button(row, first).id));
        script.origins.push_back("--" + std::string(Button(row, first).name));
    }
    if (request.alphabet) {
        const int at = int(script.origins.size());
        script.origins.push_back("--alphabet");
        script.actions.push_back(Action(ScriptVerb::Click, at, IDC_ARRAY_ALPHABET));
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const bool wanted = request.alphabet->find(letter) != std::string::npos;
            script.actions.push_back(Action(ScriptVerb::Check, at, IDC_LETTER_A + (letter - 'A'), wanted ? "1" : "0"));
        }
        script.actions.push_back(Action(ScriptVerb::Ok, at));
    }
    if (!request.padstack.empty()) AddPadstackPick(script, IDC_SELECT_DEFAULT_PADSTACK, request.padstack, "--padstack");
    if (!request.pin1Padstack.empty()) AddPadstackPick(script, IDC_SELECT_PIN1_PADSTACK, request.pin1Padstack, "--pin1-padstack");
    script.origins.push_back("");
    script.actions.push_back(Action(ScriptVerb::Ok, int(script.origins.size()) - 1));
    return script;
}

std::vector<std::pair<std::string, std::optional<std::string>>> MadeFrom(const GenerateRequest& request) {
    std::vector<std::pair<std::string, std::optional<std::string>>> options{{"style", request.styleName}};
    for (const auto& [row, text] : request.fields) options.emplace_back(kFields[row].name, text);
    for (const auto& [row, first] : request.radios) options.emplace_back(Button(row, first).name, std::nullopt);
    if (request.alphabet) options.emplace_back("alphabet", *request.alphabet);
    if (!request.padstack.empty()) options.emplace_back("padstack", request.padstack);
    if (!request.pin1Padstack.empty()) options.emplace_back("pin1-padstack", request.pin1Padstack);
    return options;
}

int GenerateControlId(const std::string& name) {
    if (const int row = RowOf(kFields, name); row >= 0) return kFields[row].id;
    if (const auto [row, first] = RadioNamed(name); row >= 0) return Button(row, first).id;
    static constexpr ControlRow kOthers[] = {{"alphabet", IDC_ARRAY_ALPHABET}, {"letter-a", IDC_LETTER_A},
                                             {"padstack", IDC_SELECT_DEFAULT_PADSTACK},
                                             {"pin1-padstack", IDC_SELECT_PIN1_PADSTACK},
                                             {"padstack-list", IDC_PADSTACK_LIST}};
    const int row = RowOf(kOthers, name);
    return row >= 0 ? kOthers[row].id : 0;
}
