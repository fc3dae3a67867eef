// Every caption of every dialog the plug-in shows fits its control in the dialog font: push
// buttons with room inside their bevel, check boxes and radio buttons beside their mark, labels
// within their lines. The sheet's added buttons are as wide as OK.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/win/controls.h"
#include "platform/win/win_api.h"
#include "res/resource.h"
#include "tests/plugin/dialog_run_fixture.h"

namespace {

constexpr int kBevel = 3;        // a push button's edges and the text's least margin, each side
constexpr int kMarkRoom = 17;    // a check box's or radio button's mark and the gap after it

std::string ClassOf(HWND h) {
    char name[32] = {};
    GetClassNameA(h, name, sizeof name);
    return name;
}

// The text's extent in the control's font: one line, or wrapped to `width`.
SIZE Extent(HWND control, const std::string& text, int width, bool wrap) {
    const HDC dc = CreateCompatibleDC(0);
    const HGDIOBJ old = SelectObject(dc, HGDIOBJ(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, 0};
    DrawTextA(dc, text.c_str(), int(text.size()), &r, DT_CALCRECT | (wrap ? DT_WORDBREAK : DT_SINGLELINE));
    SelectObject(dc, old);
    DeleteDC(dc);
    return {r.right, r.bottom};
}

// What does not fit, one line per control, for the controls of `parent` and its pages.
void Overflows(HWND parent, std::vector<std::string>& out) {
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (GetWindowLongPtrA(c, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) Overflows(c, out);
        char text[256] = {};
        GetWindowTextA(c, text, sizeof text);
        const std::string caption = text;
        const DWORD style = DWORD(GetWindowLongPtrA(c, GWL_STYLE));
        if (caption.empty() || !(style & WS_VISIBLE)) continue;
        RECT r{};
        GetClientRect(c, &r);
        const std::string kind = ClassOf(c);
        const DWORD type = style & BS_TYPEMASK;
        bool fits = true;
        if (kind == WC_BUTTON && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON))
            fits = Extent(c, caption, r.right, false).cx <= r.right - 2 * kBevel;
        else if (kind == WC_BUTTON && type != BS_GROUPBOX)
            fits = Extent(c, caption, r.right, false).cx <= r.right - kMarkRoom;
        else if (kind == WC_STATIC)
            fits = Extent(c, caption, r.right, true).cy <= r.bottom;
        if (!fits) out.push_back(WindowCaption(parent) + ": \"" + caption + "\" in " + std::to_string(r.right) + "x" +
                                 std::to_string(r.bottom));
    }
}

class CaptionFitTest : public DialogRunFixture {};

TEST_F(CaptionFitTest, EveryCaptionOfEveryDialogFitsItsControl) {
    PutRoundPadstack("R60", 7620);
    std::vector<std::string> overflows;
    probe = [&] { Overflows(GetModalWindow(), overflows); };
    std::string script;
    for (int page = 0; page < 6; ++page) script += "page " + std::to_string(page) + "\n" + ProbeLine();
    script += "click " + std::to_string(IDC_ARRAY_ALPHABET) + "\n" + ProbeLine() + "cancel\n";
    script += "click " + std::to_string(IDC_SELECT_DEFAULT_PADSTACK) + "\n" + ProbeLine() + "cancel\ncancel\n";
    EXPECT_EQ(Show(script), 0) << error;
    EXPECT_EQ(probes, 8);
    EXPECT_TRUE(overflows.empty()) << ::testing::PrintToString(overflows);
}

}  // namespace
