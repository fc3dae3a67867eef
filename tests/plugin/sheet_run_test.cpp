// The sheet with its six style pages in whole dialog runs: where the window-state file puts it,
// Help per page, the alphabet dialog opened from the sheet, and the picture of every page.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "array/shared_state.h"
#include "host/korlib/korlib.h"
#include "platform/framework/property_sheet.h"
#include "platform/win/controls.h"
#include "platform/win/win_api.h"
#include "res/resource.h"
#include "sheet/tessra_sheet.h"
#include "tests/plugin/dialog_run_fixture.h"
#include "tests/support/golden_picture.h"
#include "tests/support/script_line.h"

namespace {

const std::string kDefaultHeader =
    "#\r\n# Orvex Tessra Ini File\r\n#\r\n\r\n# Window states for Tessra dialog and Preview window\r\n";

class SheetRunTest : public DialogRunFixture {
protected:
    void SetUp() override {
        DialogRunFixture::SetUp();
        PutRoundPadstack("R60", 7620);
    }
    std::filesystem::path StateFile() const { return dir / "host" / "tessra.ini"; }
    std::string StateText() const {
        std::ifstream in(StateFile(), std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }
    // Opens the sheet and notes where it and its preview stand, and which page is in front.
    void ShowAndLook() {
        probe = [this] {
            const HWND s = SheetWindow();
            sheet = WindowRect(s);
            page = int(SendMessageA(GetDlgItem(s, AFX_IDC_TAB_CONTROL), TCM_GETCURSEL, 0, 0));
            preview = WindowRect(TopLevelWithCaption("Array Preview: QFP48"));
        };
        EXPECT_EQ(Show(ProbeLine() + "cancel\n"), 0) << error;
    }

    RECT sheet{}, preview{};
    int page = -1;
};

TEST_F(SheetRunTest, FirstRunMakesTheStateFileBesideTheModuleAndTheNextRunOpensWhereItWas) {
    ASSERT_FALSE(std::filesystem::exists(StateFile()));
    probe = [] { SetWindowPos(SheetWindow(), 0, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER); };
    EXPECT_EQ(Show("page 4\n" + ProbeLine() + "cancel\n"), 0) << error;
    const std::string text = StateText();
    ASSERT_EQ(text.substr(0, kDefaultHeader.size()), kDefaultHeader);
    EXPECT_NE(text.find("[WINDOW_STATES]\r\nScreenResolution=1024\r\nTessraDialogLeft=30\r\n"
                        "TessraDialogTop=40\r\nTessraActivePage=4\r\n"),
              std::string::npos)
        << text;
    ShowAndLook();
    EXPECT_EQ(sheet.left, 30);
    EXPECT_EQ(sheet.top, 40);
    EXPECT_EQ(page, 4);
}

struct SavedCase {
    const char* name;
    std::string section;
    bool placed;        // at the saved place, with the saved preview
    int page;
};

std::string Section(const std::string& screenKey, int screen, int left, int top, int page, int previewWidth) {
    return "[WINDOW_STATES]\r\n" + screenKey + "=" + std::to_string(screen) +
           "\r\nTessraDialogLeft=" + std::to_string(left) + "\r\nTessraDialogTop=" + std::to_string(top) +
           "\r\nTessraActivePage=" + std::to_string(page) +
           "\r\nPreviewWindowLeft=600\r\nPreviewWindowTop=50\r\nPreviewWindowWidth=" +
           std::to_string(previewWidth) + "\r\nPreviewWindowHeight=200\r\n";
}

// A left edge that wraps round to -20 in 32 bits, where it would pass for a usable place.
std::string LeftPast32Bits() {
    std::string section = Section("ScreenResolution", 1024, -20, -10, 3, 300);
    return section.replace(section.find("=-20"), 4, "=4294967276");
}

class SavedStateTest : public SheetRunTest, public ::testing::WithParamInterface<SavedCase> {};

TEST_P(SavedStateTest, IsTakenWholeOrNotAtAll) {
    const SavedCase& c = GetParam();
    std::ofstream(StateFile(), std::ios::binary) << kDefaultHeader << c.section;
    ShowAndLook();
    const int w = sheet.right - sheet.left, h = sheet.bottom - sheet.top;
    EXPECT_EQ(page, c.page);
    if (c.placed) {
        EXPECT_EQ(sheet.left, -20);
        EXPECT_EQ(sheet.top, -10);
        EXPECT_EQ(preview.left, 600);
        EXPECT_EQ(preview.top, 50);
        EXPECT_EQ(preview.right, 900);
        EXPECT_EQ(preview.bottom, 250);
    } else {
        EXPECT_EQ(sheet.left, (1024 - w) / 2);
        EXPECT_EQ(sheet.top, (768 - h) / 2);
        EXPECT_EQ(preview.left, sheet.left + w / 4);
        EXPECT_EQ(preview.bottom, sheet.bottom - h / 4);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SavedStateTest, ::testing::Values(
    SavedCase{"negative_positions", Section("ScreenResolution", 1024, -20, -10, 3, 300), true, 3},
    SavedCase{"page_beyond_the_sheet", Section("ScreenResolution", 1024, -20, -10, 6, 300), true, 0},
    SavedCase{"other_screen_width", Section("ScreenResolution", 1280, -20, -10, 3, 300), false, 0},
    SavedCase{"preview_width_zero", Section("ScreenResolution", 1024, -20, -10, 3, 0), false, 0},
    SavedCase{"key_in_other_case", Section("screenresolution", 1024, -20, -10, 3, 300), false, 0},
    SavedCase{"left_off_the_screen", Section("ScreenResolution", 1024, 1024, -10, 3, 300), false, 0},
    SavedCase{"left_past_32_bits", LeftPast32Bits(), false, 0},
    SavedCase{"empty_section", "[WINDOW_STATES]\r\n", false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

struct ShownHelp {
    int32_t topic;
    std::string title;
    std::string tabCaption;   // of the page in front when Help was pressed
};
std::vector<ShownHelp>& HelpShown() {
    static std::vector<ShownHelp> shown;
    return shown;
}

// At the seam between the pages and the host's help: each page's Help shows the topic that
// carries the page's own tab caption.
TEST_F(SheetRunTest, HelpShowsTheTopicOfThePageInFront) {
    HelpShown().clear();
    KorSetHelpOutput([](int32_t topic, const char* title) {
        HelpShown().push_back({topic, title, ActiveSheet->GetActivePage()->Caption()});
    });
    std::string script;
    for (int index = 0; index < 6; ++index)
        script += "page " + std::to_string(index) + "\n" + Act("click", IDC_HELP_BUTTON);
    EXPECT_EQ(Show(script + "cancel\n"), 0) << error;
    KorSetHelpOutput(nullptr);
    std::vector<int32_t> topics;
    for (const ShownHelp& help : HelpShown()) {
        topics.push_back(help.topic);
        EXPECT_EQ(help.title, help.tabCaption) << "topic " << help.topic;
    }
    EXPECT_EQ(topics, (std::vector<int32_t>{420, 421, 422, 417, 418, 419}));
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

TEST_F(SheetRunTest, UncheckingAInTheAlphabetDialogNamesTheGridsFirstRowB) {
    std::vector<std::string> names;
    probe = [&] {
        for (const PadSite& site : CurrentPadList->Sites()) names.push_back(site.Name);
    };
    // 267 is the box of "&A".
    EXPECT_EQ(Show("page 5\n" + Act("set", IDC_NUMBER_P, "3") + Act("click", IDC_ARRAY_ALPHABET) +
                   Act("click", IDC_LETTER_A) + "ok\n" + ProbeLine() + "cancel\n"), 0) << error;
    EXPECT_EQ(names, (std::vector<std::string>{"B1", "B2", "B3"}));
}

class PagePictureTest : public SheetRunTest, public ::testing::WithParamInterface<int> {};

TEST_P(PagePictureTest, LooksAsItDid) {
    const std::string name = "sheet/page" + std::to_string(GetParam()) + ".png";
    EXPECT_EQ(Show("page " + std::to_string(GetParam()) + "\nshot sheet " + PictureOutPath(name).string() +
                   "\ncancel\n"),
              0)
        << error;
    ExpectSameAsGolden(name);
}

INSTANTIATE_TEST_SUITE_P(Pages, PagePictureTest, ::testing::Range(0, 6));

}  // namespace
