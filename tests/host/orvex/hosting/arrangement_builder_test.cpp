// Further arrangements and pins on padstacks of their own through the real program and
// tessra.dll: the dialog makes each, the host joins them in one transaction, flags and JSON store
// the same, a reopen gives the footprint back to the byte and rebuilds what the dialog does not
// reopen, and what cannot be made is refused naming the arrangement and its option.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/orvex/hosting/arrangement_builder.h"
#include "res/resource.h"
#include "tests/host/orvex/commands/design_dump.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/support/script_line.h"

namespace {

class ArrangementBuilderTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        InstallPlugin();
        for (const char* design : {"a.design", "b.design"}) {
            ASSERT_EQ(Run({"new", design, "--units", "mm"}).code, 0);
            for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
                     {"P", "--shape", "rect", "--width", "1", "--height", "0.5"},
                     {"Q", "--shape", "oblong", "--width", "1.5", "--height", "0.5"},
                     {"R", "--shape", "round", "--width", "0.4", "--height", "0.4"}}) {
                std::vector<std::string> add{"padstack", "add", design};
                add.insert(add.end(), words.begin(), words.end());
                ASSERT_EQ(Run(add).code, 0);
            }
        }
    }
    Outcome Generate(const std::string& design, std::vector<std::string> words) {
        words.insert(words.begin(), {"generate", design});
        return Run(words);
    }
    std::string Shown(const std::string& footprint, const std::string& design = "a.design") {
        return Run({"show", design, footprint}).out;
    }
};

// A quad of 12 with its names three digits wide, pins 2, 5 and 6 on an oblong pad, and a 2 x 2
// grid in its middle.
const std::vector<std::string> kQuad = {
    "F", "--style", "chip-carrier", "--p", "3", "--q", "3", "--x", "1", "--y", "1", "--w", "1", "--z", "1", "--padstack", "P",
    "--pin1-padstack", "P", "--name-width", "3", "--pin-padstack", "2,005-6=Q", "--also", "--style", "grid", "--p", "2",
    "--q", "2", "--x", "0.5", "--y", "0.5", "--padstack", "R", "--pin1-padstack", "R", "--at", "0", "0.25", "--end-also"};

TEST_F(ArrangementBuilderTest, FlagsAndJsonStoreOneJoinedFootprintThatReopensToTheByte) {
    Outcome o = Generate("a.design", kQuad);
    ASSERT_EQ(o.code, 0) << o.err;
    Write("q.json", R"({"footprint": "F", "style": "chip-carrier", "p": 3, "q": 3, "x": 1, "y": 1, "w": 1, "z": 1,
        "padstack": "P", "pin1-padstack": "P", "name-width": 3, "pin-padstack": "2,005-6=Q",
        "also": [{"style": "grid", "p": 2, "q": 2, "x": 0.5, "y": 0.5, "padstack": "R", "pin1-padstack": "R",
                  "at": [0, 0.25]}]})");
    o = Generate("b.design", {"--from-json", "q.json"});
    ASSERT_EQ(o.code, 0) << o.err;
    const std::string generated = DumpDesign(dir_ / "a.design");
    EXPECT_EQ(DumpDesign(dir_ / "b.design"), generated);
    const std::string shown = Shown("F");
    for (const char* line : {"  F (symbol 1): 16 pins, centre 20000 -10000\n",
                             "    pin 2 \"002\" at 0 -1 mm, padstack Q(90.00)\n",
                             "    pin 6 \"006\" at 3 -3 mm, padstack Q(180.00)\n", "    pin 7 \"007\" at 4 -2 mm, padstack P(270.00)\n",
                             "    pin 13 \"A1\" at 1.75 -0.5 mm, padstack R\n", "    pin 16 \"B2\" at 2.25 -1 mm, padstack R\n",
                             "    --also 1 at 0 0.25 mm from the first arrangement's centre: --style grid --x 0.5 --y 0.5 "
                             "--p 2 --q 2 --padstack R --pin1-padstack R\n"})
        EXPECT_TRUE(Has(shown, line)) << line << shown;
    // Only the copies a pad stands on stay: no side of the quad turns the oblong pad by 270.
    const std::string padstacks = Run({"padstack", "list", "a.design"}).out;
    EXPECT_TRUE(Has(padstacks, "Q(180.00)")) << padstacks;
    EXPECT_FALSE(Has(padstacks, "Q(270.00)")) << padstacks;
    EXPECT_FALSE(Has(generated, ArrangementBuilder::PassingName(1) + "|")) << "no footprint of the passing name";
    EXPECT_FALSE(Has(generated, "Tessra|" + ArrangementBuilder::PassingName(1))) << "nor its record";
    Write("ok.txt", "ok\n");
    o = Run({"run", "a.design", "F", "--reopen", "--script", "ok.txt"});
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    EXPECT_EQ(DumpDesign(dir_ / "a.design"), generated);
}

// The dialog reopens the first arrangement; what a person changes there is stored, and the grid
// and the oblong pads are made again around it.
TEST_F(ArrangementBuilderTest, EditedInTheDialogTheOtherArrangementIsMadeAgain) {
    ASSERT_EQ(Generate("a.design", kQuad).code, 0);
    Write("s.txt", Act("expect", IDC_NUMBER_P, "3") + Act("set", IDC_SPACING_X, "1.5") + "ok\n");
    const Outcome o = Run({"run", "a.design", "F", "--reopen", "--script", "s.txt"});
    ASSERT_EQ(o.code, 0) << o.err << o.out;
    const std::string shown = Shown("F");
    for (const char* line : {"16 pins", "    pin 5 \"005\" at 2.5 -3 mm, padstack Q(180.00)\n",
                             "    pin 13 \"A1\" at 2.25 -0.5 mm, padstack R\n"})
        EXPECT_TRUE(Has(shown, line)) << line << shown;
}

// A user's footprint of the passing name is not the host's to replace.
TEST_F(ArrangementBuilderTest, AFootprintOfThePassingNameIsLeftAlone) {
    ASSERT_EQ(Generate("a.design", {ArrangementBuilder::PassingName(1), "--style", "grid", "--p", "3", "--x", "1"}).code, 0);
    ASSERT_EQ(Generate("a.design", kQuad).code, 0);
    EXPECT_TRUE(Has(Run({"show", "a.design"}).out, ArrangementBuilder::PassingName(1) + " (symbol 1): 3 pins"));
}

struct Refusal {
    const char* name;
    std::vector<std::string> words;
    std::string error;
};
const std::string kListed = " (it lists the design's usable padstacks and those of the PADSTACK_LIB libraries)";
class ArrangementRefusalTest : public ArrangementBuilderTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(ArrangementRefusalTest, NamesTheArrangementAndStoresNothing) {
    const std::string before = DumpDesign(dir_ / "a.design");
    std::vector<std::string> words{"G", "--style", "grid", "--p", "2", "--x", "1", "--padstack", "P", "--pin1-padstack", "P"};
    words.insert(words.end(), GetParam().words.begin(), GetParam().words.end());
    const Outcome o = Generate("a.design", words);
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "orvex: G: " + GetParam().error + "; nothing was stored\n")) << o.err;
    EXPECT_EQ(DumpDesign(dir_ / "a.design"), before);
}

INSTANTIATE_TEST_SUITE_P(Faults, ArrangementRefusalTest, ::testing::Values(
    Refusal{"DialogMessage", {"--also", "--style", "grid", "--x", "300", "--end-also"},
            "--also 1: --x: the dialog says \"Please enter a number between -254 and 254.\""},
    Refusal{"UnlistedPadstack", {"--also", "--style", "grid", "--padstack", "NOPE", "--end-also"},
            "--also 1: --padstack: the dialog offers no padstack named NOPE" + kListed},
    Refusal{"UnlistedPinPadstack", {"--pin-padstack", "A2=NOPE"},
            "--pin-padstack A2=NOPE: the dialog offers no padstack named NOPE" + kListed},
    Refusal{"NoSuchPin", {"--pin-padstack", "A3=Q"}, "--pin-padstack: A3 is no pad of G, nor a range whose ends are pads of it"},
    Refusal{"SameNames", {"--also", "--style", "grid", "--p", "2", "--x", "1", "--at", "0", "5", "--end-also"},
            "pads of the first arrangement and of --also 1 are both named \"A1\"; give --share-names to --also 1 if they "
            "really share the name"},
    Refusal{"OnTopOfEachOther", {"--also", "--style", "grid", "--y-start", "3", "--at", "-0.5", "0", "--end-also"},
            "pads \"A1\" and \"D1\" stand on one spot (is a spacing missing?); give --allow-overlap to store them so"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
