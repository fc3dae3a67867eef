// Reading generate's options for the host's part; see extras_request.h.
#include "host/orvex/requests/extras_request.h"

#include <cmath>

#include "host/orvex/extras/omit_list.h"
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
Status AddOmit(ExtrasRequest& request, const std::string& text) {
    for (const std::string& item : ListItems(text)) {
        if (item.empty()) return Failure{"--omit: \"" + text + "\" holds an empty name"};
        request.omit.push_back(item);
    }
    return {};
}

Status SetTurn(ExtrasRequest& request, const std::string& text) {
    auto degrees = number_parser::Real(text, "--turn");
    if (!degrees.ok() || std::fmod(degrees.value(), 90) != 0 || degrees.value() < 0 || degrees.value() > 270)
        return Failure{"--turn: " + text + " is not 0, 90, 180 or 270 (degrees, counter-clockwise)"};
    request.turn = int32_t(degrees.value()) * 60;
    return {};
}

Status SetStartAngle(ExtrasRequest& request, const std::string& text) {
    auto degrees = number_parser::Real(text, "--start-angle");
    if (!degrees.ok() || std::fabs(degrees.value()) > kMaxDegrees)
        return Failure{"--start-angle: " + text + " is not between -360 and 360 degrees"};
    request.startAngle = int32_t(std::lround(degrees.value() * 60));
    return {};
}

Status SetPadsAbout(ExtrasRequest& request, const std::string& text) {
    const auto about = PadsAboutNamed(text);
    if (!about) return Failure{"--pads-about: " + text + " is neither center nor origin"};
    request.padsAbout = *about;
    return {};
}

Status SetEpPaste(ExtrasRequest& request, const std::string& text) {
    auto split = ParsePasteSplit(text);
    if (!split.ok()) return Failure{"--ep-paste: " + split.error()};
    request.epPaste = split.value();
    return {};
}

struct ValueOption {
    const char* name;
    Status (*set)(ExtrasRequest&, const std::string&);
};
const ValueOption kValues[] = {{"turn", SetTurn},
                               {"start-angle", SetStartAngle},
                               {"pads-about", SetPadsAbout},
                               {"ep-paste", SetEpPaste}};

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

Status ReadOmit(ExtrasRequest& request, const JsonValue& value) {
    if (value.kind == Kind::String) return AddOmit(request, value.text);
    if (value.kind != Kind::Array) return Failure{"\"omit\" must be a text or a list of texts"};
    for (const JsonValue& item : value.items) {
        if (item.kind != Kind::String) return Failure{"\"omit\" must be a text or a list of texts"};
        TRY(AddOmit(request, item.text));
    }
    return {};
}

}  // namespace

void AddExtrasOptions(ArgRules& rules) {
    for (const ValueOption& v : kValues) rules.values.insert("--" + std::string(v.name));
    rules.flags.insert("--allow-overlap");
    rules.groups.insert({{"--pad", kPadWords}, {"--omit", 1}});
}

Status ExtrasFromArgs(ExtrasRequest& request, const ArgList& args) {
    for (const ValueOption& v : kValues)
        if (auto text = args.Value("--" + std::string(v.name)))
            TRY(v.set(request, *text));
    for (const auto& words : args.Groups("--pad")) TRY(AddPad(request, words));
    for (const auto& words : args.Groups("--omit")) TRY(AddOmit(request, words[0]));
    request.allowOverlap = args.Has("--allow-overlap");
    return {};
}

std::optional<Status> ExtrasFromJson(ExtrasRequest& request, const std::string& name, const JsonValue& value) {
    for (const ValueOption& v : kValues) {
        if (name != v.name) continue;
        if (value.kind != Kind::String && value.kind != Kind::Number)
            return Status(Failure{"\"" + name + "\" must be a number or a string"});
        return v.set(request, value.text);
    }
    if (name == "pads") return ReadPads(request, value);
    if (name == "omit") return ReadOmit(request, value);
    if (name != "allow-overlap") return std::nullopt;
    if (value.kind != Kind::Bool) return Status(Failure{"\"allow-overlap\" must be true or false"});
    request.allowOverlap = value.boolean;
    return Status();
}

Status ExtrasFitStyle(const ExtrasRequest& request, const std::string& styleName) {
    if (request.startAngle && styleName != "circular")
        return Failure{"--start-angle: only a circle has a start angle, not the " + styleName + " style"};
    if (request.epPaste && request.pads.empty())
        return Failure{"--ep-paste splits the paste of an exposed pad; give the pad with --pad"};
    return {};
}

Result<FootprintExtras> ExtrasOf(const ExtrasRequest& request, const zelmdb::DesignInfo& design) {
    using R = Result<FootprintExtras>;
    FootprintExtras extras;
    const zelmdb::UnitInfo* unit = zelmdb::UnitByCode(design.unitCode);
    const double inchesPerDisplayUnit = unit ? unit->inchesPerUnit : design.inchesPerUnit;
    for (const PadRequest& p : request.pads) {
        auto x = number_parser::Length(p.x, "x", inchesPerDisplayUnit, design.inchesPerUnit);
        auto y = number_parser::Length(p.y, "y", inchesPerDisplayUnit, design.inchesPerUnit);
        if (!x.ok() || !y.ok()) return R::Fail(ExtraPadLabel(p.name) + ": " + (x.ok() ? y.error() : x.error()));
        extras.pads.push_back({p.name, x.value(), y.value(), p.padstack});
    }
    extras.padsAbout = request.padsAbout;
    extras.omit = request.omit;
    extras.turn = request.turn;
    extras.startAngle = request.startAngle.value_or(0);
    extras.epPaste = request.epPaste;
    return extras;
}
