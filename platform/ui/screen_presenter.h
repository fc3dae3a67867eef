// Shows the composed screen in one SDL window, uploading only the rows and columns that changed
// since the last frame.
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

    // Opens the window at the screen's size; false with the reason in `error`.
    bool Open(const char* title, int width, int height, std::string& error);
    // Composes the desktop and puts what changed on the window. Returns the changed area.
    RECT Present();

private:
    RECT Changed(const Surface& now) const;

    SDL_Window* m_window = nullptr;
    SDL_Renderer* m_renderer = nullptr;
    SDL_Texture* m_texture = nullptr;
    Surface m_shown;
};
