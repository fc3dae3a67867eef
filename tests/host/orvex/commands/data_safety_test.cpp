// What the plug-in stores, through the real program: all of a footprint or, with a clear message
// and the design byte for byte as it was, nothing of it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "host/zelmdb/design_store.h"
#include "res/resource.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/support/script_line.h"

namespace {

class DataSafetyTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
    }
    void MakeDesign(const std::string& file, const char* units = "mm") {
        ASSERT_EQ(Run({"new", file, "--units", units}).code, 0);
        ASSERT_EQ(Run({"padstack", "add", file, "R", "--shape", "rect", "--width", "0.1", "--height", "0.05"}).code, 0);
    }
    void Sql(const std::string& file, const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((dir_ / file).c_str(), &db), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
    // The first column of the first row, as text; empty for none.
    std::string Query(const std::string& file, const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_stmt* st = nullptr;
        std::string out;
        if (sqlite3_open_v2((dir_ / file).c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr) == SQLITE_OK && sqlite3_step(st) == SQLITE_ROW)
            out = reinterpret_cast<const char*>(sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
        sqlite3_close(db);
        return out;
    }
    // The shape code of layer 1 of the padstack that pin `pin` of the footprint stands on.
    int PinShape(const std::string& footprint, size_t pin) {
        auto store = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadOnly,
                                               zelmdb::DesignStore::Sharing::Shared);
        if (!store.ok()) return -1;
        const auto symbol = store.value()->SymbolNamed(footprint);
        if (!symbol || symbol->pins.size() <= pin) return -1;
        const auto padstack = store.value()->GetPadstack(symbol->pins[pin].padstack);
        return padstack ? int(padstack->layers[0].shape) : -1;
    }
};

// Four pads turned by 90 degrees each need copies of the rectangular padstack.
const std::vector<std::string> kTurnedPads{"--style", "circular", "--p", "4", "--r", "5", "--angle", "90"};

struct WriteFailure {
    const char* name;
    const char* units;
    const char* sql;                    // what the design holds besides
    std::vector<std::string> options;   // of generate
    std::string script;                 // the same footprint in the dialog
    const char* why;
};
class FailedWriteTest : public DataSafetyTest, public ::testing::WithParamInterface<WriteFailure> {};

TEST_P(FailedWriteTest, TheFootprintIsNotStoredAndTheDesignIsAsItWas) {
    const WriteFailure& c = GetParam();
    MakeDesign("d.design", c.units);
    if (*c.sql) Sql("d.design", c.sql);
    const std::string before = File("d.design");
    std::vector<std::string> generate{"generate", "d.design", "F1"};
    generate.insert(generate.end(), c.options.begin(), c.options.end());
    const Outcome g = Run(generate);
    EXPECT_EQ(g.code, 1);
    EXPECT_TRUE(Has(g.err, "F1: the footprint was NOT stored: d.design: ")) << g.err;
    EXPECT_TRUE(Has(g.err, c.why)) << g.err;
    EXPECT_EQ(File("d.design"), before);

    Write("s.txt", c.script);
    const Outcome r = Run({"run", "d.design", "F1", "--script", "s.txt"});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(Has(r.out, "result: 1")) << r.out;
    EXPECT_TRUE(Has(r.out, "d.design: unchanged")) << r.out;
    EXPECT_TRUE(Has(r.err, "F1 was NOT stored: d.design: ")) << r.err;
    EXPECT_EQ(File("d.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Causes, FailedWriteTest, ::testing::Values(
    WriteFailure{"PadstackIdsUsedUp", "mm", "INSERT INTO padstacks(id) VALUES (32767)", kTurnedPads,
                 "page 4\n" + Act("set", IDC_NUMBER_P, "4") + Act("set", IDC_RADIUS, "5") + Act("set", IDC_ANGLE, "90") +
                     "ok\n",
                 "no padstack id is left (the design holds padstack 32767)"},
    // 900 rows 10 inches apart reach beyond what 32 bits hold; the size check measures -8990 inches.
    WriteFailure{"BeyondTheCoordinates", "inches", "", {"--style", "grid", "--q", "900", "--y", "-10"},
                 "page 5\n" + Act("set", IDC_NUMBER_Q, "900") + Act("set", IDC_SPACING_Y, "-10") +
                     "ok\n", "would lie at (0, "}),
    [](const auto& info) { return std::string(info.param.name); });

// Files may not grow past a few KiB: SQLite's journal fills up early in the command, and SQLite
// may give the transaction up by itself; what is written after that must not be kept either.
struct FullDisk {
    const char* name;
    int kib;
    std::vector<std::string> command;
    std::string script;   // given to run; "" for a command of its own
    const char* refusal;
};
class FullDiskTest : public DataSafetyTest, public ::testing::WithParamInterface<FullDisk> {};

TEST_P(FullDiskTest, StoresNothing) {
    const FullDisk& c = GetParam();
    MakeDesign("d.design");
    const std::string before = File("d.design");
    if (!c.script.empty()) Write("s.txt", c.script);
    const Outcome o = Run(c.command, "/dev/null", "trap '' XFSZ; ulimit -f " + std::to_string(c.kib) + ";");
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, c.refusal)) << o.err;
    EXPECT_EQ(File("d.design"), before);
    EXPECT_FALSE(std::filesystem::exists(dir_ / "d.design-journal"));
}

INSTANTIATE_TEST_SUITE_P(Commands, FullDiskTest, ::testing::Values(
    FullDisk{"Generate", 13, {"generate", "d.design", "G1", "--style", "grid", "--p", "40", "--q", "40",
                                       "--x", "1", "--y", "1"}, "",
             "G1: the footprint was NOT stored: d.design"},
    // The body is the host's own record, written after the plug-in's.
    FullDisk{"GenerateWithABody", 13, {"generate", "d.design", "G1", "--style", "grid", "--p", "30", "--q", "30",
                                       "--x", "1", "--y", "1", "--body", "40x40"}, "", "G1: the footprint was NOT stored: d.design"},
    FullDisk{"Run", 13, {"run", "d.design", "G1", "--script", "s.txt"}, "page 5\n" + Act("set", IDC_NUMBER_P, "40") +
             Act("set", IDC_NUMBER_Q, "40") + "ok\n",
             "G1 was NOT stored: d.design"},
    FullDisk{"PadstackWithHostProperties", 1, {"padstack", "add", "d.design", "RR", "--shape", "roundrect",
                                               "--corner-ratio", "0.25", "--no-paste", "--width", "1", "--height", "2"},
             "", "d.design could not be written (disk I/O error): the padstack was NOT stored"}),
    [](const auto& info) { return std::string(info.param.name); });

// A put the store refuses after the new id and name were written: none of the three stays.
TEST_F(DataSafetyTest, APadstackRefusedHalfwayLeavesNoIdAndNoName) {
    MakeDesign("d.design");
    const std::string before = File("d.design");
    const Outcome o = Run({"padstack", "add", "d.design", "HUGE", "--shape", "round", "--width", "150000", "--height",
                           "1"});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "beyond the design's limit")) << o.err;
    EXPECT_TRUE(Has(o.err, ": the padstack was NOT stored")) << o.err;
    EXPECT_EQ(File("d.design"), before);
}

TEST_F(DataSafetyTest, PinsStandOnThePadstackTheListShowed) {
    MakeDesign("d.design");
    // An unlisted "P" in the design, a usable "P" in a library, and a turned copy's name taken.
    ASSERT_EQ(Run({"padstack", "add", "d.design", "P", "--shape-code", "5", "--width", "1", "--height", "1"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "d.design", "R(90.00)", "--shape", "square", "--width", "2", "--height", "2"})
                  .code, 0);
    ASSERT_EQ(Run({"library", "new", "l.olb", "--units", "mm"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "l.olb", "P", "--shape", "round", "--width", "0.5", "--height", "0.5"}).code, 0);
    ASSERT_EQ(Run({"library", "add", "l.olb"}).code, 0);

    const Outcome chosen = Run({"generate", "d.design", "F1", "--style", "dual", "--q", "2", "--x", "5", "--y", "1",
                                "--padstack", "P"});
    ASSERT_EQ(chosen.code, 0) << chosen.err;
    EXPECT_EQ(PinShape("F1", 0), 1) << "the library's round P, not the design's unlisted one";
    EXPECT_EQ(PinShape("F1", 3), 1);

    std::vector<std::string> turned{"generate", "d.design", "F2"};
    turned.insert(turned.end(), kTurnedPads.begin(), kTurnedPads.end());
    ASSERT_EQ(Run(turned).code, 0);
    const Outcome shown = Run({"show", "d.design", "F2", "--json"});
    EXPECT_TRUE(Has(shown.out, "\"padstack\": \"R(90.00)~2\"")) << shown.out;
    EXPECT_EQ(PinShape("F2", 1), 4) << "the copy of R, not the square that had the name";
}

TEST_F(DataSafetyTest, NamesLongerThanTheHostKeepsAreRefusedBeforeTheDialog) {
    MakeDesign("d.design");
    const std::string longest(255, 'N');
    ASSERT_EQ(Run({"generate", "d.design", longest, "--style", "grid"}).code, 0);
    const std::string before = File("d.design");
    Write("s.txt", "ok\n");
    for (const std::vector<std::string>& command :
         {std::vector<std::string>{"generate", "d.design", longest + "X", "--style", "grid"},
          std::vector<std::string>{"run", "d.design", longest + "X", "--script", "s.txt"},
          std::vector<std::string>{"generate", "d.design", "", "--style", "grid"}}) {
        const Outcome o = Run(command);
        EXPECT_EQ(o.code, 1) << command[0];
        const char* why = command[2].empty() ? "a footprint needs a name"
                                             : "has 256 characters; the host keeps names of at most 255";
        EXPECT_TRUE(Has(o.err, why)) << o.err;
        EXPECT_FALSE(Has(o.out, "result:")) << "the plug-in was not called";
        EXPECT_EQ(File("d.design"), before) << "the footprint whose first 255 characters match is still there";
    }
}

TEST_F(DataSafetyTest, ShowSaysWhenTheFootprintIsMissingAndWritesUtf8) {
    MakeDesign("d.design");
    const Outcome missing = Run({"show", "d.design", "NOPE"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(Has(missing.err, "d.design holds no footprint named NOPE")) << missing.err;
    // e acute, typed in UTF-8, and a control character.
    ASSERT_EQ(Run({"generate", "d.design", "F\xC3\xA9\x01", "--style", "grid"}).code, 0);
    const Outcome shown = Run({"show", "d.design", "--json"});
    ASSERT_EQ(shown.code, 0);
    EXPECT_TRUE(Has(shown.out, "\"name\": \"F\xC3\xA9\\u0001\"")) << shown.out;
    for (size_t i = 0; i < shown.out.size(); ++i) {
        const uint8_t c = uint8_t(shown.out[i]);
        if (c < 0x80) continue;
        ASSERT_TRUE(c >= 0xC2 && c <= 0xC3 && i + 1 < shown.out.size() && (uint8_t(shown.out[i + 1]) & 0xC0) == 0x80)
            << "byte " << i << " starts no two-byte UTF-8 sequence";
        ++i;
    }
}

// A name typed on a UTF-8 terminal is the design's 8-bit (Latin-1) text, and UTF-8 again
// wherever it is shown or written out.
TEST_F(DataSafetyTest, ANameRoundTripsThroughTheDesignAsLatin1) {
    MakeDesign("d.design");
    const std::string name = "R\xC3\xA9sistance", pad = "P\xC3\xB8", extra = "\xC3\x89P";   // Résistance, Pø, ÉP
    ASSERT_EQ(Run({"padstack", "add", "d.design", pad, "--shape", "round", "--width", "1", "--height", "1"}).code, 0);
    const Outcome g = Run({"generate", "d.design", name, "--style", "dual", "--q", "2", "--x", "5", "--y", "1",
                           "--padstack", pad, "--pad", extra, "0", "0", pad});
    ASSERT_EQ(g.code, 0) << g.err;
    EXPECT_EQ(Query("d.design", "SELECT hex(n.text) FROM symbols s JOIN names n ON n.id = s.name_id"),
              "52E973697374616E6365");
    EXPECT_EQ(Query("d.design", "SELECT hex(n.text) FROM padstacks p JOIN names n ON n.id = p.name_id "
                                "WHERE p.id = 2"), "50F8");
    Write("s.txt", "ok\n");
    ASSERT_EQ(Run({"run", "d.design", name, "--reopen", "--script", "s.txt"}).code, 0) << "found by its name";
    Write("x.txt", "expect 1021 \"" + pad + "x\"\n");
    EXPECT_TRUE(Has(Run({"run", "d.design", "F2", "--script", "x.txt"}).err, "expected \"" + pad + "x\"")) << "UTF-8 again";
    const Outcome text = Run({"show", "d.design", name});
    ASSERT_EQ(text.code, 0) << text.err;
    EXPECT_TRUE(Has(text.out, "  " + name + " (symbol 1): 5 pins")) << text.out;
    EXPECT_TRUE(Has(text.out, "pin 5 \"" + extra + "\" at 2.5 -0.5 mm, padstack " + pad)) << text.out;
    EXPECT_TRUE(Has(text.out, "extra pad \"" + extra + "\" at 0 0 mm from the centre, padstack " + pad)) << text.out;
    EXPECT_TRUE(Has(Run({"show", "d.design", "--json"}).out, "\"name\": \"" + name + "\", \"symbol_id\": 1"));
    EXPECT_TRUE(Has(Run({"padstack", "list", "d.design"}).out, "2 " + pad + "  layer 1"));
    ASSERT_EQ(Run({"export", "d.design", "--kicad", "lib.pretty"}).code, 0);
    const std::string exported = File("lib.pretty/" + name + ".kicad_mod");
    EXPECT_EQ(exported.rfind("(footprint \"" + name + "\"", 0), 0u) << exported;
    EXPECT_TRUE(Has(exported, "(pad \"" + extra + "\" smd")) << exported;
}

struct NotLatin1 {
    const char* name;
    std::vector<std::string> command;
    const char* file;   // "name=text", made beside the design first; "" for none
    const char* why;
};
class NotLatin1Test : public DataSafetyTest, public ::testing::WithParamInterface<NotLatin1> {};

TEST_P(NotLatin1Test, IsRefusedNamingTheCharacterAndItsPlace) {
    const NotLatin1& c = GetParam();
    MakeDesign("d.design");
    ASSERT_EQ(Run({"library", "new", "\xE2\x88\x9E.olb"}).code, 0);   // an infinity sign
    if (const std::string file = c.file; !file.empty()) Write(file.substr(0, file.find('=')), file.substr(file.find('=') + 1));
    const std::string design = File("d.design"), ini = File("home/ORVEX.INI");
    const Outcome o = Run(c.command);
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, c.why)) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << "refused before the dialog";
    EXPECT_EQ(File("d.design"), design);
    EXPECT_EQ(File("home/ORVEX.INI"), ini);
}

INSTANTIATE_TEST_SUITE_P(WaysIn, NotLatin1Test, ::testing::Values(
    NotLatin1{"FootprintBeyondLatin1", {"generate", "d.design", "\xCE\xA9-1", "--style", "grid"}, "",
              "the text \"\xCE\xA9-1\" holds U+03A9 (\xCE\xA9) as its character 1, which is not Latin-1"},
    NotLatin1{"PadstackNameBeyondLatin1",
              {"padstack", "add", "d.design", "P\xE2\x82\xAC", "--shape", "round", "--width", "1", "--height", "1"}, "",
              "holds U+20AC (\xE2\x82\xAC) as its character 2"},
    NotLatin1{"ExtraPadNotUtf8", {"generate", "d.design", "F1", "--style", "grid", "--pad", "A\xFF", "0", "0", "R"}, "",
              "option --pad: the text \"A\\xFF\" is not UTF-8: its character 2 starts with the byte 0xFF"},
    NotLatin1{"JsonFootprint", {"generate", "d.design", "--from-json", "b.json"},
              "b.json={\"footprint\": \"\\u4E2D\", \"style\": \"grid\"}",
              "b.json: \xE4\xB8\xAD: \"footprint\": the text \"\xE4\xB8\xAD\" holds U+4E2D"},
    NotLatin1{"ScriptPick", {"run", "d.design", "F1", "--script", "s.txt"}, "s.txt=click 1058\nselect 1056 \"R\xE2\x84\xA2\"\n",
              "script s.txt: line 2: the text \"R\xE2\x84\xA2\" holds U+2122"},
    NotLatin1{"LibraryName", {"library", "add", "\xE2\x88\x9E.olb"}, "",
              ".olb: its name: the text \"\xE2\x88\x9E\" holds U+221E"}),
    [](const auto& info) { return std::string(info.param.name); });

// A design a later orvex wrote is read, with a note that names both schema versions, and
// never written.
struct NewerFile {
    const char* name;
    std::vector<std::string> command;
    const char* file;   // the file the command reads or would write
    bool reads;
};
class NewerFileTest : public DataSafetyTest, public ::testing::WithParamInterface<NewerFile> {};

TEST_P(NewerFileTest, IsReadButNeverWritten) {
    const NewerFile& c = GetParam();
    MakeDesign("d.design");
    ASSERT_EQ(Run({"generate", "d.design", "F1", "--style", "grid"}).code, 0);
    ASSERT_EQ(Run({"library", "new", "l.olb"}).code, 0);
    const int ours = zelmdb::DesignStore::SchemaVersion, newer = ours + 1;
    for (const char* file : {"d.design", "l.olb"}) Sql(file, "PRAGMA user_version = " + std::to_string(newer));
    const std::string design = File("d.design"), library = File("l.olb");
    Write("s.txt", "ok\n");
    const Outcome o = Run(c.command);
    const std::string said = std::string(c.file) + " was written by a newer orvex (schema " + std::to_string(newer) +
                             "; this one knows schema " + std::to_string(ours) + ")";
    EXPECT_EQ(o.code, c.reads ? 0 : 1) << o.err;
    EXPECT_TRUE(Has(o.err, said + (c.reads ? ": it is read" : ", which this one never writes"))) << o.err;
    EXPECT_FALSE(Has(o.out, "result:")) << "a writer is refused before the dialog";
    EXPECT_EQ(File("d.design"), design);
    EXPECT_EQ(File("l.olb"), library);
}

INSTANTIATE_TEST_SUITE_P(Commands, NewerFileTest, ::testing::Values(
    NewerFile{"Show", {"show", "d.design", "F1"}, "d.design", true},
    NewerFile{"ShowJson", {"show", "d.design", "--json"}, "d.design", true},
    NewerFile{"PadstackList", {"padstack", "list", "l.olb"}, "l.olb", true},
    NewerFile{"Export", {"export", "d.design", "F1", "--kicad", "f.kicad_mod"}, "d.design", true},
    NewerFile{"LibraryAdd", {"library", "add", "l.olb"}, "l.olb", true},
    NewerFile{"Generate", {"generate", "d.design", "F2", "--style", "grid"}, "d.design", false},
    NewerFile{"Run", {"run", "d.design", "F2", "--script", "s.txt"}, "d.design", false},
    NewerFile{"PadstackAdd", {"padstack", "add", "l.olb", "Q", "--shape", "round", "--width", "1", "--height", "1"},
              "l.olb", false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
