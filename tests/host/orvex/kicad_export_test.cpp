// "orvex export --kicad" on real designs: the file reads back as one footprint whose pads,
// texts and courtyard match tables worked out by hand; refusals name the cause and write nothing.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "host/orvex/sexpr_writer.h"
#include "host/zelmdb/design_store.h"
#include "tests/host/orvex/orvex_cli_fixture.h"
#include "tests/host/orvex/sexpr_reader.h"

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
    double x, y, width, height, degrees, drill;   // mm, y down
    const char* layers;
};
struct FootprintCase {
    const char* name;
    const char* units;
    std::vector<std::vector<std::string>> padstacks;   // "padstack add" words after the file
    std::vector<PinRow> pins;
    std::vector<PadRow> pads;
    double courtyard[4];   // left, top, right, bottom
    const char* attr;
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
        ASSERT_TRUE(store.Begin());
        zelmdb::Symbol s;
        s.id = store.NewSymbol();
        s.nameId = store.NameCreate(c.name);
        for (const auto& p : c.pins) {
            s.pins.push_back({store.NameCreate(p.name), int32_t(std::lround(p.x * unitsPerDisplay)),
                              int32_t(std::lround(p.y * unitsPerDisplay)), int16_t(store.FindPadstack(p.padstack))});
        }
        ASSERT_TRUE(store.PutSymbol(s));
        zelmdb::Label ref;
        ref.id = store.NewLabel();
        ref.symbolId = uint16_t(s.id);
        ref.layer = uint8_t(store.LayerNumber("SST"));
        ref.kind = 1;
        ref.y = int32_t(std::lround(3 * unitsPerDisplay));
        ref.height = int32_t(std::lround(2 * unitsPerDisplay));
        ASSERT_TRUE(store.PutLabel(ref));
        ASSERT_TRUE(store.Commit());
    }
};

TEST_P(KicadFootprintTest, PadsTextsAndCourtyardMatchTheHandTable) {
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
        std::string layers;
        for (size_t k = 1; k < p.First("layers")->items.size(); ++k) layers += p.First("layers")->Text(k) + " ";
        EXPECT_EQ(layers, want.layers);
    }
    const Sexpr* yard = fp.First("fp_rect");
    ASSERT_TRUE(yard && yard->First("start") && yard->First("end") && yard->First("layer"));
    EXPECT_EQ(yard->First("layer")->Text(1), "F.CrtYd");
    EXPECT_NEAR(yard->First("start")->Num(1), c.courtyard[0], 1e-6);
    EXPECT_NEAR(yard->First("start")->Num(2), c.courtyard[1], 1e-6);
    EXPECT_NEAR(yard->First("end")->Num(1), c.courtyard[2], 1e-6);
    EXPECT_NEAR(yard->First("end")->Num(2), c.courtyard[3], 1e-6);
    const auto texts = fp.All("fp_text");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0]->Text(1), "reference");
    EXPECT_EQ(texts[0]->First("layer")->Text(1), "F.SilkS");
    const double mmPerDisplay = c.units == std::string("mm") ? 1 : 0.0254;
    EXPECT_NEAR(texts[0]->First("at")->Num(2), -3 * mmPerDisplay, 1e-6) << "a label above the origin, y down";
    EXPECT_NEAR(texts[0]->First("effects")->First("font")->First("size")->Num(1), 2 * mmPerDisplay, 1e-6);
    EXPECT_EQ(texts[1]->Text(1), "value");
    EXPECT_EQ(texts[1]->Text(2), c.name);
}

const char* ThruLayers = "*.Cu *.Mask ";
INSTANTIATE_TEST_SUITE_P(Footprints, KicadFootprintTest, ::testing::Values(
    FootprintCase{"DIP4", "mm",
        {{"R16", "--shape", "round", "--width", "1.6", "--height", "1.6", "--drill", "0.8"},
         {"S16", "--shape", "square", "--width", "1.6", "--height", "1.6", "--drill", "0.8"}},
        {{"1", 0, 0, "S16"}, {"2", 0, -2.54, "R16"}, {"3", 7.62, -2.54, "R16"}, {"4", 7.62, 0, "R16"}},
        {{"1", "thru_hole", "rect", 0, 0, 1.6, 1.6, 0, 0.8, ThruLayers},
         {"2", "thru_hole", "circle", 0, 2.54, 1.6, 1.6, 0, 0.8, ThruLayers},
         {"3", "thru_hole", "circle", 7.62, 2.54, 1.6, 1.6, 0, 0.8, ThruLayers},
         {"4", "thru_hole", "circle", 7.62, 0, 1.6, 1.6, 0, 0.8, ThruLayers}},
        {-1.05, -1.05, 8.67, 3.59}, "through_hole"},
    // A pad turned a quarter: the courtyard takes its height across and its width up.
    FootprintCase{"SO2", "mils",
        {{"OB", "--shape", "oblong", "--width", "60", "--height", "20", "--rotation", "90"}},
        {{"A1", 0, 0, "OB"}, {"B1", 50, 100, "OB"}},
        {{"A1", "smd", "oval", 0, 0, 1.524, 0.508, 90, 0, "F.Cu F.Paste F.Mask "},
         {"B1", "smd", "oval", 1.27, -2.54, 1.524, 0.508, 90, 0, "F.Cu F.Paste F.Mask "}},
        {-0.504, -3.552, 1.774, 1.012}, "smd"},
    FootprintCase{"BOT1", "mm",
        {{"RB", "--shape", "rect", "--width", "1", "--height", "2", "--side", "bottom"}},
        {{"7", -1, 1, "RB"}},
        {{"7", "smd", "rect", -1, -1, 1, 2, 0, 0, "B.Cu B.Paste B.Mask "}},
        {-1.75, -2.25, -0.25, 0.25}, "smd"}),
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
}
INSTANTIATE_TEST_SUITE_P(Refusals, KicadRefusalTest, ::testing::Values(
    RefusalCase{"UnknownFootprint", {"export", "d.design", "NOPE", "--kicad", "old.kicad_mod"},
                "the design holds no footprint named NOPE; nothing was written"},
    RefusalCase{"MissingDesign", {"export", "none.design", "X", "--kicad", "old.kicad_mod"}, "none.design"},
    RefusalCase{"NoKicadOption", {"export", "d.design", "X"}, "usage: orvex export DESIGN FOOTPRINT --kicad"}),
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
    s.id = store.NewSymbol();
    s.nameId = store.NameCreate("ODD1");
    s.pins.push_back({store.NameCreate("1"), 0, 0, int16_t(store.FindPadstack("ODD"))});
    ASSERT_TRUE(store.PutSymbol(s));
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

}  // namespace
