// The orvex program as a person runs it: exit codes, messages, files changed or left alone.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "host/zelmdb/design_store.h"
#include "tests/host/orvex/commands/orvex_cli_fixture.h"

namespace {

TEST_F(OrvexCliTest, ReadmeSequenceMakesAReadableDesign) {
    ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "d.design", "R60", "--shape", "round", "--width", "0.6",
                   "--height", "0.6", "--drill", "0.3"}).code, 0);
    const Outcome show = Run({"show", "d.design", "--json"});
    ASSERT_EQ(show.code, 0) << show.err;
    EXPECT_NE(show.out.find("\"units\": \"mm\", \"unit_code\": 4"), std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\"layers\": 14"), std::string::npos);
    // 0.6 mm at 0.1 micron per unit.
    EXPECT_NE(show.out.find("{\"id\": 1, \"name\": \"R60\", \"layers\": [{\"layer\": 1, \"shape\": 1, "
                            "\"width\": 6000, \"height\": 6000, \"rotation\": 0, \"corner_ratio\": 0, "
                            "\"paste\": true}], \"drill\": 3000}"),
              std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\"footprints\": []"), std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir_ / "home" / "ORVEX.INI"));
}

struct SizeCase {
    const char* units;
    const char* width;
    int64_t stored;
};
class OrvexSizeTest : public OrvexCliTest, public ::testing::WithParamInterface<SizeCase> {};
TEST_P(OrvexSizeTest, SizesAreInTheFilesDisplayUnit) {
    ASSERT_EQ(Run({"new", "d.design", "--units", GetParam().units}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "d.design", "P", "--shape", "rect", "--width", GetParam().width,
                   "--height", GetParam().width, "--rotation", "-90", "--side", "bottom"}).code, 0);
    auto opened = zelmdb::DesignStore::Open((dir_ / "d.design").string(),
                                            zelmdb::DesignStore::Access::ReadOnly,
                                            zelmdb::DesignStore::Sharing::Shared);
    ASSERT_TRUE(opened.ok());
    auto p = opened.value()->GetPadstack(1);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->layers[0].shape, zelmdb::PadShape::None) << "--side bottom leaves layer 1 empty";
    EXPECT_EQ(p->layers[1].shape, zelmdb::PadShape::Rectangle);
    EXPECT_EQ(p->layers[1].width1, GetParam().stored);
    EXPECT_EQ(p->layers[1].rotation, -5400);
}
INSTANTIATE_TEST_SUITE_P(Units, OrvexSizeTest, ::testing::Values(
    SizeCase{"mils", "60", 15240}, SizeCase{"inches", "0.06", 15240}, SizeCase{"cm", "0.1", 10000},
    SizeCase{"mm", "0.00005", 1}, SizeCase{"microns", "0.15", 2}));

struct BadCase {
    std::vector<std::string> args;
    int code;
    const char* message;
};
class OrvexBadInputTest : public OrvexCliTest, public ::testing::WithParamInterface<BadCase> {};

TEST_P(OrvexBadInputTest, RefusedWithMessageAndNothingChanged) {
    ASSERT_EQ(Run({"new", "d.design"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "d.design", "R60", "--shape", "round", "--width", "60",
                   "--height", "60"}).code, 0);
    const std::string before = File("d.design");
    const std::string iniBefore = File("home/ORVEX.INI");
    const Outcome o = Run(GetParam().args);
    EXPECT_EQ(o.code, GetParam().code) << o.err;
    EXPECT_NE(o.err.find(GetParam().message), std::string::npos) << o.err;
    EXPECT_EQ(o.err.rfind("orvex: ", 0), 0u) << o.err;
    EXPECT_EQ(File("d.design"), before);
    EXPECT_EQ(File("home/ORVEX.INI"), iniBefore);
}
INSTANTIATE_TEST_SUITE_P(Inputs, OrvexBadInputTest, ::testing::Values(
    BadCase{{"new", "d.design"}, 1, "already exists"},
    BadCase{{"new", "e.design", "--units", "furlongs"}, 1, "unknown unit"},
    BadCase{{"new", "e.design", "--layers", "13"}, 1, "out of range"},
    BadCase{{"new", "e.design", "--resolution", "0"}, 1, "resolution"},
    BadCase{{"padstack", "add", "d.design", "R60", "--shape", "round", "--width", "1", "--height", "1"}, 1,
            "already exists"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "hexagon", "--width", "1", "--height", "1"}, 1,
            "unknown shape"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "1mm", "--height", "1"}, 1,
            "not a number"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "0", "--height", "1"}, 1,
            "more than 0"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "1", "--height", "1",
             "--drill", "-1"}, 1, "negative"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "1e12", "--height", "1"}, 1,
            "too large"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape-code", "0", "--width", "1", "--height", "1"}, 1,
            "out of range"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--height", "1"}, 1, "needs --width"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "1", "--height", "1",
             "--side", "left"}, 1, "neither top nor bottom"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "1", "--height", "1",
             "--rotation", "400"}, 1, "outside -360 to 360"},
    BadCase{{"padstack", "add", "d.design", "X", "--colour", "red"}, 2, "unknown option --colour"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "round", "--width", "1", "--height", "2", "--drill", "1.5"},
            1, "drill 1.5 is larger than the pad (1 x 2); a drill must fit inside its pad"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "oblong", "--width", "1", "--height", "2",
             "--corner-ratio", "0.25"}, 1, "--corner-ratio rounds square and rectangular pads only"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "roundrect", "--width", "1", "--height", "2",
             "--corner-ratio", "0.6"}, 1, "corner ratio 0.6 is not above 0 and at most 0.5"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "rect", "--width", "1", "--height", "2",
             "--corner-ratio", "0.00001"}, 1, "below the smallest step"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "hole", "--width", "1", "--drill", "3"}, 1,
            "a hole has no pad: --width does not apply; give --drill"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "hole", "--no-paste", "--drill", "3"}, 1,
            "a hole has no pad: --no-paste does not apply"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "hole"}, 1, "a hole needs --drill"},
    BadCase{{"padstack", "add", "d.design", "X", "--shape", "hole", "--drill", "0"}, 1, "drill 0 must be more than 0"},
    BadCase{{"padstack", "list", "nothere.design"}, 1, "no such file"},
    BadCase{{"library", "add", "d.design"}, 1, "not a padstack library"},
    BadCase{{"library", "add", "nothere.olb"}, 1, "no such file"},
    BadCase{{"library", "remove", "nothere.olb"}, 1, "not in the padstack library list"},
    BadCase{{"run", "d.design", "QFP48"}, 1, "there is no display"},
    BadCase{{"run", "d.design", "QFP48", "--script", "nothere.txt"}, 1, "cannot read the script nothere.txt"},
    BadCase{{"run", "d.design", "QFP48", "--script", "d.design"}, 1, "script d.design: line 1"},
    BadCase{{"run", "d.design", "QFP48", "--script", "."}, 1, "cannot read the script .: Is a directory"},
    BadCase{{"run", "d.design", "QFP48", "--script", "-", "--screen", "1024"}, 2, "not WIDTHxHEIGHT"},
    BadCase{{"run", "d.design", "QFP48", "--script", "-", "--screen", "10x768"}, 2, "screen width"},
    BadCase{{"run", "d.design"}, 2, "usage"},
    BadCase{{"run", "nothere.design", "QFP48", "--script", "-"}, 1, "nothere.design"},
    BadCase{{"show"}, 2, "usage"},
    BadCase{{"frobnicate"}, 2, "unknown command"}));

TEST_F(OrvexCliTest, LibraryListIsNewestFirstAndReAddMovesToTop) {
    ASSERT_EQ(Run({"library", "new", "a.olb", "--units", "mm"}).code, 0);
    ASSERT_EQ(Run({"library", "new", "b.olb"}).code, 0);
    ASSERT_EQ(Run({"library", "add", "a.olb"}).code, 0);
    ASSERT_EQ(Run({"library", "add", "b.olb"}).code, 0);
    const std::string a = (dir_ / "a.olb").string(), b = (dir_ / "b.olb").string();
    std::string ini = File("home/ORVEX.INI");
    EXPECT_NE(ini.find("[PADSTACK_LIB]\r\nb=" + b + "\r\na=" + a + "\r\n"), std::string::npos) << ini;
    ASSERT_EQ(Run({"library", "add", "a.olb"}).code, 0);
    ini = File("home/ORVEX.INI");
    EXPECT_NE(ini.find("[PADSTACK_LIB]\r\na=" + a + "\r\nb=" + b + "\r\n"), std::string::npos) << ini;
    EXPECT_EQ(ini.rfind("; Orvex settings", 0), 0u) << "the comment header stays";
    ASSERT_EQ(Run({"library", "remove", "a.olb"}).code, 0);
    ini = File("home/ORVEX.INI");
    EXPECT_EQ(ini.find("a.olb"), std::string::npos);
    EXPECT_NE(ini.find("b=" + b), std::string::npos);
}

// A library whose name or path an INI line cannot carry is refused, naming why, before the
// list is touched: "[x" would start a section and hide every line before it.
struct IniName {
    const char* file;
    const char* why;
};
class LibraryNameTest : public OrvexCliTest, public ::testing::WithParamInterface<IniName> {};

TEST_P(LibraryNameTest, IsRefusedAndTheListStays) {
    ASSERT_EQ(Run({"library", "new", "a.olb"}).code, 0);
    ASSERT_EQ(Run({"library", "add", "a.olb"}).code, 0);
    const std::string before = File("home/ORVEX.INI");
    ASSERT_EQ(Run({"library", "new", GetParam().file}).code, 0);
    const Outcome o = Run({"library", "add", GetParam().file});
    EXPECT_EQ(o.code, 1);
    EXPECT_TRUE(Has(o.err, "ORVEX.INI cannot list ")) << o.err;
    EXPECT_TRUE(Has(o.err, GetParam().why)) << o.err;
    EXPECT_EQ(File("home/ORVEX.INI"), before);
}

INSTANTIATE_TEST_SUITE_P(Characters, LibraryNameTest, ::testing::Values(
    IniName{"[x.olb", "its name starts with '['"}, IniName{";x.olb", "its name starts with ';'"},
    IniName{"#x.olb", "its name starts with '#'"}, IniName{"a=b.olb", "its name holds '='"},
    IniName{"x .olb", "it starts or ends with a blank"}, IniName{"two\nlines.olb", "it holds a line break"}));

// Lines past any fixed buffer are read and written back whole.
TEST_F(OrvexCliTest, ALongLibraryListIsKeptWhole) {
    std::string ini = "[PADSTACK_LIB]\r\n";
    for (int i = 0; i < 30000; ++i) ini += "lib" + std::to_string(i) + "=/libraries/" + std::string(30, 'x') + ".olb\r\n";
    std::filesystem::create_directories(dir_ / "home");
    Write("home/ORVEX.INI", ini);
    ASSERT_GT(ini.size(), size_t(1) << 20);
    ASSERT_EQ(Run({"library", "new", "a.olb"}).code, 0);
    ASSERT_EQ(Run({"library", "add", "a.olb"}).code, 0);
    EXPECT_EQ(File("home/ORVEX.INI"), "[PADSTACK_LIB]\r\na=" + (dir_ / "a.olb").string() + "\r\n" + ini.substr(16));
}

TEST_F(OrvexCliTest, PadstackGoesIntoALibraryToo) {
    ASSERT_EQ(Run({"library", "new", "a.olb"}).code, 0);
    ASSERT_EQ(Run({"padstack", "add", "a.olb", "SQ", "--shape", "square", "--width", "50", "--height",
                   "50"}).code, 0);
    const Outcome list = Run({"padstack", "list", "a.olb"});
    ASSERT_EQ(list.code, 0);
    EXPECT_EQ(list.out, "1 SQ  layer 1 shape 2 50.00 x 50.00 rot 0.00  drill 0.00\n");
}

// A rounded rectangle is a rectangle with the host's corner ratio; no paste is the host's too; a
// hole has no copper at all.
TEST_F(OrvexCliTest, HostPropertiesAreStoredAndListed) {
    ASSERT_EQ(Run({"new", "d.design", "--units", "mm"}).code, 0);
    for (const std::vector<std::string>& words :
         {std::vector<std::string>{"RR", "--shape", "roundrect", "--width", "1", "--height", "0.5"},
          {"SQ", "--shape", "square", "--width", "1", "--height", "1", "--corner-ratio", "0.1", "--no-paste",
           "--side", "bottom"},
          {"TP", "--shape", "round", "--width", "1", "--height", "1", "--no-paste"},
          {"MH", "--shape", "hole", "--drill", "3.05"}}) {
        std::vector<std::string> add{"padstack", "add", "d.design"};
        add.insert(add.end(), words.begin(), words.end());
        ASSERT_EQ(Run(add).code, 0) << words[0];
    }
    const Outcome list = Run({"padstack", "list", "d.design"});
    EXPECT_EQ(list.out,
              "1 RR  layer 1 shape 4 1.0000 x 0.5000 rot 0.00 corner 0.25  drill 0.0000\n"
              "2 SQ  layer 2 shape 2 1.0000 x 1.0000 rot 0.00 corner 0.1 no paste  drill 0.0000\n"
              "3 TP  layer 1 shape 1 1.0000 x 1.0000 rot 0.00 no paste  drill 0.0000\n"
              "4 MH  drill 3.0500\n");
    const Outcome show = Run({"show", "d.design", "--json"});
    EXPECT_NE(show.out.find("\"rotation\": 0, \"corner_ratio\": 0.10000000000000001, \"paste\": false}"),
              std::string::npos) << show.out;
}

TEST_F(OrvexCliTest, SecondOrvexOnTheSameDesignIsRefused) {
    ASSERT_EQ(Run({"new", "d.design"}).code, 0);
    const std::string before = File("d.design");
    auto held = zelmdb::DesignStore::Open((dir_ / "d.design").string(),
                                          zelmdb::DesignStore::Access::ReadWrite,
                                          zelmdb::DesignStore::Sharing::Exclusive);
    ASSERT_TRUE(held.ok());
    const Outcome o = Run({"padstack", "add", "d.design", "R", "--shape", "round", "--width", "1",
                           "--height", "1"});
    EXPECT_EQ(o.code, 1);
    EXPECT_NE(o.err.find("open in another orvex"), std::string::npos) << o.err;
    held.value().reset();
    EXPECT_EQ(File("d.design"), before);
    EXPECT_EQ(Run({"show", "d.design"}).code, 0);
}

TEST_F(OrvexCliTest, BigLabelsAndLayersReachTheDesignRecord) {
    ASSERT_EQ(Run({"new", "d.design", "--big-labels", "--layers", "20", "--resolution", "0.00001"}).code, 0);
    const Outcome show = Run({"show", "d.design", "--json"});
    EXPECT_NE(show.out.find("\"inches_per_unit\": 1.0000000000000001e-05, \"layers\": 20, \"big_labels\": 1"),
              std::string::npos) << show.out;
    EXPECT_NE(show.out.find("\"units\": \"mils\""), std::string::npos);
}

}  // namespace
