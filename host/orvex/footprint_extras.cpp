// The host's record of a footprint as JSON; see footprint_extras.h.
#include "host/orvex/footprint_extras.h"

#include <cmath>

#include "host/orvex/json_reader.h"
#include "host/orvex/json_writer.h"
#include "host/orvex/number_parser.h"

const char* const kHostRecordOwner = "Orvex";

namespace {

using Extras = zelmdb::Result<FootprintExtras>;
using Kind = JsonValue::Kind;

zelmdb::Result<double> BodySide(const std::string& text, const char* what) {
    auto v = number_parser::Real(text, std::string("body ") + what);
    if (v.ok() && !(v.value() > 0 && v.value() <= kMaxBodyMm)) {
        return zelmdb::Result<double>::Fail(std::string("body ") + what + " " + text + " mm is not above 0 and at most " +
                                            std::to_string(int(kMaxBodyMm)) + " mm");
    }
    return v;
}

std::string ReadBody(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Array || value.items.size() != 2 || value.items[0].kind != Kind::Number ||
        value.items[1].kind != Kind::Number)
        return "\"body\" is not two numbers";
    auto width = BodySide(value.items[0].text, "width");
    auto height = BodySide(value.items[1].text, "height");
    if (!width.ok() || !height.ok()) return width.ok() ? height.error() : width.error();
    extras.body = BodySize{width.value(), height.value()};
    return "";
}

std::string ReadMadeFrom(const JsonValue& value, FootprintExtras& extras) {
    if (value.kind != Kind::Object) return "\"made_from\" is not an object";
    for (const auto& [name, option] : value.members) {
        if (option.kind == Kind::Bool && option.boolean) {
            extras.madeFrom.emplace_back(name, std::nullopt);
        } else if (option.kind == Kind::String) {
            extras.madeFrom.emplace_back(name, option.text);
        } else {
            return "option \"" + name + "\" is neither a text nor true";
        }
    }
    return "";
}

}  // namespace

zelmdb::Result<BodySize> ParseBody(const std::string& text) {
    using R = zelmdb::Result<BodySize>;
    const size_t x = text.find('x');
    if (x == std::string::npos) return R::Fail("body " + text + " is not WIDTHxHEIGHT in mm");
    auto width = BodySide(text.substr(0, x), "width");
    if (!width.ok()) return R::Fail(width.error());
    auto height = BodySide(text.substr(x + 1), "height");
    if (!height.ok()) return R::Fail(height.error());
    return BodySize{width.value(), height.value()};
}

std::string EncodeExtras(const FootprintExtras& extras) {
    JsonWriter j;
    j.BeginObject().Key("version").Int(kExtrasVersion);
    if (extras.body) j.Key("body").BeginArray().Real(extras.body->width).Real(extras.body->height).EndArray();
    if (!extras.madeFrom.empty()) {
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
    j.EndObject();
    return j.text();
}

Extras DecodeExtras(std::string_view bytes) {
    auto json = ReadJson(bytes);
    if (!json.ok()) return Extras::Fail(json.error());
    const JsonValue& root = json.value();
    const JsonValue* version = root.Member("version");
    if (root.kind != Kind::Object || version == nullptr || version->kind != Kind::Number)
        return Extras::Fail("no version");
    if (!(version->number >= 1 && version->number <= kExtrasVersion) || version->number != std::floor(version->number))
        return Extras::Fail("version " + version->text + ", this orvex reads up to " + std::to_string(kExtrasVersion));
    FootprintExtras extras;
    for (const auto& [name, value] : root.members) {
        std::string error;
        if (name == "body") {
            error = ReadBody(value, extras);
        } else if (name == "made_from") {
            error = ReadMadeFrom(value, extras);
        } else if (name != "version") {
            error = "unknown member \"" + name + "\"";
        }
        if (!error.empty()) return Extras::Fail(error);
    }
    return extras;
}

Extras LoadExtras(zelmdb::DesignStore& store, const std::string& footprint) {
    const std::optional<std::string> bytes = store.GetPluginRecord(kHostRecordOwner, footprint);
    if (!bytes) return FootprintExtras{};
    Extras extras = DecodeExtras(*bytes);
    if (!extras.ok()) return Extras::Fail("the host record of " + footprint + " is damaged (" + extras.error() + ")");
    return extras;
}

bool SaveExtras(zelmdb::DesignStore& store, const std::string& footprint, const FootprintExtras& extras) {
    return store.PutPluginRecord(kHostRecordOwner, footprint, EncodeExtras(extras));
}
