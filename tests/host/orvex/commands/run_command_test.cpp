// "orvex run" through the real program and the real tessra.dll: the plug-in's answer, the boxes
// and notes of the run, and a design that keeps only what an OK run wrote.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "host/zelmdb/design_store.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"

namespace {

class OrvexRunTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
        InstallPlugin();
        before_ = File("d.design");
    }
    Outcome RunScript(const std::string& script) {
        Write("s.txt", script);
        return Run({"run", "d.design", "QFP48", "--script", "s.txt"});
    }

    std::string before_;
};

TEST_F(OrvexRunTest, OkAnswersOneAndKeepsWhatThePluginWrote) {
    const Outcome o = RunScript("ok\n");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.out, "result: 1\n")) << o.out;
    EXPECT_TRUE(Has(o.out, "d.design: saved what the plug-in wrote")) << o.out;
    EXPECT_EQ(Run({"show", "d.design"}).code, 0) << "the design opens after the run";
}

// A tree that was only built keeps the plug-in's window state in the host folder, never in the
// build: a state one person left there must not reach every other run.
TEST_F(OrvexCliTest, AModuleOnlyBuiltIsLinkedIntoTheHostFolderWithItsWindowState) {
    ASSERT_EQ(Run({"new", "d.design"}).code, 0);
    Write("s.txt", "page 3\ncancel\n");
    ASSERT_EQ(Run({"run", "d.design", "F1", "--script", "s.txt"}).code, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(dir_ / "home" / "tessra.dll"));
    EXPECT_TRUE(Has(File("home/tessra.ini"), "TessraActivePage=3\r\n")) << File("home/tessra.ini");
}

TEST_F(OrvexRunTest, SecondFootprintOfTheSameNameIsRefusedBeforeTheDialog) {
    ASSERT_EQ(RunScript("ok\n").code, 0);
    const std::string once = File("d.design");
    const Outcome o = RunScript("ok\n");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "d.design: the design already holds a footprint named QFP48")) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << "the plug-in was not called: " << o.out;
    EXPECT_EQ(File("d.design"), once);
}

TEST_F(OrvexRunTest, CancelAnswersZeroAndLeavesTheDesignAsItWas) {
    const Outcome o = RunScript("cancel\n");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.out, "result: 0\n")) << o.out;
    EXPECT_TRUE(Has(o.out, "unchanged")) << o.out;
    EXPECT_EQ(File("d.design"), before_);
}

TEST_F(OrvexRunTest, ScriptFromStandardInput) {
    Write("in.txt", "close\n");
    const Outcome o = Run({"run", "d.design", "QFP48", "--script", "-"}, "in.txt");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.out, "result: 0\n")) << o.out;
}

TEST_F(OrvexRunTest, FailingScriptPrintsTheDriversErrorAndKeepsNothing) {
    const Outcome o = RunScript("click 999\nok\n");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "the script failed: line 1: there is no control 999")) << o.err;
    EXPECT_TRUE(Has(o.out, "result: 0\n")) << o.out;
    EXPECT_EQ(File("d.design"), before_);
}

TEST_F(OrvexRunTest, ScriptThatEndsWithTheSheetUpIsCancelledAndSaysSo) {
    const Outcome o = RunScript("# nothing but a comment\n");
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.out, "note: the script ended while the dialog was still up; it was cancelled")) << o.out;
    EXPECT_TRUE(Has(o.out, "result: 0\n")) << o.out;
}

TEST_F(OrvexRunTest, DesignHeldByAnotherOrvexIsRefused) {
    auto held = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadWrite,
                                          zelmdb::DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(held.ok());
    const Outcome o = RunScript("ok\n");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "open in another orvex")) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << "the plug-in was not called";
}

struct NoDisplay {
    const char* name;
    const char* environment;
    const char* reason;
};
class OrvexRunNoDisplayTest : public OrvexRunTest, public ::testing::WithParamInterface<NoDisplay> {};

// A person's run on a display that cannot be shown is refused at once, never run where nobody
// sees it while it holds the design.
TEST_P(OrvexRunNoDisplayTest, IsRefusedBeforeTheDesignIsOpened) {
    environment_ = GetParam().environment;
    const Outcome o = Run({"run", "d.design", "QFP48"});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "there is no display to show the dialog on")) << o.err;
    EXPECT_TRUE(Has(o.err, GetParam().reason)) << o.err;
    EXPECT_TRUE(Has(o.err, "--script")) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << o.out;
    EXPECT_EQ(File("d.design"), before_);
}

INSTANTIATE_TEST_SUITE_P(Displays, OrvexRunNoDisplayTest, ::testing::Values(
    NoDisplay{"NoServerBehindTheName", "-u SDL_VIDEODRIVER DISPLAY=:7913", "DISPLAY=:7913 cannot be opened"},
    NoDisplay{"NoneNamed", "-u SDL_VIDEODRIVER", "no display is named"},
    NoDisplay{"InvisibleDriver", "SDL_VIDEODRIVER=offscreen", "SDL_VIDEODRIVER=offscreen shows nobody a window"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedFile {
    const char* name;
    const char* setup;   // "garbage", "library" or "plugin": what the test spoils first
    const char* design;
    const char* message;
};
class OrvexRunRefusalTest : public OrvexRunTest, public ::testing::WithParamInterface<RefusedFile> {};

TEST_P(OrvexRunRefusalTest, NamesTheFileAndCallsNoPlugin) {
    const std::string setup = GetParam().setup;
    if (setup == "garbage") Write("x.design", "this is not a design\n");
    if (setup == "library") {
        ASSERT_EQ(Run({"library", "new", "x.design"}).code, 0);
    }
    if (setup == "plugin") {
        std::filesystem::remove(dir_ / "home" / "tessra.dll");
        Write("home/tessra.dll", "not a module\n");
    }
    Write("s.txt", "ok\n");
    const Outcome o = Run({"run", GetParam().design, "QFP48", "--script", "s.txt"});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, GetParam().message)) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << o.out;
    EXPECT_EQ(File("d.design"), before_);
    // A stray file under the module's name would pass for the module with anyone searching for it.
    if (setup == "plugin") std::filesystem::remove(dir_ / "home" / "tessra.dll");
}

INSTANTIATE_TEST_SUITE_P(Files, OrvexRunRefusalTest, ::testing::Values(
    RefusedFile{"damaged", "garbage", "x.design", "x.design is not an Orvex design"},
    RefusedFile{"library", "library", "x.design", "x.design is a library, not a design"},
    RefusedFile{"plugin", "plugin", "d.design", "cannot load the plug-in"}),
    [](const auto& info) { return std::string(info.param.name); });

// Cancel stores no footprint, yet a library padstack that a page copied in as it started stays,
// as does the one the Select Padstack dialog showed last when it closed with OK; one it showed
// and took back, it deletes itself. A write that failed keeps nothing of the run.
struct CancelCase {
    const char* name;
    const char* script;
    const char* sql;   // what the design holds besides, "" for nothing
    bool keepsP, keepsQ;
    const char* said;
};
class OrvexCancelTest : public OrvexRunTest, public ::testing::WithParamInterface<CancelCase> {};

TEST_P(OrvexCancelTest, KeepsOnlyTheLibraryPadstacksTheDialogLeaves) {
    const CancelCase& c = GetParam();
    ASSERT_EQ(Run({"library", "new", "l.olb", "--units", "mm"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "l.olb", "P", "--shape", "round", "--width", "1", "--height", "1"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "l.olb", "Q", "--shape", "square", "--width", "1", "--height", "1"}).code, 0);
    ASSERT_EQ(Run({"library", "add", "l.olb"}).code, 0);
    if (*c.sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((dir_ / "d.design").c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, c.sql, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_close(db);
    }
    const std::string before = File("d.design");
    const Outcome o = RunScript(c.script);
    EXPECT_TRUE(Has(o.out, "result: 0\n")) << o.out;
    EXPECT_TRUE(Has(c.keepsP ? o.out : o.err, c.said)) << o.out << o.err;
    EXPECT_EQ(o.code, c.keepsP ? 0 : 1) << o.err;
    auto store = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadOnly,
                                           zelmdb::DesignStore::Sharing::Shared);
    ASSERT_TRUE(store.ok()) << store.error();
    EXPECT_EQ(store.value()->FindPadstack("P") != 0, c.keepsP);
    EXPECT_EQ(store.value()->FindPadstack("Q") != 0, c.keepsQ);
    EXPECT_EQ(store.value()->FindSymbol("QFP48"), 0);
    if (!c.keepsP) {
        EXPECT_EQ(File("d.design"), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Runs, OrvexCancelTest, ::testing::Values(
    CancelCase{"ThePagesCopy", "cancel\n", "", true, false,
               "d.design: kept P, copied in from a library; no footprint was stored"},
    CancelCase{"ACopyTakenBack", "click 1058\nselect 1056 Q\ncancel\ncancel\n", "", true, false, "kept P,"},
    CancelCase{"ACopyChosen", "click 1058\nselect 1056 Q\nok\ncancel\n", "", true, true, "kept P, Q,"},
    // The page's copy takes the design's last padstack id, so the dialog's own copy fails: nothing
    // of the run is kept.
    CancelCase{"AFailedCopy", "click 1058\nselect 1056 Q\ncancel\ncancel\n", "INSERT INTO padstacks(id) VALUES (32766)",
               false, false,
               "the padstacks copied in from a library were NOT stored: d.design: no padstack id is left"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
