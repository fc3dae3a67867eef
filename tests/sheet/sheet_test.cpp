// The sheet as a person meets it, with small pages of its own in place of the style pages:
// where it opens, its row of buttons, the preview beside it, the Enter key and the style
// sample that the Style Sample button toggles.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "array/shared_state.h"
#include "platform/framework/data_exchange.h"
#include "platform/framework/module_state.h"
#include "platform/framework/property_sheet.h"
#include "platform/gdi/gdi.h"
#include "platform/win/controls.h"
#include "platform/win/message_box.h"
#include "platform/win/win_api.h"
#include "preview/array_preview_wnd.h"
#include "preview/style_sample_wnd.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "sheet/tessra_sheet.h"
#include "tests/sheet/sheet_run_fixture.h"
#include "tests/support/script_line.h"

namespace {

constexpr int kTestPage = 9001;

void AddTestPageTemplate() {
    DialogTemplate page;
    page.id = kTestPage;
    page.caption = "Test Page";
    page.style = WS_CHILD;
    page.cx = 220;
    page.cy = 120;
    page.items = {{WC_STATIC, "Number (p):", -1, WS_VISIBLE, 0, 8, 10, 50, 8},
                  {WC_EDIT, "", IDC_NUMBER_P, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 62, 8, 40, 12}};
    AfxGetModuleState()->resources.AddDialog(page);
}

// A page with one number, so a test can see whether Enter reached it or closed the sheet.
class NumberPage : public CPropertyPage {
public:
    explicit NumberPage(int index) : CPropertyPage(kTestPage), m_title("Page " + std::to_string(index)) {
        m_psp.dwFlags |= PSP_USETITLE | PSP_HASHELP;
        m_psp.pszTitle = m_title.c_str();
    }
    void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_NUMBER_P, number); }
    int number = 2;

private:
    std::string m_title;
};

class SheetTest : public SheetRunFixture {
protected:
    static void SetUpTestSuite() {
        SheetRunFixture::SetUpTestSuite();
        AddTestPageTemplate();
        AddStringTable(AfxGetModuleState()->resources);   // the preview's caption and the state keys
    }
    void SetUp() override {
        SheetRunFixture::SetUp();
        FootprintName = "QFP48";
        SampleWindowShown = 0;
    }
    intptr_t Show(const std::string& script) {
        CTessraSheet sheet("Tessra Generator: QFP48 - [Units: Mils]", nullptr, 0,
                           [](int index) { return std::make_unique<NumberPage>(index); });
        for (CPropertyPage* extra : extraPages) sheet.AddPage(extra);
        return Drive(script, [&sheet] { return sheet.DoModal(); });
    }
    static RECT ClientRectOf(HWND sheet, int id) {
        RECT r = WindowRect(GetDlgItem(sheet, id));
        POINT a{r.left, r.top}, b{r.right, r.bottom};
        ScreenToClient(sheet, &a);
        ScreenToClient(sheet, &b);
        return {a.x, a.y, b.x, b.y};
    }

    std::vector<CPropertyPage*> extraPages;
};

TEST_F(SheetTest, FirstOpeningCentresTheSheetOnPageZeroWithThePreviewOverItsMiddle) {
    RECT sheet{}, preview{};
    int page = -1;
    HWND previewOwner = 0;
    probe = [&] {
        const HWND s = SheetWindow();
        sheet = WindowRect(s);
        page = int(SendMessageA(GetDlgItem(s, AFX_IDC_TAB_CONTROL), TCM_GETCURSEL, 0, 0));
        const HWND p = TopLevelWithCaption("Array Preview: QFP48");
        preview = WindowRect(p);
        previewOwner = GetWindow(p, GW_OWNER);
    };
    EXPECT_EQ(Show(ProbeLine() + "cancel\n"), IDCANCEL) << error;
    const int w = sheet.right - sheet.left, h = sheet.bottom - sheet.top;
    EXPECT_EQ(sheet.left, (1024 - w) / 2);
    EXPECT_EQ(sheet.top, (768 - h) / 2);
    EXPECT_EQ(page, 0);
    EXPECT_NE(previewOwner, 0u);
    EXPECT_EQ(preview.left, sheet.left + w / 4);
    EXPECT_EQ(preview.right, sheet.right - w / 4);
    EXPECT_EQ(preview.top, sheet.top + h / 4);
    EXPECT_EQ(preview.bottom, sheet.bottom - h / 4);
}

TEST_F(SheetTest, PreviewIsAResizableCaptionedWindowOnBlackOwnedByTheSheet) {
    DWORD style = 0;
    UINT classStyle = 0;
    HBRUSH background = 0;
    HWND owner = 0, sheet = 0;
    probe = [&] {
        sheet = SheetWindow();
        const HWND p = PreviewWindow ? PreviewWindow->GetSafeHwnd() : 0;
        style = DWORD(GetWindowLongPtrA(p, GWL_STYLE));
        classStyle = GetClassStyle(p);
        background = GetClassBackground(p);
        owner = GetWindow(p, GW_OWNER);
    };
    Show(ProbeLine() + "cancel\n");
    EXPECT_EQ(owner, sheet);
    EXPECT_EQ(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE),
              WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE);
    EXPECT_EQ(style & (WS_SYSMENU | WS_CHILD | WS_POPUP), 0u);
    EXPECT_EQ(classStyle & (CS_HREDRAW | CS_VREDRAW), CS_HREDRAW | CS_VREDRAW);
    EXPECT_EQ(background, HBRUSH(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(PreviewWindow, nullptr) << "the sheet deletes its preview object";
}

TEST_F(SheetTest, ButtonRowIsCentredEvenlySpacedAndInItsOrder) {
    const std::vector<int> order{IDC_OK, IDC_CANCEL, IDC_STYLE_SAMPLE, IDC_ARRAY_ALPHABET, IDC_HELP_BUTTON};
    std::vector<RECT> rects;
    RECT client{};
    std::string sampleText, alphabetText;
    bool sameFont = false, applyShown = true, helpShown = false;
    DWORD sampleStyle = 0;
    probe = [&] {
        const HWND s = SheetWindow();
        for (int id : order) rects.push_back(ClientRectOf(s, id));
        GetClientRect(s, &client);
        sampleText = WindowCaption(GetDlgItem(s, IDC_STYLE_SAMPLE));
        alphabetText = WindowCaption(GetDlgItem(s, IDC_ARRAY_ALPHABET));
        const LRESULT font = SendMessageA(s, WM_GETFONT, 0, 0);
        sameFont = font != 0 && SendMessageA(GetDlgItem(s, IDC_STYLE_SAMPLE), WM_GETFONT, 0, 0) == font &&
                   SendMessageA(GetDlgItem(s, IDC_ARRAY_ALPHABET), WM_GETFONT, 0, 0) == font;
        sampleStyle = DWORD(GetWindowLongPtrA(GetDlgItem(s, IDC_STYLE_SAMPLE), GWL_STYLE));
        applyShown = IsWindowVisible(GetDlgItem(s, ID_APPLY_NOW));
        helpShown = IsWindowVisible(GetDlgItem(s, IDC_HELP_BUTTON));
    };
    Show(ProbeLine() + "cancel\n");
    ASSERT_EQ(rects.size(), order.size());
    const int width = rects[0].right - rects[0].left, step = rects[1].left - rects[0].left;
    EXPECT_GT(step, width) << "a gap between the buttons";
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_EQ(rects[i].top, rects[0].top) << "button " << order[i];
        EXPECT_EQ(rects[i].right - rects[i].left, width) << "button " << order[i];
        EXPECT_EQ(rects[i].left, rects[0].left + int(i) * step) << "button " << order[i];
    }
    const int leftMargin = rects.front().left - client.left, rightMargin = client.right - rects.back().right;
    EXPECT_LE(std::abs(leftMargin - rightMargin), 1);
    EXPECT_EQ(sampleText, "Style Sample");
    EXPECT_EQ(alphabetText, "Array Alphabet");
    EXPECT_TRUE(sameFont);
    EXPECT_EQ(sampleStyle & (WS_TABSTOP | WS_VISIBLE | BS_DEFPUSHBUTTON), WS_TABSTOP | WS_VISIBLE | BS_DEFPUSHBUTTON);
    EXPECT_FALSE(applyShown);
    EXPECT_TRUE(helpShown);
}

TEST_F(SheetTest, EnterNeitherClosesTheSheetNorReachesTheField) {
    bool upAfterEnter = false;
    probe = [&] { upAfterEnter = SheetWindow() != 0; };
    EXPECT_EQ(Show(Act("clear", IDC_NUMBER_P) + Act("type", IDC_NUMBER_P, "7") + "key enter\n" + ProbeLine() +
                   Act("expect", IDC_NUMBER_P, "7") + "key enter\ncancel\n"),
              IDCANCEL) << error;
    EXPECT_TRUE(upAfterEnter);
    EXPECT_EQ(error, "");
}

TEST_F(SheetTest, EscapeStillCancels) {
    EXPECT_EQ(Show(Act("focus", IDC_NUMBER_P) + "key escape\n"), IDCANCEL) << error;
    EXPECT_TRUE(notes.empty()) << "the sheet closed by itself, not at the script's end";
}

struct SampleCase {
    int page;
    const char* title;
};
class StyleSampleTest : public SheetTest, public ::testing::WithParamInterface<SampleCase> {};

TEST_P(StyleSampleTest, TogglesAndIsTitledForThePageInFront) {
    std::string title;
    RECT rect{};
    HWND owner = 0, sheet = 0;
    int32_t shownWhileOpen = 0, shownAfterClose = 1;
    bool goneAfterClose = false;
    int step = 0;
    probe = [&] {
        const HWND w = StyleSampleWindow.GetSafeHwnd();
        if (step++ == 0) {
            sheet = SheetWindow();
            title = WindowCaption(w);
            rect = WindowRect(w);
            owner = GetWindow(w, GW_OWNER);
            shownWhileOpen = SampleWindowShown;
        } else {
            goneAfterClose = w == 0;
            shownAfterClose = SampleWindowShown;
        }
    };
    const std::string script = "page " + std::to_string(GetParam().page) + "\n" + Act("click", IDC_STYLE_SAMPLE) +
                               ProbeLine() + Act("click", IDC_STYLE_SAMPLE) + ProbeLine() + "cancel\n";
    EXPECT_EQ(Show(script), IDCANCEL) << error;
    EXPECT_EQ(title, GetParam().title);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 300);
    EXPECT_EQ(rect.bottom, 250);
    EXPECT_EQ(owner, sheet);
    EXPECT_NE(shownWhileOpen, 0);
    EXPECT_TRUE(goneAfterClose);
    EXPECT_EQ(shownAfterClose, 0);
    EXPECT_TRUE(ShownMessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Pages, StyleSampleTest, ::testing::Values(
    SampleCase{0, "Dual/Quad InLine Style Sample"}, SampleCase{1, "Connector Stagger X Style Sample"},
    SampleCase{2, "Connector Stagger Y Style Sample"}, SampleCase{3, "QFP/CC Style Sample"},
    SampleCase{4, "Circular Style Sample"}, SampleCase{5, "Grid Array Style Sample"}),
    [](const auto& info) { return "page" + std::to_string(info.param.page); });

TEST_F(SheetTest, SampleWindowGoesWithTheSheet) {
    Show(Act("click", IDC_STYLE_SAMPLE) + "cancel\n");
    EXPECT_EQ(StyleSampleWindow.GetSafeHwnd(), 0u);
}

TEST_F(SheetTest, PageBeyondTheTableGivesInvalidPageIndexAndAnUntitledSample) {
    NumberPage seventh(6);
    extraPages = {&seventh};
    std::string title = "?";
    probe = [&] { title = WindowCaption(StyleSampleWindow.GetSafeHwnd()); };
    EXPECT_EQ(Show("page 6\n" + Act("click", IDC_STYLE_SAMPLE) + ProbeLine() + "cancel\n"), IDCANCEL) << error;
    ASSERT_EQ(ShownMessageBoxes().size(), 1u);
    EXPECT_EQ(ShownMessageBoxes()[0].Caption, "Error");
    EXPECT_EQ(ShownMessageBoxes()[0].Text, "Invalid Page Index");
    EXPECT_EQ(ShownMessageBoxes()[0].Type & MB_TYPEMASK, MB_OK);
    EXPECT_EQ(title, "");
}

}  // namespace
