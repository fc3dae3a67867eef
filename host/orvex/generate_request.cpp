// Options of "orvex generate" as tables: each row names the option and the control it fills.
#include "host/orvex/generate_request.h"

#include <algorithm>
#include <cctype>

namespace {

// The dialog's control IDs, as its scripts name them; the host knows the dialog only by these.
enum ControlId : int {
    IDC_ARRAY_ALPHABET = 502, IDC_LETTER_A = 267, IDC_SELECT_DEFAULT_PADSTACK = 1058,
    IDC_SELECT_PIN1_PADSTACK = 1059, IDC_PADSTACK_LIST = 1056,
    IDC_NUMBER_P = 4026, IDC_NUMBER_Q = 4028, IDC_STAGGER_W = 4032, IDC_STAGGER_Z = 4033,
    IDC_SPACING_X = 4034, IDC_SPACING_Y = 4035, IDC_START_X = 4038, IDC_INCREMENT_X = 4039,
    IDC_START_Y = 4040, IDC_INCREMENT_Y = 4041, IDC_ALPHABETIC_X = 4044, IDC_ALPHABETIC_Y = 4046,
    IDC_ROW_DELTA = 4053, IDC_CENTER_CC = 4063, IDC_ANGLE = 4065, IDC_RADIUS = 4066,
    IDC_PIN1_NUMERIC = 4114,
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
constexpr ControlRow kFields[] = {
    {"p", IDC_NUMBER_P},         {"q", IDC_NUMBER_Q},          {"x", IDC_SPACING_X},
    {"y", IDC_SPACING_Y},        {"w", IDC_STAGGER_W},         {"z", IDC_STAGGER_Z},
    {"d", IDC_ROW_DELTA},        {"r", IDC_RADIUS},            {"angle", IDC_ANGLE},
    {"x-start", IDC_START_X},    {"x-increment", IDC_INCREMENT_X},
    {"y-start", IDC_START_Y},    {"y-increment", IDC_INCREMENT_Y},
};
constexpr ControlRow kFlags[] = {
    {"x-alpha", IDC_ALPHABETIC_X},
    {"y-alpha", IDC_ALPHABETIC_Y},
    {"continue-numbering", IDC_PIN1_NUMERIC},
    {"center-start", IDC_CENTER_CC},
};
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

using RequestResult = zelmdb::Result<GenerateRequest>;

// Fills the request's style; an unknown style is refused with the list of known ones.
std::string SetStyle(GenerateRequest& request, const std::string& style) {
    const int row = RowOf(kStyles, style);
    if (row < 0) return "unknown style \"" + style + "\"; the styles are " + StyleList();
    request.page = kStyles[row].page;
    request.styleName = style;
    return "";
}

std::string SetText(GenerateRequest& request, const std::string& name, const std::string& text) {
    if (name == "body") {
        auto body = ParseBody(text);
        if (!body.ok()) return body.error();
        request.body = body.value();
    } else if (name == "alphabet") {
        std::string letters;
        for (char c : text) {
            const char upper = char(std::toupper(uint8_t(c)));
            if (upper < 'A' || upper > 'Z') return "the alphabet takes the letters A to Z, not \"" + text + "\"";
            letters += upper;
        }
        request.alphabet = letters;
    } else if (name == "padstack") {
        request.padstack = text;
    } else {
        request.pin1Padstack = text;
    }
    return "";
}

void SortRequest(GenerateRequest& request) {
    std::sort(request.fields.begin(), request.fields.end());
    std::sort(request.flags.begin(), request.flags.end());
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

std::string Expect(const std::string& name, const JsonValue& value, Kind kind, const char* what) {
    return value.kind == kind ? "" : "\"" + name + "\" must be " + what;
}

std::string ReadMember(GenerateRequest& request, const std::string& name, const JsonValue& value) {
    if (name == "footprint" || name == "design" || name == "style") {
        if (std::string error = Expect(name, value, Kind::String, "a string"); !error.empty()) return error;
        if (name == "style") return SetStyle(request, value.text);
        (name == "footprint" ? request.footprint : request.design) = value.text;
        return "";
    }
    if (const int row = RowOf(kFields, name); row >= 0) {
        if (value.kind != Kind::Number && value.kind != Kind::String) return "\"" + name + "\" must be a number or a string";
        request.fields.emplace_back(row, value.text);
        return "";
    }
    if (const int row = RowOf(kFlags, name); row >= 0) {
        if (std::string error = Expect(name, value, Kind::Bool, "true or false"); !error.empty()) return error;
        if (value.boolean) request.flags.push_back(row);
        return "";
    }
    if (std::find_if(std::begin(kTexts), std::end(kTexts), [&](const char* t) { return name == t; }) != std::end(kTexts)) {
        if (std::string error = Expect(name, value, Kind::String, "a string"); !error.empty()) return error;
        return SetText(request, name, value.text);
    }
    return "unknown option \"" + name + "\"";
}

RequestResult RequestFromObject(const JsonValue& object) {
    if (object.kind != Kind::Object) return RequestResult::Fail("is not an object");
    GenerateRequest request;
    std::set<std::string> seen;
    for (const auto& [name, value] : object.members) {
        if (!seen.insert(name).second) return RequestResult::Fail("\"" + name + "\" is given twice");
        if (std::string error = ReadMember(request, name, value); !error.empty()) return RequestResult::Fail(error);
    }
    if (request.footprint.empty()) return RequestResult::Fail("\"footprint\" is needed");
    if (request.page < 0) return RequestResult::Fail("\"style\" (" + StyleList() + ") is needed");
    SortRequest(request);
    return request;
}

}  // namespace

std::set<std::string> GenerateValueOptions() {
    std::set<std::string> options{"--style", "--from-json"};
    for (const ControlRow& f : kFields) options.insert("--" + std::string(f.name));
    for (const char* t : kTexts) options.insert("--" + std::string(t));
    return options;
}

std::set<std::string> GenerateFlags() {
    std::set<std::string> flags;
    for (const ControlRow& f : kFlags) flags.insert("--" + std::string(f.name));
    return flags;
}

RequestResult RequestFromArgs(const ArgList& args, const std::string& footprint) {
    GenerateRequest request;
    request.footprint = footprint;
    const auto style = args.Value("--style");
    if (!style) return RequestResult::Fail("--style " + StyleList() + " is needed");
    if (std::string error = SetStyle(request, *style); !error.empty()) return RequestResult::Fail(error);
    for (size_t i = 0; i < std::size(kFields); ++i)
        if (auto text = args.Value("--" + std::string(kFields[i].name))) request.fields.emplace_back(int(i), *text);
    for (size_t i = 0; i < std::size(kFlags); ++i)
        if (args.Has("--" + std::string(kFlags[i].name))) request.flags.push_back(int(i));
    for (const char* name : kTexts)
        if (auto text = args.Value("--" + std::string(name)))
            if (std::string error = SetText(request, name, *text); !error.empty()) return RequestResult::Fail(error);
    SortRequest(request);
    return request;
}

zelmdb::Result<std::vector<GenerateRequest>> RequestsFromJson(const JsonValue& root) {
    using R = zelmdb::Result<std::vector<GenerateRequest>>;
    const bool many = root.kind == Kind::Array;
    const std::vector<JsonValue> one{root};
    const std::vector<JsonValue>& entries = many ? root.items : one;
    if (entries.empty()) return R::Fail("the list holds no footprint");
    std::vector<GenerateRequest> requests;
    for (size_t i = 0; i < entries.size(); ++i) {
        auto request = RequestFromObject(entries[i]);
        if (!request.ok()) return R::Fail((many ? "entry " + std::to_string(i + 1) : std::string("the object")) + ": " + request.error());
        requests.push_back(std::move(request.value()));
    }
    return requests;
}

GenerateScript BuildGenerateScript(const GenerateRequest& request) {
    GenerateScript script;
    script.origins.push_back("--style " + request.styleName);
    script.actions.push_back(Action(ScriptVerb::Page, 0, request.page));
    for (const auto& [row, text] : request.fields) {
        script.actions.push_back(Action(ScriptVerb::Set, int(script.origins.size()), kFields[row].id, text));
        script.origins.push_back("--" + std::string(kFields[row].name) + " " + text);
    }
    for (const int row : request.flags) {
        script.actions.push_back(Action(ScriptVerb::Click, int(script.origins.size()), kFlags[row].id));
        script.origins.push_back("--" + std::string(kFlags[row].name));
    }
    if (request.alphabet) {
        const int at = int(script.origins.size());
        script.origins.push_back("--alphabet " + *request.alphabet);
        script.actions.push_back(Action(ScriptVerb::Click, at, IDC_ARRAY_ALPHABET));
        for (char letter = 'A'; letter <= 'Z'; ++letter) {
            const bool wanted = request.alphabet->find(letter) != std::string::npos;
            script.actions.push_back(Action(ScriptVerb::Check, at, IDC_LETTER_A + (letter - 'A'), wanted ? "1" : "0"));
        }
        script.actions.push_back(Action(ScriptVerb::Ok, at));
    }
    if (!request.padstack.empty()) AddPadstackPick(script, IDC_SELECT_DEFAULT_PADSTACK, request.padstack, "--padstack");
    if (!request.pin1Padstack.empty()) AddPadstackPick(script, IDC_SELECT_PIN1_PADSTACK, request.pin1Padstack, "--pin1-padstack");
    script.origins.push_back("OK");
    script.actions.push_back(Action(ScriptVerb::Ok, int(script.origins.size()) - 1));
    return script;
}

std::vector<std::pair<std::string, std::optional<std::string>>> MadeFrom(const GenerateRequest& request) {
    std::vector<std::pair<std::string, std::optional<std::string>>> options{{"style", request.styleName}};
    for (const auto& [row, text] : request.fields) options.emplace_back(kFields[row].name, text);
    for (const int row : request.flags) options.emplace_back(kFlags[row].name, std::nullopt);
    if (request.alphabet) options.emplace_back("alphabet", *request.alphabet);
    if (!request.padstack.empty()) options.emplace_back("padstack", request.padstack);
    if (!request.pin1Padstack.empty()) options.emplace_back("pin1-padstack", request.pin1Padstack);
    return options;
}

int GenerateControlId(const std::string& name) {
    if (const int row = RowOf(kFields, name); row >= 0) return kFields[row].id;
    if (const int row = RowOf(kFlags, name); row >= 0) return kFlags[row].id;
    static constexpr ControlRow kOthers[] = {{"alphabet", IDC_ARRAY_ALPHABET}, {"letter-a", IDC_LETTER_A},
                                             {"padstack", IDC_SELECT_DEFAULT_PADSTACK},
                                             {"pin1-padstack", IDC_SELECT_PIN1_PADSTACK},
                                             {"padstack-list", IDC_PADSTACK_LIST}};
    const int row = RowOf(kOthers, name);
    return row >= 0 ? kOthers[row].id : 0;
}
