// The land pattern as show gives it; see land_summary.h.
#include "host/orvex/extras/land_summary.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "host/land/number_text.h"
#include "host/land/package_keys.h"

namespace {

using land::Mm;

std::string Limits(const land::Range& r) { return Mm(r.min) + ".." + Mm(r.max); }

// Columns of the rows' table: heading and the cell of a pair of rows.
struct Column {
    const char* heading;
    std::string (*cell)(const LandRowRecord&);
};
const Column kColumns[] = {
    {"pins", [](const LandRowRecord& r) { return std::to_string(r.pins); }},
    {"Zmax", [](const LandRowRecord& r) { return Mm(r.zMax); }},
    {"Gmin", [](const LandRowRecord& r) { return Mm(r.gMin); }},
    {"Xmax", [](const LandRowRecord& r) { return Mm(r.xMax); }},
    {"Z", [](const LandRowRecord& r) { return Mm(r.z); }},
    {"G", [](const LandRowRecord& r) { return Mm(r.g); }},
    {"X", [](const LandRowRecord& r) { return Mm(r.x); }},
    {"G lands", [](const LandRowRecord& r) { return Mm(r.gLand); }},
    {"land", [](const LandRowRecord& r) { return Mm(r.length) + " x " + Mm(r.width); }},
    {"span", [](const LandRowRecord& r) { return Mm(r.span); }},
    {"toe", [](const LandRowRecord& r) { return Limits(r.toe); }},
    {"heel", [](const LandRowRecord& r) { return Limits(r.heel); }},
    {"side", [](const LandRowRecord& r) { return Limits(r.side); }},
};

std::vector<std::string> RowsTable(const LandRecord& r) {
    std::vector<std::vector<std::string>> cells{{"rows"}};
    for (const Column& c : kColumns) cells[0].push_back(c.heading);
    for (const auto& [row, name] : {std::pair{&r.rowX, "left/right"}, std::pair{&r.rowY, "top/bottom"}}) {
        if (!*row) continue;
        cells.push_back({name});
        for (const Column& c : kColumns) cells.back().push_back(c.cell(**row));
    }
    if (cells.size() == 1) return {};
    std::vector<size_t> widths(cells[0].size(), 0);
    for (const auto& line : cells)
        for (size_t i = 0; i < line.size(); ++i) widths[i] = std::max(widths[i], line[i].size());
    std::vector<std::string> lines;
    for (const auto& line : cells) {
        std::string text;
        for (size_t i = 0; i < line.size(); ++i)
            text += line[i] + (i + 1 < line.size() ? std::string(widths[i] - line[i].size() + 2, ' ') : "");
        lines.push_back(text);
    }
    return lines;
}

std::string ExposedPadLine(const LandEpRecord& ep) {
    std::string line = "exposed pad " + std::to_string(ep.number) + ": " + Mm(ep.land.w) + " x " + Mm(ep.land.h) +
                       " at " + Mm(ep.land.cx) + " " + Mm(ep.land.cy) + ", mask " + Mm(ep.mask.w) + " x " +
                       Mm(ep.mask.h) + ", " + std::to_string(ep.paste.size()) + " paste windows covering " +
                       Mm(ep.pasteCoverage);
    if (!ep.vias.empty())
        line += ", " + std::to_string(ep.vias.size()) + " vias of " + Mm(ep.viaDrill) + " drill on " +
                Mm(ep.viaDiameter) + " lands";
    return line;
}

// Lengths to a nanometre, so that tools read 1.95 rather than the binary noise of a sum.
double Shown(double mm) { return std::round(mm * 1e6) / 1e6; }

void WriteRow(JsonWriter& j, const char* key, const std::optional<LandRowRecord>& row, bool acrossX) {
    j.Key(key);
    if (!row) {
        j.Null();
        return;
    }
    j.BeginObject().Key("w").Short(Shown(acrossX ? row->length : row->width));
    j.Key("h").Short(Shown(acrossX ? row->width : row->length)).Key("span").Short(Shown(row->span)).EndObject();
}

void WriteRect(JsonWriter& j, const land::Rect& r) {
    j.BeginObject().Key("x").Short(Shown(r.cx)).Key("y").Short(Shown(r.cy));
    j.Key("w").Short(Shown(r.w)).Key("h").Short(Shown(r.h)).EndObject();
}

void WriteExposedPad(JsonWriter& j, const std::optional<LandEpRecord>& ep) {
    j.Key("ep");
    if (!ep) {
        j.Null();
        return;
    }
    j.BeginObject().Key("number").Int(ep->number).Key("x").Short(Shown(ep->land.cx)).Key("y").Short(Shown(ep->land.cy));
    j.Key("w").Short(Shown(ep->land.w)).Key("h").Short(Shown(ep->land.h)).Key("mask");
    WriteRect(j, ep->mask);
    j.Key("paste").BeginArray();
    for (const land::Rect& window : ep->paste) WriteRect(j, window);
    j.EndArray().Key("paste_coverage").Short(Shown(ep->pasteCoverage)).Key("vias").BeginArray();
    for (const land::Point& via : ep->vias) j.BeginObject().Key("x").Short(Shown(via.x)).Key("y").Short(Shown(via.y)).EndObject();
    j.EndArray().Key("via_drill").Short(Shown(ep->viaDrill)).EndObject();
}

}  // namespace

std::string LandKeysText(const LandRecord& r) {
    std::string keys;
    for (const auto& [name, text] : r.keys) {
        const land::KeyRow* row = land::KeyNamed(name);
        if (row == nullptr) continue;
        const std::string flag = row->key == land::Key::Family ? "--package" : land::FlagName(*row);
        // A dimension as a person writes it: 0.4-0.1 kept in full is 0.30000000000000004.
        const auto value = land::ParseKeyValue(*row, text);
        const land::Dimension* d = value.ok() ? std::get_if<land::Dimension>(&value.value()) : nullptr;
        const std::string shown = d ? land::DimensionText(*d) : text;
        keys += (keys.empty() ? "" : " ") + flag + (row->kind == land::KeyKind::Flag ? "" : " " + shown);
    }
    return keys;
}

std::string LandSizesText(const LandRecord& r) {
    std::string text;
    for (const auto& [row, name] : {std::pair{&r.rowX, "left/right"}, std::pair{&r.rowY, "top/bottom"}})
        if (*row)
            text += (text.empty() ? "" : ", ") + std::string(name) + " rows Z " + Mm((*row)->z) + " G " +
                    Mm((*row)->gLand) + " X " + Mm((*row)->x);
    if (r.ball) text += "ball land " + Mm(r.ball->land);
    return text;
}

std::vector<std::string> LandTable(const LandRecord& r) {
    const land::Courtyard& c = r.courtyard;
    std::vector<std::string> lines{
        "land pattern of " + LandKeysText(r),
        "density " + r.density + ", body " + Mm(r.bodyX) + " x " + Mm(r.bodyY) + ", courtyard " + Mm(c.x1) + " " +
            Mm(c.y1) + " to " + Mm(c.x2) + " " + Mm(c.y2) + " (mm, y down)"};
    for (std::string& line : RowsTable(r)) lines.push_back(std::move(line));
    if (r.ep) lines.push_back(ExposedPadLine(*r.ep));
    if (r.ball)
        lines.push_back("balls: land " + Mm(r.ball->land) + ", mask " + Mm(r.ball->mask) + ", paste " + Mm(r.ball->paste));
    return lines;
}

void WriteShownLandPattern(JsonWriter& j, const LandRecord& r) {
    j.BeginObject().Key("density").String(r.density);
    WriteRow(j, "row_x", r.rowX, true);
    WriteRow(j, "row_y", r.rowY, false);
    WriteExposedPad(j, r.ep);
    const land::Courtyard& c = r.courtyard;
    j.Key("courtyard").BeginObject().Key("x1").Short(Shown(c.x1)).Key("y1").Short(Shown(c.y1));
    j.Key("x2").Short(Shown(c.x2)).Key("y2").Short(Shown(c.y2)).EndObject().Key("ball");
    if (r.ball) {
        j.BeginObject().Key("w").Short(Shown(r.ball->land)).Key("h").Short(Shown(r.ball->land)).EndObject();
    } else {
        j.Null();
    }
    j.EndObject();
}
