// Reading generate's options for the host's part; see extras_request.h.
#include "host/orvex/requests/extras_request.h"

#include <cmath>

#include "host/orvex/extras/omit_list.h"
#include "host/orvex/text/latin1.h"
#include "host/orvex/text/number_parser.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/unit_table.h"

namespace {

using Kind = JsonValue::Kind;
constexpr size_t kPadWords = 4;   // NAME X Y PADSTACK
constexpr double kMaxDegrees = 360;

Status AddPad(ExtrasRequest& request, const std::vector<std::string>& words) {
    const PadRequest pad{words[0], words[1], words[2], words[3]};
    if (pad.name.size() >= size_t(zelmdb::TextMax))
        return Failure{"--pad: a pad name has at most " + std::to_string(zelmdb::TextMax - 1) + " characters"};
    for (const auto& [text, axis] : {std::pair{&pad.x, "x"}, {&pad.y, "y"}}) {
        auto v = number_parser::Real(*text, axis);
        if (!v.ok()) return Failure{ExtraPadLabel(pad.name) + ": " + v.error()};
    }
    if (pad.padstack.empty()) return Failure{ExtraPadLabel(pad.name) + ": the padstack has no name"};
    request.pads.push_back(pad);
    return {};
}

// "A1,B2, 5-8": each name or range apart.
Status AddNames(std::vector<std::string>& names, const std::string& text, const char* option) {
    for (const std::string& item : ListItems(text)) {
        if (item.empty()) return Failure{std::string(option) + ": \"" + Utf8FromLatin1(text) + "\" holds an empty name"};
        names.push_back(item);
    }
    return {};
}

Status AddOmit(ExtrasRequest& request, const std::string& text) { return AddNames(request.omit, text, "--omit"); }

// "1-5,9=END": the list up to the first "=", since pad names made by the dialog hold none.
Status AddPinPadstack(ShapeRequest& request, const std::string& text) {
    const size_t equals = text.find('=');
    PinPadstack entry;
    if (equals != std::string::npos) entry.padstack = text.substr(equals + 1);
    if (equals == std::string::npos || text.substr(0, equals).find_first_not_of(' ') == std::string::npos || entry.padstack.empty())
        return Failure{"--pin-padstack: \"" + Utf8FromLatin1(text) + "\" is not PADS=PADSTACK"};
    TRY(AddNames(entry.pins, text.substr(0, equals), "--pin-padstack"));
    request.pinPadstacks.push_back(std::move(entry));
    return {};
}

Status SetTurn(ExtrasRequest& request, const std::string& text) {
    auto degrees = number_parser::Real(text, "--turn");
    if (!degrees.ok() || std::fmod(degrees.value(), 90) != 0 || degrees.value() < 0 || degrees.value() > 270)
        return Failure{"--turn: " + Utf8FromLatin1(text) + " is not 0, 90, 180 or 270 (degrees, counter-clockwise)"};
    request.turn = int32_t(degrees.value()) * 60;
    return {};
}

Status SetStartAngle(ShapeRequest& request, const std::string& text) {
    auto degrees = number_parser::Real(text, "--start-angle");
    if (!degrees.ok() || std::fabs(degrees.value()) > kMaxDegrees)
        return Failure{"--start-angle: " + Utf8FromLatin1(text) + " is not between -360 and 360 degrees"};
    request.startAngle = int32_t(std::lround(degrees.value() * 60));
    return {};
}

Status SetNameWidth(ShapeRequest& request, const std::string& text) {
    TRY_ASSIGN(width, number_parser::Integer(text, "--name-width", 1, kMaxNameWidth));
    request.nameWidth = int(width);
    return {};
}

Status SetPadsAbout(ExtrasRequest& request, const std::string& text) {
    const auto about = PadsAboutNamed(text);
    if (!about) return Failure{"--pads-about: " + Utf8FromLatin1(text) + " is neither center nor origin"};
    request.padsAbout = *about;
    return {};
}

Status SetEpPaste(ExtrasRequest& request, const std::string& text) {
    auto split = ParsePasteSplit(text);
    if (!split.ok()) return Failure{"--ep-paste: " + split.error()};
    request.epPaste = split.value();
    return {};
}

template <class Request>
struct ValueOption {
    const char* name;
    Status (*set)(Request&, const std::string&);
};
const ValueOption<ExtrasRequest> kValues[] = {{"turn", SetTurn}, {"pads-about", SetPadsAbout}, {"ep-paste", SetEpPaste}};
const ValueOption<ShapeRequest> kShapeValues[] = {{"start-angle", SetStartAngle}, {"name-width", SetNameWidth}};

template <class Request, size_t N>
Status ValuesFromArgs(Request& request, const ValueOption<Request> (&options)[N], const ArgList& args) {
    for (const ValueOption<Request>& v : options)
        if (auto text = args.Value("--" + std::string(v.name)))
            TRY(v.set(request, *text));
    return {};
}

// None when no option of the table has that name.
template <class Request, size_t N>
std::optional<Status> ValueFromJson(Request& request, const ValueOption<Request> (&options)[N], const std::string& name,
                                    const JsonValue& value) {
    for (const ValueOption<Request>& v : options) {
        if (name != v.name) continue;
        if (value.kind != Kind::String && value.kind != Kind::Number)
            return Status(Failure{"\"" + name + "\" must be a number or a string"});
        return v.set(request, value.text);
    }
    return std::nullopt;
}

Status ReadPadObject(ExtrasRequest& request, const JsonValue& value) {
    struct Member {
        const char* name;
        bool number;   // may be a number as well as a text
    };
    static constexpr Member kMembers[kPadWords] = {{"name", false}, {"x", true}, {"y", true}, {"padstack", false}};
    std::vector<std::string> words;
    for (const Member& member : kMembers) {
        const JsonValue* v = value.Member(member.name);
        if (v == nullptr || !(v->kind == Kind::String || (member.number && v->kind == Kind::Number))) break;
        words.push_back(v->text);
    }
    if (value.kind != Kind::Object || value.members.size() != kPadWords || words.size() != kPadWords)
        return Failure{"\"pads\": each pad is {\"name\": text, \"x\": number, \"y\": number, \"padstack\": text}"};
    return AddPad(request, words);
}

Status ReadPads(ExtrasRequest& request, const JsonValue& value) {
    if (value.kind != Kind::Array) return Failure{"\"pads\" must be a list of pads"};
    for (const JsonValue& pad : value.items)
        TRY(ReadPadObject(request, pad));
    return {};
}

// A text or a list of texts, each read as the option reads its word.
template <class Request>
Status ReadTexts(Request& request, const std::string& name, const JsonValue& value,
                 Status (*add)(Request&, const std::string&)) {
    if (value.kind == Kind::String) return add(request, value.text);
    const Failure wrong{"\"" + name + "\" must be a text or a list of texts"};
    if (value.kind != Kind::Array) return wrong;
    for (const JsonValue& item : value.items) {
        if (item.kind != Kind::String) return wrong;
        TRY(add(request, item.text));
    }
    return {};
}

}  // namespace

void AddShapeOptions(ArgRules& rules) {
    for (const auto& v : kShapeValues) rules.values.insert("--" + std::string(v.name));
    rules.groups.insert({"--pin-padstack", 1});
}

void AddExtrasOptions(ArgRules& rules) {
    for (const auto& v : kValues) rules.values.insert("--" + std::string(v.name));
    rules.flags.insert("--allow-overlap");
    rules.groups.insert({{"--pad", kPadWords}, {"--omit", 1}});
}

Status ShapeFromArgs(ShapeRequest& request, const ArgList& args) {
    TRY(ValuesFromArgs(request, kShapeValues, args));
    for (const auto& words : args.Groups("--pin-padstack")) TRY(AddPinPadstack(request, words[0]));
    return {};
}

Status ExtrasFromArgs(ExtrasRequest& request, const ArgList& args) {
    TRY(ValuesFromArgs(request, kValues, args));
    for (const auto& words : args.Groups("--pad")) TRY(AddPad(request, words));
    for (const auto& words : args.Groups("--omit")) TRY(AddOmit(request, words[0]));
    request.allowOverlap = args.Has("--allow-overlap");
    return {};
}

std::optional<Status> ShapeFromJson(ShapeRequest& request, const std::string& name, const JsonValue& value) {
    if (std::optional<Status> read = ValueFromJson(request, kShapeValues, name, value)) return read;
    if (name == "pin-padstack") return ReadTexts(request, name, value, AddPinPadstack);
    return std::nullopt;
}

std::optional<Status> ExtrasFromJson(ExtrasRequest& request, const std::string& name, const JsonValue& value) {
    if (std::optional<Status> read = ValueFromJson(request, kValues, name, value)) return read;
    if (name == "pads") return ReadPads(request, value);
    if (name == "omit") return ReadTexts(request, name, value, AddOmit);
    if (name != "allow-overlap") return std::nullopt;
    if (value.kind != Kind::Bool) return Status(Failure{"\"allow-overlap\" must be true or false"});
    request.allowOverlap = value.boolean;
    return Status();
}

Status ShapeFitsStyle(const ShapeRequest& request, const std::string& styleName) {
    if (request.startAngle && styleName != "circular")
        return Failure{"--start-angle: only a circle has a start angle, not the " + styleName + " style"};
    return {};
}

Status ExtrasFit(const ExtrasRequest& request) {
    if (request.epPaste && request.pads.empty())
        return Failure{"--ep-paste splits the paste of an exposed pad; give the pad with --pad"};
    return {};
}

ArrangementShape ShapeOf(const ShapeRequest& request) {
    return ArrangementShape{request.startAngle.value_or(0), request.nameWidth, request.pinPadstacks};
}

Result<int32_t> DesignLength(const std::string& text, const char* axis, const std::string& label,
                             const zelmdb::DesignInfo& design) {
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(design.unitCode);
    auto length = number_parser::Length(text, axis, unit ? unit->inchesPerUnit : design.inchesPerUnit,
                                        design.inchesPerUnit);
    if (!length.ok()) return Failure{label + ": " + length.error()};
    return length;
}

Result<FootprintExtras> ExtrasOf(const ExtrasRequest& request, const zelmdb::DesignInfo& design) {
    FootprintExtras extras;
    for (const PadRequest& p : request.pads) {
        TRY_ASSIGN(x, DesignLength(p.x, "x", ExtraPadLabel(p.name), design));
        TRY_ASSIGN(y, DesignLength(p.y, "y", ExtraPadLabel(p.name), design));
        extras.pads.push_back({p.name, x, y, p.padstack});
    }
    extras.padsAbout = request.padsAbout;
    extras.omit = request.omit;
    extras.turn = request.turn;
    extras.epPaste = request.epPaste;
    return extras;
}
