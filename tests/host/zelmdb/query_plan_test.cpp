// How SQLite runs every statement the store prepares. What a footprint asks may read no growing
// table whole, or a batch slows down with every footprint stored before; a listing reads its
// table once. Designs made before the indexes must get them when opened for writing.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "host/zelmdb/design_store.h"
#include "tests/host/zelmdb/design_fixture.h"

using namespace zelmdb;

namespace {

// Tables whose rows come with a new design and stay as they are; every other table grows.
const std::set<std::string> FixedTables{"design", "layers", "colours"};

std::string Upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::vector<std::string> Tokens(const std::string& text) {
    std::vector<std::string> tokens;
    std::istringstream in(text);
    for (std::string token; in >> token;) tokens.push_back(token);
    return tokens;
}

// The name each table goes by in the statement: its own, or the alias the statement gives it.
std::map<std::string, std::string> TablesByName(const std::string& sql) {
    static const std::set<std::string> sources{"FROM", "JOIN", "INTO"};
    static const std::set<std::string> keywords{"WHERE", "JOIN", "LEFT", "INNER", "CROSS", "ON",
                                                "ORDER", "GROUP", "LIMIT", "USING", "DEFAULT", "VALUES"};
    const std::vector<std::string> tokens = Tokens(sql);
    std::map<std::string, std::string> tables;
    for (size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (sources.count(Upper(tokens[i])) == 0) continue;
        const std::string& next = tokens[i + 1];
        const std::string table = next.substr(0, next.find_first_of("(,"));
        tables[table] = table;
        if (table.size() != next.size() || i + 2 >= tokens.size()) continue;   // "names(text)": no alias
        size_t at = i + 2;
        if (Upper(tokens[at]) == "AS" && at + 1 < tokens.size()) ++at;
        const std::string alias = tokens[at].substr(0, tokens[at].find(','));
        if (keywords.count(Upper(alias)) == 0) tables[alias] = table;
    }
    return tables;
}

// The growing tables the statement reads from end to end: "SCAN t" in its plan, with or without
// an index, since an index read whole is no better than its table read whole.
std::vector<std::string> GrowingTablesScanned(sqlite3* db, const std::string& sql) {
    std::vector<std::string> scanned;
    sqlite3_stmt* plan = nullptr;
    if (sqlite3_prepare_v2(db, ("EXPLAIN QUERY PLAN " + sql).c_str(), -1, &plan, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << "no plan for " << sql << ": " << sqlite3_errmsg(db);
        return scanned;
    }
    const std::map<std::string, std::string> tables = TablesByName(sql);
    while (sqlite3_step(plan) == SQLITE_ROW) {
        const std::vector<std::string> detail = Tokens(reinterpret_cast<const char*>(sqlite3_column_text(plan, 3)));
        if (detail.size() < 2 || detail[0] != "SCAN" || detail[1] == "CONSTANT") continue;   // SCAN CONSTANT ROW
        const auto named = tables.find(detail[1]);
        const std::string table = named == tables.end() ? detail[1] : named->second;
        if (FixedTables.count(table) == 0) scanned.push_back(table);
    }
    sqlite3_finalize(plan);
    return scanned;
}

class PlanReader {
public:
    explicit PlanReader(const std::string& path) { sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READONLY, nullptr); }
    ~PlanReader() { sqlite3_close(db_); }
    std::vector<std::string> Scanned(const std::string& sql) const { return GrowingTablesScanned(db_, sql); }

private:
    sqlite3* db_ = nullptr;
};

// The check itself must see a scan however the statement names its table, and nothing else.
struct PlanCase {
    const char* sql;
    std::vector<std::string> scanned;
};
void PrintTo(const PlanCase& c, std::ostream* out) { *out << c.sql; }
class ScanDetectionTest : public DesignFixture, public ::testing::WithParamInterface<PlanCase> {};

TEST_P(ScanDetectionTest, SeesEveryScanOfAGrowingTable) {
    EXPECT_EQ(PlanReader(designPath_).Scanned(GetParam().sql), GetParam().scanned) << GetParam().sql;
}

INSTANTIATE_TEST_SUITE_P(Statements, ScanDetectionTest, ::testing::Values(
    PlanCase{"SELECT id FROM symbols WHERE center_x = ?", {"symbols"}},
    PlanCase{"SELECT s.id FROM symbols AS s WHERE s.center_y = ?", {"symbols"}},
    PlanCase{"SELECT p.id FROM padstacks p JOIN names n ON n.id = p.name_id WHERE n.text LIKE ?", {"padstacks"}},
    PlanCase{"SELECT count(*) FROM texts", {"texts"}},   // through an index, still all of it
    PlanCase{"SELECT id FROM symbols WHERE ?1 = 0 OR id = ?1", {"symbols"}},
    PlanCase{"SELECT id FROM symbols WHERE id = ?", {}},
    PlanCase{"SELECT number FROM layers WHERE name = ?", {}},
    PlanCase{"SELECT coalesce(max(id), 0) FROM symbols", {}},
    PlanCase{"INSERT INTO symbols DEFAULT VALUES", {}}));

enum class Origin { New, VersionThree };
void PrintTo(Origin origin, std::ostream* out) { *out << (origin == Origin::New ? "new" : "version 3"); }

class QueryPlanTest : public DesignFixture, public ::testing::WithParamInterface<Origin> {
protected:
    void SetUp() override {
        DesignFixture::SetUp();
        if (GetParam() == Origin::New) return;
        // As a design was before the indexes, brought up to date by opening it for writing.
        DatabaseSet::Get().CloseAll();
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(designPath_.c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, "DROP INDEX symbols_by_name; DROP INDEX components_by_symbol;"
                                   "DROP INDEX texts_by_symbol; PRAGMA user_version = 3", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        sqlite3_close(db);
        auto opened = DesignStore::Open(designPath_, DesignStore::Access::ReadWrite, DesignStore::Sharing::Exclusive);
        ASSERT_TRUE(opened.ok()) << opened.error();
        DatabaseSet::Get().AttachDesign(std::move(opened.value()));
    }

    // What storing a footprint asks, as the plug-in and the host ask it: the name checked free,
    // the padstack found by name and by geometry and a turned copy made, the symbol with its
    // pins, a component and a label, the plug-in's record, then the footprint read back.
    void StoreFootprint(const std::string& name, int32_t padstack) {
        DesignStore& d = Design();
        EXPECT_EQ(d.FindSymbol(name), 0);
        EXPECT_EQ(d.FindListedPadstack("P1"), padstack);
        EXPECT_EQ(d.FindPadstack("P1"), padstack);
        auto turned = d.GetPadstack(padstack);
        ASSERT_TRUE(turned);
        EXPECT_EQ(d.FindSamePadstack(*turned), padstack);
        turned->layers[0].rotation = 5400;
        turned->id = d.FindSamePadstack(*turned);
        if (turned->id == 0) {
            turned->id = Given(d.NewPadstack());
            turned->nameId = Given(d.FreePadstackName(turned->nameId, turned->id));
            ASSERT_TRUE(d.PutPadstack(*turned).ok());
        }
        Symbol s{Given(d.NewSymbol()), Given(d.NameCreate(name)), 0, 0, {}};
        for (int i = 0; i < 16; ++i)
            s.pins.push_back({Given(d.NameCreate("A" + std::to_string(i + 1))), 1000 * i, 0,
                              int16_t(i ? padstack : turned->id)});
        ASSERT_TRUE(d.PutSymbol(s).ok());
        ASSERT_TRUE(d.PutComponent({Given(d.NewComponent()), s.nameId, 0, 0, uint16_t(s.id)}).ok());
        const Label label{Given(d.NewLabel()), 10, 500, 0, 0, uint16_t(s.id), uint8_t(d.LayerNumber("TOP")), 2, name};
        ASSERT_TRUE(d.PutLabel(label).ok());
        ASSERT_TRUE(d.PutPluginRecord("Tessra", name, "made from").ok());
        EXPECT_EQ(d.GetPluginRecord("Tessra", name), "made from");
        const auto back = d.SymbolNamed(name);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->pins.size(), 16u);
        EXPECT_EQ(d.NameText(back->nameId), name);
        EXPECT_NE(d.DesignRecordBytes(), nullptr);
        EXPECT_NE(d.ColourValue(d.FindColour(1, 0, 1)), std::nullopt);
    }
};

TEST_P(QueryPlanTest, AFootprintReadsNoGrowingTableWholeAndAListingReadsItsOnce) {
    DesignStore& d = Design();
    const int32_t padstack = PutTestPadstack(d, "P1", PadShape::Square);   // square: turned, it is another
    ASSERT_NE(padstack, 0);
    ASSERT_TRUE(d.Begin().ok());
    for (const char* name : {"F1", "F2", "F3"}) StoreFootprint(name, padstack);
    // Reopened with other values: the old footprint goes, and a padstack the plug-in took back.
    ASSERT_TRUE(d.DeleteSymbol(d.FindSymbol("F2")));
    StoreFootprint("F2", padstack);
    const int32_t spare = Given(d.NewPadstack());
    EXPECT_EQ(d.LastPadstackId(), spare);
    EXPECT_TRUE(d.DeletePadstack(spare));
    ASSERT_TRUE(d.Commit().ok());
    const std::vector<std::string> perFootprint = d.PreparedStatements();

    // What show and export read once a command.
    EXPECT_EQ(d.Symbols().size(), 3u);
    EXPECT_EQ(d.Components().size(), 3u);
    EXPECT_EQ(d.Labels().size(), 3u);
    EXPECT_EQ(d.Padstacks().size(), 2u);
    EXPECT_FALSE(d.Layers().empty());
    std::vector<std::string> listings = d.PreparedStatements();
    std::erase_if(listings, [&](const std::string& sql) {
        return std::find(perFootprint.begin(), perFootprint.end(), sql) != perFootprint.end();
    });

    ASSERT_FALSE(perFootprint.empty()) << "the cache kept no statement";
    ASSERT_EQ(listings.size(), 5u) << "each listing reads with a statement of its own";
    const PlanReader plans(designPath_);
    for (const std::string& sql : perFootprint)
        EXPECT_EQ(plans.Scanned(sql), std::vector<std::string>{}) << sql;
    for (const std::string& sql : listings) EXPECT_LE(plans.Scanned(sql).size(), 1u) << sql;
}

INSTANTIATE_TEST_SUITE_P(Designs, QueryPlanTest, ::testing::Values(Origin::New, Origin::VersionThree),
                         [](const auto& info) { return info.param == Origin::New ? "New" : "MigratedFromVersionThree"; });

}  // namespace
