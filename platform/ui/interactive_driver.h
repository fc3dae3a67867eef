// The interactive driver: while the message queue is dry it shows the screen in an SDL window,
// waits for a person's input and runs the window timers on the real clock.
#pragma once
#include <functional>
#include <string>

#include "platform/ui/screen_presenter.h"
#include "platform/ui/sdl_event_translator.h"

class InteractiveDriver {
public:
    InteractiveDriver() = default;
    ~InteractiveDriver();
    InteractiveDriver(const InteractiveDriver&) = delete;
    InteractiveDriver& operator=(const InteractiveDriver&) = delete;

    // True when there is a display SDL can open windows on; `width`/`height` receive a screen
    // size that fits it. Touches nothing when no display is named in the environment.
    static bool DisplayAvailable(int& width, int& height);

    // Takes over the message loop's input; the window, at the window system's screen size,
    // opens when a dialog first waits for input. False with the reason in `error`.
    bool Start(const char* title, std::string& error);
    // Why the window could not be opened, empty while all is well. The dialogs then end as
    // they do when input runs dry.
    const std::string& Error() const { return m_error; }

    // Runs each time the queue is dry, before waiting for input; tests feed events through it.
    void SetIdleHook(std::function<void()> hook) { m_idle = std::move(hook); }

    int Frames() const { return m_frames; }

private:
    bool NextInput();
    void Tick();
    void Handle(const SDL_Event& event);

    ScreenPresenter m_presenter;
    SdlEventTranslator m_translator;
    std::function<void()> m_idle;
    bool m_started = false;
    bool m_opened = false;
    std::string m_title;
    std::string m_error;
    uint32_t m_clock = 0;
    int m_frames = 0;
};
