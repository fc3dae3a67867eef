// The window tree, the top-level z-order, focus, the screen size and the message queue.
#pragma once
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "platform/win/handle_table.h"
#include "platform/win/window.h"

// What the window system needs from the drawing layer, installed from above so this layer
// knows nothing of pixels.
class PaintBackend {
public:
    virtual ~PaintBackend() = default;
    virtual HDC BeginPaintDC(HWND window, const RECT& paint) = 0;
    virtual void EndPaintDC(HWND window, HDC dc) = 0;
    virtual void FillBackground(HDC dc, const RECT& rect, HBRUSH brush) = 0;
    virtual void PaintNonClient(HWND window) = 0;
    virtual void WindowMovedOrResized(HWND window) = 0;
    virtual void WindowDestroyed(HWND window) = 0;
};

// Feeds user input into the queue when it runs dry; false when no input will ever come.
using InputSource = std::function<bool()>;

class WindowManager {
public:
    static WindowManager& Instance();

    Window* Get(HWND h) const;
    HWND Create(const WindowClass* cls, const CREATESTRUCTA& cs, WNDPROC proc);
    bool Destroy(HWND h);

    const WindowClass* RegisterClass(const WindowClass& cls);
    const WindowClass* FindClass(const std::string& name) const;

    std::vector<HWND>& TopLevels() { return topLevels_; }   // topmost first
    std::vector<HWND>& SiblingsOf(const Window& w);
    void BringToTop(HWND h);               // its owned windows stay above it
    bool OwnedBy(HWND window, HWND owner) const;

    // Geometry.
    RECT NonClientInsets(const Window& w) const;
    RECT ScreenRect(HWND h) const;         // the window's frame in screen coordinates
    RECT ClientScreenRect(HWND h) const;   // its client area in screen coordinates
    HWND TopLevelOf(HWND h) const;
    bool ReallyVisible(HWND h) const { return UpToTopLevel(h, &Window::Visible); }   // shown
    bool ReallyEnabled(HWND h) const { return UpToTopLevel(h, &Window::Enabled); }   // takes input
    // Whether the test holds for the window and every parent up to its top-level window.
    bool UpToTopLevel(HWND h, bool (Window::*holds)() const) const;
    void SetScreenSize(int width, int height);
    int ScreenWidth() const { return screenW_; }
    int ScreenHeight() const { return screenH_; }

    // Messages.
    LRESULT Send(HWND h, UINT msg, WPARAM wp, LPARAM lp);
    bool Post(const MSG& msg);
    bool Next(MSG& msg, bool remove, bool wait);
    void SetInputSource(InputSource source) { input_ = std::move(source); }
    void Quit(int code) { quit_ = true; quitCode_ = code; }

    // Invalidation.
    void Invalidate(HWND h, const RECT* rect, bool erase);
    void Validate(HWND h, const RECT* rect);
    HWND NextWindowToPaint() const;
    // While deferred, a dry queue asks for input without painting first: a scripted run that
    // nobody watches paints only when a picture is taken, and then all at once (PaintAll).
    void DeferPaint(bool deferred) { paintDeferred_ = deferred; }
    // Paints every invalid window, frames first, as a dry queue would; or only those of one
    // top-level window and its children, for a picture of that window alone.
    void PaintAll(HWND topLevel = 0);

    // Damage: screen areas whose pixels changed since the presenter last took them. Drawing on a
    // window and moving, showing, hiding, raising or destroying a top-level window add to it.
    void AddDamage(const RECT& screen);
    void DamageFrame(HWND topLevel);   // where the window stands, if it is shown
    std::vector<RECT> TakeDamage();

    // Focus.
    HWND focus = 0;
    HWND active = 0;
    HWND capture = 0;

    PaintBackend* backend = nullptr;
    std::function<void(HWND)> nonClientPainter;

private:
    WindowManager() = default;
    HWND NextToPaintIn(std::span<const HWND> list) const;
    // While a stop is requested: closes the innermost modal window; false when none is left, or
    // when the windows would not close after many tries.
    bool CloseTopModalForStop();
    void Spread(Window& w, const RECT& area);
    void InvalidateSiblingsAbove(const Window& w, const RECT& clientArea);

    HandleTable<Window> windows_{HandleTag::Window};
    std::vector<HWND> topLevels_;
    std::map<std::string, std::unique_ptr<WindowClass>> classes_;
    std::deque<MSG> queue_;
    std::vector<RECT> damage_;
    InputSource input_;
    bool quit_ = false;
    bool paintDeferred_ = false;
    uint32_t invalidatePass_ = 0;   // one per outermost Invalidate
    int invalidateDepth_ = 0;
    int quitCode_ = 0;
    int stopCloses_ = 0;
    int screenW_ = 1280;
    int screenH_ = 1024;
};

// The process's one window manager, as the window functions reach it.
inline WindowManager& Windows() { return WindowManager::Instance(); }

bool IsRectEmptyValue(const RECT& r);
RECT UnionRects(const RECT& a, const RECT& b);
RECT IntersectRects(const RECT& a, const RECT& b);
// Whether `inner` lies wholly within `outer`.
bool RectContains(const RECT& outer, const RECT& inner);
