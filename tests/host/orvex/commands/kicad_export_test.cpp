// "orvex export --kicad" on real designs: the file reads back as one footprint whose pads,
// texts and courtyard match tables worked out by hand; refusals name the cause and write nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "host/orvex/export/sexpr_writer.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/zelmdb/design_store.h"
#include "res/resource.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"
#include "tests/host/orvex/commands/sexpr_reader.h"
#include "tests/support/script_line.h"
#include "tests/support/store_records.h"

namespace {

struct NumberCase {
    double value;
    const char* text;
};
class KicadNumberTest : public ::testing::TestWithParam<NumberCase> {};

TEST_P(KicadNumberTest, SixDecimalsAtMostAndNoExponent) {
    EXPECT_EQ(SexprWriter::FormatNumber(GetParam().value), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Formats, KicadNumberTest, ::testing::Values(
    NumberCase{0.1, "0.1"}, NumberCase{1e-7, "0"}, NumberCase{-1e-7, "0"}, NumberCase{-0.0, "0"},
    NumberCase{-2.54, "-2.54"}, NumberCase{1.0000004, "1"}, NumberCase{0.0000016, "0.000002"},
    NumberCase{123456789.125, "123456789.125"}, NumberCase{1e15, "1000000000000000"},
    NumberCase{2.0 / 3.0, "0.666667"}, NumberCase{12, "12"}));

struct QuoteCase {
    const char* text;
    const char* quoted;
};
class KicadQuoteTest : public ::testing::TestWithParam<QuoteCase> {};

TEST_P(KicadQuoteTest, EscapesAndReadsBack) {
    EXPECT_EQ(SexprWriter::Quote(GetParam().text), GetParam().quoted);
    const std::string q = SexprWriter::Quote(GetParam().text);
    Sexpr e;
    ASSERT_TRUE(SexprReader(q).Read(e));
    EXPECT_EQ(e.atom, GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(Names, KicadQuoteTest, ::testing::Values(
    QuoteCase{"QFP48", "\"QFP48\""}, QuoteCase{"a b", "\"a b\""}, QuoteCase{"x\"y", "\"x\\\"y\""},
    QuoteCase{"back\\slash", "\"back\\\\slash\""}, QuoteCase{"(paren)", "\"(paren)\""}, QuoteCase{"", "\"\""}));

struct PinRow {
    const char* name;
    double x, y;   // display units, y up
    const char* padstack;
};
struct PadRow {
    const char* number;
    const char* type;
    const char* shape;
    double x, y, width, height, degrees, drill, ratio;   // mm, y down
    const char* layers;
};
struct FootprintCase {
    const char* name;
    const char* units;
    std::vector<std::vector<std::string>> padstacks;   // "padstack add" words after the file
    std::vector<PinRow> pins;
    double centre[2];                                  // display units, as the dialog stores it
    std::vector<PadRow> pads;
    double courtyard[4];   // left, top, right, bottom
    const char* attr;
    std::string side = "F.";   // of the drawings and texts
};

class KicadFootprintTest : public OrvexCliTest, public ::testing::WithParamInterface<FootprintCase> {
protected:
    void MakeDesign(const FootprintCase& c) {
        ASSERT_EQ(Run({"new", "d.design", "--units", c.units}).code, 0);
        for (auto words : c.padstacks) {
            words.insert(words.begin(), {"padstack", "add", "d.design"});
            const Outcome o = Run(words);
            ASSERT_EQ(o.code, 0) << o.err;
        }
        auto opened = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadWrite,
                                                zelmdb::DesignStore::Sharing::Exclusive);
        ASSERT_TRUE(opened.ok()) << opened.error();
        zelmdb::DesignStore& store = *opened.value();
        const double unitsPerDisplay = (c.units == std::string("mm") ? 1 / 25.4 : 0.001) / store.info().inchesPerUnit;
        auto units = [&](double v) { return int32_t(std::lround(v * unitsPerDisplay)); };
        zelmdb::Symbol s;
        s.id = Given(store.NewSymbol());
        s.nameId = Given(store.NameCreate(c.name));
        s.centerX = units(c.centre[0]);
        s.centerY = units(c.centre[1]);
        for (const auto& p : c.pins)
            s.pins.push_back({Given(store.NameCreate(p.name)), units(p.x), units(p.y), int16_t(store.FindPadstack(p.padstack))});
        ASSERT_TRUE(store.PutSymbol(s).ok());
    }
};

TEST_P(KicadFootprintTest, PadsOutlinesAndTextsMatchTheHandTable) {
    const FootprintCase& c = GetParam();
    MakeDesign(c);
    const Outcome o = Run({"export", "d.design", c.name, "--kicad", "out.kicad_mod"});
    ASSERT_EQ(o.code, 0) << o.err;
    Sexpr fp;
    ASSERT_TRUE(SexprReader(File("out.kicad_mod")).Read(fp)) << File("out.kicad_mod");
    EXPECT_EQ(fp.Text(0), "footprint");
    EXPECT_EQ(fp.Text(1), c.name);
    ASSERT_TRUE(fp.First("attr"));
    EXPECT_EQ(fp.First("attr")->Text(1), c.attr);
    const auto pads = fp.All("pad");
    ASSERT_EQ(pads.size(), c.pads.size());
    for (size_t i = 0; i < pads.size(); ++i) {
        const Sexpr& p = *pads[i];
        const PadRow& want = c.pads[i];
        SCOPED_TRACE(want.number);
        EXPECT_TRUE(p.items[1].quoted);
        EXPECT_EQ(p.Text(1), want.number);
        EXPECT_EQ(p.Text(2), want.type);
        EXPECT_EQ(p.Text(3), want.shape);
        ASSERT_TRUE(p.First("at") && p.First("size") && p.First("layers"));
        EXPECT_NEAR(p.First("at")->Num(1), want.x, 1e-6);
        EXPECT_NEAR(p.First("at")->Num(2), want.y, 1e-6);
        EXPECT_NEAR(p.First("at")->items.size() > 3 ? p.First("at")->Num(3) : 0, want.degrees, 1e-6);
        EXPECT_NEAR(p.First("size")->Num(1), want.width, 1e-6);
        EXPECT_NEAR(p.First("size")->Num(2), want.height, 1e-6);
        EXPECT_NEAR(p.First("drill") ? p.First("drill")->Num(1) : 0, want.drill, 1e-6);
        EXPECT_NEAR(p.First("roundrect_rratio") ? p.First("roundrect_rratio")->Num(1) : 0, want.ratio, 1e-6);
        std::string layers;
        for (size_t k = 1; k < p.First("layers")->items.size(); ++k) layers += p.First("layers")->Text(k) + " ";
        EXPECT_EQ(layers, want.layers);
    }
    const Sexpr* yard = fp.First("fp_rect");
    ASSERT_TRUE(yard && yard->First("start") && yard->First("end") && yard->First("layer"));
    EXPECT_EQ(yard->First("layer")->Text(1), c.side + "CrtYd");
    const double box[4] = {yard->First("start")->Num(1), yard->First("start")->Num(2), yard->First("end")->Num(1),
                           yard->First("end")->Num(2)};
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(box[k], c.courtyard[k], 1e-6) << k;
    std::vector<std::string> outlineLayers;
    for (const char* kind : {"fp_poly", "fp_line"})
        for (const Sexpr* e : fp.All(kind)) outlineLayers.push_back(e->First("layer")->Text(1));
    std::sort(outlineLayers.begin(), outlineLayers.end());
    outlineLayers.erase(std::unique(outlineLayers.begin(), outlineLayers.end()), outlineLayers.end());
    EXPECT_EQ(outlineLayers, (std::vector<std::string>{c.side + "Fab", c.side + "SilkS"}));
    // Reference above the courtyard, value below, and the fab layer's copy of the reference; read
    // from below on the bottom.
    const auto texts = fp.All("fp_text");
    ASSERT_EQ(texts.size(), 3u);
    const std::string expected[3][3] = {{"reference", "REF**", c.side + "SilkS"}, {"value", c.name, c.side + "Fab"},
                                        {"user", "${REFERENCE}", c.side + "Fab"}};
    for (size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(texts[k]->Text(1), expected[k][0]);
        EXPECT_EQ(texts[k]->Text(2), expected[k][1]);
        EXPECT_EQ(texts[k]->First("layer")->Text(1), expected[k][2]);
        const Sexpr* effects = texts[k]->First("effects");
        EXPECT_EQ(effects->First("font")->First("size")->Num(1), 1);
        EXPECT_EQ(effects->First("font")->First("thickness")->Num(1), 0.15);
        EXPECT_EQ(effects->First("justify") ? effects->First("justify")->Text(1) : "", c.side == "B." ? "mirror" : "");
    }
    EXPECT_NEAR(texts[0]->First("at")->Num(1), (box[0] + box[2]) / 2, 1e-6);
    EXPECT_NEAR(texts[0]->First("at")->Num(2), box[1] - 1, 1e-6);
    EXPECT_NEAR(texts[1]->First("at")->Num(2), box[3] + 1, 1e-6);
}

const char* ThruLayers = "*.Cu *.Mask ";
INSTANTIATE_TEST_SUITE_P(Footprints, KicadFootprintTest, ::testing::Values(
    // Through-hole: pin 1 is the origin, wherever the centre is.
    FootprintCase{"DIP4", "mm",
        {{"R16", "--shape", "round", "--width", "1.6", "--height", "1.6", "--drill", "0.8"},
         {"S16", "--shape", "square", "--width", "1.6", "--height", "1.6", "--drill", "0.8"}},
        {{"1", 0, 0, "S16"}, {"2", 0, -2.54, "R16"}, {"3", 7.62, -2.54, "R16"}, {"4", 7.62, 0, "R16"}},
        {3.81, -1.27},
        {{"1", "thru_hole", "rect", 0, 0, 1.6, 1.6, 0, 0.8, 0, ThruLayers},
         {"2", "thru_hole", "circle", 0, 2.54, 1.6, 1.6, 0, 0.8, 0, ThruLayers},
         {"3", "thru_hole", "circle", 7.62, 2.54, 1.6, 1.6, 0, 0.8, 0, ThruLayers},
         {"4", "thru_hole", "circle", 7.62, 0, 1.6, 1.6, 0, 0.8, 0, ThruLayers}},
        {-1.74, -1.12, 8.74, 3.66}, "through_hole"},
    // Surface-mount: the centre is the origin; a quarter turn swaps the sides instead.
    FootprintCase{"SO2", "mils",
        {{"OB", "--shape", "oblong", "--width", "60", "--height", "20", "--rotation", "90"}},
        {{"A1", 0, 0, "OB"}, {"B1", 50, 100, "OB"}},
        {25, 50},
        {{"A1", "smd", "oval", -0.635, 1.27, 0.508, 1.524, 0, 0, 0, "F.Cu F.Paste F.Mask "},
         {"B1", "smd", "oval", 0.635, -1.27, 0.508, 1.524, 0, 0, 0, "F.Cu F.Paste F.Mask "}},
        {-1.83, -2.36, 1.21, 2.36}, "smd"},
    FootprintCase{"BOT1", "mm",
        {{"RB", "--shape", "rect", "--width", "1", "--height", "2", "--side", "bottom", "--rotation", "180"}},
        {{"7", -1, 1, "RB"}},
        {-1, 1},
        {{"7", "smd", "rect", 0, 0, 1, 2, 0, 0, 0, "B.Cu B.Paste B.Mask "}},
        {-1.44, -1.32, 0.82, 1.32}, "smd", "B."},
    FootprintCase{"RR2", "mm",
        {{"RR", "--shape", "roundrect", "--width", "1", "--height", "0.5", "--no-paste", "--rotation", "30"}},
        {{"1", 0, 0, "RR"}, {"2", 2, 0, "RR"}},
        {1, 0},
        {{"1", "smd", "roundrect", -1, 0, 1, 0.5, 30, 0, 0.25, "F.Cu F.Mask "},
         {"2", "smd", "roundrect", 1, 0, 1, 0.5, 30, 0, 0.25, "F.Cu F.Mask "}},
        {-2.5, -0.79, 1.88, 0.79}, "smd"},
    // Holes without names, unplated or plated, leave a surface-mount part one, about the centre of
    // its pads' outline, which stands in for its body.
    FootprintCase{"CONN2", "mm",
        {{"P", "--shape", "rect", "--width", "1", "--height", "2"}, {"MH", "--shape", "hole", "--drill", "1.5"}},
        {{"1", 0, 0, "P"}, {"2", 2, 0, "P"}, {"", -2, -3, "MH"}, {"", 4, -3, "MH"}},
        {1, 0},
        {{"1", "smd", "rect", -1, -1.375, 1, 2, 0, 0, 0, "F.Cu F.Paste F.Mask "},
         {"2", "smd", "rect", 1, -1.375, 1, 2, 0, 0, 0, "F.Cu F.Paste F.Mask "},
         {"", "np_thru_hole", "circle", -3, 1.625, 1.5, 1.5, 0, 1.5, 0, ThruLayers},
         {"", "np_thru_hole", "circle", 3, 1.625, 1.5, 1.5, 0, 1.5, 0, ThruLayers}},
        {-4.07, -3.32, 4.07, 2.7}, "smd"},
    FootprintCase{"PEG2", "mm",
        {{"P", "--shape", "rect", "--width", "1", "--height", "2"},
         {"PEG", "--shape", "round", "--width", "2", "--height", "2", "--drill", "1.2"}},
        {{"1", 0, 0, "P"}, {"2", 2, 0, "P"}, {"", -2, -3, "PEG"}, {"", 4, -3, "PEG"}},
        {1, 0},
        {{"1", "smd", "rect", -1, -1.5, 1, 2, 0, 0, 0, "F.Cu F.Paste F.Mask "},
         {"2", "smd", "rect", 1, -1.5, 1, 2, 0, 0, 0, "F.Cu F.Paste F.Mask "},
         {"", "thru_hole", "circle", -3, 1.5, 2, 2, 0, 1.2, 0, ThruLayers},
         {"", "thru_hole", "circle", 3, 1.5, 2, 2, 0, 1.2, 0, ThruLayers}},
        {-4.32, -3.44, 4.32, 2.82}, "smd"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusalCase {
    const char* label;
    std::vector<std::string> args;
    const char* message;
};
class KicadRefusalTest : public OrvexCliTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(KicadRefusalTest, SaysWhyAndKeepsTheOldFile) {
    ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    Write("old.kicad_mod", "old");
    const Outcome o = Run(GetParam().args);
    EXPECT_NE(o.code, 0);
    EXPECT_NE(o.err.find(GetParam().message), std::string::npos) << o.err;
    EXPECT_EQ(File("old.kicad_mod"), "old");
    EXPECT_FALSE(std::filesystem::exists(dir_ / "old.kicad_mod.part"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "e.pretty"));
}
INSTANTIATE_TEST_SUITE_P(Refusals, KicadRefusalTest, ::testing::Values(
    RefusalCase{"UnknownFootprint", {"export", "d.design", "NOPE", "--kicad", "old.kicad_mod"},
                "the design holds no footprint named NOPE; nothing was written"},
    RefusalCase{"MissingDesign", {"export", "none.design", "X", "--kicad", "old.kicad_mod"}, "none.design"},
    RefusalCase{"NoKicadOption", {"export", "d.design", "X"}, "usage: orvex export DESIGN FOOTPRINT --kicad"},
    RefusalCase{"NoFootprintToList", {"export", "d.design", "--kicad", "e.pretty"},
                "the design holds no footprint; nothing was written"},
    RefusalCase{"LibraryNotPretty", {"export", "d.design", "--kicad", "old.kicad_mod"},
                "a KiCad library is a folder whose name ends in .pretty, not old.kicad_mod"},
    RefusalCase{"BodyOfAWholeLibrary", {"export", "d.design", "--kicad", "e.pretty", "--body", "1x1"},
                "--body is the body of one footprint"},
    RefusalCase{"BodyNotTwoSizes", {"export", "d.design", "X", "--kicad", "old.kicad_mod", "--body", "7"},
                "body 7 is not WIDTHxHEIGHT in mm"},
    RefusalCase{"ModelOfAWholeLibrary", {"export", "d.design", "--kicad", "e.pretty", "--model", "m.step"},
                "--model is the model of one footprint"},
    RefusalCase{"ModelPlacedWithoutModel", {"export", "d.design", "X", "--kicad", "old.kicad_mod", "--model-rotate", "0", "0", "90"},
                "--model-rotate places a model: give --model PATH"},
    RefusalCase{"ModelOffsetNotANumber", {"export", "d.design", "X", "--kicad", "old.kicad_mod", "--model", "m.step",
                                          "--model-offset", "0", "1mm", "0"},
                "--model-offset y '1mm' is not a number"}),
    [](const auto& info) { return std::string(info.param.label); });

class KicadShapeTest : public OrvexCliTest, public ::testing::WithParamInterface<int> {};

// Shape codes the dialog does not list have no pad shape of the same kind: refused, not guessed.
TEST_P(KicadShapeTest, ShapeWithoutAKicadPadIsRefused) {
    ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    const std::string code = std::to_string(GetParam());
    ASSERT_EQ(Run({"padstack", "add", "d.design", "ODD", "--shape-code", code, "--width", "1", "--height", "1"}).code, 0);
    auto opened = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadWrite,
                                            zelmdb::DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(opened.ok());
    zelmdb::DesignStore& store = *opened.value();
    zelmdb::Symbol s;
    s.id = Given(store.NewSymbol());
    s.nameId = Given(store.NameCreate("ODD1"));
    s.pins.push_back({Given(store.NameCreate("1")), 0, 0, int16_t(store.FindPadstack("ODD"))});
    ASSERT_TRUE(store.PutSymbol(s).ok());
    opened.value().reset();
    const Outcome o = Run({"export", "d.design", "ODD1", "--kicad", "o.kicad_mod"});
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("padstack ODD has pad shape " + code + ", which a KiCad pad cannot show"), std::string::npos)
        << o.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "o.kicad_mod"));
}
INSTANTIATE_TEST_SUITE_P(Codes, KicadShapeTest, ::testing::Values(5, 8));

class KicadAfterRunTest : public OrvexCliTest {};

// The footprint the dialog stores on OK exports with one pad per pin, and an unwritable
// output is refused only after the footprint is found.
TEST_F(KicadAfterRunTest, DialogFootprintExportsAndUnwritableOutputIsRefused) {
    ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    std::filesystem::create_symlink(TESSRA_MODULE, dir_ / "home" / "tessra.dll");
    Write("s.txt", "ok\n");
    ASSERT_EQ(Run({"run", "d.design", "QFP48", "--script", "s.txt"}).code, 0);
    const Outcome bad = Run({"export", "d.design", "QFP48", "--kicad", "no/such/dir/x.kicad_mod"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_NE(bad.err.find("cannot write no/such/dir/x.kicad_mod: "), std::string::npos) << bad.err;
    const Outcome o = Run({"export", "d.design", "QFP48", "--kicad", "q.kicad_mod"});
    ASSERT_EQ(o.code, 0) << o.err;
    Sexpr fp;
    ASSERT_TRUE(SexprReader(File("q.kicad_mod")).Read(fp));
    const auto pads = fp.All("pad");
    ASSERT_EQ(pads.size(), 2u);
    EXPECT_EQ(pads[0]->Text(1), "1");
    EXPECT_EQ(pads[1]->Text(1), "2");
    EXPECT_NEAR(pads[0]->First("size")->Num(1), 0.3, 1e-6) << "3000 units of 0.1 micron";
}

// The fab outline's box, from the points of the first fp_poly on F.Fab.
std::vector<double> FabBox(const Sexpr& fp) {
    std::vector<double> box{1e9, 1e9, -1e9, -1e9};
    for (const Sexpr* poly : fp.All("fp_poly")) {
        if (poly->First("layer")->Text(1) != "F.Fab") continue;
        for (const Sexpr* xy : poly->First("pts")->All("xy")) {
            box = {std::min(box[0], xy->Num(1)), std::min(box[1], xy->Num(2)), std::max(box[2], xy->Num(1)),
                   std::max(box[3], xy->Num(2))};
        }
        break;
    }
    return box;
}

class KicadGeneratedTest : public OrvexCliTest {
protected:
    void SetUp() override {
        OrvexCliTest::SetUp();
        ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
        std::filesystem::create_symlink(TESSRA_MODULE, dir_ / "home" / "tessra.dll");
        ASSERT_EQ(Run({"padstack", "add", "d.design", "RR", "--shape", "roundrect", "--width", "0.3", "--height", "1"}).code, 0);
    }
    Sexpr Exported(const std::string& footprint) {
        const Outcome o = Run({"export", "d.design", footprint, "--kicad", "one.kicad_mod"});
        EXPECT_EQ(o.code, 0) << o.err;
        Sexpr fp;
        EXPECT_TRUE(SexprReader(File("one.kicad_mod")).Read(fp));
        return fp;
    }
    void Generate(const std::string& footprint, std::vector<std::string> options) {
        options.insert(options.begin(), {"generate", "d.design", footprint, "--padstack", "RR", "--pin1-padstack", "RR"});
        const Outcome o = Run(options);
        ASSERT_EQ(o.code, 0) << o.err;
    }
};

// The body given to generate is kept with the footprint and outlives a reopen that changes the
// arrangement, while the options it was made from no longer describe it then.
TEST_F(KicadGeneratedTest, BodyIsKeptAndTheDescriptionFollowsTheDialog) {
    Generate("Q1", {"--style", "chip-carrier", "--p", "3", "--q", "3", "--x", "0.5", "--y", "0.5", "--w", "1",
                    "--z", "1", "--body", "3x2.5"});
    Sexpr fp = Exported("Q1");
    EXPECT_EQ(fp.First("descr")->Text(1),
              "Q1, 12 pads, surface-mount; made by the Tessra generator in Orvex from --style chip-carrier --x 0.5 "
              "--y 0.5 --w 1 --z 1 --p 3 --q 3 --padstack RR --pin1-padstack RR (mm); body 3 x 2.5 mm");
    EXPECT_EQ(fp.First("tags")->Text(1), "tessra chip-carrier smd");
    EXPECT_EQ(FabBox(fp), (std::vector<double>{-1.5, -1.25, 1.5, 1.25})) << "about the package centre";
    Write("s.txt", Act("set", IDC_NUMBER_P, "4") + "ok\n");
    ASSERT_EQ(Run({"run", "d.design", "Q1", "--reopen", "--script", "s.txt"}).code, 0);
    fp = Exported("Q1");
    EXPECT_EQ(fp.First("descr")->Text(1),
              "Q1, 14 pads, surface-mount; made by the Tessra generator in Orvex; body 3 x 2.5 mm");
    EXPECT_EQ(FabBox(Exported("Q1")), (std::vector<double>{-1.5, -1.25, 1.5, 1.25}));
}

// The model entry as KiCad writes it, its path as given; a footprint of hundreds of extra pads
// names a few of them in its description and counts the rest.
TEST_F(KicadGeneratedTest, ModelIsWrittenAndManyExtraPadsAreCounted) {
    ASSERT_EQ(Run({"padstack", "add", "d.design", "VIA", "--shape", "round", "--width", "0.5", "--height", "0.5",
                   "--drill", "0.3"}).code, 0);
    std::vector<std::string> options{"--style", "grid", "--p", "2", "--x", "20"};
    for (int i = 0; i < 300; ++i)
        options.insert(options.end(), {"--pad", "", std::to_string(i % 20 - 10), std::to_string(i / 20 + 2), "VIA"});
    Generate("V", options);
    const Outcome o = Run({"export", "d.design", "V", "--kicad", "one.kicad_mod", "--model",
                           "${KICAD6_3DMODEL_DIR}/Vias.3dshapes/V (300).wrl", "--model-offset", "0", "-1.5", "0.25",
                           "--model-rotate", "-90", "0", "180"});
    ASSERT_EQ(o.code, 0) << o.err;
    const std::string text = File("one.kicad_mod");
    EXPECT_TRUE(Has(text, "(model \"${KICAD6_3DMODEL_DIR}/Vias.3dshapes/V (300).wrl\"\n    (offset (xyz 0 -1.5 0.25))\n"
                          "    (scale (xyz 1 1 1))\n    (rotate (xyz -90 0 180))")) << text;
    Sexpr fp;
    ASSERT_TRUE(SexprReader(text).Read(fp));
    EXPECT_EQ(fp.All("pad").size(), 302u);
    const std::string description = fp.First("descr")->Text(1);
    EXPECT_TRUE(Has(description, " --pad \"\" -3 2 VIA and 292 more extra pads --pads-about center")) << description;
    EXPECT_EQ(fp.First("attr")->Text(1), "smd") << "holes without names are no pins";
}

TEST_F(KicadGeneratedTest, WholeDesignBecomesALibraryOrNothingIsWritten) {
    Generate("G1", {"--style", "grid", "--p", "2", "--q", "2", "--x", "1", "--y", "1"});
    Generate("H1", {"--style", "stagger-x", "--p", "3", "--x", "2.54"});
    Write("s.txt", "ok\n");
    ASSERT_EQ(Run({"run", "d.design", "G1", "--reopen", "--script", "s.txt"}).code, 0);
    const Outcome o = Run({"export", "d.design", "--kicad", "lib.pretty"});
    ASSERT_EQ(o.code, 0) << o.err;
    EXPECT_EQ(o.out, "d.design: 2 footprints written to lib.pretty\n");
    for (const char* name : {"G1", "H1"}) {
        Sexpr fp;
        ASSERT_TRUE(SexprReader(File(std::string("lib.pretty/") + name + ".kicad_mod")).Read(fp)) << name;
        EXPECT_EQ(fp.Text(1), name);
        EXPECT_NE(fp.First("descr")->Text(1).find(" from --style "), std::string::npos) << "unchanged by the reopen";
    }
    // A name that cannot be a file, or a damaged record of the host, stops the whole library.
    Generate("A/B", {"--style", "grid"});
    Outcome refused = Run({"export", "d.design", "--kicad", "new.pretty"});
    EXPECT_NE(refused.err.find("the footprint name 'A/B' cannot be a file name; nothing was written"), std::string::npos)
        << refused.err;
    auto opened = zelmdb::DesignStore::Open((dir_ / "d.design").string(), zelmdb::DesignStore::Access::ReadWrite,
                                            zelmdb::DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(opened.ok());
    ASSERT_TRUE(opened.value()->PutPluginRecord("Orvex", "G1", "{\"version\": 9}").ok());
    opened.value().reset();
    refused = Run({"export", "d.design", "G1", "--kicad", "g.kicad_mod"});
    EXPECT_NE(refused.err.find("the host record of G1 is damaged (version 9, this orvex reads up to " +
                                  std::to_string(kExtrasVersion) + ")"),
              std::string::npos) << refused.err;
    EXPECT_FALSE(std::filesystem::exists(dir_ / "new.pretty"));
    EXPECT_FALSE(std::filesystem::exists(dir_ / "g.kicad_mod"));
}

}  // namespace
