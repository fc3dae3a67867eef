// The interactive driver: while the message queue is dry it shows what changed on the screen in
// an SDL window, then sleeps until a person's input or the next window timer is due.
#pragma once
#include <functional>
#include <string>

#include "platform/ui/display_fit.h"
#include "platform/ui/person_driver.h"
#include "platform/ui/screen_presenter.h"
#include "platform/ui/sdl_event_translator.h"

class InteractiveDriver : public PersonDriver {
public:
    InteractiveDriver() = default;
    ~InteractiveDriver() override;
    InteractiveDriver(const InteractiveDriver&) = delete;
    InteractiveDriver& operator=(const InteractiveDriver&) = delete;

    // True when a display that a person sees can be opened (X11 or Wayland, as the environment
    // names it; never an invisible driver); `fit` gets what it left open filled in for it.
    // False with the reason in `why`, at once rather than after waiting for a display.
    static bool DisplayAvailable(DisplayFit& fit, std::string& why);

    // Takes over the message loop's input; the window, at the window system's screen size
    // times `scale`, opens when a dialog first waits for input. False with the reason in `error`.
    bool Start(const char* title, int scale, std::string& error) override;
    // Why the window could not be opened, empty while all is well. The dialogs then end as
    // they do when input runs dry.
    const std::string& Error() const override { return error_; }

    // Runs each time the queue is dry, after the frame is shown and before sleeping; tests feed
    // events through it. While a hook is set the sleep is short, so the hook is asked again.
    void SetIdleHook(std::function<void()> hook) { idle_ = std::move(hook); }

    // Frames that showed something, and the screen area of the last one.
    int Frames() const { return frames_; }
    RECT LastFrame() const { return lastFrame_; }

private:
    bool NextInput();
    void Tick();
    void Handle(const SDL_Event& event);
    int SleepMs() const;

    ScreenPresenter presenter_;
    SdlEventTranslator translator_;
    std::function<void()> idle_;
    bool started_ = false;
    bool opened_ = false;
    int scale_ = 1;
    std::string title_;
    std::string error_;
    uint32_t clock_ = 0;
    int frames_ = 0;
    RECT lastFrame_{};
};
