// docs/land-patterns.md against the calculation: every number its worked examples print is the
// one Compute gives for the keys above it, and its key list and tables are the program's own.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "host/land/ball_lands.h"
#include "host/land/compute.h"
#include "host/land/fillet_goals.h"
#include "host/land/number_text.h"
#include "host/land/package_keys.h"
#include "host/land/pad_places.h"

namespace {

using namespace land;

std::vector<std::string> DocLines() {
    std::ifstream in(TESSRA_SOURCE_DIR "/docs/land-patterns.md", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The cells of a table row "| a | b | c |", trimmed; empty for any other line.
std::vector<std::string> Cells(const std::string& line) {
    std::vector<std::string> cells;
    if (line.size() < 2 || line[0] != '|') return cells;
    size_t at = 1;
    for (size_t bar; (bar = line.find('|', at)) != std::string::npos; at = bar + 1) {
        std::string cell = line.substr(at, bar - at);
        cell.erase(0, cell.find_first_not_of(' '));
        cell.erase(cell.find_last_not_of(' ') + 1);
        cells.push_back(cell);
    }
    return cells;
}

// The body rows of the table starting at or after `from`; `from` moves past it.
std::vector<std::vector<std::string>> NextTable(const std::vector<std::string>& lines, size_t& from) {
    while (from < lines.size() && Cells(lines[from]).empty()) ++from;
    std::vector<std::vector<std::string>> rows;
    for (from += 2; from < lines.size() && !Cells(lines[from]).empty(); ++from) rows.push_back(Cells(lines[from]));
    return rows;
}

struct Example {
    std::string name;
    std::vector<std::vector<std::string>> keys, quantities;
};

std::vector<Example> Examples() {
    const std::vector<std::string> lines = DocLines();
    std::vector<Example> examples;
    const std::string open = "<!-- example ", close = " -->";
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        if (line.rfind(open, 0) != 0 || line.size() < open.size() + close.size() ||
            line.compare(line.size() - close.size(), close.size(), close) != 0)
            continue;
        Example e{line.substr(open.size(), line.size() - open.size() - close.size()), {}, {}};
        e.keys = NextTable(lines, i);
        e.quantities = NextTable(lines, i);
        examples.push_back(e);
    }
    return examples;
}

using Quantity = std::function<double(const LandPattern&)>;

// The quantities the examples name, of the left and right rows unless they say otherwise.
std::map<std::string, Quantity> Quantities() {
    const auto x = [](auto f) { return Quantity([f](const LandPattern& p) { return f(p.rowX); }); };
    return {
        {"Lmin", x([](const RowPairLands& r) { return r.L.min; })},
        {"Lmax", x([](const RowPairLands& r) { return r.L.max; })},
        {"CL", x([](const RowPairLands& r) { return r.L.rmsTolerance; })},
        {"CT", x([](const RowPairLands& r) { return r.T->Tolerance(); })},
        {"CW", x([](const RowPairLands& r) { return r.W.Tolerance(); })},
        {"Smin", x([](const RowPairLands& r) { return r.S.min; })},
        {"Smax", x([](const RowPairLands& r) { return r.S.max; })},
        {"CS", x([](const RowPairLands& r) { return r.S.tolerance; })},
        {"CS(rms)", x([](const RowPairLands& r) { return r.S.rmsTolerance; })},
        {"Smax(rms)", x([](const RowPairLands& r) { return r.S.rmsMax; })},
        {"Smin(rms)", x([](const RowPairLands& r) { return r.S.rmsMin; })},
        {"Jt", x([](const RowPairLands& r) { return r.goals.toe; })},
        {"Jh", x([](const RowPairLands& r) { return r.goals.heel; })},
        {"Js", x([](const RowPairLands& r) { return r.goals.side; })},
        {"Zmax", x([](const RowPairLands& r) { return r.zMax; })},
        {"Gmin", x([](const RowPairLands& r) { return r.gMin; })},
        {"Xmax", x([](const RowPairLands& r) { return r.xMax; })},
        {"Z", x([](const RowPairLands& r) { return r.z; })},
        {"G", x([](const RowPairLands& r) { return r.g; })},
        {"X", x([](const RowPairLands& r) { return r.x; })},
        {"G lands", x([](const RowPairLands& r) { return r.gLand; })},
        {"land length", x([](const RowPairLands& r) { return r.landLength; })},
        {"land width", x([](const RowPairLands& r) { return r.landWidth; })},
        {"span", x([](const RowPairLands& r) { return r.span; })},
        {"top/bottom span", [](const LandPattern& p) { return p.rowY.span; }},
        {"corner radius", x([](const RowPairLands& r) { return r.corner.radius; })},
        {"corner ratio", x([](const RowPairLands& r) { return r.corner.ratio; })},
        {"toe min", x([](const RowPairLands& r) { return r.toe.min; })},
        {"toe max", x([](const RowPairLands& r) { return r.toe.max; })},
        {"heel min", x([](const RowPairLands& r) { return r.heel.min; })},
        {"heel max", x([](const RowPairLands& r) { return r.heel.max; })},
        {"side min", x([](const RowPairLands& r) { return r.side.min; })},
        {"side max", x([](const RowPairLands& r) { return r.side.max; })},
        {"G clear of EP", [](const LandPattern& p) { return p.ep.land.rect.w + 2 * 0.2; }},
        {"EP number", [](const LandPattern& p) { return double(p.ep.number); }},
        {"EP width", [](const LandPattern& p) { return p.ep.land.rect.w; }},
        {"EP height", [](const LandPattern& p) { return p.ep.land.rect.h; }},
        {"EP corner radius", [](const LandPattern& p) { return p.ep.land.corner.radius; }},
        {"EP corner ratio", [](const LandPattern& p) { return p.ep.land.corner.ratio; }},
        {"paste windows across", [](const LandPattern& p) { return double(p.ep.pasteX); }},
        {"paste windows down", [](const LandPattern& p) { return double(p.ep.pasteY); }},
        {"paste window width", [](const LandPattern& p) { return p.ep.paste.at(0).rect.w; }},
        {"paste window height", [](const LandPattern& p) { return p.ep.paste.at(0).rect.h; }},
        {"paste coverage", [](const LandPattern& p) { return p.ep.pasteCoverageReached; }},
        {"via land", [](const LandPattern& p) { return p.ep.viaDiameter; }},
        {"ball", [](const LandPattern& p) { return p.ball.ball; }},
        {"ball land", [](const LandPattern& p) { return p.ball.land; }},
        {"mask opening", [](const LandPattern& p) { return p.ball.mask; }},
        {"courtyard x1", [](const LandPattern& p) { return p.courtyard.x1; }},
        {"courtyard y1", [](const LandPattern& p) { return p.courtyard.y1; }},
        {"courtyard x2", [](const LandPattern& p) { return p.courtyard.x2; }},
        {"courtyard y2", [](const LandPattern& p) { return p.courtyard.y2; }},
    };
}

// "pin 5 x", "paste window 5 width" or "height", "via 1 y": the Nth of a list.
std::optional<double> Indexed(const std::string& name, const LandPattern& p) {
    const size_t last = name.rfind(' '), number = name.rfind(' ', last - 1);
    if (last == std::string::npos || number == std::string::npos) return std::nullopt;
    const std::string list = name.substr(0, number), which = name.substr(last + 1);
    const std::string digits = name.substr(number + 1, last - number - 1);
    if ((list != "pin" && list != "paste window" && list != "via") ||
        (which != "x" && which != "y" && which != "width" && which != "height") || digits.empty() ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const size_t n = std::stoul(digits) - 1;
    const bool x = which == "x";
    if (list == "pin") {
        const PadPlace place = PadPlaces(p).at(n);
        return x ? place.x : place.y;
    }
    if (list == "via") return x ? p.ep.vias.at(n).x : p.ep.vias.at(n).y;
    const Rect& r = p.ep.paste.at(n).rect;
    return which == "width" ? r.w : which == "height" ? r.h : x ? r.cx : r.cy;
}

// Half a unit of the last place printed.
double PrintedTolerance(const std::string& value) {
    const size_t dot = value.find('.');
    const int places = dot == std::string::npos ? 0 : int(value.size() - dot - 1);
    return 0.5 * std::pow(10.0, -places) + 1e-9;
}

TEST(LandPatternsDocTest, WorkedExamplesAreWhatTheCalculationGives) {
    const std::vector<Example> examples = Examples();
    ASSERT_EQ(examples.size(), 4u) << "the doc's worked examples were not found";
    const std::map<std::string, Quantity> quantities = Quantities();
    for (const Example& e : examples) {
        SCOPED_TRACE(e.name);
        PackageInput input;
        for (const auto& row : e.keys) ASSERT_TRUE(ApplyKeyText(input, row.at(0), row.at(1)).ok()) << row.at(0);
        const Result<LandPattern> pattern = Compute(input);
        ASSERT_TRUE(pattern.ok()) << pattern.error();
        ASSERT_GT(e.quantities.size(), 8u);
        for (const auto& row : e.quantities) {
            const std::string& name = row.at(0);
            std::optional<double> actual = Indexed(name, pattern.value());
            if (!actual && quantities.count(name)) actual = quantities.at(name)(pattern.value());
            ASSERT_TRUE(actual.has_value()) << "the doc prints a quantity no test reads: " << name;
            EXPECT_NEAR(*actual, std::stod(row.at(1)), PrintedTolerance(row.at(1))) << name;
        }
    }
}

TEST(LandPatternsDocTest, KeyListIsTheKeyTable) {
    std::map<std::string, std::vector<std::string>> documented;
    for (const std::string& line : DocLines()) {
        const std::vector<std::string> cells = Cells(line);
        if (cells.size() == 4 && cells[0].size() > 2 && cells[0].front() == '`')
            documented[cells[0].substr(1, cells[0].size() - 2)] = cells;
    }
    for (const KeyRow& row : PackageKeys()) {
        ASSERT_TRUE(documented.count(row.name)) << row.name << " is missing from the doc's key list";
        const std::vector<std::string>& cells = documented.at(row.name);
        EXPECT_EQ(cells[1], KindOf(row.kind).name) << row.name;
        EXPECT_EQ(cells[2], FamiliesTaking(row)) << row.name;
        EXPECT_EQ(cells[3], row.meaning) << row.name;
        documented.erase(row.name);
    }
    for (const auto& entry : documented) ADD_FAILURE() << "the doc lists a key the table does not have: " << entry.first;
}

// "0.15 / 0.25 / 0.01" as its three numbers.
std::vector<double> Goals(const std::string& cell) {
    std::vector<double> v;
    std::stringstream in(cell);
    for (std::string part; std::getline(in, part, '/');) v.push_back(std::stod(part));
    return v;
}

TEST(LandPatternsDocTest, TablesAreTheProgramsTables) {
    std::map<std::string, std::vector<std::string>> rows;
    for (const std::string& line : DocLines()) {
        const std::vector<std::string> cells = Cells(line);
        if (!cells.empty()) rows[cells[0]] = cells;
    }
    for (const FilletRow& f : FilletTable()) {
        ASSERT_TRUE(rows.count(f.name)) << f.name;
        for (int d = 0; d < 3; ++d) {
            const std::vector<double> goals = Goals(rows.at(f.name).at(1 + d));
            ASSERT_EQ(goals.size(), 3u) << f.name;
            EXPECT_DOUBLE_EQ(goals[0], f.goals[d].toe) << f.name;
            EXPECT_DOUBLE_EQ(goals[1], f.goals[d].heel) << f.name;
            EXPECT_DOUBLE_EQ(goals[2], f.goals[d].side) << f.name;
        }
    }
    for (const FamilyRow& f : Families()) {
        const std::string name = std::string("`") + f.name + "`";
        ASSERT_TRUE(rows.count(name)) << f.name;
        EXPECT_EQ(rows.at(name).at(1), f.what) << f.name;
    }
    for (const DensityRow& d : Densities()) {
        ASSERT_TRUE(rows.count(d.name)) << d.name;
        EXPECT_DOUBLE_EQ(std::stod(rows.at(d.name).at(1)), d.courtyardExcess) << d.name;
    }
    for (size_t column = 0; column < BallTypes().size(); ++column)
        for (const BallLand& b : BallTypes()[column].lands) {
            ASSERT_TRUE(rows.count(Mm(b.ball))) << "ball " << b.ball;
            EXPECT_DOUBLE_EQ(std::stod(rows.at(Mm(b.ball)).at(1 + column)), b.land) << "ball " << b.ball;
        }
}

}  // namespace
