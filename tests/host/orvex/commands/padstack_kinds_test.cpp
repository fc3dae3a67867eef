// Every kind of padstack through the real program and tessra.dll: paste and mask openings, slots,
// drill offsets, chamfered, trapezoid and custom pads, an exposed pad's split paste, and pins of
// two arrangements on such padstacks of their own, turned. Flags and JSON store the same, a reopen gives each back to the byte, list and export say what each is,
// and a design of the schema before keeps working.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/host/orvex/commands/design_dump.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"

namespace {

const std::vector<std::vector<std::string>> kPadstacks = {
    {"QP", "--shape", "roundrect", "--width", "0.25", "--height", "0.875"},
    {"EP", "--shape", "rect", "--width", "3.2", "--height", "3.2"},
    {"CH", "--shape", "chamfered", "--width", "1", "--height", "0.6", "--chamfer-ratio", "0.25", "--chamfer-corners", "tl,br"},
    {"TZ", "--shape", "trapezoid", "--width", "1", "--height", "0.6", "--delta", "0", "0.2"},
    {"CU", "--shape", "custom", "--polygon", "-0.5,-0.5 0.5,-0.5 0.5,0 0,0.1 0,0.5 -0.5,0.5"},
    {"SL", "--shape", "oblong", "--width", "2", "--height", "1.2", "--drill", "1.4x0.6"},
    {"OF", "--shape", "rect", "--width", "2", "--height", "1.2", "--drill", "0.6", "--drill-offset", "0.5", "0"},
    {"PA", "--shape", "rect", "--width", "1", "--height", "1", "--kind", "paste"},
    {"MA", "--shape", "round", "--width", "1", "--height", "1", "--kind", "mask", "--side", "bottom"},
    {"NPS", "--shape", "hole", "--drill", "1x2"},
};

const std::vector<std::vector<std::string>> kCommands = {
    {"QFN32", "--style", "chip-carrier", "--p", "8", "--q", "8", "--x", "0.5", "--y", "0.5", "--w", "0.6875", "--z",
     "0.6875", "--padstack", "QP", "--pin1-padstack", "QP", "--pad", "33", "0", "0", "EP", "--ep-paste", "3x3"},
    {"SLOTS", "--style", "dual", "--q", "2", "--x", "5", "--y", "3", "--padstack", "SL", "--pin1-padstack", "OF", "--pad",
     "", "0", "3", "NPS", "--turn", "90"},
    {"SHAPES", "--style", "dual", "--q", "3", "--x", "4", "--y", "2", "--padstack", "CH", "--pin1-padstack", "TZ", "--pad",
     "", "0", "3", "MA"},
    {"CUSTOM6", "--style", "circular", "--p", "6", "--r", "3", "--angle", "60", "--padstack", "CU", "--pin1-padstack", "CU",
     "--pad", "", "0", "0", "PA"},
    {"PINKINDS", "--style", "dual", "--q", "3", "--x", "5", "--y", "2.5", "--padstack", "SL", "--pin1-padstack", "SL",
     "--pin-padstack", "3-4=OF", "--turn", "90", "--also", "--style", "grid", "--p", "2", "--x", "3", "--padstack", "CH",
     "--pin1-padstack", "CH", "--pin-padstack", "A2=CU", "--at", "0", "-5", "--end-also"},
};

const char* const kBatch = R"([
    {"footprint": "QFN32", "style": "chip-carrier", "p": 8, "q": 8, "x": 0.5, "y": 0.5, "w": 0.6875, "z": 0.6875,
     "padstack": "QP", "pin1-padstack": "QP", "pads": [{"name": "33", "x": 0, "y": 0, "padstack": "EP"}], "ep-paste": "3x3"},
    {"footprint": "SLOTS", "style": "dual", "q": 2, "x": 5, "y": 3, "padstack": "SL", "pin1-padstack": "OF",
     "pads": [{"name": "", "x": 0, "y": 3, "padstack": "NPS"}], "turn": 90},
    {"footprint": "SHAPES", "style": "dual", "q": 3, "x": 4, "y": 2, "padstack": "CH", "pin1-padstack": "TZ",
     "pads": [{"name": "", "x": 0, "y": 3, "padstack": "MA"}]},
    {"footprint": "CUSTOM6", "style": "circular", "p": 6, "r": 3, "angle": 60, "padstack": "CU", "pin1-padstack": "CU",
     "pads": [{"name": "", "x": 0, "y": 0, "padstack": "PA"}]},
    {"footprint": "PINKINDS", "style": "dual", "q": 3, "x": 5, "y": 2.5, "padstack": "SL", "pin1-padstack": "SL",
     "pin-padstack": "3-4=OF", "turn": 90, "also": [{"style": "grid", "p": 2, "x": 3, "padstack": "CH",
     "pin1-padstack": "CH", "pin-padstack": "A2=CU", "at": [0, -5]}]}])";

class PadstackKindsTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        for (const char* design : {"j.design", "c.design"}) NewDesign(design);
    }
    void NewDesign(const std::string& design) {
        ASSERT_EQ(Run({"new", design, "--units", "mm"}).code, 0);
        for (std::vector<std::string> words : kPadstacks) {
            words.insert(words.begin(), {"padstack", "add", design});
            const Outcome o = Run(words);
            ASSERT_EQ(o.code, 0) << words[3] << ": " << o.err;
        }
    }
    Outcome Generate(const std::string& design, std::vector<std::string> words) {
        words.insert(words.begin(), {"generate", design});
        return Run(words);
    }
    void GenerateAll(const std::string& design) {
        for (const auto& words : kCommands) {
            const Outcome o = Generate(design, words);
            ASSERT_EQ(o.code, 0) << words[0] << ": " << o.err;
        }
    }
    std::string Exported(const std::string& footprint) {
        const Outcome o = Run({"export", "c.design", footprint, "--kicad", footprint + ".kicad_mod"});
        EXPECT_EQ(o.code, 0) << o.err;
        return File(footprint + ".kicad_mod");
    }
    // Runs `sql` on a closed design.
    void Sql(const std::string& design, const char* sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open((dir_ / design).c_str(), &db), SQLITE_OK);
        ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
        sqlite3_close(db);
    }
};

TEST_F(PadstackKindsTest, FlagsAndJsonStoreTheSame) {
    GenerateAll("c.design");
    Write("kinds.json", kBatch);
    const Outcome batch = Generate("j.design", {"--from-json", "kinds.json"});
    ASSERT_EQ(batch.code, 0) << batch.err;
    EXPECT_EQ(DumpDesign(dir_ / "j.design"), DumpDesign(dir_ / "c.design"));
    const std::string qfn = Run({"show", "c.design", "QFN32"}).out;
    for (const char* line : {"  QFN32 (symbol 1): 42 pins", "    pin 33 \"33\" at 2.4375 -1.75 mm, padstack EP(no paste)\n",
                             "    pin 34 \"\" at 1.3708 -0.6833 mm, padstack PASTE-0.86x0.86\n",
                             "    pin 42 \"\" at 3.5042 -2.8167 mm, padstack PASTE-0.86x0.86\n",
                             "    exposed pad paste in 3 x 3 windows covering 0.65 of it\n"})
        EXPECT_NE(qfn.find(line), std::string::npos) << qfn;
}

// Reopened and stored unchanged, each comes back to the byte, forms and openings too.
TEST_F(PadstackKindsTest, ReopenedUnchangedEachIsWhatItWas) {
    for (const auto& words : kCommands) {
        const std::string design = "r.design";
        std::filesystem::copy_file(dir_ / "c.design", dir_ / design, std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(Generate(design, words).code, 0) << words[0];
        const std::string generated = DumpDesign(dir_ / design);
        Write("s.txt", "ok\n");
        const Outcome o = Run({"run", design, words[0], "--reopen", "--script", "s.txt"});
        ASSERT_EQ(o.code, 0) << o.err << o.out;
        EXPECT_EQ(DumpDesign(dir_ / design), generated) << words[0];
    }
}

TEST_F(PadstackKindsTest, ListSaysWhatEachIs) {
    GenerateAll("c.design");
    const std::string list = Run({"padstack", "list", "c.design"}).out;
    for (const char* line : {
             "3 CH  layer 1 shape 4 1.0000 x 0.6000 rot 0.00  chamfer 0.25 tl,br  drill 0.0000\n",
             "4 TZ  layer 1 shape 4 1.2000 x 0.6000 rot 0.00  delta 0.0000 0.2000  drill 0.0000\n",
             "5 CU  layer 1 shape 4 1.0000 x 1.0000 rot 0.00  polygon -0.5000,-0.5000 0.5000,-0.5000 0.5000,0.0000 "
             "0.0000,0.1000 0.0000,0.5000 -0.5000,0.5000  drill 0.0000\n",
             "6 SL  layer 1 shape 3 2.0000 x 1.2000 rot 0.00  drill 1.4000 x 0.6000\n",
             "7 OF  layer 1 shape 4 2.0000 x 1.2000 rot 0.00  drill 0.6000 offset 0.5000 0.0000\n",
             "8 PA  layer 9 shape 4 1.0000 x 1.0000 rot 0.00 paste opening  drill 0.0000\n",
             "9 MA  layer 8 shape 1 1.0000 x 1.0000 rot 0.00 mask opening  drill 0.0000\n",
             "10 NPS  drill 1.0000 x 2.0000\n", "EP(no paste)  layer 1 shape 4 3.2000 x 3.2000 rot 0.00 no paste  drill",
             "PASTE-0.86x0.86  layer 9 shape 4 0.8600 x 0.8600 rot 0.00 corner 0.25 paste opening  drill",
             // Turned copies keep their outline; the drill of a turned slot turns with it.
             "CU(60.00)  layer 1 shape 4 1.0000 x 1.0000 rot 60.00  polygon -0.5000,-0.5000",
             "SL(90.00)  layer 1 shape 3 2.0000 x 1.2000 rot 90.00  drill 1.4000 x 0.6000\n",
             "OF(90.00)  layer 1 shape 4 2.0000 x 1.2000 rot 90.00  drill 0.6000 offset 0.5000 0.0000\n"})
        EXPECT_NE(list.find(line), std::string::npos) << line << "\n" << list;
}

struct ExportCase {
    const char* footprint;
    std::vector<std::string> lines;   // each somewhere in the file
};
class PadstackKindsExportTest : public PadstackKindsTest, public ::testing::WithParamInterface<ExportCase> {};

TEST_P(PadstackKindsExportTest, WritesEachAsKicadDoes) {
    GenerateAll("c.design");
    const std::string file = Exported(GetParam().footprint);
    for (const std::string& line : GetParam().lines) EXPECT_NE(file.find(line), std::string::npos) << line << "\n" << file;
}

INSTANTIATE_TEST_SUITE_P(Footprints, PadstackKindsExportTest, ::testing::Values(
    ExportCase{"QFN32", {"  (pad \"33\" smd rect\n    (at 0 0)\n    (size 3.2 3.2)\n    (layers \"F.Cu\" \"F.Mask\"))",
                         "  (pad \"\" smd roundrect\n    (at -1.0667 -1.0667)\n    (size 0.86 0.86)\n    (layers \"F.Paste\")\n"
                         "    (roundrect_rratio 0.25))",
                         "(attr smd)"}},
    // The slot and the offset turn with the footprint; a pad stands where its hole is, pin 1's
    // at the origin.
    ExportCase{"SLOTS", {"  (pad \"1\" thru_hole rect\n    (at 0 0)\n    (size 1.2 2)\n    (drill 0.6 (offset 0 0.5))",
                         "  (pad \"2\" thru_hole oval\n    (at 3 0.5)\n    (size 1.2 2)\n    (drill oval 0.6 1.4)",
                         "  (pad \"\" np_thru_hole oval\n    (at -1.5 -2)\n    (size 2 1)\n    (drill oval 2 1)"}},
    // The trapezoid's long side reaches 0.1 mm past the other pads: the outline's centre, the
    // origin, stands 0.05 mm off the pads' midpoint. The mask opening beyond the rows is no part
    // of that outline, or the origin would move 0.6 mm toward it.
    ExportCase{"SHAPES", {"  (pad \"1\" smd trapezoid\n    (at -1.95 -2)\n    (size 1 0.6)\n    (rect_delta 0 0.2)",
                          "  (pad \"2\" smd roundrect\n    (at -1.95 0)\n    (size 1 0.6)\n    (layers \"F.Cu\" \"F.Paste\" "
                          "\"F.Mask\")\n    (roundrect_rratio 0)\n    (chamfer_ratio 0.25)\n    (chamfer top_left bottom_right))",
                          "  (pad \"\" smd circle\n    (at 0.05 -3)\n    (size 1 1)\n    (layers \"B.Mask\"))"}},
    ExportCase{"CUSTOM6", {"  (pad \"1\" smd custom\n    (at 3 0)\n    (size 0.196 0.196)\n",
                           "    (options (clearance outline) (anchor circle))\n    (primitives (gr_poly (pts (xy -0.5 0.5) "
                           "(xy 0.5 0.5) (xy 0.5 0) (xy 0 -0.1) (xy 0 -0.5) (xy -0.5 -0.5)) (width 0) (fill yes))))",
                           "  (pad \"2\" smd custom\n    (at 1.5 -2.5981 60)\n",
                           "  (pad \"\" smd rect\n    (at 0 0)\n    (size 1 1)\n    (layers \"F.Paste\"))"}},
    // Pins on padstacks of their own, a second arrangement's too, stand on turned copies that keep
    // their slot, drill offset, chamfer and outline: pin 3's copper stands 0.5 mm below its hole.
    ExportCase{"PINKINDS", {"(attr through_hole)",
                            "  (pad \"2\" thru_hole oval\n    (at 2.5 0)\n    (size 1.2 2)\n    (drill oval 0.6 1.4)",
                            "  (pad \"3\" thru_hole rect\n    (at 5 -0.5)\n    (size 1.2 2)\n    (drill 0.6 (offset 0 0.5))",
                            "  (pad \"A1\" smd roundrect\n    (at 7.5 -1 90)\n    (size 1 0.6)",
                            "  (pad \"A2\" smd custom\n    (at 7.5 -4 90)\n"}}),
    [](const auto& info) { return std::string(info.param.footprint); });

// A design of the schema before forms is read as it is and brought up to date by the first
// command that writes it; its padstacks and footprints stay what they were.
TEST_F(PadstackKindsTest, ADesignMadeBeforeKeepsWorking) {
    ASSERT_EQ(Run({"new", "old.design", "--units", "mm"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "old.design", "QP", "--shape", "roundrect", "--width", "0.25", "--height", "0.875"}).code, 0);
    ASSERT_EQ(Generate("old.design", {"SO8", "--style", "dual", "--q", "4", "--x", "5", "--y", "1.27", "--padstack", "QP",
                                      "--pin1-padstack", "QP"}).code, 0);
    Sql("old.design", "ALTER TABLE padstacks DROP COLUMN form_id; DROP TABLE padstack_forms; PRAGMA user_version = 2;");
    const std::string before = File("old.design");
    const Outcome shown = Run({"show", "old.design", "SO8"});
    ASSERT_EQ(shown.code, 0) << shown.err;
    ASSERT_EQ(Run({"export", "old.design", "SO8", "--kicad", "so8.kicad_mod"}).code, 0);
    ASSERT_EQ(Run({"padstack", "list", "old.design"}).code, 0);
    EXPECT_EQ(File("old.design"), before) << "reading writes nothing";
    const Outcome added = Run({"padstack", "add", "old.design", "CH", "--shape", "chamfered", "--width", "1", "--height",
                               "0.6", "--chamfer-ratio", "0.2"});
    ASSERT_EQ(added.code, 0) << added.err;
    const std::string after = Run({"show", "old.design", "SO8"}).out;
    EXPECT_EQ(after.substr(after.find("footprints:")), shown.out.substr(shown.out.find("footprints:")));
    ASSERT_EQ(Generate("old.design", {"CH2", "--style", "dual", "--q", "1", "--x", "4", "--padstack", "CH",
                                      "--pin1-padstack", "CH"}).code, 0);
    ASSERT_EQ(Run({"export", "old.design", "CH2", "--kicad", "ch2.kicad_mod"}).code, 0);
    EXPECT_NE(File("ch2.kicad_mod").find("(chamfer_ratio 0.2)"), std::string::npos);
}

}  // namespace
