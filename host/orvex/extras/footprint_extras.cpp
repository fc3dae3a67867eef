// The host's record of a footprint as JSON; see footprint_extras.h.
#include "host/orvex/extras/footprint_extras.h"

#include <cmath>
#include <cstdio>

#include "host/orvex/text/display_length.h"
#include "host/orvex/text/json_reader.h"
#include "host/orvex/text/json_writer.h"
#include "host/orvex/text/number_parser.h"

const char* const kHostRecordOwner = "Orvex";

namespace {

using Extras = Result<FootprintExtras>;
using Kind = JsonValue::Kind;

Result<double> BodySide(const std::string& text, const char* what) {
    auto v = number_parser::Real(text, std::string("body ") + what);
    if (v.ok() && !(v.value() > 0 && v.value() <= kMaxBodyMm)) {
        return Result<double>::Fail(std::string("body ") + what + " " + text + " mm is not above 0 and at most " +
                                            std::to_string(int(kMaxBodyMm)) + " mm");
    }
    return v;
}

bool Whole(const JsonValue& v, double low, double high) {
    return v.kind == Kind::Number && v.number >= low && v.number <= high && v.number == std::floor(v.number);
}

Status ReadBody(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Array || value.items.size() != 2 || value.items[0].kind != Kind::Number ||
        value.items[1].kind != Kind::Number)
        return Failure{"\"body\" is not two numbers"};
    TRY_ASSIGN(width, BodySide(value.items[0].text, "width"));
    TRY_ASSIGN(height, BodySide(value.items[1].text, "height"));
    extras.body = BodySize{width, height};
    return {};
}

Status ReadPad(const JsonValue& value, ExtraPad& pad) {
    const JsonValue* name = value.Member("name");
    const JsonValue* x = value.Member("x");
    const JsonValue* y = value.Member("y");
    const JsonValue* padstack = value.Member("padstack");
    if (value.kind != Kind::Object || value.members.size() != 4 || !name || name->kind != Kind::String || !x ||
        !Whole(*x, INT32_MIN, INT32_MAX) || !y || !Whole(*y, INT32_MIN, INT32_MAX) || !padstack ||
        padstack->kind != Kind::String || padstack->text.empty())
        return Failure{"a pad is not {\"name\", \"x\", \"y\", \"padstack\"} with whole x and y"};
    pad = ExtraPad{name->text, int32_t(x->number), int32_t(y->number), padstack->text};
    return {};
}

Status ReadPads(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Array || value.items.empty()) return Failure{"\"pads\" is not a list of pads"};
    for (const JsonValue& item : value.items) {
        ExtraPad pad;
        TRY(ReadPad(item, pad));
        extras.pads.push_back(std::move(pad));
    }
    return {};
}

Status ReadPadsAbout(const JsonValue& value, FootprintExtras& extras) {
    const auto about = value.kind == Kind::String ? PadsAboutNamed(value.text) : std::nullopt;
    if (!about) return Failure{"\"pads_about\" is neither \"center\" nor \"origin\""};
    extras.padsAbout = *about;
    return {};
}

Status ReadOmit(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Array || value.items.empty()) return Failure{"\"omit\" is not a list of names"};
    for (const JsonValue& item : value.items) {
        if (item.kind != Kind::String || item.text.empty()) return Failure{"\"omit\" holds something other than a name"};
        extras.omit.push_back(item.text);
    }
    return {};
}

Status ReadTurn(const JsonValue& value, FootprintExtras& extras) {
    if (!Whole(value, 90, 270) || int(value.number) % 90 != 0) return Failure{"\"turn\" is not 90, 180 or 270"};
    extras.turn = int32_t(value.number) * 60;
    return {};
}

Status ReadStartAngle(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Number || !(std::fabs(value.number) <= 360))
        return Failure{"\"start_angle\" is not -360 to 360"};
    extras.startAngle = int32_t(std::lround(value.number * 60));
    if (extras.startAngle == 0) return Failure{"\"start_angle\" is 0"};
    return {};
}

Status ReadEpPaste(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::String) return Failure{"\"ep_paste\" is not a text"};
    TRY_ASSIGN(split, ParsePasteSplit(value.text));
    extras.epPaste = split;
    return {};
}

Status ReadMadeFrom(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Object) return Failure{"\"made_from\" is not an object"};
    for (const auto& [name, option] : value.members) {
        if (option.kind == Kind::Bool && option.boolean) {
            extras.madeFrom.emplace_back(name, std::nullopt);
        } else if (option.kind == Kind::String) {
            extras.madeFrom.emplace_back(name, option.text);
        } else {
            return Failure{"option \"" + name + "\" is neither a text nor true"};
        }
    }
    return {};
}

Status ReadLand(const JsonValue& value, FootprintExtras& extras) {
    TRY_ASSIGN(land, ReadLandRecord(value));
    extras.land = std::move(land);
    return {};
}

struct MemberReader {
    const char* name;
    Status (*read)(const JsonValue&, FootprintExtras&);
};
const MemberReader kMembers[] = {
    {"body", ReadBody},   {"pads", ReadPads},        {"pads_about", ReadPadsAbout}, {"omit", ReadOmit},
    {"turn", ReadTurn},   {"start_angle", ReadStartAngle}, {"ep_paste", ReadEpPaste},
    {"made_from", ReadMadeFrom}, {"land_pattern", ReadLand},
};

Status ReadMember(const std::string& name, const JsonValue& value, FootprintExtras& extras) {
    if (name == "version") return {};
    for (const MemberReader& m : kMembers)
        if (name == m.name) return m.read(value, extras);
    return Failure{"unknown member \"" + name + "\""};
}

void WritePads(JsonWriter& j, const FootprintExtras& extras) {
    if (extras.pads.empty()) return;
    j.Key("pads").BeginArray();
    for (const ExtraPad& p : extras.pads)
        j.BeginObject().Key("name").String(p.name).Key("x").Int(p.x).Key("y").Int(p.y)
            .Key("padstack").String(p.padstack).EndObject();
    j.EndArray().Key("pads_about").String(PadsAboutName(extras.padsAbout));
}

void WriteMadeFrom(JsonWriter& j, const FootprintExtras& extras) {
    if (extras.madeFrom.empty()) return;
    j.Key("made_from").BeginObject();
    for (const auto& [name, value] : extras.madeFrom) {
        j.Key(name);
        if (value) {
            j.String(*value);
        } else {
            j.Bool(true);
        }
    }
    j.EndObject();
}

}  // namespace

Result<BodySize> ParseBody(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return Failure{"body " + text + " is not WIDTHxHEIGHT in mm"};
    TRY_ASSIGN(width, BodySide(text.substr(0, x), "width"));
    TRY_ASSIGN(height, BodySide(text.substr(x + 1), "height"));
    return BodySize{width, height};
}

Result<PasteSplit> ParsePasteSplit(const std::string& text) {
    const std::string form = " is not NxM or NxM@COVERAGE (windows across and down, the share of the pad)";
    const size_t x = text.find('x'), at = text.find('@');
    if (x == std::string::npos || (at != std::string::npos && at < x)) return Failure{"paste split " + text + form};
    const std::string down = text.substr(x + 1, at == std::string::npos ? std::string::npos : at - x - 1);
    TRY_ASSIGN(across, number_parser::Integer(text.substr(0, x), "paste windows across", 1, kMaxPasteWindows));
    TRY_ASSIGN(rows, number_parser::Integer(down, "paste windows down", 1, kMaxPasteWindows));
    PasteSplit split{int(across), int(rows)};
    if (at != std::string::npos) {
        TRY_ASSIGN(coverage, number_parser::Real(text.substr(at + 1), "paste coverage"));
        if (!(coverage > 0 && coverage <= 1))
            return Failure{"paste coverage " + text.substr(at + 1) + " is not above 0 and at most 1 (all of the pad)"};
        split.coverage = coverage;
    }
    return split;
}

std::string PasteSplitText(const PasteSplit& split) {
    char coverage[32];
    std::snprintf(coverage, sizeof coverage, "%.10g", split.coverage);
    return std::to_string(split.across) + "x" + std::to_string(split.down) + "@" + coverage;
}

const char* PadsAboutName(PadsAbout about) { return about == PadsAbout::Center ? "center" : "origin"; }

std::optional<PadsAbout> PadsAboutNamed(const std::string& name) {
    for (PadsAbout about : {PadsAbout::Center, PadsAbout::Origin})
        if (name == PadsAboutName(about)) return about;
    return std::nullopt;
}

namespace {

// A word of an option as a shell would take it back: empty or spaced names quoted.
std::string Word(const std::string& text) {
    if (!text.empty() && text.find_first_of(" \"'") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) quoted += c == '"' || c == '\\' ? std::string("\\") + c : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string ExtraPadLabel(const std::string& name) { return "--pad " + Word(name); }

std::string ExtrasOptionText(const FootprintExtras& extras, const zelmdb::DesignInfo& design) {
    std::string text;
    const auto add = [&text](const std::string& words) { text += (text.empty() ? "" : " ") + words; };
    for (const ExtraPad& p : extras.pads)
        add(ExtraPadLabel(p.name) + " " + DisplayLength(p.x, design) + " " + DisplayLength(p.y, design) + " " +
            Word(p.padstack));
    if (!extras.pads.empty()) add(std::string("--pads-about ") + PadsAboutName(extras.padsAbout));
    for (const std::string& item : extras.omit) add("--omit " + Word(item));
    char degrees[32];
    if (extras.turn != 0) add("--turn " + std::to_string(extras.turn / 60));
    if (extras.startAngle != 0) {
        std::snprintf(degrees, sizeof degrees, "%g", extras.startAngle / 60.0);
        add(std::string("--start-angle ") + degrees);
    }
    if (extras.epPaste) add("--ep-paste " + PasteSplitText(*extras.epPaste));
    return text;
}

std::string EncodeExtras(const FootprintExtras& extras) {
    JsonWriter j;
    j.BeginObject().Key("version").Int(extras.land ? kExtrasVersion : kExtrasVersionWithoutLand);
    if (extras.body) j.Key("body").BeginArray().Real(extras.body->width).Real(extras.body->height).EndArray();
    WritePads(j, extras);
    if (!extras.omit.empty()) {
        j.Key("omit").BeginArray();
        for (const std::string& name : extras.omit) j.String(name);
        j.EndArray();
    }
    if (extras.turn != 0) j.Key("turn").Int(extras.turn / 60);
    if (extras.startAngle != 0) j.Key("start_angle").Real(extras.startAngle / 60.0);
    if (extras.epPaste) j.Key("ep_paste").String(PasteSplitText(*extras.epPaste));
    WriteMadeFrom(j, extras);
    if (extras.land) WriteLandRecord(j.Key("land_pattern"), *extras.land);
    j.EndObject();
    return j.text();
}

Extras DecodeExtras(std::string_view bytes) {
    auto json = ReadJson(bytes);
    if (!json.ok()) return Extras::Fail(json.error());
    // Names are written a byte to a character; one beyond a byte was not written by orvex.
    if (!TextsToLatin1(json.value())) return Extras::Fail("a text holds a character above U+00FF");
    const JsonValue& root = json.value();
    const JsonValue* version = root.Member("version");
    if (root.kind != Kind::Object || version == nullptr || version->kind != Kind::Number)
        return Extras::Fail("no version");
    if (!(version->number >= 1 && version->number <= kExtrasVersion) || version->number != std::floor(version->number))
        return Extras::Fail("version " + version->text + ", this orvex reads up to " + std::to_string(kExtrasVersion));
    FootprintExtras extras;
    for (const auto& [name, value] : root.members)
        TRY(ReadMember(name, value, extras));
    return extras;
}

Extras LoadExtras(zelmdb::DesignStore& store, const std::string& footprint) {
    const std::optional<std::string> bytes = store.GetPluginRecord(kHostRecordOwner, footprint);
    if (!bytes) return FootprintExtras{};
    Extras extras = DecodeExtras(*bytes);
    if (!extras.ok()) return Extras::Fail("the host record of " + footprint + " is damaged (" + extras.error() + ")");
    return extras;
}

Status SaveExtras(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras) {
    return store.PutPluginRecord(kHostRecordOwner, footprint, EncodeExtras(extras));
}
