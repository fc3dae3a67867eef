// Files around the real program: exports that must not overwrite, designs that cannot be
// written or are held by others, a change left half-done by a killed writer, settings files
// shared by parallel runs, and the window-state file's warnings.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "tests/host/orvex/commands/orvex_cli_fixture.h"

namespace {

class FileSafetyTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        MakeDesign("d.design");
    }
    void MakeDesign(const std::string& file) {
        ASSERT_EQ(Run({"new", file, "--units", "mm"}).code, 0);
        ASSERT_EQ(Run({"padstack", "add", file, "R", "--shape", "round", "--width", "0.5", "--height", "0.5"}).code, 0);
    }
    // Root may write anything; the program then runs as nobody, who may not write what root made.
    static std::string Unprivileged() {
        return ::geteuid() == 0 ? "setpriv --reuid=65534 --regid=65534 --clear-groups" : "";
    }
    // Runs `script` in this folder with orvex as $O, for commands that run side by side.
    void Shell(const std::string& script) {
        const std::string cmd = "cd " + Quote(dir_.string()) + " && O='env -u DISPLAY " + std::string(ORVEX_BINARY) +
                                " --home home' && " + script;
        ASSERT_EQ(std::system(cmd.c_str()), 0) << script;
    }
    // "d3.design" and the like, built by appending: GCC 12 warns of overlaps in "d" + text that are not there.
    static std::string Numbered(const char* head, int i, const char* tail = "") {
        return std::string(head).append(std::to_string(i)).append(tail);
    }
};

struct ExportTarget {
    const char* name;
    const char* target;   // made by the test beforehand, see TEST_P
    bool force;
    const char* refusal;  // "" when the export writes the file
};
class ExportTargetTest : public FileSafetyTest, public ::testing::WithParamInterface<ExportTarget> {};

TEST_P(ExportTargetTest, WritesOnlyWhereNothingIsLost) {
    const ExportTarget& c = GetParam();
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid", "--p", "2", "--x", "1"}).code, 0);
    ASSERT_EQ(Run({"library", "new", "l.olb"}).code, 0);
    Write("notes.txt", "a person's notes\n");
    ASSERT_EQ(Run({"export", "d.design", "F1", "--kicad", "old.kicad_mod"}).code, 0);
    std::filesystem::create_directories(dir_ / "folder");
    const auto contents = [&] { return std::filesystem::is_directory(dir_ / c.target) ? "a folder" : File(c.target); };
    const std::string before = contents();
    const std::string designBefore = File("d.design");
    std::vector<std::string> args{"export", "d.design", "F1", "--kicad", c.target};
    if (c.force) args.push_back("--force");
    const Outcome o = Run(args);
    EXPECT_EQ(File("d.design"), designBefore);
    if (*c.refusal == '\0') {
        EXPECT_EQ(o.code, 0) << o.err;
        EXPECT_EQ(File(c.target).rfind("(footprint \"F1\"", 0), 0u);
        return;
    }
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, std::string(c.target) + c.refusal)) << o.err;
    EXPECT_EQ(contents(), before);
}

INSTANTIATE_TEST_SUITE_P(Targets, ExportTargetTest, ::testing::Values(
    ExportTarget{"TheDesignItself", "d.design", false,
                 " is an Orvex design or library; an export never writes over one"},
    ExportTarget{"TheDesignEvenWithForce", "d.design", true, " is an Orvex design or library"},
    ExportTarget{"ALibrary", "l.olb", true, " is an Orvex design or library"},
    ExportTarget{"SomeoneElsesFile", "notes.txt", false, " exists and is not a footprint orvex exported; give --force"},
    ExportTarget{"SomeoneElsesFileWithForce", "notes.txt", true, ""},
    ExportTarget{"AnEarlierExport", "old.kicad_mod", false, ""},
    ExportTarget{"AFolder", "folder", true, " is a folder, not a file to export to"}),
    [](const auto& info) { return std::string(info.param.name); });

// A library folder: every file is looked at before the first is written.
TEST_F(FileSafetyTest, ALibraryExportWritesNoFileUnlessItMayWriteAll) {
    for (const char* name : {"F1", "F2"})
        ASSERT_EQ(Run({"generate", "d.design", name, "--style", "grid", "--p", "2", "--x", "1"}).code, 0);
    std::filesystem::create_directories(dir_ / "lib.pretty");
    Write("lib.pretty/F2.kicad_mod", "a person's own footprint\n");
    std::filesystem::copy_file(dir_ / "d.design", dir_ / "d.pretty");
    const auto refused = [&](std::vector<std::string> args, const std::string& why) {
        const Outcome o = Run(args);
        EXPECT_EQ(o.code, 1);
        EXPECT_TRUE(Has(o.err, why)) << o.err;
        EXPECT_FALSE(std::filesystem::exists(dir_ / "lib.pretty/F1.kicad_mod")) << "written before the refusal";
    };
    refused({"export", "d.design", "--kicad", "lib.pretty"},
            "lib.pretty/F2.kicad_mod exists and is not a footprint orvex exported; give --force");
    const std::string design = File("d.design");
    refused({"export", "d.design", "--kicad", "d.pretty", "--force"}, "d.pretty is not a folder");
    EXPECT_EQ(File("d.pretty"), design);
    std::filesystem::copy_file(dir_ / "d.design", dir_ / "lib.pretty/F2.kicad_mod",
                               std::filesystem::copy_options::overwrite_existing);
    refused({"export", "d.design", "--kicad", "lib.pretty", "--force"},
            "lib.pretty/F2.kicad_mod is an Orvex design or library");
    EXPECT_EQ(File("lib.pretty/F2.kicad_mod"), design);

    Write("lib.pretty/F2.kicad_mod", "a person's own footprint\n");
    ASSERT_EQ(Run({"export", "d.design", "--kicad", "lib.pretty", "--force"}).code, 0);
    EXPECT_EQ(File("lib.pretty/F2.kicad_mod").rfind("(footprint \"F2\"", 0), 0u);
    EXPECT_EQ(Run({"export", "d.design", "--kicad", "lib.pretty"}).code, 0) << "earlier exports are replaced";
}

TEST_F(FileSafetyTest, AChangeLeftHalfDoneIsRolledBackOrNamed) {
    const std::string shown = Run({"show", "d.design", "--json"}).out;
    // A writer killed in the middle of a transaction that did not fit in its memory.
    const pid_t child = ::fork();
    if (child == 0) {
        sqlite3* db = nullptr;
        sqlite3_open((dir_ / "d.design").c_str(), &db);
        sqlite3_exec(db, "PRAGMA cache_size = 1; BEGIN; DELETE FROM padstack_layers; DELETE FROM padstacks;", nullptr,
                     nullptr, nullptr);
        sqlite3_exec(db, "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 300) "
                         "INSERT INTO names(text) SELECT hex(randomblob(150)) || i FROM n;",
                     nullptr, nullptr, nullptr);
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(std::filesystem::exists(dir_ / "d.design-journal"));
    using std::filesystem::perm_options;
    std::filesystem::permissions(dir_ / "d.design", std::filesystem::perms::owner_write, perm_options::remove);
    const Outcome held = Run({"show", "d.design"}, "/dev/null", Unprivileged());
    EXPECT_EQ(held.code, 1);
    EXPECT_TRUE(Has(held.err, "d.design holds a change left half-done by a program that was stopped while writing it "
                              "(d.design-journal)")) << held.err;

    std::filesystem::permissions(dir_ / "d.design", std::filesystem::perms::owner_write, perm_options::add);
    const Outcome exported = Run({"export", "d.design", "F1", "--kicad", "f.kicad_mod"});
    EXPECT_TRUE(Has(exported.err, "holds no footprint named F1")) << "the design opened: " << exported.err;
    EXPECT_EQ(Run({"show", "d.design", "--json"}).out, shown) << "the half-done change is gone";
}

struct Holder {
    const char* name;
    const char* sql;   // what the other program keeps open
};
class InUseTest : public FileSafetyTest, public ::testing::WithParamInterface<Holder> {};

TEST_P(InUseTest, GenerateIsRefusedBeforeTheDialog) {
    const std::string before = File("d.design");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open((dir_ / "d.design").c_str(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, GetParam().sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(other);
    const Outcome o = Run({"generate", "d.design", "F1", "--style", "grid"});
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "d.design is in use by another program; close it there or let it finish, then try again"))
        << o.err;
    EXPECT_EQ(File("d.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Holders, InUseTest, ::testing::Values(
    Holder{"Reading", "BEGIN; SELECT count(*) FROM names;"},
    Holder{"Writing", "BEGIN IMMEDIATE; INSERT INTO names(text) VALUES ('held');"},
    Holder{"Committing", "BEGIN EXCLUSIVE; INSERT INTO names(text) VALUES ('held');"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReadOnly {
    const char* name;
    const char* make;   // shell commands that take the write permission away
    const char* undo;
    const char* refusal;
};
class ReadOnlyDesignTest : public FileSafetyTest, public ::testing::WithParamInterface<ReadOnly> {};

TEST_P(ReadOnlyDesignTest, IsRefusedBeforeTheDialogNamingTheFile) {
    std::filesystem::create_directories(dir_ / "ro");
    MakeDesign("ro/d.design");
    const std::string before = File("ro/d.design");
    if (std::system(("cd " + Quote(dir_.string()) + " && " + GetParam().make + " 2>/dev/null").c_str()) != 0)
        GTEST_SKIP() << GetParam().make << " is not possible here";
    Write("s.txt", "ok\n");
    const Outcome generate = Run({"generate", "ro/d.design", "F1", "--style", "grid"}, "/dev/null", Unprivileged());
    const Outcome run = Run({"run", "ro/d.design", "F1", "--script", "s.txt"}, "/dev/null", Unprivileged());
    std::system(("cd " + Quote(dir_.string()) + " && " + GetParam().undo).c_str());
    for (const Outcome& o : {generate, run}) {
        EXPECT_EQ(o.code, 1);
        EXPECT_TRUE(Has(o.err, GetParam().refusal)) << o.err;
        EXPECT_FALSE(Has(o.out, "result:")) << "the plug-in was not called";
    }
    EXPECT_EQ(File("ro/d.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Causes, ReadOnlyDesignTest, ::testing::Values(
    ReadOnly{"FileMode", "chmod a-w ro/d.design", "chmod u+w ro/d.design",
             "ro/d.design cannot be written (Permission denied)"},
    ReadOnly{"FolderMode", "chmod a+w ro/d.design && chmod a-w ro", "chmod u+w ro",
             "ro/d.design cannot be written: its folder ro cannot be written (Permission denied)"},
    ReadOnly{"Immutable", "chattr +i ro/d.design", "chattr -i ro/d.design",
             "ro/d.design cannot be written (Operation not permitted)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileSafetyTest, ParallelBatchesShareTheHostFolder) {
    std::string batch = "[";
    for (int i = 0; i < 30; ++i)
        batch.append(i ? "," : "").append(Numbered("{\"footprint\": \"F", i, "\", \"style\": \"grid\"}"));
    Write("batch.json", batch + "]");
    for (int i = 1; i <= 4; ++i) MakeDesign(Numbered("d", i, ".design"));
    Shell("for i in 1 2 3 4; do ($O generate d$i.design --from-json batch.json >out$i.txt 2>err$i.txt; "
          "echo $? >rc$i.txt) & done; wait");
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(File(Numbered("rc", i, ".txt")), "0\n") << File(Numbered("err", i, ".txt"));
        EXPECT_TRUE(Has(File(Numbered("out", i, ".txt")), "stored 30 footprints"));
    }
    const std::string state = File("home/tessra.ini");
    EXPECT_EQ(state.find("[WINDOW_STATES]"), state.rfind("[WINDOW_STATES]")) << state;

    for (int i = 1; i <= 12; ++i) ASSERT_EQ(Run({"library", "new", Numbered("l", i, ".olb")}).code, 0);
    Shell("for i in $(seq 1 12); do $O library add l$i.olb & done; wait");
    const std::string ini = File("home/ORVEX.INI");
    for (int i = 1; i <= 12; ++i) EXPECT_TRUE(Has(ini, Numbered("l", i, "="))) << ini;
}

// The plug-in's folder, where its window-state file is, cannot be written; the design can.
struct StateFileCase {
    const char* name;
    bool exists;          // a tessra.ini is there already
    const char* warning;
};
class StateFileWarningTest : public FileSafetyTest, public ::testing::WithParamInterface<StateFileCase> {};

TEST_P(StateFileWarningTest, CostsNoFootprint) {
    using std::filesystem::perms;
    if (GetParam().exists)
        Write("home/tessra.ini", "#\r\n# Orvex Tessra Ini File\r\n#\r\n\r\n"
                                 "# Window states for Tessra dialog and Preview window\r\n");
    const perms write = perms::owner_write | perms::group_write | perms::others_write;
    std::filesystem::permissions(dir_ / "home", write, std::filesystem::perm_options::remove);
    std::filesystem::permissions(dir_, write, std::filesystem::perm_options::add);
    std::filesystem::permissions(dir_ / "d.design", write, std::filesystem::perm_options::add);
    const Outcome o = Run({"generate", "d.design", "F1", "--style", "grid"}, "/dev/null", Unprivileged());
    std::filesystem::permissions(dir_ / "home", perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(o.err, std::string("F1: the dialog warns \"") + GetParam().warning + "\"")) << o.err;
    EXPECT_TRUE(Has(o.err, "; the footprint goes on")) << o.err;
    EXPECT_TRUE(Has(Run({"show", "d.design", "F1"}).out, "F1 (symbol 1)"));
    EXPECT_EQ(std::filesystem::exists(dir_ / "home/tessra.ini"), GetParam().exists);
}

INSTANTIATE_TEST_SUITE_P(Files, StateFileWarningTest, ::testing::Values(
    StateFileCase{"Existing", true, "Unable to update section in tessra.ini file"},
    StateFileCase{"None", false, "Unable to create default tessra.ini file"}),
    [](const auto& info) { return std::string(info.param.name); });

// A host folder that cannot be written: the plug-in runs from where it was built, its window
// state is not saved (a warning, never a lost footprint), and only the settings are refused.
// The folder is made read-only with chmod and the program runs as nobody, for whom that holds
// (root would write it all the same).
struct ReadOnlyHome {
    const char* name;
    std::vector<std::string> command;
    bool settings;   // ORVEX.INI is there
    int code;
    const char* said;
};
class ReadOnlyHomeTest : public FileSafetyTest, public ::testing::WithParamInterface<ReadOnlyHome> {};

TEST_P(ReadOnlyHomeTest, RunsThePluginFromTheBuildAndRefusesOnlyTheSettings) {
    using std::filesystem::perms;
    const ReadOnlyHome& c = GetParam();
    ASSERT_EQ(Run({"library", "new", "l.olb"}).code, 0);
    std::filesystem::remove(dir_ / "home" / "tessra.dll");
    if (!c.settings) std::filesystem::remove(dir_ / "home" / "ORVEX.INI");
    const std::string ini = c.settings ? File("home/ORVEX.INI") : "";
    Write("s.txt", "ok\n");
    const perms write = perms::owner_write | perms::group_write | perms::others_write;
    std::filesystem::permissions(dir_ / "home", write, std::filesystem::perm_options::remove);
    std::filesystem::permissions(dir_, write, std::filesystem::perm_options::add);
    std::filesystem::permissions(dir_ / "d.design", write, std::filesystem::perm_options::add);
    const Outcome o = Run(c.command, "/dev/null", Unprivileged());
    std::filesystem::permissions(dir_ / "home", perms::owner_write, std::filesystem::perm_options::add);
    EXPECT_EQ(o.code, c.code) << o.err;
    EXPECT_TRUE(Has(o.err, c.said)) << o.err;
    EXPECT_EQ(std::filesystem::exists(dir_ / "home" / "ORVEX.INI"), c.settings);
    if (c.settings) {
        EXPECT_EQ(File("home/ORVEX.INI"), ini);
    }
    EXPECT_FALSE(std::filesystem::exists(dir_ / "home" / "tessra.dll"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "home" / "tessra.ini"));
    EXPECT_EQ(Has(Run({"show", "d.design"}).out, "F1 (symbol 1)"), c.code == 0) << "stored when not refused";
}

INSTANTIATE_TEST_SUITE_P(Commands, ReadOnlyHomeTest, ::testing::Values(
    ReadOnlyHome{"Generate", {"generate", "d.design", "F1", "--style", "grid"}, true, 0,
                 "the dialog warns \"Unable to find tessra.dll file\""},
    ReadOnlyHome{"GenerateWithoutSettings", {"generate", "d.design", "F1", "--style", "grid"}, false, 0,
                 "home (the folder cannot be written), so it runs from "},
    ReadOnlyHome{"Run", {"run", "d.design", "F1", "--script", "s.txt"}, true, 0,
                 "orvex: note: cannot link tessra.dll into "},
    ReadOnlyHome{"LibraryAdd", {"library", "add", "l.olb"}, true, 1,
                 "/home/ORVEX.INI: its folder cannot be written (Permission denied); the padstack library list is "
                 "unchanged"},
    ReadOnlyHome{"LibraryRemove", {"library", "remove", "l.olb"}, false, 1, "its folder cannot be written"}),
    [](const auto& info) { return std::string(info.param.name); });

// A new design takes its name only when whole: a kill halfway (here by the file size limit)
// leaves nothing under the name, and an empty file such a kill once left is made a design.
TEST_F(FileSafetyTest, NewIsKilledHalfwayAndLeavesNothingInTheWay) {
    const Outcome killed = Run({"new", "k.design"}, "/dev/null", "ulimit -f 1;");
    EXPECT_NE(killed.code, 0);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "k.design"));
    EXPECT_EQ(Run({"new", "k.design"}).code, 0);
    Write("empty.design", "");
    EXPECT_EQ(Run({"new", "empty.design"}).code, 0);
    Write("kept.design", "keep me");
    EXPECT_TRUE(Has(Run({"new", "kept.design"}).err, "kept.design already exists"));
    EXPECT_EQ(File("kept.design"), "keep me");
    for (const char* made : {"k.design", "empty.design"})
        EXPECT_TRUE(Has(Run({"show", made}).out, "mils")) << made;
}

}  // namespace
