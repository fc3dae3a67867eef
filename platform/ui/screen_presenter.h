// Shows the screen in one resizable SDL window at a whole-number scale. Only what the window
// system reports as damaged is composed, converted and sent to the display.
#pragma once
#include <SDL.h>

#include <string>

#include "platform/gdi/surface.h"
#include "platform/win/win_types.h"

class ScreenPresenter {
public:
    ScreenPresenter() = default;
    ~ScreenPresenter();
    ScreenPresenter(const ScreenPresenter&) = delete;
    ScreenPresenter& operator=(const ScreenPresenter&) = delete;

    // Opens the window at the screen's size times `scale`; false with the reason in `error`.
    bool Open(const char* title, int scale, std::string& error);
    // Composes what changed since the last call and puts it on the window. Returns the area of
    // the screen that was shown anew, empty when nothing had changed.
    RECT Present();
    // The person resized the window: the screen takes the new size, at the same scale.
    void Resized();
    // The display lost the window's pixels: all of them go again with the next frame.
    void Exposed();

    int Scale() const { return scale_; }
    SDL_Window* Window() const { return window_; }

private:
    SDL_Rect Show(SDL_Surface& target, const RECT& area) const;

    SDL_Window* window_ = nullptr;
    Surface screen_;   // the composed screen, kept between frames
    int scale_ = 1;
};
