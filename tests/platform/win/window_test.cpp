// The window tree, message order, focus and tab order, invalidation and the paint cycle.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "platform/gdi/gdi.h"
#include "platform/gdi/window_surfaces.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

std::vector<std::string>& Log() {
    static std::vector<std::string> log;
    return log;
}

std::string Name(HWND h) {
    char text[64] = {};
    GetWindowTextA(h, text, sizeof(text));
    return text;
}

// Records the messages tests care about, then behaves as a plain window.
LRESULT Recorder(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: Log().push_back("create " + std::string(reinterpret_cast<CREATESTRUCTA*>(lp)->lpszName)); break;
    case WM_DESTROY: Log().push_back("destroy " + Name(h)); break;
    case WM_SETFOCUS: Log().push_back("setfocus " + Name(h)); break;
    case WM_KILLFOCUS: Log().push_back("killfocus " + Name(h)); break;
    case WM_ERASEBKGND: Log().push_back("erase " + Name(h)); break;
    case WM_PAINT: Log().push_back("paint " + Name(h)); break;
    case WM_SIZE: Log().push_back("size " + Name(h) + " " + std::to_string(LOWORD(WPARAM(lp))) + "x" + std::to_string(HIWORD(WPARAM(lp)))); break;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lp)->ptMinTrackSize = {120, 120};
        return 0;
    }
    return DefWindowProcA(h, msg, wp, lp);
}

class WindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        WindowSurfaces::Install();
        WNDCLASSA cls;
        cls.lpfnWndProc = Recorder;
        cls.lpszClassName = "TestRecorder";
        cls.hbrBackground = HBRUSH(GetStockObject(BLACK_BRUSH));
        RegisterClassA(&cls);
    }
    void SetUp() override { Log().clear(); }
    void TearDown() override {
        for (HWND h : made) DestroyWindow(h);
    }
    HWND Top(const char* name, DWORD style = WS_OVERLAPPEDWINDOW, HWND owner = 0) {
        HWND h = CreateWindowExA(0, "TestRecorder", name, style, 10, 10, 200, 150, owner, 0, 0, nullptr);
        made.push_back(h);
        return h;
    }
    static HWND Child(HWND parent, const char* name, int id, DWORD style = WS_TABSTOP | WS_VISIBLE) {
        return CreateWindowExA(0, "TestRecorder", name, WS_CHILD | style, 5, 5, 40, 20, parent, id, 0, nullptr);
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    std::vector<HWND> made;
};

TEST_F(WindowTest, OwnedWindowsThenParentThenChildrenAreDestroyed) {
    HWND sheet = Top("sheet");
    Child(sheet, "edit", 1);
    HWND preview = Top("preview", WS_OVERLAPPEDWINDOW, sheet);
    Log().clear();
    ASSERT_TRUE(DestroyWindow(sheet));
    EXPECT_EQ(Log(), (std::vector<std::string>{"destroy preview", "destroy sheet", "destroy edit"}));
    EXPECT_FALSE(IsWindow(preview));
    EXPECT_FALSE(IsWindow(sheet));
    // A new window in the freed slot gets a handle of its own.
    HWND again = Top("again");
    EXPECT_NE(again, sheet);
    EXPECT_EQ(SendMessageA(sheet, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(WindowTest, TabOrderFollowsCreationAndSkipsHiddenAndDisabled) {
    HWND dlg = Top("dlg", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND a = Child(dlg, "a", 1), b = Child(dlg, "b", 2), c = Child(dlg, "c", 3);
    HWND d = Child(dlg, "d", 4), label = Child(dlg, "label", 5, WS_VISIBLE);
    EnableWindow(b, FALSE);
    ShowWindow(d, SW_HIDE);
    EXPECT_EQ(GetNextDlgTabItem(dlg, a, FALSE), c);
    EXPECT_EQ(GetNextDlgTabItem(dlg, c, FALSE), a);   // wraps round
    EXPECT_EQ(GetNextDlgTabItem(dlg, a, TRUE), c);
    EXPECT_EQ(GetNextDlgTabItem(dlg, label, FALSE), a);
    EXPECT_EQ(GetDlgItem(dlg, 3), c);
    EXPECT_EQ(GetWindow(dlg, GW_CHILD), a);
}

TEST_F(WindowTest, FocusChangeTellsLoserFirst) {
    HWND dlg = Top("dlg");
    HWND a = Child(dlg, "a", 1), b = Child(dlg, "b", 2);
    SetFocus(a);
    Log().clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(Log(), (std::vector<std::string>{"killfocus a", "setfocus b"}));
    EXPECT_EQ(GetFocus(), b);
    EnableWindow(b, FALSE);   // a disabled window cannot keep the focus
    EXPECT_EQ(GetFocus(), 0u);
}

TEST_F(WindowTest, RadioGroupRunsToTheNextGroupStart) {
    HWND dlg = Top("dlg", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND r1 = Child(dlg, "r1", 1, WS_VISIBLE | WS_GROUP | WS_TABSTOP);
    HWND r2 = Child(dlg, "r2", 2, WS_VISIBLE), r3 = Child(dlg, "r3", 3, WS_VISIBLE);
    HWND next = Child(dlg, "next", 4, WS_VISIBLE | WS_GROUP);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, r1, FALSE), r2);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, r3, FALSE), r1);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, r1, TRUE), r3);
    EXPECT_EQ(GetNextDlgGroupItem(dlg, next, FALSE), next);
}

// The screen areas a presenter must send: where a window painted, and where a top-level window
// stood and stands after a move; separate areas stay apart until they touch.
TEST_F(WindowTest, DamageIsWhereTheScreenChanged) {
    WindowManager& m = WindowManager::Instance();
    SetScreenSize(640, 480);
    EXPECT_EQ(m.TakeDamage().size(), 1u) << "a new screen size shows everything";
    HWND a = Top("a", WS_OVERLAPPEDWINDOW | WS_VISIBLE), b = Top("b", WS_POPUP | WS_VISIBLE);
    MoveWindow(b, 400, 300, 100, 80, TRUE);
    Pump();
    m.TakeDamage();
    EXPECT_TRUE(m.TakeDamage().empty()) << "taken once";

    RECT part{10, 10, 30, 30};
    InvalidateRect(a, &part, TRUE);
    InvalidateRect(b, &part, TRUE);
    Pump();
    POINT pa{10, 10}, pb{10, 10};
    ClientToScreen(a, &pa);
    ClientToScreen(b, &pb);
    std::vector<RECT> damage = m.TakeDamage();
    ASSERT_EQ(damage.size(), 2u);
    const RECT& first = damage[0].left == pa.x ? damage[0] : damage[1];
    const RECT& second = damage[0].left == pa.x ? damage[1] : damage[0];
    EXPECT_EQ(first.left, pa.x);
    EXPECT_EQ(first.top, pa.y);
    EXPECT_EQ(first.right, pa.x + 20);
    EXPECT_EQ(first.bottom, pa.y + 20);
    EXPECT_EQ(second.left, pb.x);
    EXPECT_EQ(second.bottom, pb.y + 20);

    MoveWindow(a, 50, 60, 200, 150, TRUE);
    Pump();
    damage = m.TakeDamage();
    ASSERT_EQ(damage.size(), 1u);
    EXPECT_EQ(damage[0].left, 10);
    EXPECT_EQ(damage[0].top, 10);
    EXPECT_EQ(damage[0].right, 250);
    EXPECT_EQ(damage[0].bottom, 210);
    RECT rb{};
    GetWindowRect(b, &rb);
    ShowWindow(b, SW_HIDE);
    damage = m.TakeDamage();
    ASSERT_EQ(damage.size(), 1u) << "a hidden window uncovers what it stood on";
    EXPECT_EQ(damage[0].left, rb.left);
    EXPECT_EQ(damage[0].bottom, rb.bottom);
}

TEST_F(WindowTest, InvalidWindowsArePaintedWhenTheQueueRunsDry) {
    HWND w = Top("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Pump();
    Log().clear();
    EXPECT_FALSE(GetUpdateRect(w, nullptr, FALSE));
    RECT part{10, 10, 30, 30};
    InvalidateRect(w, &part, TRUE);
    PostMessageA(w, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_USER);   // posted messages come before painting
    ASSERT_TRUE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, WM_PAINT);
    DispatchMessageA(&msg);
    EXPECT_EQ(Log(), (std::vector<std::string>{"paint w", "erase w"}));
    EXPECT_FALSE(PeekMessageA(&msg, 0, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, UpdateWindowPaintsAtOnceAndOnlyWhenInvalid) {
    HWND w = Top("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    Pump();
    Log().clear();
    UpdateWindow(w);
    EXPECT_TRUE(Log().empty());
    InvalidateRect(w, nullptr, FALSE);
    UpdateWindow(w);
    EXPECT_EQ(Log(), (std::vector<std::string>{"paint w"}));
}

// A scripted run paints only for a picture: until then a window has no pixels, however it was
// shown, moved, measured on or asked to update, and the picture then paints what is invalid.
TEST_F(WindowTest, DeferredPaintingMakesNoPixelsUntilAPictureIsTaken) {
    WindowManager& m = WindowManager::Instance();
    WindowSurfaces& surfaces = WindowSurfaces::Install();
    m.DeferPaint(true);
    HWND w = Top("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    SetWindowPos(w, 0, 20, 30, 260, 180, SWP_NOZORDER);
    HDC dc = GetDC(w);
    SIZE size{};
    GetTextExtentPoint32A(dc, "W", 1, &size);
    ReleaseDC(w, dc);
    UpdateWindow(w);
    Pump();
    EXPECT_EQ(surfaces.OwnPixels(w), nullptr);
    EXPECT_TRUE(GetUpdateRect(w, nullptr, FALSE));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "paint w"), 0);
    m.PaintAll(w);
    m.DeferPaint(false);
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "paint w"), 1);
    const Surface* pixels = surfaces.OwnPixels(w);
    ASSERT_NE(pixels, nullptr);
    EXPECT_EQ(std::make_pair(pixels->Width(), pixels->Height()), std::make_pair(260, 180));
    EXPECT_EQ(pixels->Pixel(130, 90), 0u) << "the client erased with the class's black brush";
}

// Controls set up inside a page not yet shown pass nothing on to each other; showing the page
// invalidates all of it and everything in it, so all is painted all the same.
TEST_F(WindowTest, AHiddenWindowPassesNothingOnUntilShown) {
    HWND w = Top("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    HWND page = Child(w, "page", 1, 0);
    HWND above = Child(page, "above", 2);
    HWND below = Child(page, "below", 3);   // on the same spot, under `above`
    for (HWND h : {page, above, below}) WindowManager::Instance().Validate(h, nullptr);   // as if painted once
    InvalidateRect(below, nullptr, TRUE);
    EXPECT_TRUE(GetUpdateRect(below, nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(above, nullptr, FALSE));
    Log().clear();
    ShowWindow(page, SW_SHOW);
    Pump();
    const auto at = [&](const char* what) { return std::find(Log().begin(), Log().end(), what) - Log().begin(); };
    ASSERT_LT(at("paint page"), at("paint below"));
    ASSERT_LT(at("paint below"), at("paint above")) << "the one above is painted last";
    EXPECT_LT(at("paint above"), std::ssize(Log()));
}

// Forty controls on one spot: each passes its area to every one above it, which once meant
// every path through the pile, far more than a lifetime of work.
TEST_F(WindowTest, APileOfOverlappingControlsIsInvalidatedWhole) {
    HWND w = Top("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE);
    std::vector<HWND> pile;
    for (int i = 0; i < 40; ++i) pile.push_back(Child(w, "c", 100 + i));
    Pump();
    RECT part{2, 3, 7, 9};
    InvalidateRect(pile.back(), &part, TRUE);
    for (HWND c : pile) {
        RECT update{};
        ASSERT_TRUE(GetUpdateRect(c, &update, FALSE));
        EXPECT_EQ(std::tie(update.left, update.top, update.right, update.bottom), std::tie(part.left, part.top, part.right, part.bottom));
    }
    Pump();
    InvalidateRect(w, nullptr, TRUE);
    for (HWND c : pile) {
        RECT update{};
        ASSERT_TRUE(GetUpdateRect(c, &update, FALSE));
        EXPECT_EQ(std::tie(update.left, update.top, update.right, update.bottom), std::make_tuple(0, 0, 40, 20));
    }
}

TEST_F(WindowTest, ResizeAsksMinimumAndReportsClientSize) {
    HWND w = Top("w", WS_THICKFRAME | WS_VISIBLE);
    Log().clear();
    SetWindowPos(w, 0, 0, 0, 60, 300, SWP_NOMOVE | SWP_NOZORDER);
    RECT r;
    GetWindowRect(w, &r);
    EXPECT_EQ(r.right - r.left, 120);   // held at the minimum the window asked for
    EXPECT_EQ(r.bottom - r.top, 300);
    ASSERT_FALSE(Log().empty());
    EXPECT_EQ(Log().front(), "size w 112x292");   // the sizing border is 4 on each side
}

struct FrameCase {
    DWORD style;
    DWORD exStyle;
    RECT insets;
};
class FrameTest : public WindowTest, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(FrameTest, ClientAreaLeavesTheFrame) {
    const FrameCase& fc = GetParam();
    HWND w = CreateWindowExA(fc.exStyle, "TestRecorder", "f", fc.style, 100, 50, 200, 150, 0, 0, 0, nullptr);
    made.push_back(w);
    POINT origin{0, 0};
    ClientToScreen(w, &origin);
    RECT client;
    GetClientRect(w, &client);
    EXPECT_EQ(origin.x, 100 + fc.insets.left);
    EXPECT_EQ(origin.y, 50 + fc.insets.top);
    EXPECT_EQ(client.right, 200 - fc.insets.left - fc.insets.right);
    EXPECT_EQ(client.bottom, 150 - fc.insets.top - fc.insets.bottom);
    RECT adjusted = client;
    AdjustWindowRectEx(&adjusted, fc.style, FALSE, fc.exStyle);
    EXPECT_EQ(adjusted.right - adjusted.left, 200);
}

INSTANTIATE_TEST_SUITE_P(Styles, FrameTest, ::testing::Values(
    FrameCase{WS_POPUP, 0, {0, 0, 0, 0}}, FrameCase{WS_POPUP | WS_BORDER, 0, {1, 1, 1, 1}},
    FrameCase{WS_POPUP | WS_CAPTION, WS_EX_DLGMODALFRAME, {3, 21, 3, 3}},
    FrameCase{WS_OVERLAPPEDWINDOW, 0, {4, 22, 4, 4}},
    FrameCase{WS_POPUP | WS_BORDER, WS_EX_CLIENTEDGE, {3, 3, 3, 3}}));

TEST_F(WindowTest, HitTestFindsCaptionCloseBoxAndBorders) {
    HWND w = Top("w", WS_OVERLAPPEDWINDOW | WS_VISIBLE);   // frame 10,10 - 210,160
    auto hit = [&](int x, int y) { return SendMessageA(w, WM_NCHITTEST, 0, MAKELPARAM(WORD(x), WORD(y))); };
    EXPECT_EQ(hit(60, 20), HTCAPTION);
    EXPECT_EQ(hit(200, 20), HTCLOSE);
    EXPECT_EQ(hit(60, 80), HTCLIENT);
    EXPECT_EQ(hit(208, 80), HTRIGHT);
    EXPECT_EQ(hit(208, 158), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(300, 300), HTNOWHERE);
    EXPECT_EQ(WindowFromPoint({60, 80}), w);
}

TEST_F(WindowTest, FindWindowMatchesTheWholeCaption) {
    HWND w = Top("Array Preview: QFP48");
    EXPECT_EQ(FindWindowA(nullptr, "Array Preview: QFP48"), w);
    EXPECT_EQ(FindWindowA(nullptr, "Array Preview"), 0u);
}

TEST_F(WindowTest, PaintingReachesTheScreenInsideTheClientOnly) {
    SetScreenSize(320, 240);
    HWND w = Top("w", WS_POPUP | WS_BORDER | WS_VISIBLE);
    HWND child = Child(w, "c", 1);
    Pump();
    HDC dc = GetDC(child);
    RECT all{-100, -100, 400, 400};
    FillRect(dc, &all, HBRUSH(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(child, dc);
    Surface screen;
    WindowSurfaces::Install().Compose(screen, 0x808000);
    EXPECT_EQ(screen.Width(), 320);
    EXPECT_EQ(screen.Pixel(5, 5), 0x808000u);     // desktop
    EXPECT_EQ(screen.Pixel(11, 11), 0u);           // the window's erased black client
    EXPECT_EQ(screen.Pixel(16, 16), 0xFFFFFFu);    // the child, at parent client 5,5
    EXPECT_EQ(screen.Pixel(16 + 40, 16), 0u);      // but not beyond the child
}

TEST_F(WindowTest, NoInputLeftEndsTheWaitInsteadOfHanging) {
    int asked = 0;
    WindowManager::Instance().SetInputSource([&] { return ++asked < 3; });
    MSG msg;
    EXPECT_EQ(GetMessageA(&msg, 0, 0, 0), -1);
    EXPECT_EQ(asked, 3);
    WindowManager::Instance().SetInputSource(nullptr);
}

}  // namespace
