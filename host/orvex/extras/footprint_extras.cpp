// The host's record of a footprint as JSON; see footprint_extras.h.
#include "host/orvex/extras/footprint_extras.h"

#include <cmath>
#include <cstdio>
#include <set>

#include "host/orvex/text/display_length.h"
#include "host/orvex/text/json_reader.h"
#include "host/orvex/text/json_writer.h"
#include "host/orvex/text/latin1.h"
#include "host/orvex/text/number_parser.h"

const char* const kHostRecordOwner = "Orvex";

namespace {

using Extras = Result<FootprintExtras>;
using Kind = JsonValue::Kind;

Result<double> BodySide(const std::string& text, const char* what) {
    auto v = number_parser::Real(text, std::string("body ") + what);
    if (v.ok() && !(v.value() > 0 && v.value() <= kMaxBodyMm)) {
        return Result<double>::Fail(std::string("body ") + what + " " + Utf8FromLatin1(text) + " mm is not above 0 and at most " +
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

Status ReadPlace(const JsonValue& value, const char* what, int32_t& x, int32_t& y) {
    if (value.kind != Kind::Array || value.items.size() != 2 || !Whole(value.items[0], INT32_MIN, INT32_MAX) ||
        !Whole(value.items[1], INT32_MIN, INT32_MAX))
        return Failure{std::string("\"") + what + "\" is not two whole numbers"};
    x = int32_t(value.items[0].number);
    y = int32_t(value.items[1].number);
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

// A list of at least one item, each read by `read`; `wrong` says what the list is not.
template <class T>
Status ReadList(const JsonValue& value, const char* wrong, Status (*read)(const JsonValue&, T&), std::vector<T>& out) {
    if (value.kind != Kind::Array || value.items.empty()) return Failure{wrong};
    for (const JsonValue& item : value.items) {
        T one;
        TRY(read(item, one));
        out.push_back(std::move(one));
    }
    return {};
}

Status ReadPads(const JsonValue& value, FootprintExtras& extras) {
    return ReadList(value, "\"pads\" is not a list of pads", ReadPad, extras.pads);
}

Status ReadPadsAbout(const JsonValue& value, FootprintExtras& extras) {
    const auto about = value.kind == Kind::String ? PadsAboutNamed(value.text) : std::nullopt;
    if (!about) return Failure{"\"pads_about\" is neither \"center\" nor \"origin\""};
    extras.padsAbout = *about;
    return {};
}

// A list of pad names and ranges, none empty.
Status ReadNames(const JsonValue& value, const char* what, std::vector<std::string>& names) {
    if (value.kind != Kind::Array || value.items.empty())
        return Failure{std::string("\"") + what + "\" is not a list of names"};
    for (const JsonValue& item : value.items) {
        if (item.kind != Kind::String || item.text.empty())
            return Failure{std::string("\"") + what + "\" holds something other than a name"};
        names.push_back(item.text);
    }
    return {};
}

Status ReadOmit(const JsonValue& value, FootprintExtras& extras) { return ReadNames(value, "omit", extras.omit); }

Status ReadTurn(const JsonValue& value, FootprintExtras& extras) {
    if (!Whole(value, 90, 270) || int(value.number) % 90 != 0) return Failure{"\"turn\" is not 90, 180 or 270"};
    extras.turn = int32_t(value.number) * 60;
    return {};
}

Status ReadStartAngle(const JsonValue& value, ArrangementShape& shape) {
    if (value.kind != Kind::Number || !(std::fabs(value.number) <= 360))
        return Failure{"\"start_angle\" is not -360 to 360"};
    shape.startAngle = int32_t(std::lround(value.number * 60));
    if (shape.startAngle == 0) return Failure{"\"start_angle\" is 0"};
    return {};
}

Status ReadNameWidth(const JsonValue& value, ArrangementShape& shape) {
    if (!Whole(value, 1, kMaxNameWidth))
        return Failure{"\"name_width\" is not a whole number of 1 to " + std::to_string(kMaxNameWidth)};
    shape.nameWidth = int(value.number);
    return {};
}

Status ReadPinPadstack(const JsonValue& item, PinPadstack& entry) {
    const JsonValue* pins = item.Member("pins");
    const JsonValue* padstack = item.Member("padstack");
    if (item.kind != Kind::Object || item.members.size() != 2 || !pins || !padstack ||
        padstack->kind != Kind::String || padstack->text.empty())
        return Failure{"a pin padstack is not {\"pins\", \"padstack\"}"};
    entry.padstack = padstack->text;
    return ReadNames(*pins, "pins", entry.pins);
}

Status ReadPinPadstacks(const JsonValue& value, ArrangementShape& shape) {
    return ReadList(value, "\"pin_padstacks\" is not a list", ReadPinPadstack, shape.pinPadstacks);
}

Status ReadEpPaste(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::String) return Failure{"\"ep_paste\" is not a text"};
    TRY_ASSIGN(split, ParsePasteSplit(value.text));
    extras.epPaste = split;
    return {};
}

Status ReadOptions(const JsonValue& value, OptionList& options) {
    if (value.kind != Kind::Object) return Failure{"\"made_from\" is not an object"};
    for (const auto& [name, option] : value.members) {
        if (option.kind == Kind::Bool && option.boolean) {
            options.emplace_back(name, std::nullopt);
        } else if (option.kind == Kind::String) {
            options.emplace_back(name, option.text);
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

Status ReadMadeFrom(const JsonValue& value, FootprintExtras& extras) { return ReadOptions(value, extras.madeFrom); }

// Members that shape an arrangement, the first one's at the top of the record, the others' in
// their own objects.
struct ShapeReader {
    const char* name;
    Status (*read)(const JsonValue&, ArrangementShape&);
};
const ShapeReader kShapeMembers[] = {
    {"start_angle", ReadStartAngle}, {"name_width", ReadNameWidth}, {"pin_padstacks", ReadPinPadstacks}};

// None when the member is no shape's.
std::optional<Status> ReadShapeMember(const std::string& name, const JsonValue& value, ArrangementShape& shape) {
    for (const ShapeReader& m : kShapeMembers)
        if (name == m.name) return m.read(value, shape);
    return std::nullopt;
}

Status ReadArrangement(const JsonValue& value, AlsoArrangement& also) {
    if (value.kind != Kind::Object) return Failure{"an arrangement is not an object"};
    for (const auto& [name, member] : value.members) {
        if (std::optional<Status> read = ReadShapeMember(name, member, also.shape)) {
            TRY(*read);
        } else if (name == "made_from") {
            TRY(ReadOptions(member, also.madeFrom));
        } else if (name == "at") {
            TRY(ReadPlace(member, "at", also.x, also.y));
        } else if (name == "share_names") {
            if (member.kind != Kind::Bool || !member.boolean) return Failure{"\"share_names\" is not true"};
            also.shareNames = true;
        } else {
            return Failure{"unknown member \"" + name + "\" of an arrangement"};
        }
    }
    if (also.madeFrom.empty()) return Failure{"an arrangement is made from no options"};
    return {};
}

Status ReadAlso(const JsonValue& value, FootprintExtras& extras) {
    return ReadList(value, "\"also\" is not a list of arrangements", ReadArrangement, extras.also);
}

struct MemberReader {
    const char* name;
    Status (*read)(const JsonValue&, FootprintExtras&);
};
const MemberReader kMembers[] = {
    {"body", ReadBody}, {"pads", ReadPads}, {"pads_about", ReadPadsAbout}, {"omit", ReadOmit},
    {"turn", ReadTurn}, {"ep_paste", ReadEpPaste}, {"also", ReadAlso}, {"made_from", ReadMadeFrom},
    {"land_pattern", ReadLand},
};

Status ReadMember(const std::string& name, const JsonValue& value, FootprintExtras& extras) {
    if (name == "version") return {};
    if (std::optional<Status> read = ReadShapeMember(name, value, extras.shape)) return *read;
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
    j.EndArray();
}

void WriteNames(JsonWriter& j, const char* key, const std::vector<std::string>& names) {
    if (names.empty()) return;
    j.Key(key).BeginArray();
    for (const std::string& name : names) j.String(name);
    j.EndArray();
}

void WriteShape(JsonWriter& j, const ArrangementShape& shape) {
    if (shape.startAngle != 0) j.Key("start_angle").Real(shape.startAngle / 60.0);
    if (shape.nameWidth != 0) j.Key("name_width").Int(shape.nameWidth);
    if (shape.pinPadstacks.empty()) return;
    j.Key("pin_padstacks").BeginArray();
    for (const PinPadstack& p : shape.pinPadstacks) {
        j.BeginObject();
        WriteNames(j, "pins", p.pins);
        j.Key("padstack").String(p.padstack).EndObject();
    }
    j.EndArray();
}

void WriteOptions(JsonWriter& j, const char* key, const OptionList& options) {
    if (options.empty()) return;
    j.Key(key).BeginObject();
    for (const auto& [name, value] : options) {
        j.Key(name);
        if (value) {
            j.String(*value);
        } else {
            j.Bool(true);
        }
    }
    j.EndObject();
}

void WriteAlso(JsonWriter& j, const FootprintExtras& extras) {
    if (extras.also.empty()) return;
    j.Key("also").BeginArray();
    for (const AlsoArrangement& a : extras.also) {
        j.BeginObject();
        WriteOptions(j, "made_from", a.madeFrom);
        j.Key("at").BeginArray().Int(a.x).Int(a.y).EndArray();
        if (a.shareNames) j.Key("share_names").Bool(true);
        WriteShape(j, a.shape);
        j.EndObject();
    }
    j.EndArray();
}

// The oldest version that holds what the record says, so that an older orvex still reads it.
int RecordVersion(const FootprintExtras& extras) {
    const bool third = extras.shape.nameWidth != 0 || !extras.shape.pinPadstacks.empty() || !extras.also.empty() ||
                       extras.epPaste;
    if (extras.land) return kExtrasVersion;
    return third ? 3 : 2;
}

}  // namespace

Result<BodySize> ParseBody(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos) return Failure{"body " + Utf8FromLatin1(text) + " is not WIDTHxHEIGHT in mm"};
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

std::optional<PasteSplit> PasteSplitOf(const LandEpRecord& ep) {
    std::set<long long> columns, rows;   // window centres, to the micrometre
    for (const land::Rect& w : ep.paste) {
        columns.insert(std::llround(w.cx * 1000));
        rows.insert(std::llround(w.cy * 1000));
    }
    const int across = int(columns.size()), down = int(rows.size());
    if (across < 1 || down < 1 || across > kMaxPasteWindows || down > kMaxPasteWindows) return std::nullopt;
    if (!(ep.pasteCoverage > 0 && ep.pasteCoverage <= 1)) return std::nullopt;
    return PasteSplit{across, down, ep.pasteCoverage};
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

// "--start-angle 30.5 --name-width 3 --pin-padstack 1,9=END"; empty when it leaves the arrangement be.
std::string ShapeOptionText(const ArrangementShape& shape) {
    std::string text;
    const auto add = [&text](const std::string& words) { text += (text.empty() ? "" : " ") + words; };
    if (shape.startAngle != 0) {
        char degrees[32];
        std::snprintf(degrees, sizeof degrees, "%g", shape.startAngle / 60.0);
        add(std::string("--start-angle ") + degrees);
    }
    if (shape.nameWidth != 0) add("--name-width " + std::to_string(shape.nameWidth));
    for (const PinPadstack& p : shape.pinPadstacks) add("--pin-padstack " + Word(PinPadstackText(p)));
    return text;
}

}  // namespace

std::string ExtraPadLabel(const std::string& name) { return "--pad " + Utf8FromLatin1(Word(name)); }

std::string AlsoLabel(size_t index) { return "--also " + std::to_string(index + 1); }

std::string PinPadstackText(const PinPadstack& pins) {
    std::string list;
    for (const std::string& item : pins.pins) list += (list.empty() ? "" : ",") + item;
    return list + "=" + pins.padstack;
}

std::string OptionListText(const OptionList& options) {
    std::string text;
    for (const auto& [name, value] : options)
        text += (text.empty() ? "--" : " --") + name + (value ? " " + Word(*value) : "");
    return text;
}

std::string ExtrasOptionText(const FootprintExtras& extras, const zelmdb::DesignInfo& design, size_t mostPads) {
    std::string text;
    const auto add = [&text](const std::string& words) {
        if (!words.empty()) text += (text.empty() ? "" : " ") + words;
    };
    for (size_t i = 0; i < extras.pads.size() && i < mostPads; ++i) {
        const ExtraPad& p = extras.pads[i];
        add("--pad " + Word(p.name) + " " + DisplayLength(p.x, design) + " " + DisplayLength(p.y, design) + " " +
            Word(p.padstack));
    }
    if (extras.pads.size() > mostPads) add("and " + std::to_string(extras.pads.size() - mostPads) + " more extra pads");
    if (!extras.pads.empty() || !extras.also.empty())
        add(std::string("--pads-about ") + PadsAboutName(extras.padsAbout));
    for (const std::string& item : extras.omit) add("--omit " + Word(item));
    if (extras.turn != 0) add("--turn " + std::to_string(extras.turn / 60));
    add(ShapeOptionText(extras.shape));
    if (extras.epPaste) add("--ep-paste " + PasteSplitText(*extras.epPaste));
    for (const AlsoArrangement& a : extras.also) {
        add("--also " + OptionListText(a.madeFrom) + " --at " + DisplayLength(a.x, design) + " " +
            DisplayLength(a.y, design));
        if (a.shareNames) add("--share-names");
        add(ShapeOptionText(a.shape));
        add("--end-also");
    }
    return text;
}

std::string EncodeExtras(const FootprintExtras& extras) {
    JsonWriter j;
    WriteExtras(j, extras);
    return j.text();
}

void WriteExtras(JsonWriter& j, const FootprintExtras& extras) {
    j.BeginObject().Key("version").Int(RecordVersion(extras));
    if (extras.body) j.Key("body").BeginArray().Real(extras.body->width).Real(extras.body->height).EndArray();
    WritePads(j, extras);
    if (!extras.pads.empty() || !extras.also.empty()) j.Key("pads_about").String(PadsAboutName(extras.padsAbout));
    WriteNames(j, "omit", extras.omit);
    if (extras.turn != 0) j.Key("turn").Int(extras.turn / 60);
    WriteShape(j, extras.shape);
    if (extras.epPaste) j.Key("ep_paste").String(PasteSplitText(*extras.epPaste));
    WriteAlso(j, extras);
    WriteOptions(j, "made_from", extras.madeFrom);
    if (extras.land) WriteLandRecord(j.Key("land_pattern"), *extras.land);
    j.EndObject();
}

Extras DecodeExtras(std::string_view bytes) {
    auto json = ReadJson(bytes);
    if (!json.ok()) return Extras::Fail(json.error());
    // Names are written a byte to a character; one beyond a byte was not written by orvex.
    TRY(TextsToLatin1(json.value()));
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
    if (!extras.ok()) return Extras::Fail("the host record of " + Utf8FromLatin1(footprint) + " is damaged (" + extras.error() + ")");
    return extras;
}

Status SaveExtras(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras) {
    return store.PutPluginRecord(kHostRecordOwner, footprint, EncodeExtras(extras));
}
