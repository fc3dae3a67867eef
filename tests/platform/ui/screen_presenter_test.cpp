// The person's window under SDL's dummy driver: what a display of a given size and density
// gets, and a frame that sends only what changed, each screen pixel as a square of the scale.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "platform/gdi/window_surfaces.h"
#include "platform/ui/display_fit.h"
#include "platform/ui/person_driver.h"
#include "platform/ui/screen_presenter.h"
#include "platform/ui/standard_controls.h"
#include "platform/win/controls.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

struct FitCase {
    const char* name;
    int w, h;
    float dpi;
    DisplayFit wanted, got;
};
class DisplayFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(DisplayFitTest, ScaleAndScreenSize) {
    const FitCase& c = GetParam();
    const DisplayFit fit = FitDisplay(c.w, c.h, c.dpi, c.wanted);
    EXPECT_EQ(fit.scale, c.got.scale);
    EXPECT_EQ(fit.width, c.got.width);
    EXPECT_EQ(fit.height, c.got.height);
}

INSTANTIATE_TEST_SUITE_P(Displays, DisplayFitTest, ::testing::Values(
    FitCase{"full_hd", 1920, 1080, 96, {}, {1840, 1000, 1}},
    FitCase{"dense_laptop_keeps_room", 1920, 1080, 166, {}, {1840, 1000, 1}},
    FitCase{"uhd_that_says_96", 3840, 2160, 96, {}, {1880, 1040, 2}},
    FitCase{"uhd_27_inch", 3840, 2160, 163, {}, {1880, 1040, 2}},
    FitCase{"uhd_no_density", 3840, 2160, 0, {}, {1880, 1040, 2}},
    FitCase{"qhd", 2560, 1440, 109, {}, {2480, 1360, 1}},
    FitCase{"wrong_density_held_to_room", 1280, 1024, 900, {}, {1200, 944, 1}},
    FitCase{"tiny_display", 400, 300, 96, {}, {320, 240, 1}},
    FitCase{"scale_asked", 1920, 1080, 96, {0, 0, 3}, {613, 333, 3}},
    FitCase{"screen_asked", 3840, 2160, 163, {1024, 768, 0}, {1024, 768, 2}}),
    [](const auto& info) { return std::string(info.param.name); });

class ScreenPresenterTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
        InstallStandardControls();
        SetScreenSize(320, 240);
        dialog = CreateWindowExA(0, WC_DIALOG, "D", WS_POPUP | WS_CAPTION | WS_VISIBLE, 20, 20, 200, 120, 0, 0, 0,
                                 nullptr);
        field = CreateWindowExA(0, WC_EDIT, "16", WS_CHILD | WS_VISIBLE, 10, 10, 60, 20, dialog, 0, 0, nullptr);
        Pump();
    }
    void TearDown() override {
        DestroyWindow(dialog);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
    static void Pump() {
        MSG msg;
        while (PeekMessageA(&msg, 0, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    }
    HWND dialog = 0, field = 0;
};

bool Same(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// The window's pixel at (x, y) as a COLORREF.
COLORREF WindowPixel(SDL_Window* window, int x, int y) {
    SDL_Surface* s = SDL_GetWindowSurface(window);
    Uint32 raw = 0;
    std::memcpy(&raw, static_cast<uint8_t*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                s->format->BytesPerPixel);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(raw, s->format, &r, &g, &b);
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}

TEST_F(ScreenPresenterTest, FramesSendOnlyWhatChangedAtTheScale) {
    ScreenPresenter presenter;
    std::string error;
    ASSERT_TRUE(presenter.Open("t", 2, error)) << error;
    int w = 0, h = 0;
    SDL_GetWindowSize(presenter.Window(), &w, &h);
    EXPECT_EQ(w, 640);
    EXPECT_EQ(h, 480);
    EXPECT_TRUE(Same(presenter.Present(), {0, 0, 320, 240})) << "the first frame is the whole screen";
    EXPECT_TRUE(Same(presenter.Present(), {})) << "nothing changed, nothing sent";

    SetWindowTextA(field, "7");
    Pump();
    RECT edit{};
    GetWindowRect(field, &edit);
    EXPECT_TRUE(Same(presenter.Present(), edit)) << "the field alone";

    Surface screen;
    WindowSurfaces::Install().Compose(screen);
    for (const POINT p : {POINT{edit.left + 3, edit.top + 5}, POINT{5, 5}, POINT{100, 70}})
        for (const POINT d : {POINT{0, 0}, POINT{1, 1}})
            EXPECT_EQ(WindowPixel(presenter.Window(), p.x * 2 + d.x, p.y * 2 + d.y), screen.Pixel(p.x, p.y))
                << p.x << "," << p.y;
}

TEST_F(ScreenPresenterTest, TheScreenFollowsTheWindowWhenItIsResized) {
    ScreenPresenter presenter;
    std::string error;
    ASSERT_TRUE(presenter.Open("t", 2, error)) << error;
    presenter.Present();
    SDL_SetWindowSize(presenter.Window(), 901, 600);
    presenter.Resized();
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 450);
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 300);
    EXPECT_TRUE(Same(presenter.Present(), {0, 0, 450, 300}));
    MoveWindow(dialog, 200, 150, 200, 120, TRUE);   // beyond the old screen
    Pump();
    EXPECT_TRUE(Same(presenter.Present(), {20, 20, 400, 270})) << "where it stood and where it stands";
}

// The window library finds the display module beside itself; under the invisible driver the
// module says so rather than opening a window nobody sees.
TEST(ScreenModuleTest, IsFoundBesideTheWindowLibraryAndRefusesAnInvisibleDriver) {
    std::string why;
    const ScreenModule* module = LoadScreenModule(why);
    ASSERT_NE(module, nullptr) << why;
    DisplayFit fit;
    EXPECT_FALSE(module->displayAvailable(fit, why));
    EXPECT_NE(why.find("shows nobody a window"), std::string::npos) << why;
    const std::unique_ptr<PersonDriver> driver(module->makeDriver());
    EXPECT_TRUE(driver->Error().empty());
}

}  // namespace
