// Message boxes answered as a person would: Enter, Escape, a click on a button, or nothing.
#include "tests/platform/ui/ui_fixture.h"

#include <functional>

#include "platform/gdi/window_surfaces.h"
#include "platform/win/message_box.h"
#include "platform/win/window_manager.h"
#include "tests/support/golden_picture.h"

namespace {

enum class Act { Enter, Escape, ClickSecond, TabThenEnter, Nothing };

struct BoxCase {
    UINT type;
    Act act;
    int answer;
};

class MessageBoxTest : public UiTest, public ::testing::WithParamInterface<BoxCase> {
protected:
    void TearDown() override {
        WindowManager::Instance().SetInputSource(nullptr);
        UiTest::TearDown();
    }
    // Acts once, on the first time the box's loop runs dry, like a person at the keyboard.
    void PlanInput(Act act) {
        WindowManager::Instance().SetInputSource([this, act]() mutable {
            const HWND box = GetModalWindow();
            if (!box || acted) return false;
            acted = true;
            seenBox = box;
            ownerEnabledDuring = IsWindowEnabled(parent);
            const HWND focus = GetFocus();
            switch (act) {
            case Act::Enter: PostMessageA(focus, WM_KEYDOWN, VK_RETURN, 0); break;
            case Act::Escape: PostMessageA(focus, WM_KEYDOWN, VK_ESCAPE, 0); break;
            case Act::ClickSecond: {
                const HWND second = GetWindow(GetWindow(box, GW_CHILD), GW_HWNDNEXT);
                PostMessageA(second, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
                PostMessageA(second, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
                break;
            }
            case Act::TabThenEnter:
                PostMessageA(focus, WM_KEYDOWN, VK_TAB, 0);
                PostMessageA(box, WM_KEYDOWN, VK_RETURN, 0);
                break;
            case Act::Nothing: return false;
            }
            return true;
        });
    }
    bool acted = false;
    bool ownerEnabledDuring = true;
    HWND seenBox = 0;
};

TEST_P(MessageBoxTest, Answers) {
    PlanInput(GetParam().act);
    SetFocus(parent);
    EXPECT_EQ(MessageBoxA(parent, "Pad count is out of range.", "Tessra", GetParam().type), GetParam().answer);
    if (GetParam().act != Act::Nothing) {
        EXPECT_FALSE(ownerEnabledDuring);
        EXPECT_FALSE(IsWindow(seenBox));
    }
    EXPECT_TRUE(IsWindowEnabled(parent));
    EXPECT_EQ(GetFocus(), parent);
    EXPECT_EQ(GetModalWindow(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Table, MessageBoxTest, ::testing::Values(
    BoxCase{MB_OK, Act::Enter, IDOK},
    BoxCase{MB_OK, Act::Escape, IDOK},
    BoxCase{MB_OKCANCEL, Act::Enter, IDOK},
    BoxCase{MB_OKCANCEL, Act::Escape, IDCANCEL},
    BoxCase{MB_OKCANCEL | MB_DEFBUTTON2, Act::Enter, IDCANCEL},
    BoxCase{MB_OKCANCEL, Act::ClickSecond, IDCANCEL},
    BoxCase{MB_YESNO, Act::Escape, IDNO},
    BoxCase{MB_YESNO, Act::TabThenEnter, IDNO},   // Enter presses the focused button
    BoxCase{MB_YESNO | MB_DEFBUTTON2, Act::Nothing, IDNO},
    BoxCase{MB_OKCANCEL, Act::Nothing, IDOK}));

using MessageBoxLayoutTest = MessageBoxTest;

TEST_F(MessageBoxLayoutTest, CentredOverItsOwnerWithTheDefaultButtonMarked) {
    SetWindowPos(parent, 0, 300, 300, 300, 220, SWP_NOZORDER);
    RECT owner, box;
    GetWindowRect(parent, &owner);
    WindowManager::Instance().SetInputSource([&]() {
        const HWND b = GetModalWindow();
        if (!b || acted) return false;
        acted = true;
        GetWindowRect(b, &box);
        const HWND no = GetDlgItem(b, IDNO);
        EXPECT_EQ(SendMessageA(no, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
        EXPECT_EQ(GetFocus(), no);
        Pump();
        WindowSurfaces& surfaces = WindowSurfaces::Install();
        EXPECT_TRUE(MatchesGolden(surfaces.Capture(b), "ui/message_box_question.png"));
        return false;
    });
    MessageBoxA(parent, "Replace the footprint that is already in the design?", "Tessra",
                MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2);
    ASSERT_TRUE(acted);
    EXPECT_NEAR((box.left + box.right) / 2, (owner.left + owner.right) / 2, 1);
    EXPECT_NEAR((box.top + box.bottom) / 2, (owner.top + owner.bottom) / 2, 1);
}

}  // namespace
