// The Select Padstack dialog opened from a page in whole dialog runs: caption, what OK and
// Cancel store, the values shown, and the library copies it makes and deletes.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/design_store.h"
#include "host/zelmdb/host_environment.h"
#include "host/zelmdb/zelmdb.h"
#include "platform/win/profile.h"
#include "platform/win/win_api.h"
#include "res/resource.h"
#include "tests/plugin/dialog_run_fixture.h"
#include "tests/support/script_line.h"
#include "tests/support/store_records.h"

namespace {

using zelmdb::LayerGeometry;

class SelectPadstackRunTest : public DialogRunFixture {
protected:
    void SetUp() override {
        DialogRunFixture::SetUp();
        PutPad(Design(), "R60", LayerGeometry{3810, 3810, 3810, 3810, zelmdb::PadShape::Round, 0});
        PutPad(Design(), "S40", LayerGeometry{2540, 2540, 2540, 2540, zelmdb::PadShape::Square, 5430});
    }
    static zelmdb::DesignStore& Design() { return *zelmdb::DatabaseSet::Get().Design(); }
    static void PutPad(zelmdb::DesignStore& store, const std::string& name, LayerGeometry top,
                       LayerGeometry bottom = {}) {
        zelmdb::Padstack pad;
        pad.layers.resize(14);
        pad.layers[0] = top;
        pad.layers[1] = bottom;
        StoreNewPadstack(store, pad, name);
    }
    // A library file with one top padstack, listed in the host's settings file.
    void ListLibrary(const std::string& padName) {
        zelmdb::DesignInfo info;
        info.kind = zelmdb::FileKind::Library;
        const std::string file = Path("lib.olb").string();
        auto created = zelmdb::DesignStore::Create(file, info);
        ASSERT_TRUE(created.ok()) << created.error();
        PutPad(*created.value(), padName, LayerGeometry{1000, 1000, 1000, 1000, zelmdb::PadShape::Square, 0});
        std::ofstream(Path("host") / "ORVEX.INI") << "[PADSTACK_LIB]\r\nlib=" << file << "\r\n";
    }
    std::string ActiveCaption() const { return WindowCaption(GetActiveWindow()); }
};

struct CaptionCase {
    int button;
    const char* caption;
};

void PrintTo(const CaptionCase& c, std::ostream* out) { *out << c.button; }

class SelectPadstackCaptionTest : public SelectPadstackRunTest,
                                  public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(SelectPadstackCaptionTest, CaptionNamesThePadBeingChosen) {
    std::string caption;
    probe = [&] { caption = ActiveCaption(); };
    EXPECT_EQ(Show("click " + std::to_string(GetParam().button) + "\n" + ProbeLine() + "cancel\ncancel\n"), 0)
        << error;
    EXPECT_EQ(caption, GetParam().caption);
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectPadstackCaptionTest,
                         ::testing::Values(CaptionCase{IDC_SELECT_DEFAULT_PADSTACK, "Select Padstack - Default Pad"},
                                           CaptionCase{IDC_SELECT_PIN1_PADSTACK, "Select Padstack - Pin 1 Pad"}));

struct ChoiceCase {
    int button;
    const char* defaultName;
    const char* pin1Name;
};

void PrintTo(const ChoiceCase& c, std::ostream* out) { *out << c.button; }

class SelectPadstackChoiceTest : public SelectPadstackRunTest,
                                 public ::testing::WithParamInterface<ChoiceCase> {};

// The default pad also becomes pin 1; pin 1 alone leaves the default.
TEST_P(SelectPadstackChoiceTest, OkStoresTheChosenNames) {
    const std::string script = Act("click", GetParam().button) + Act("select", IDC_PADSTACK_LIST, "S40") + "ok\n" +
                               Act("expect", IDC_DEFAULT_PADSTACK_NAME, GetParam().defaultName) +
                               Act("expect", IDC_PIN1_PADSTACK_NAME, GetParam().pin1Name) + "cancel\n";
    EXPECT_EQ(Show(script), 0);
    EXPECT_EQ(error, "");
}

INSTANTIATE_TEST_SUITE_P(Buttons, SelectPadstackChoiceTest,
                         ::testing::Values(ChoiceCase{IDC_SELECT_DEFAULT_PADSTACK, "S40", "S40"},
                                           ChoiceCase{IDC_SELECT_PIN1_PADSTACK, "R60", "S40"}));

TEST_F(SelectPadstackRunTest, ValuesOfTheShownPadstack) {
    const std::string script = Act("click", IDC_SELECT_DEFAULT_PADSTACK) + Act("select", IDC_PADSTACK_LIST, "S40") +
                               Act("expect", IDC_HEIGHT_VALUE, BaseToStr(5080)) +
                               Act("expect", IDC_ROTATION_VALUE, "90 30'") +
                               Act("expect", IDC_SIDE_UNIT_LINE, "Top -  (mils)") + "cancel\ncancel\n";
    Show(script);
    EXPECT_EQ(error, "");
}

struct CopyCase {
    std::string script;   // after the library padstack LIB1 has been shown
    bool kept;
};

void PrintTo(const CopyCase& c, std::ostream* out) { *out << (c.kept ? "kept" : "deleted"); }

class SelectPadstackCopyTest : public SelectPadstackRunTest, public ::testing::WithParamInterface<CopyCase> {};

// A library padstack is in the design only while it is shown, unless OK takes it.
TEST_P(SelectPadstackCopyTest, LibraryCopyIsKeptOnlyByOk) {
    ListLibrary("LIB1");
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("select", IDC_PADSTACK_LIST, "LIB1") + GetParam().script +
         "cancel\n");
    EXPECT_EQ(error, "");
    EXPECT_EQ(ThruFind("LIB1") > 0, GetParam().kept);
}

INSTANTIATE_TEST_SUITE_P(Ends, SelectPadstackCopyTest,
                         ::testing::Values(CopyCase{"ok\n" + Act("expect", IDC_PIN1_PADSTACK_NAME, "LIB1"), true},
                                           CopyCase{"cancel\n", false},
                                           CopyCase{Act("select", IDC_PADSTACK_LIST, "R60") + "ok\n", false}));

TEST_F(SelectPadstackRunTest, CancelLeavesTheDesignsPadstacksAsTheyWere) {
    ListLibrary("LIB1");
    const int16_t before[] = {ThruFind("R60"), ThruFind("S40"), ThruFind("LIB1")};
    Show(Act("click", IDC_SELECT_DEFAULT_PADSTACK) + Act("select", IDC_PADSTACK_LIST, "LIB1") +
         Act("select", IDC_PADSTACK_LIST, "S40") + Act("select", IDC_PADSTACK_LIST, "LIB1") + "cancel\ncancel\n");
    EXPECT_EQ(error, "");
    const int16_t after[] = {ThruFind("R60"), ThruFind("S40"), ThruFind("LIB1")};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(after[i], before[i]) << i;
}

TEST_F(SelectPadstackRunTest, OkWithoutAnyPadstackAsksForALibrary) {
    zelmdb::DatabaseSet::Get().CloseAll();
    AttachDesign(1);
    Show(Act("click", IDC_SELECT_DEFAULT_PADSTACK) + "ok\n" + Act("expect", IDC_HEIGHT_VALUE, "- - - - - -") +
         "cancel\ncancel\n");
    EXPECT_EQ(error, "");
    bool asked = false;
    for (const auto& box : ShownMessageBoxes())
        asked = asked || box.Text == "Please add a padstack library and\nselect a padstack or click Cancel";
    EXPECT_TRUE(asked);
}


// The library lines of the host's settings file, in order.
std::vector<std::string> LibraryLines(const std::filesystem::path& ini) {
    std::vector<char> block(1 << 16);
    const DWORD n = GetPrivateProfileSectionA("PADSTACK_LIB", block.data(), DWORD(block.size()), ini.string().c_str());
    std::vector<std::string> lines;
    for (const char* at = block.data(); at < block.data() + n && *at != '\0'; at += std::strlen(at) + 1)
        lines.emplace_back(at);
    return lines;
}

std::string Upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

class SelectPadstackLibraryTest : public SelectPadstackRunTest {
protected:
    std::filesystem::path Ini() const { return Path("host") / "ORVEX.INI"; }
    // A real library file in a folder of its own, as "Add..." would pick it.
    std::string MakeLibrary(const std::string& folder, const std::string& padName) {
        std::filesystem::create_directories(Path(folder));
        const std::string file = (Path(folder) / "smd.olb").string();
        zelmdb::DesignInfo info;
        info.kind = zelmdb::FileKind::Library;
        auto created = zelmdb::DesignStore::Create(file, info);
        EXPECT_TRUE(created.ok()) << created.error();
        if (created.ok()) PutPad(*created.value(), padName, LayerGeometry{1000, 1000, 1000, 1000, zelmdb::PadShape::Square, 0});
        return file;
    }
    void WriteIni(const std::vector<std::string>& lines) {
        std::ofstream out(Ini());
        out << "[PADSTACK_LIB]\r\n";
        for (const auto& line : lines) out << line << "\r\n";
    }
    bool Asked(const char* text) const {
        for (const auto& box : ShownMessageBoxes())
            if (box.Text == text) return true;
        return false;
    }
};

struct AddCase {
    const char* name;
    bool sameFolder;   // the listed line names the same file in other letter case
    const char* answer;
    int linesAfter;    // 0: the file is left as it was
};

void PrintTo(const AddCase& c, std::ostream* out) { *out << c.name; }

class SelectPadstackAddTest : public SelectPadstackLibraryTest, public ::testing::WithParamInterface<AddCase> {};

TEST_P(SelectPadstackAddTest, SameKeyAndFileAsksBeforeReplacing) {
    const std::string file = MakeLibrary("lib", "LIB1");
    const std::string listed = GetParam().sameFolder ? Upper(file) : Path("elsewhere/smd.olb").string();
    WriteIni({"smd=" + listed, "other=" + Path("other.olb").string()});
    const std::vector<std::string> before = LibraryLines(Ini());
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + "answer " + std::string(GetParam().answer) + "\nfile " + file + "\n" +
         Act("click", IDC_ADD_LIBRARY) + "cancel\ncancel\n");
    EXPECT_EQ(error, "");
    EXPECT_EQ(Asked("Replace existing entry with new entry?"), GetParam().sameFolder);
    const std::vector<std::string> after = LibraryLines(Ini());
    if (GetParam().linesAfter == 0) {
        EXPECT_EQ(after, before);
        return;
    }
    ASSERT_EQ(int(after.size()), GetParam().linesAfter);
    EXPECT_EQ(after.front(), "smd=" + file);
    EXPECT_EQ(after.back(), before.back());
    if (!GetParam().sameFolder) { EXPECT_EQ(after[1], before[0]); }
}

INSTANTIATE_TEST_SUITE_P(Lines, SelectPadstackAddTest,
                         ::testing::Values(AddCase{"replace_yes", true, "yes", 2},
                                           AddCase{"replace_no", true, "no", 0},
                                           AddCase{"other_folder", false, "yes", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SelectPadstackLibraryTest, RemoveTakesOutTheSelectedLineOnly) {
    const std::string file = MakeLibrary("lib", "LIB1");
    WriteIni({"smd=" + file, "other=" + Path("other.olb").string()});
    const std::vector<std::string> before = LibraryLines(Ini());
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("click", IDC_REMOVE_LIBRARY) + "cancel\ncancel\n");
    EXPECT_EQ(LibraryLines(Ini()), before);
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("select", IDC_LIBRARY_LIST, "smd") +
         Act("click", IDC_REMOVE_LIBRARY) + "cancel\ncancel\n");
    EXPECT_EQ(error, "");
    EXPECT_EQ(LibraryLines(Ini()), std::vector<std::string>{before.back()});
}

// The refilled list goes back to the page's padstack, and the shown library copy is gone.
TEST_F(SelectPadstackLibraryTest, RefillSelectsThePagesPadstackAgain) {
    const std::string file = MakeLibrary("lib", "LIB1");
    WriteIni({"smd=" + file});
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("select", IDC_PADSTACK_LIST, "LIB1") +
         Act("expect", IDC_PADSTACK_LIST, "LIB1") + Act("click", IDC_REMOVE_LIBRARY) +
         Act("expect", IDC_PADSTACK_LIST, "R60") + "cancel\ncancel\n");
    EXPECT_EQ(error, "");
    EXPECT_LE(ThruFind("LIB1"), 0);
}

TEST_F(SelectPadstackLibraryTest, WithoutHostFolderNothingIsWritten) {
    const std::string file = MakeLibrary("lib", "LIB1");
    WriteIni({"smd=" + file});
    zelmdb::HostEnvironment::Get().SetHostFolder("");
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("click", IDC_REMOVE_LIBRARY) + "file " + file + "\n" +
         Act("click", IDC_ADD_LIBRARY) + "cancel\ncancel\n");
    zelmdb::HostEnvironment::Get().SetHostFolder(HostFolder());
    EXPECT_EQ(error, "");
    EXPECT_TRUE(Asked("Padstack library was not added"));
    EXPECT_EQ(LibraryLines(Ini()), std::vector<std::string>{"smd=" + file});
}

// A name in the design and in a library is listed twice, and both show the design's padstack.
TEST_F(SelectPadstackLibraryTest, DesignNameInALibraryShowsTheDesignsPadstack) {
    ListLibrary("S40");
    const std::string values = Act("expect", IDC_HEIGHT_VALUE, BaseToStr(5080)) +
                               Act("expect", IDC_ROTATION_VALUE, "90 30'");
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("select", IDC_PADSTACK_LIST, "S40") + values +
         Act("select", IDC_PADSTACK_LIST, "#2") + Act("expect", IDC_PADSTACK_LIST, "S40") + values +
         "cancel\ncancel\n");
    EXPECT_EQ(error, "");
}

// A pin-1 padstack picked from a library ends up under pin 1 of the stored footprint.
TEST_F(SelectPadstackLibraryTest, LibraryPadstackBecomesTheStoredPin1) {
    ListLibrary("LIB1");
    Show(Act("click", IDC_SELECT_PIN1_PADSTACK) + Act("select", IDC_PADSTACK_LIST, "LIB1") + "ok\nok\n");
    EXPECT_EQ(error, "");
    const int16_t lib = ThruFind("LIB1");
    ASSERT_GT(lib, 0);
    const auto symbols = Design().Symbols();
    ASSERT_EQ(symbols.size(), 1u);
    ASSERT_FALSE(symbols[0].pins.empty());
    EXPECT_EQ(symbols[0].pins.front().padstack, lib);
    for (size_t i = 1; i < symbols[0].pins.size(); ++i) EXPECT_NE(symbols[0].pins[i].padstack, lib) << i;
}

}  // namespace
