// Options of "orvex generate" as tables: each row names the option and the control it fills.
#include "host/orvex/requests/generate_request.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <span>

#include "host/orvex/text/latin1.h"
#include "host/orvex/text/number_parser.h"

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
// Texts the dialog is fed; the body is the footprint's and is kept apart.
constexpr const char* kTexts[] = {"alphabet", "padstack", "pin1-padstack"};

template <class Row, size_t N>
int RowOf(const Row (&rows)[N], const std::string& name) {
    for (size_t i = 0; i < N; ++i)
        if (name == rows[i].name) return int(i);
    return -1;
}

bool IsText(const std::string& name) {
    return std::any_of(std::begin(kTexts), std::end(kTexts), [&](const char* t) { return name == t; });
}

std::string StyleList() {
    std::string list;
    for (const StyleRow& s : kStyles) list.append(list.empty() ? "" : "|").append(s.name);
    return list;
}

using RequestResult = Result<GenerateRequest>;

// Fills the request's style; an unknown style is refused with the list of known ones.
Status SetStyle(ArrangementRequest& request, const std::string& style) {
    const int row = RowOf(kStyles, style);
    if (row < 0) return Failure{"unknown style \"" + style + "\"; the styles are " + StyleList()};
    request.page = kStyles[row].page;
    request.styleName = style;
    return {};
}

Status SetText(ArrangementRequest& request, const std::string& name, const std::string& text) {
    if (name == "alphabet") {
        std::string letters;
        for (char c : text) {
            const char upper = char(std::toupper(uint8_t(c)));
            if (upper < 'A' || upper > 'Z') return Failure{"the alphabet takes the letters A to Z, not \"" + Utf8FromLatin1(text) + "\""};
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

Status SetBody(GenerateRequest& request, const std::string& text) {
    TRY_ASSIGN(body, ParseBody(text));
    request.body = body;
    return {};
}

// Both buttons of a pair, or one twice, cannot both be meant.
Status AddRadio(ArrangementRequest& request, int row, bool first) {
    for (const auto& [given, wasFirst] : request.radios) {
        if (given != row) continue;
        return Failure{"--" + std::string(Button(row, wasFirst).name) + " and --" + Button(row, first).name +
                       " answer one choice; give one"};
    }
    request.radios.emplace_back(row, first);
    return {};
}

// A package's lands set the page, its values, the padstacks and the body, and what the host adds
// and leaves out: an option that would set any of these as well is refused, naming it. Its lands
// are one arrangement, which the checks of the stored pads hold to, so no other joins it.
Status PackageAlone(const GenerateRequest& r) {
    if (!r.also.empty())
        return Failure{"--also does not go with --package: a package's lands are the footprint's one arrangement"};
    const auto name = [](const ControlRow& row) { return "--" + std::string(row.name); };
    const ExtrasRequest& e = r.extras;
    const ShapeRequest& s = r.shape;
    const std::pair<bool, std::string> others[] = {
        {r.page >= 0, "--style"},
        {!r.fields.empty(), r.fields.empty() ? "" : name(kFields[r.fields.front().first])},
        {!r.radios.empty(), r.radios.empty() ? "" : name(Button(r.radios.front().first, r.radios.front().second))},
        {r.alphabet.has_value(), "--alphabet"},   {!r.padstack.empty(), "--padstack"},
        {!r.pin1Padstack.empty(), "--pin1-padstack"}, {r.body.has_value(), "--body"},
        {!e.pads.empty(), "--pad"},               {!e.omit.empty(), "--omit"},
        {e.turn != 0, "--turn"},                  {s.startAngle.has_value(), "--start-angle"},
        {s.nameWidth != 0, "--name-width"},       {!s.pinPadstacks.empty(), "--pin-padstack"},
        {e.epPaste.has_value(), "--ep-paste"},
    };
    for (const auto& [given, option] : others)
        if (given)
            return Failure{option + " does not go with --package: the package's lands choose the page, its values, "
                                    "padstacks and body (hidden_pins and deleted_pins leave positions empty)"};
    return {};
}

// Sorted and checked once every option is in.
Status FinishArrangement(ArrangementRequest& request) {
    if (request.page < 0) return Failure{"--style " + StyleList() + " is needed"};
    std::sort(request.fields.begin(), request.fields.end());
    std::sort(request.radios.begin(), request.radios.end());
    return ShapeFitsStyle(request.shape, request.styleName);
}

// The first arrangement, or the package that stands for it, and the whole footprint's extras.
Status FinishRequest(GenerateRequest& request) {
    if (request.package) return PackageAlone(request);
    TRY(FinishArrangement(request));
    return ExtrasFit(request.extras);
}

// The options an arrangement after the first takes beyond the first's.
ArgRules AlsoArgRules();

ArgRules ArrangementArgRules() {
    ArgRules rules{{"--style"}, {}, {}, 0, 0};
    for (const ControlRow& f : kFields) rules.values.insert("--" + std::string(f.name));
    for (const char* t : kTexts) rules.values.insert("--" + std::string(t));
    for (const RadioRow& r : kRadios)
        for (const ControlRow& button : {r.first, r.second}) rules.flags.insert("--" + std::string(button.name));
    AddShapeOptions(rules);
    return rules;
}

ArgRules AlsoArgRules() {
    ArgRules rules = ArrangementArgRules();
    rules.flags.insert("--share-names");
    rules.groups.insert({"--at", 2});
    return rules;
}

Status ArrangementFromArgs(ArrangementRequest& request, const ArgList& args) {
    if (const auto style = args.Value("--style")) TRY(SetStyle(request, *style));
    for (size_t i = 0; i < std::size(kFields); ++i)
        if (auto text = args.Value("--" + std::string(kFields[i].name))) request.fields.emplace_back(int(i), *text);
    for (size_t i = 0; i < std::size(kRadios); ++i)
        for (bool first : {true, false})
            if (args.Has("--" + std::string(Button(int(i), first).name)))
                TRY(AddRadio(request, int(i), first));
    for (const char* name : kTexts)
        if (auto text = args.Value("--" + std::string(name)))
            TRY(SetText(request, name, *text));
    return ShapeFromArgs(request.shape, args);
}

// An option of the whole footprint given inside an arrangement after the first: named as such
// rather than as unknown. Empty when `option` is no such option.
std::string FootprintOption(const std::string& option) {
    const ArgRules all = GenerateArgRules(), also = AlsoArgRules();
    const bool footprint = all.values.count(option) + all.flags.count(option) + all.groups.count(option) != 0;
    const bool arrangement = also.values.count(option) + also.flags.count(option) + also.groups.count(option) != 0;
    if (!footprint || arrangement) return "";
    return option + " is an option of the whole footprint; give it outside --also ... --end-also";
}

// Numbers now; lengths once the design's unit is known.
Status SetAt(AlsoRequest& also, const std::string& x, const std::string& y) {
    for (const auto& [text, axis] : {std::pair{&x, "x"}, {&y, "y"}}) {
        auto v = number_parser::Real(*text, axis);
        if (!v.ok()) return Failure{"--at: " + v.error()};
    }
    also.x = x;
    also.y = y;
    return {};
}

Result<AlsoRequest> AlsoFromWords(const std::vector<std::string>& words) {
    for (const std::string& word : words)
        if (std::string whole = FootprintOption(word); !whole.empty()) return Failure{whole};
    TRY_ASSIGN(args, ArgList::Parse(words, AlsoArgRules()));
    AlsoRequest also;
    TRY(ArrangementFromArgs(also, args));
    for (const auto& at : args.Groups("--at")) TRY(SetAt(also, at[0], at[1]));
    also.shareNames = args.Has("--share-names");
    TRY(FinishArrangement(also));
    return also;
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

// None when the member is none of an arrangement's.
std::optional<Status> ReadArrangementMember(ArrangementRequest& request, const std::string& name,
                                            const JsonValue& value) {
    if (name == "style") {
        TRY(Expect(name, value, Kind::String, "a string"));
        return SetStyle(request, value.text);
    }
    if (const int row = RowOf(kFields, name); row >= 0) {
        if (value.kind != Kind::Number && value.kind != Kind::String)
            return Status(Failure{"\"" + name + "\" must be a number or a string"});
        request.fields.emplace_back(row, value.text);
        return Status();
    }
    if (const auto [row, first] = RadioNamed(name); row >= 0) {
        TRY(Expect(name, value, Kind::Bool, "true or false"));
        return AddRadio(request, row, first == value.boolean);
    }
    if (IsText(name)) {
        TRY(Expect(name, value, Kind::String, "a string"));
        return SetText(request, name, value.text);
    }
    return ShapeFromJson(request.shape, name, value);
}

// Members of an object, each once, read by `read`.
template <class Read>
Status ReadMembers(const JsonValue& object, Read read) {
    std::set<std::string> seen;
    for (const auto& [name, value] : object.members) {
        if (!seen.insert(name).second) return Failure{"\"" + name + "\" is given twice"};
        TRY(read(name, value));
    }
    return {};
}

// Whether a member of an entry is the whole footprint's rather than an arrangement's.
bool FootprintMember(const std::string& name) {
    ExtrasRequest unused;
    return name == "footprint" || name == "design" || name == "body" || name == "also" || name == "package" ||
           ExtrasFromJson(unused, name, JsonValue{}).has_value();
}

Status ReadAt(AlsoRequest& also, const JsonValue& value) {
    const auto number = [](const JsonValue& v) { return v.kind == Kind::Number || v.kind == Kind::String; };
    if (value.kind != Kind::Array || value.items.size() != 2 || !number(value.items[0]) || !number(value.items[1]))
        return Failure{"\"at\" must be two numbers, [x, y]"};
    return SetAt(also, value.items[0].text, value.items[1].text);
}

Result<AlsoRequest> AlsoFromObject(const JsonValue& object) {
    if (object.kind != Kind::Object) return Failure{"is not an object"};
    AlsoRequest also;
    TRY(ReadMembers(object, [&](const std::string& name, const JsonValue& value) -> Status {
        if (std::optional<Status> read = ReadArrangementMember(also, name, value)) return *read;
        if (name == "at") return ReadAt(also, value);
        if (name == "share-names") {
            TRY(Expect(name, value, Kind::Bool, "true or false"));
            also.shareNames = value.boolean;
            return {};
        }
        if (FootprintMember(name))
            return Failure{"\"" + name + "\" is an option of the whole footprint, not of an arrangement in \"also\""};
        return Failure{"unknown option \"" + name + "\""};
    }));
    TRY(FinishArrangement(also));
    return also;
}

Status ReadAlso(GenerateRequest& request, const JsonValue& value) {
    if (value.kind != Kind::Array) return Failure{"\"also\" must be a list of arrangements"};
    for (const JsonValue& item : value.items) {
        auto also = AlsoFromObject(item);
        if (!also.ok()) return Failure{AlsoLabel(request.also.size()) + ": " + also.error()};
        request.also.push_back(std::move(also.value()));
    }
    return {};
}

Status ReadMember(GenerateRequest& request, const std::string& name, const JsonValue& value) {
    if (name == "footprint" || name == "design" || name == "body") {
        TRY(Expect(name, value, Kind::String, "a string"));
        if (name == "body") return SetBody(request, value.text);
        (name == "footprint" ? request.footprint : request.design) = value.text;
        return {};
    }
    if (name == "also") return ReadAlso(request, value);
    if (name == "package") {
        TRY_ASSIGN(package, PackageFromJson(value));
        request.package = std::move(package);
        return {};
    }
    if (std::optional<Status> read = ReadArrangementMember(request, name, value)) return *read;
    if (std::optional<Status> read = ExtrasFromJson(request.extras, name, value)) return *read;
    return Failure{"unknown option \"" + name + "\""};
}

RequestResult RequestFromObject(const JsonValue& object) {
    if (object.kind != Kind::Object) return RequestResult::Fail("is not an object");
    GenerateRequest request;
    TRY(ReadMembers(object, [&](const std::string& name, const JsonValue& value) -> Status {
        // The design is a file's path and keeps its bytes; every other text goes into the design.
        if (name == "design") return ReadMember(request, name, value);
        JsonValue texts = value;
        if (Status latin1 = TextsToLatin1(texts); !latin1.ok()) return Failure{"\"" + name + "\": " + latin1.error()};
        return ReadMember(request, name, texts);
    }));
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
    ArgRules rules = ArrangementArgRules();
    rules.values.insert({"--from-json", "--body"});
    rules.paths = {"--from-json"};
    rules.most = 2;
    AddExtrasOptions(rules);
    AddPackageOptions(rules);
    rules.blocks.insert({"--also", "--end-also"});
    return rules;
}

RequestResult RequestFromArgs(const ArgList& args, const std::string& footprint) {
    GenerateRequest request;
    request.footprint = footprint;
    TRY_ASSIGN(package, PackageFromArgs(args));
    request.package = std::move(package);
    if (!request.package && !args.Value("--style"))
        return RequestResult::Fail("--style " + StyleList() + " is needed, or --package FAMILY with its keys");
    TRY(ArrangementFromArgs(request, args));
    if (const auto body = args.Value("--body")) TRY(SetBody(request, *body));
    TRY(ExtrasFromArgs(request.extras, args));
    for (const auto& words : args.Groups("--also")) {
        auto also = AlsoFromWords(words);
        if (!also.ok()) return RequestResult::Fail(AlsoLabel(request.also.size()) + ": " + also.error());
        request.also.push_back(std::move(also.value()));
    }
    TRY(FinishRequest(request));
    return request;
}

Result<std::vector<GenerateRequest>> RequestsFromJson(const JsonValue& root) {
    using R = Result<std::vector<GenerateRequest>>;
    const bool many = root.kind == Kind::Array;
    // The entries are looked at where they are: a copy of a library's list is megabytes.
    const std::span<const JsonValue> entries = many ? std::span<const JsonValue>(root.items) : std::span(&root, 1);
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
    const std::string name = Utf8FromLatin1(request.footprint);
    if (request.entry == 0) return name;
    return "entry " + std::to_string(request.entry) + " (" + name + ")";
}

Result<ArrangementRequest> ArrangementFromOptions(const OptionList& options) {
    ArrangementRequest request;
    for (const auto& [name, text] : options) {
        JsonValue value;
        value.kind = text ? Kind::String : Kind::Bool;
        value.boolean = !text;
        value.text = text.value_or("");
        std::optional<Status> read = ReadArrangementMember(request, name, value);
        if (!read) return Failure{"unknown option \"" + name + "\""};
        TRY(*read);
    }
    TRY(FinishArrangement(request));
    return request;
}

Result<FootprintExtras> ExtrasOf(const GenerateRequest& request, const zelmdb::DesignInfo& design) {
    TRY_ASSIGN(extras, ExtrasOf(request.extras, design));
    extras.body = request.body;
    extras.madeFrom = MadeFrom(request);
    extras.shape = ShapeOf(request.shape);
    if (request.package) extras.land = LandRecordOf(request.package->input, request.package->pattern);
    for (size_t i = 0; i < request.also.size(); ++i) {
        const AlsoRequest& a = request.also[i];
        const std::string label = AlsoLabel(i) + ": --at";
        TRY_ASSIGN(x, DesignLength(a.x, "x", label, design));
        TRY_ASSIGN(y, DesignLength(a.y, "y", label, design));
        extras.also.push_back({MadeFrom(a), x, y, a.shareNames, ShapeOf(a.shape)});
    }
    return extras;
}

Status SetDialogOption(ArrangementRequest& request, const std::string& name, const std::optional<std::string>& value) {
    if (const auto [row, first] = RadioNamed(name); row >= 0 && !value) return AddRadio(request, row, first);
    if (!value) return Failure{"--" + name + " takes a value"};
    if (name == "style") return SetStyle(request, *value);
    if (const int row = RowOf(kFields, name); row >= 0) {
        // In the order of the table, as every field is entered.
        const std::pair<int, std::string> field{row, *value};
        request.fields.insert(std::upper_bound(request.fields.begin(), request.fields.end(), field), field);
        return {};
    }
    if (IsText(name)) return SetText(request, name, *value);
    return Failure{"--" + name + " is no option of the dialog"};
}

GenerateScript BuildGenerateScript(const ArrangementRequest& request) {
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

GenerateScript BuildPadstackScript(const std::string& padstack, const std::string& origin) {
    GenerateScript script;
    script.origins.push_back(origin);
    for (const int button : {IDC_SELECT_DEFAULT_PADSTACK, IDC_SELECT_PIN1_PADSTACK}) {
        script.actions.push_back(Action(ScriptVerb::Click, 0, button));
        script.actions.push_back(Action(ScriptVerb::Select, 0, IDC_PADSTACK_LIST, padstack));
        script.actions.push_back(Action(ScriptVerb::Ok, 0));
    }
    script.actions.push_back(Action(ScriptVerb::Ok, 0));
    return script;
}

OptionList MadeFrom(const ArrangementRequest& request) {
    OptionList options{{"style", request.styleName}};
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
