// The person's loop. The timer clock only moves here, so a spin's auto-repeat and every other
// timer run at the pace a person expects.
#include "platform/ui/interactive_driver.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/ui/file_open_window.h"
#include "platform/win/messages.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

constexpr uint32_t kWaitMs = 15;       // how long one dry spell waits for input
constexpr int kDisplayMargin = 80;     // room for the display's own panels and frames
constexpr int kDefaultWidth = 1024, kDefaultHeight = 768;

// The dummy video driver opens windows nobody can see or work in: no display for a person.
bool DisplayNamed() {
    if (const char* driver = std::getenv("SDL_VIDEODRIVER"); driver && std::string_view(driver) == "dummy") return false;
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (const char* value = std::getenv(name); value && *value) return true;
    return false;
}

}  // namespace

bool InteractiveDriver::DisplayAvailable(int& width, int& height) {
    if (!DisplayNamed() || SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return false;
    SDL_DisplayMode mode{};
    width = kDefaultWidth;
    height = kDefaultHeight;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0 && mode.w > kDisplayMargin && mode.h > kDisplayMargin) {
        width = std::clamp(mode.w - kDisplayMargin, 320, kDefaultWidth);
        height = std::clamp(mode.h - kDisplayMargin, 240, kDefaultHeight);
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return true;
}

InteractiveDriver::~InteractiveDriver() {
    if (!m_started) return;
    WindowManager::Instance().SetInputSource(nullptr);
    SetFileDialogPresenter(nullptr);
    SDL_StopTextInput();
    SetKeyHeld(VK_SHIFT, false);
    SetKeyHeld(VK_CONTROL, false);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
}

bool InteractiveDriver::Start(const char* title, std::string& error) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        error = std::string("there is no display to show the dialog on: ") + SDL_GetError();
        return false;
    }
    m_started = true;
    m_title = title;
    SetFileDialogPresenter(&FileOpenWindow::Present);
    SDL_StartTextInput();
    m_clock = SDL_GetTicks();
    WindowManager::Instance().SetInputSource([this] { return NextInput(); });
    return true;
}

bool InteractiveDriver::NextInput() {
    // With no window left to work in, no input can matter.
    if (!SdlEventTranslator::TopModalWindow()) return false;
    // The window opens once the first dialog waits for input, so no click lands before the
    // sheet is there to take it.
    if (!m_opened) {
        const WindowManager& m = WindowManager::Instance();
        if (!m_presenter.Open(m_title.c_str(), m.ScreenWidth(), m.ScreenHeight(), m_error)) return false;
        m_opened = true;
    }
    SDL_Event event;
    // One event at a time: what it posts is handled before the next one is routed, so keys
    // typed after a click reach the window the click focused.
    if (SDL_PollEvent(&event)) {
        Handle(event);
        Tick();
        return true;
    }
    m_presenter.Present();
    ++m_frames;
    if (m_idle) m_idle();
    if (SDL_WaitEventTimeout(&event, int(kWaitMs))) Handle(event);
    Tick();
    return true;
}

void InteractiveDriver::Tick() {
    const uint32_t now = SDL_GetTicks();
    AdvanceTimerClock(now - m_clock);
    m_clock = now;
}

void InteractiveDriver::Handle(const SDL_Event& event) {
    if (m_translator.Translate(event)) return;
    if (HWND top = SdlEventTranslator::TopModalWindow()) PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
}
