// "orvex run --reopen" through the real program and tessra.dll: the sheet shows what a footprint
// was made from, OK replaces it, and what cannot be reopened is refused before the dialog.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "host/zelmdb/design_store.h"
#include "res/resource.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/support/script_line.h"

namespace {

class OrvexReopenTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
        for (auto [name, shape] : {std::pair{"R60", "round"}, {"SQ", "rect"}})
            ASSERT_EQ(Run({"padstack", "add", "d.design", name, "--shape", shape, "--width", "0.6", "--height", "0.5"}).code, 0);
    }
    Outcome Reopen(const std::string& script) {
        Write("s.txt", script);
        return Run({"run", "d.design", "F1", "--reopen", "--script", "s.txt"});
    }
    void Sql(const std::string& statement) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((dir_ / "d.design").c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, statement.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    // Pins of each footprint, with the design's component and label counts.
    std::string Footprints() {
        auto design = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadOnly,
                                                zelmdb::DesignStore::Sharing::Shared);
        if (!design.ok()) return design.error();
        zelmdb::DesignStore& d = *design.value();
        std::string out;
        for (const auto& s : d.Symbols()) out += d.NameText(s.nameId).value_or("?") + ":" + std::to_string(s.pins.size()) + " ";
        return out + "components:" + std::to_string(d.Components().size()) + " labels:" + std::to_string(d.Labels().size());
    }
};

TEST_F(OrvexReopenTest, SheetShowsWhatTheFootprintWasMadeFromAndOkReplacesIt) {
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "circular", "--p", "9", "--r", "4.5", "--angle", "40",
                   "--padstack", "SQ", "--pin1-padstack", "R60"}).code, 0);
    ASSERT_EQ(Run({"generate", "d.design", "F2", "--style", "grid", "--p", "2", "--q", "2", "--x", "1", "--y", "1"}).code, 0);
    ASSERT_EQ(Footprints(), "F1:9 F2:4 components:2 labels:10");
    // Page 0 would show its own p; these are the circular page's fields as stored.
    const Outcome o = Reopen(Act("expect", IDC_NUMBER_P, "9") + Act("expect", IDC_RADIUS, "4.5") +
                             Act("expect", IDC_ANGLE, "40") + Act("expect", IDC_DEFAULT_PADSTACK_NAME, "SQ") +
                             Act("expect", IDC_PIN1_PADSTACK_NAME, "R60") +
                             Act("set", IDC_NUMBER_P, "12") + "ok\n");
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    EXPECT_TRUE(Has(o.out, "result: 1")) << o.out;
    EXPECT_EQ(Footprints(), "F2:4 F1:12 components:2 labels:10");
    // The second edit starts from the first one's values.
    const Outcome again = Reopen(Act("expect", IDC_NUMBER_P, "12") + Act("expect", IDC_RADIUS, "4.5") + "cancel\n");
    EXPECT_EQ(again.code, 0) << again.err << again.out;
}

TEST_F(OrvexReopenTest, CancelKeepsTheEarlierFootprint) {
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid", "--p", "3", "--q", "3", "--x", "1", "--y", "1"}).code, 0);
    const std::string before = File("d.design");
    const Outcome o = Reopen(Act("set", IDC_NUMBER_P, "7") + "cancel\n");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.out, "result: 0")) << o.out;
    EXPECT_EQ(File("d.design"), before);
}

TEST_F(OrvexReopenTest, DamagedRecipeIsToldAndTheSheetStartsAfresh) {
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid", "--p", "3", "--q", "3", "--x", "1", "--y", "1"}).code, 0);
    Sql("UPDATE plugin_records SET data = x'545243500100' WHERE owner = 'Tessra' AND key = 'F1'");
    const Outcome o = Reopen(Act("expect", IDC_NUMBER_P, "1") + "ok\n");
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    EXPECT_TRUE(Has(o.out, "The parameters kept with F1 are damaged.")) << o.out;
    EXPECT_EQ(Footprints(), "F1:1 components:1 labels:5") << "a start page's single pad replaces the nine";
}

// What the host added cannot be done again from a damaged record of its own: the footprint would
// lose it, so the run keeps nothing and says why.
TEST_F(OrvexReopenTest, DamagedHostRecordKeepsNothing) {
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid", "--p", "3", "--q", "3", "--x", "1", "--y", "1",
                   "--omit", "B2"}).code, 0);
    Sql("UPDATE plugin_records SET data = CAST('{\"version\": 2, \"turn\": 45}' AS BLOB) WHERE owner = 'Orvex'");
    const std::string before = File("d.design");
    const Outcome o = Reopen("ok\n");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "F1 was NOT stored: the host record of F1 is damaged (\"turn\" is not 90, 180 or 270)")) << o.err;
    EXPECT_TRUE(Has(o.out, "result: 1")) << o.out;
    EXPECT_EQ(File("d.design"), before);
}

struct Unreopenable {
    const char* name;
    const char* sql;   // what is done to the design after F1 is generated; null: F1 is never made
    const char* error;
};
class ReopenRefusalTest : public OrvexReopenTest, public ::testing::WithParamInterface<Unreopenable> {};

TEST_P(ReopenRefusalTest, IsRefusedBeforeTheDialog) {
    if (GetParam().sql) {
        ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid", "--p", "3", "--q", "3", "--x", "1", "--y", "1"}).code, 0);
        Sql(GetParam().sql);
    }
    const std::string before = File("d.design");
    const Outcome o = Reopen("ok\n");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, GetParam().error)) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << "the plug-in was not called: " << o.out;
    EXPECT_EQ(File("d.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, ReopenRefusalTest, ::testing::Values(
    Unreopenable{"NoSuchFootprint", nullptr, "d.design: the design holds no footprint named F1 to reopen"},
    Unreopenable{"NotMadeHere", "DELETE FROM plugin_records",
                 "d.design: the footprint F1 was not made by the generator, so there is nothing to reopen it from"},
    Unreopenable{"OlderDesign", "DROP TABLE plugin_records", "was not made by the generator"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OrvexReopenTest, WithoutReopenTheTakenNameIsRefusedAndReopenIsOffered) {
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid", "--p", "3", "--q", "3", "--x", "1", "--y", "1"}).code, 0);
    Write("s.txt", "ok\n");
    const Outcome o = Run({"run", "d.design", "F1", "--script", "s.txt"});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "already holds a footprint named F1; choose another name, or edit it with orvex run --reopen"))
        << o.err;
}

}  // namespace
