// The person's loop. The timer clock only moves here, so a spin's auto-repeat and every other
// timer run at the pace a person expects. Between inputs the loop sleeps in SDL until an event
// or the nearest timer: an idle window costs nothing but the caret's blinks.
#include "platform/ui/interactive_driver.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "platform/ui/file_open_window.h"
#include "platform/win/messages.h"
#include "platform/win/timer_queue.h"
#include "platform/win/win_api.h"
#include "platform/win/window_manager.h"

namespace {

// A bound, should an event ever go unnoticed; and a signal's stop request is seen within it, since
// SDL goes on waiting when a signal interrupts its wait.
constexpr int kLongestSleepMs = 250;
constexpr int kHookSleepMs = 15;

struct NamedDisplay {
    const char* variable;
    const char* driver;
};
// Displays a person sees, in SDL's order of preference. SDL's other drivers (offscreen, dummy,
// a console's KMS) would run the dialog where nobody can see or work it.
constexpr NamedDisplay kDisplays[] = {{"DISPLAY", "x11"}, {"WAYLAND_DISPLAY", "wayland"}};

bool Seen(std::string_view driver) {
    return std::any_of(std::begin(kDisplays), std::end(kDisplays),
                       [driver](const NamedDisplay& d) { return driver == d.driver; });
}

// The drivers for the displays the environment names ("x11,wayland"), and how it names them.
std::string NamedDrivers(std::string& names) {
    std::string drivers;
    for (const NamedDisplay& d : kDisplays) {
        const char* value = std::getenv(d.variable);
        if (!value || !*value) continue;
        // Appended piece by piece: GCC 12's Release build sees overlaps in "," + text that are not there.
        drivers.append(drivers.empty() ? "" : ",").append(d.driver);
        names.append(names.empty() ? "" : " ").append(d.variable).append("=").append(value);
    }
    return drivers;
}

void Fit(DisplayFit& fit) {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return;
    float dpi = 0;
    if (SDL_GetDisplayDPI(0, &dpi, nullptr, nullptr) != 0) dpi = 0;
    fit = FitDisplay(mode.w, mode.h, dpi, fit);
}

// SDL would turn SIGINT and SIGTERM into a quit event, which closes only the innermost window;
// the program's own handlers end the whole run.
void KeepSignalsOurs() { SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1"); }

}  // namespace

bool InteractiveDriver::DisplayAvailable(DisplayFit& fit, std::string& why) {
    KeepSignalsOurs();
    std::string names;
    const char* chosen = std::getenv("SDL_VIDEODRIVER");
    if (chosen && *chosen) {
        names = std::string("SDL_VIDEODRIVER=") + chosen;
        if (!Seen(chosen)) {
            why = names + " shows nobody a window";
            return false;
        }
    } else {
        const std::string drivers = NamedDrivers(names);
        if (drivers.empty()) {
            why = "no display is named (DISPLAY or WAYLAND_DISPLAY)";
            return false;
        }
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, drivers.c_str(), SDL_HINT_OVERRIDE);
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        why = names + " cannot be opened: " + SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool seen = driver && Seen(driver);
    if (seen) Fit(fit);
    else why = std::string("SDL chose the video driver ") + (driver ? driver : "(none)") + ", which shows nobody a window";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return seen;
}

InteractiveDriver::~InteractiveDriver() {
    if (!started_) return;
    WindowManager::Instance().SetInputSource(nullptr);
    SetFileDialogPresenter(nullptr);
    SDL_StopTextInput();
    SetKeyHeld(VK_SHIFT, false);
    SetKeyHeld(VK_CONTROL, false);
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER);
}

bool InteractiveDriver::Start(const char* title, int scale, std::string& error) {
    KeepSignalsOurs();
    if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
        error = std::string("there is no display to show the dialog on: ") + SDL_GetError();
        return false;
    }
    started_ = true;
    title_ = title;
    scale_ = std::max(1, scale);
    SetFileDialogPresenter(&FileOpenWindow::Present);
    SDL_StartTextInput();
    clock_ = SDL_GetTicks();
    WindowManager::Instance().SetInputSource([this] { return NextInput(); });
    return true;
}

// Until the nearest window timer, for as long as nothing else can happen.
int InteractiveDriver::SleepMs() const {
    const int longest = idle_ ? kHookSleepMs : kLongestSleepMs;
    const int64_t due = TimerQueue::Instance().UntilNextDue();
    return due < 0 ? longest : int(std::min<int64_t>(due, longest));
}

bool InteractiveDriver::NextInput() {
    // With no window left to work in, no input can matter.
    if (!SdlEventTranslator::TopModalWindow()) return false;
    // The window opens once the first dialog waits for input, so no click lands before the
    // sheet is there to take it.
    if (!opened_) {
        if (!presenter_.Open(title_.c_str(), scale_, error_)) return false;
        opened_ = true;
    }
    SDL_Event event;
    // One event at a time: what it posts is handled before the next one is routed, so keys
    // typed after a click reach the window the click focused.
    if (SDL_PollEvent(&event)) {
        Handle(event);
        Tick();
        return true;
    }
    // All input so far is handled and painted: show it, then sleep.
    if (const RECT shown = presenter_.Present(); shown.right > shown.left) {
        ++frames_;
        lastFrame_ = shown;
    }
    if (idle_) idle_();
    if (SDL_WaitEventTimeout(&event, SleepMs())) Handle(event);
    Tick();
    return true;
}

void InteractiveDriver::Tick() {
    const uint32_t now = SDL_GetTicks();
    AdvanceTimerClock(now - clock_);
    clock_ = now;
}

void InteractiveDriver::Handle(const SDL_Event& event) {
    SDL_Event e = event;
    switch (e.type) {
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) presenter_.Resized();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED) presenter_.Exposed();
        break;
    // The window shows each screen pixel as a square of `scale` display pixels.
    case SDL_MOUSEBUTTONDOWN: case SDL_MOUSEBUTTONUP: e.button.x /= scale_; e.button.y /= scale_; break;
    case SDL_MOUSEMOTION: e.motion.x /= scale_; e.motion.y /= scale_; break;
    default: break;
    }
    if (translator_.Translate(e)) return;
    if (HWND top = SdlEventTranslator::TopModalWindow()) PostMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
}
