// Turns SDL input events into our window messages: the mouse goes to the capture window or the
// window under it, keys to the focus; frames are moved, sized and closed here as the window
// system's own non-client handling would.
#pragma once
#include <SDL.h>

#include "platform/win/win_types.h"

class SdlEventTranslator {
public:
    // False for an event that asks the program to end (SDL_QUIT, the window closed); the
    // caller closes the topmost modal window then.
    bool Translate(const SDL_Event& event);

    // The topmost enabled window, the one whose close box SDL's close stands for.
    static HWND TopModalWindow();

private:
    enum class Drag { None, Move, Size, CloseBox };

    void MouseButton(const SDL_MouseButtonEvent& e);
    void MouseMove(int x, int y);
    void Key(const SDL_KeyboardEvent& e);
    void Text(const char* utf8);
    void StartFrameDrag(HWND topLevel, LRESULT hit, POINT at);
    void FrameDrag(POINT at);

    Drag drag_ = Drag::None;
    HWND dragged_ = 0;
    LRESULT hit_ = 0;
    POINT start_{};
    RECT startRect_{};
    bool altHeld_ = false;
    // Kept here rather than asked of SDL, whose state misses events pushed into its queue.
    bool leftDown_ = false;
};
