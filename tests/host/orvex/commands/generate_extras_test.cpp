// What the host adds, leaves out and turns, through the real program and tessra.dll: the
// examples' batch stores what the same options on the command line store, a reopen gives the
// footprint back to the byte, and what cannot be kept is refused naming its option and entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/host/orvex/commands/design_dump.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/support/script_line.h"

namespace {

const std::filesystem::path kExamples = std::filesystem::path(TESSRA_TEST_DATA) / ".." / ".." / "examples";

// The padstacks examples/real-packages.sh adds.
const std::vector<std::vector<std::string>> kPadstacks = {
    {"QFN-PAD", "--shape", "roundrect", "--width", "0.25", "--height", "0.875"},
    {"QFN-EP", "--shape", "rect", "--width", "3.45", "--height", "3.45"},
    {"BALL-0.4", "--shape", "round", "--width", "0.4", "--height", "0.4"},
    {"TO-PAD", "--shape", "round", "--width", "1.2", "--height", "1.2", "--drill", "0.7"},
    {"TO-PIN1", "--shape", "square", "--width", "1.2", "--height", "1.2", "--drill", "0.7"},
    {"DSUB-PAD", "--shape", "round", "--width", "1.6", "--height", "1.6", "--drill", "1"},
    {"DSUB-PIN1", "--shape", "square", "--width", "1.6", "--height", "1.6", "--drill", "1"},
    {"MOUNT-3.05", "--shape", "hole", "--drill", "3.05"},
};

// The entries of examples/real-packages.json as command lines.
const std::vector<std::vector<std::string>> kExampleCommands = {
    {"QFN-32-1EP_5x5mm_P0.5mm", "--style", "chip-carrier", "--p", "8", "--q", "8", "--x", "0.5", "--y", "0.5", "--w",
     "0.6875", "--z", "0.6875", "--padstack", "QFN-PAD", "--pin1-padstack", "QFN-PAD", "--body", "5x5", "--pad", "33", "0",
     "0", "QFN-EP"},
    {"BGA-128_10x10mm_P0.8mm", "--style", "grid", "--p", "12", "--q", "12", "--x", "0.8", "--y", "0.8", "--alphabet",
     "ABCDEFGHJKLMNPRTUVWY", "--padstack", "BALL-0.4", "--pin1-padstack", "BALL-0.4", "--body", "10x10", "--omit", "E5-H8"},
    {"TO-5-3", "--style", "circular", "--p", "3", "--r", "2.54", "--angle", "-90", "--x-start", "1", "--padstack", "TO-PAD",
     "--pin1-padstack", "TO-PIN1", "--turn", "180"},
    {"DSUB-9", "--style", "stagger-x", "--p", "5", "--q", "2", "--d", "-1", "--x", "2.77", "--y", "2.84", "--w", "1.385",
     "--x-start", "1", "--padstack", "DSUB-PAD", "--pin1-padstack", "DSUB-PIN1", "--body", "30.8x12.5", "--pad", "",
     "-12.5", "0", "MOUNT-3.05", "--pad", "", "12.5", "0", "MOUNT-3.05"},
};

// What the examples leave out: a start angle with a quarter turn and a hole at the centre, and
// a grid with names and a block left out, three quarters turned, its hole placed from the origin.
const std::vector<std::vector<std::string>> kOtherExtras = {
    {"C8", "--style", "circular", "--p", "8", "--r", "3", "--angle", "45", "--padstack", "TO-PAD", "--pin1-padstack",
     "TO-PIN1", "--start-angle", "22.5", "--turn", "90", "--pad", "", "0", "0", "MOUNT-3.05"},
    {"G3", "--style", "grid", "--p", "3", "--q", "4", "--x", "1", "--y", "1", "--padstack", "QFN-PAD", "--pin1-padstack",
     "QFN-PAD", "--omit", "A2", "--omit", "B1-C2", "--turn", "270", "--pad", "MH", "-2", "1", "MOUNT-3.05", "--pads-about",
     "origin"},
};

class GenerateExtrasTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        std::filesystem::create_directories(dir_ / "home");
        std::filesystem::create_symlink(TESSRA_MODULE, dir_ / "home" / "tessra.dll");
        for (const char* design : {"j.design", "c.design"}) NewDesign(design);
    }
    void NewDesign(const std::string& design) {
        ASSERT_EQ(Run({"new", design, "--units", "mm"}).code, 0);
        for (std::vector<std::string> words : kPadstacks) {
            words.insert(words.begin(), {"padstack", "add", design});
            ASSERT_EQ(Run(words).code, 0);
        }
    }
    Outcome Generate(const std::string& design, std::vector<std::string> words) {
        words.insert(words.begin(), {"generate", design});
        return Run(words);
    }
    Outcome Reopen(const std::string& footprint, const std::string& script, const std::string& design = "j.design") {
        Write("s.txt", script);
        return Run({"run", design, footprint, "--reopen", "--script", "s.txt"});
    }
    void GenerateExamples() {
        const Outcome o = Generate("j.design", {"--from-json", (kExamples / "real-packages.json").string()});
        ASSERT_EQ(o.code, 0) << o.err;
    }
    static bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
};

TEST_F(GenerateExtrasTest, ExampleBatchStoresWhatItsCommandLinesStore) {
    GenerateExamples();
    for (const auto& words : kExampleCommands) {
        const Outcome o = Generate("c.design", words);
        ASSERT_EQ(o.code, 0) << words[0] << ": " << o.err;
    }
    EXPECT_EQ(DumpDesign(dir_ / "j.design"), DumpDesign(dir_ / "c.design"));
    const Outcome shown = Run({"show", "j.design"});
    for (const char* line : {"QFN-32-1EP_5x5mm_P0.5mm (symbol 1): 33 pins", "BGA-128_10x10mm_P0.8mm (symbol 2): 128 pins",
                             "TO-5-3 (symbol 3): 3 pins", "DSUB-9 (symbol 4): 11 pins"})
        EXPECT_TRUE(Has(shown.out, line)) << shown.out;
    EXPECT_EQ(Run({"show", "j.design", "TO-5-3"}).out,
              "j.design: design in mm, 14 layers, 3.93700787e-06 inches per unit\n"
              "padstacks: 12\n  1 QFN-PAD\n  2 QFN-EP\n  3 BALL-0.4\n  4 TO-PAD\n  5 TO-PIN1\n  6 DSUB-PAD\n"
              "  7 DSUB-PIN1\n  8 MOUNT-3.05\n  9 QFN-PAD(90.00)\n  10 QFN-PAD(180.00)\n  11 QFN-PAD(270.00)\n"
              "  12 TO-PIN1(180.00)\nfootprints:\n"
              "  TO-5-3 (symbol 3): 3 pins, centre 0 12700\n"
              "    pin 1 \"1\" at -2.54 0 mm, padstack TO-PIN1(180.00)\n"
              "    pin 2 \"2\" at 0 2.54 mm, padstack TO-PAD\n"
              "    pin 3 \"3\" at 2.54 0 mm, padstack TO-PAD\n"
              "    turned 180 degrees counter-clockwise\n");
    const std::string dsub = Run({"show", "j.design", "DSUB-9"}).out;
    for (const char* line : {"    pin 10 \"\" at -6.96 -1.42 mm, padstack MOUNT-3.05\n",
                             "    extra pad \"\" at 12.5 0 mm from the centre, padstack MOUNT-3.05\n"})
        EXPECT_TRUE(Has(dsub, line)) << dsub;
    const std::string bga = Run({"show", "j.design", "BGA-128_10x10mm_P0.8mm"}).out;
    EXPECT_TRUE(Has(bga, "    omitted E5-H8\n")) << bga;
    EXPECT_FALSE(Has(bga, "\"F6\"")) << "a centre ball";
    EXPECT_TRUE(Has(bga, "\"E4\"") && Has(bga, "\"J5\"")) << "balls round the centre stay";
}

// Reopened and stored unchanged, every footprint with extras comes back to the byte: pins, padstack
// copies, the plug-in's recipe and the host's record. (One footprint per design, since the
// plug-in stores a reopened footprint under the next free ids.)
TEST_F(GenerateExtrasTest, ReopenedUnchangedEveryFootprintWithExtrasIsWhatItWas) {
    std::vector<std::vector<std::string>> withExtras = kExampleCommands;
    withExtras.insert(withExtras.end(), kOtherExtras.begin(), kOtherExtras.end());
    for (const auto& words : withExtras) {
        const std::string design = "r.design";
        std::filesystem::copy_file(dir_ / "c.design", dir_ / design, std::filesystem::copy_options::overwrite_existing);
        ASSERT_EQ(Generate(design, words).code, 0);
        const std::string generated = DumpDesign(dir_ / design);
        const Outcome o = Reopen(words[0], "ok\n", design);
        ASSERT_EQ(o.code, 0) << o.err << o.out;
        EXPECT_TRUE(Has(o.out, "result: 1")) << o.out;
        EXPECT_EQ(DumpDesign(dir_ / design), generated) << words[0];
    }
}

// A circle's pin 1 at its start angle, then the whole a quarter turn on; a hole placed from the
// origin turns with the grid. The same footprints from JSON are the same to the byte.
TEST_F(GenerateExtrasTest, StartAngleTurnAndOriginPlaceThePads) {
    for (const auto& words : kOtherExtras) ASSERT_EQ(Generate("j.design", words).code, 0) << words[0];
    const std::string circle = Run({"show", "j.design", "C8"}).out;
    for (const char* line : {"    pin 1 \"1\" at -1.1481 2.7716 mm, padstack TO-PIN1(112.50)\n",
                             "    pin 9 \"\" at 0 0 mm, padstack MOUNT-3.05\n", "    pin 1 of the circle at 22.5 degrees\n",
                             "    turned 90 degrees counter-clockwise\n"})
        EXPECT_TRUE(Has(circle, line)) << circle;
    const std::string grid = Run({"show", "j.design", "G3"}).out;
    for (const char* line : {"  G3 (symbol 2): 8 pins", "    pin 2 \"A3\" at 0 -2 mm, padstack QFN-PAD(270.00)\n",
                             "    pin 8 \"MH\" at 1 2 mm, padstack MOUNT-3.05\n",
                             "    extra pad \"MH\" at -2 1 mm from the origin, padstack MOUNT-3.05\n",
                             "    omitted A2\n    omitted B1-C2\n"})
        EXPECT_TRUE(Has(grid, line)) << grid;
    Write("other.json", R"([
        {"footprint": "C8", "style": "circular", "p": 8, "r": 3, "angle": 45, "padstack": "TO-PAD", "pin1-padstack": "TO-PIN1",
         "start-angle": 22.5, "turn": 90, "pads": [{"name": "", "x": 0, "y": 0, "padstack": "MOUNT-3.05"}]},
        {"footprint": "G3", "style": "grid", "p": 3, "q": 4, "x": 1, "y": 1, "padstack": "QFN-PAD", "pin1-padstack": "QFN-PAD",
         "omit": ["A2", "B1-C2"], "turn": 270, "pads": [{"name": "MH", "x": -2, "y": 1, "padstack": "MOUNT-3.05"}],
         "pads-about": "origin"}])");
    ASSERT_EQ(Generate("c.design", {"--from-json", "other.json"}).code, 0);
    EXPECT_EQ(DumpDesign(dir_ / "c.design"), DumpDesign(dir_ / "j.design"));
}

// Edited in the dialog, the footprint keeps what the host added: the holes stand about the new
// centre, and the options no longer describe it; an omitted range whose end is gone is told.
TEST_F(GenerateExtrasTest, EditedInTheDialogTheHostsPartStays) {
    GenerateExamples();
    Outcome o = Reopen("DSUB-9", Act("set", IDC_SPACING_X, "2.54") + "ok\n");
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    const std::string dsub = Run({"show", "j.design", "DSUB-9"}).out;
    EXPECT_TRUE(Has(dsub, "    pin 10 \"\" at -7.42 -1.42 mm, padstack MOUNT-3.05\n")) << dsub;
    ASSERT_EQ(Run({"export", "j.design", "DSUB-9", "--kicad", "d.kicad_mod"}).code, 0);
    EXPECT_TRUE(Has(File("d.kicad_mod"), "made by the Tessra generator in Orvex, with --pad \\\"\\\" -12.5 0 MOUNT-3.05"));
    o = Reopen("BGA-128_10x10mm_P0.8mm", Act("set", IDC_NUMBER_P, "6") + "ok\n");
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    EXPECT_TRUE(Has(o.out, "note: --omit E5-H8 takes no pad of BGA-128_10x10mm_P0.8mm now\n")) << o.out;
    EXPECT_TRUE(Has(Run({"show", "j.design"}).out, "BGA-128_10x10mm_P0.8mm (symbol 5): 72 pins")) << "6 x 12, none left out";
}

// The plug-in's padstack copies serve a turned footprint: it adds none of its own.
TEST_F(GenerateExtrasTest, ATurnedFootprintStandsOnThePlugInsCopies) {
    const std::vector<std::string> qfn(kExampleCommands[0].begin() + 1, kExampleCommands[0].end() - 5);
    std::vector<std::string> words = qfn;
    words.insert(words.begin(), "Q1");
    ASSERT_EQ(Generate("j.design", words).code, 0);
    const std::string padstacks = Run({"padstack", "list", "j.design"}).out;
    words[0] = "Q2";
    for (const char* more : {"--turn", "90"}) words.push_back(more);
    ASSERT_EQ(Generate("j.design", words).code, 0);
    EXPECT_EQ(Run({"padstack", "list", "j.design"}).out, padstacks);
    const std::string shown = Run({"show", "j.design", "Q2"}).out;
    EXPECT_TRUE(Has(shown, "    pin 1 \"1\" at 0 0 mm, padstack QFN-PAD(180.00)\n")) << shown;
    EXPECT_TRUE(Has(shown, "    pin 9 \"9\" at 4.1875 0.6875 mm, padstack QFN-PAD(270.00)\n")) << shown;
    EXPECT_TRUE(Has(shown, "    pin 17 \"17\" at 3.5 4.875 mm, padstack QFN-PAD\n")) << shown;
}

struct Refusal {
    const char* name;
    std::vector<std::string> words;   // after the design; empty: the batch below
    const char* error;
};
class GenerateExtrasRefusalTest : public GenerateExtrasTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(GenerateExtrasRefusalTest, NamesTheOptionAndStoresNothing) {
    const std::string before = DumpDesign(dir_ / "c.design");
    Write("batch.json", R"([{"footprint": "A", "style": "grid", "p": 2, "x": 1},
                            {"footprint": "B", "style": "grid", "p": 2, "x": 1, "omit": "A1, Z9"}])");
    const Outcome o = Generate("c.design", GetParam().words.empty() ? std::vector<std::string>{"--from-json", "batch.json"}
                                                                     : GetParam().words);
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, std::string("orvex: ") + GetParam().error + "; nothing was stored\n")) << o.err;
    EXPECT_EQ(DumpDesign(dir_ / "c.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, GenerateExtrasRefusalTest, ::testing::Values(
    Refusal{"Stacked", {"F", "--style", "grid", "--p", "3", "--q", "2"},
            "F: pads \"A1\" and \"A2\" stand on one spot (is a spacing missing?); give --allow-overlap to store them so"},
    Refusal{"Overlapping", {"F", "--style", "grid", "--p", "2", "--x", "5", "--padstack", "BALL-0.4", "--pin1-padstack",
                            "BALL-0.4", "--pad", "H", "5.1", "0", "BALL-0.4", "--pads-about", "origin"},
            "F: pads \"A2\" and \"H\" overlap by more than half the smaller; give --allow-overlap to store them so"},
    Refusal{"NoSuchPadstack", {"F", "--style", "grid", "--pad", "EP", "0", "0", "NOPE"},
            "F: --pad EP: the design holds no padstack named NOPE"},
    Refusal{"InTheBatch", {}, "entry 2 (B): --omit: Z9 is no pad of B, nor a range whose ends are pads of it"},
    Refusal{"DialogMessage", {"F", "--style", "grid", "--p", "2", "--x", "300"},
            "F: --x: the dialog says \"Please enter a number between -254 and 254.\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GenerateExtrasTest, AllowOverlapStoresStackedPads) {
    const Outcome o = Generate("c.design", {"F", "--style", "grid", "--p", "3", "--allow-overlap"});
    EXPECT_EQ(o.code, 0) << o.err;
    EXPECT_TRUE(Has(Run({"show", "c.design", "F"}).out, "    pin 3 \"A3\" at 0 0 mm")) << "all on the origin";
}

}  // namespace
