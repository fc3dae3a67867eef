// The window tree and the queue.
#include "platform/win/window_manager.h"

#include <algorithm>
#include <utility>

#include "platform/win/messages.h"
#include "platform/win/stop_request.h"
#include "platform/win/win_api.h"
#include "platform/win/window_styles.h"

bool IsRectEmptyValue(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

RECT UnionRects(const RECT& a, const RECT& b) {
    if (IsRectEmptyValue(a)) return b;
    if (IsRectEmptyValue(b)) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

bool RectContains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

RECT IntersectRects(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return IsRectEmptyValue(r) ? RECT{} : r;
}

WindowManager& WindowManager::Instance() {
    static WindowManager manager;
    return manager;
}

Window* WindowManager::Get(HWND h) const { return windows_.Get(h); }

const WindowClass* WindowManager::RegisterClass(const WindowClass& cls) {
    auto& slot = classes_[cls.name];
    if (slot) return nullptr;   // registered already
    slot = std::make_unique<WindowClass>(cls);
    return slot.get();
}

const WindowClass* WindowManager::FindClass(const std::string& name) const {
    auto it = classes_.find(name);
    return it == classes_.end() ? nullptr : it->second.get();
}

std::vector<HWND>& WindowManager::SiblingsOf(const Window& w) {
    Window* parent = w.Child() ? Get(w.parent) : nullptr;
    return parent ? parent->children : topLevels_;
}

void WindowManager::BringToTop(HWND h) {
    Window* w = Get(h);
    if (!w) return;
    auto& list = SiblingsOf(*w);
    if (!w->Child() && (list.empty() || list.front() != h)) DamageFrame(h);
    list.erase(std::remove(list.begin(), list.end(), h), list.end());
    list.insert(list.begin(), h);
    if (w->Child()) return;
    // Owned windows stay above their owner: the preview must not fall behind the sheet.
    std::vector<HWND> owned;
    for (HWND o : list)
        if (o != h && OwnedBy(o, h)) owned.push_back(o);
    for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
        list.erase(std::remove(list.begin(), list.end(), *it), list.end());
        list.insert(list.begin(), *it);
        DamageFrame(*it);
    }
}

bool WindowManager::OwnedBy(HWND window, HWND owner) const {
    for (const Window* w = Get(window); w && w->owner; w = Get(w->owner))
        if (w->owner == owner) return true;
    return false;
}

HWND WindowManager::Create(const WindowClass* cls, const CREATESTRUCTA& cs, WNDPROC proc) {
    auto made = std::make_unique<Window>();
    Window* w = made.get();
    w->cls = cls;
    w->proc = proc;
    w->text = cs.lpszName ? cs.lpszName : "";
    w->style = DWORD(cs.style);
    w->exStyle = cs.dwExStyle;
    w->id = cs.id;
    w->rect = {cs.x, cs.y, cs.x + cs.cx, cs.y + cs.cy};
    if (w->Child()) w->parent = cs.hwndParent; else w->owner = cs.hwndParent;
    const HWND h = windows_.Add(std::move(made));
    w->handle = h;
    if (w->Child()) {
        if (Window* parent = Get(w->parent)) parent->children.push_back(h);   // dialog order
    } else {
        topLevels_.insert(topLevels_.begin(), h);
    }
    w->update = {0, 0, cs.cx, cs.cy};
    w->erase = true;
    CREATESTRUCTA create = cs;
    if (Send(h, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        Destroy(h);
        return 0;
    }
    return h;
}

bool WindowManager::Destroy(HWND h) {
    Window* w = Get(h);
    if (!w || w->destroying) return false;
    w->destroying = true;
    // Owned windows go first, as the platform does it.
    std::vector<HWND> owned;
    for (HWND top : topLevels_)
        if (Window* t = Get(top); t && t->owner == h) owned.push_back(top);
    for (HWND o : owned) Destroy(o);
    Send(h, WM_DESTROY, 0, 0);
    const std::vector<HWND> children = w->children;
    for (HWND c : children) Destroy(c);
    Send(h, WM_NCDESTROY, 0, 0);
    if (!w->Child()) DamageFrame(h);
    if (focus == h) focus = 0;
    if (active == h) active = 0;
    if (capture == h) capture = 0;
    if (backend && !w->Child()) backend->WindowDestroyed(h);
    auto& siblings = SiblingsOf(*w);
    siblings.erase(std::remove(siblings.begin(), siblings.end(), h), siblings.end());
    queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                                 [h](const MSG& m) { return m.hwnd == h; }),
                  queue_.end());
    windows_.Remove(h);
    return true;
}

void WindowManager::SetScreenSize(int width, int height) {
    screenW_ = width;
    screenH_ = height;
    damage_.assign(1, RECT{0, 0, width, height});
}

// A few separate areas are kept apart (a caret here, a field there); past that they merge
// into the one rectangle round them all.
void WindowManager::AddDamage(const RECT& screen) {
    constexpr size_t kMostAreas = 8;
    RECT r = IntersectRects(screen, {0, 0, screenW_, screenH_});
    if (IsRectEmptyValue(r)) return;
    for (auto it = damage_.begin(); it != damage_.end();) {
        const RECT grown{it->left - 1, it->top - 1, it->right + 1, it->bottom + 1};
        if (IsRectEmptyValue(IntersectRects(grown, r))) { ++it; continue; }
        r = UnionRects(r, *it);
        it = damage_.erase(it);
    }
    damage_.push_back(r);
    if (damage_.size() > kMostAreas) {
        RECT all{};
        for (const RECT& d : damage_) all = UnionRects(all, d);
        damage_.assign(1, all);
    }
}

void WindowManager::DamageFrame(HWND h) {
    if (ReallyVisible(h)) AddDamage(ScreenRect(h));
}

std::vector<RECT> WindowManager::TakeDamage() { return std::exchange(damage_, {}); }

RECT WindowManager::NonClientInsets(const Window& w) const {
    int frame = 0;
    if (w.style & WS_THICKFRAME) frame = 4;
    else if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME)) frame = 3;
    else if (w.style & WS_BORDER) frame = 1;
    if (w.exStyle & WS_EX_CLIENTEDGE) frame += 2;
    else if (w.exStyle & WS_EX_STATICEDGE) frame += 1;
    RECT insets{frame, frame, frame, frame};
    if ((w.style & WS_CAPTION) == WS_CAPTION) insets.top += 18;
    return insets;
}

RECT WindowManager::ScreenRect(HWND h) const {
    const Window* w = Get(h);
    if (!w) return {};
    RECT r = w->rect;
    if (w->Child()) {
        const RECT pc = ClientScreenRect(w->parent);
        r = {r.left + pc.left, r.top + pc.top, r.right + pc.left, r.bottom + pc.top};
    }
    return r;
}

RECT WindowManager::ClientScreenRect(HWND h) const {
    const Window* w = Get(h);
    if (!w) return {};
    RECT r = ScreenRect(h);
    const RECT in = NonClientInsets(*w);
    r = {r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
    if (r.right < r.left) r.right = r.left;
    if (r.bottom < r.top) r.bottom = r.top;
    return r;
}

HWND WindowManager::TopLevelOf(HWND h) const {
    const Window* w = Get(h);
    while (w && w->Child()) {
        h = w->parent;
        w = Get(h);
    }
    return w ? h : 0;
}

bool WindowManager::UpToTopLevel(HWND h, bool (Window::*holds)() const) const {
    const Window* w = Get(h);
    while (w) {
        if (!(w->*holds)()) return false;
        if (!w->Child()) return true;
        w = Get(w->parent);
    }
    return false;
}

LRESULT WindowManager::Send(HWND h, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = Get(h);
    if (!w || !w->proc) return 0;
    return w->proc(h, msg, wp, lp);
}

bool WindowManager::Post(const MSG& msg) {
    if (msg.hwnd && !Get(msg.hwnd)) return false;
    queue_.push_back(msg);
    return true;
}

HWND WindowManager::NextToPaintIn(std::span<const HWND> list) const {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        const Window* w = Get(*it);
        if (!w || !w->Visible()) continue;
        if (w->frameDirty || !IsRectEmptyValue(w->update)) return *it;
        if (HWND child = NextToPaintIn(w->children)) return child;
    }
    return 0;
}

HWND WindowManager::NextWindowToPaint() const { return NextToPaintIn(topLevels_); }

namespace {

bool IsInput(UINT message) {
    return (message >= WM_KEYDOWN && message <= WM_SYSCHAR) || (message >= WM_MOUSEMOVE && message <= WM_LBUTTONDBLCLK);
}

}  // namespace

// Posted messages first; when the queue is empty, paint what is invalid; then ask the input
// source for more. False when there is nothing and nothing will come.
bool WindowManager::Next(MSG& msg, bool remove, bool wait) {
    for (;;) {
        // Keys and clicks never reach a window that cannot take them, such as one in the owner of
        // a modal box: what was typed ahead into it is lost, as on the platform, instead of
        // reaching its handlers from inside the box's own loop.
        while (!queue_.empty() && IsInput(queue_.front().message) && !ReallyEnabled(queue_.front().hwnd))
            queue_.pop_front();
        if (!queue_.empty()) {
            msg = queue_.front();
            if (remove) queue_.pop_front();
            return true;
        }
        if (quit_) {
            msg = {0, WM_QUIT, WPARAM(quitCode_), 0};
            if (remove) quit_ = false;
            return true;
        }
        if (HWND h = paintDeferred_ ? 0 : NextWindowToPaint()) {
            Window* w = Get(h);
            msg = {h, w->frameDirty ? WM_NCPAINT : WM_PAINT, 0, 0};
            if (remove && w->frameDirty) w->frameDirty = false;
            return true;
        }
        if (!wait) return false;
        // A stop asks no more input: each modal window closes in turn, the innermost first.
        if (stop_request::Signal() != 0) {
            if (!CloseTopModalForStop()) return false;
            continue;
        }
        stopCloses_ = 0;
        if (!input_ || !input_()) return false;
    }
}

// WM_CLOSE is the close box: Cancel for a dialog, the answer Escape gives for a message box.
bool WindowManager::CloseTopModalForStop() {
    constexpr int kMostCloses = 256;   // a window that will not close must not keep us here
    const HWND top = GetModalWindow();
    if (!top || ++stopCloses_ > kMostCloses) return false;
    return Post({top, WM_CLOSE, 0, 0});
}

void WindowManager::PaintAll(HWND topLevel) {
    // The list is taken again each time: a paint may make or destroy top-level windows.
    while (HWND h = NextToPaintIn(topLevel ? std::span<const HWND>(&topLevel, 1) : std::span<const HWND>(topLevels_))) {
        Window* w = Get(h);
        if (w->frameDirty) {
            w->frameDirty = false;
            Send(h, WM_NCPAINT, 0, 0);
        } else {
            Send(h, WM_PAINT, 0, 0);
            Validate(h, nullptr);   // a procedure that ignores WM_PAINT is not asked forever
        }
    }
}

void WindowManager::Invalidate(HWND h, const RECT* rect, bool erase) {
    Window* w = Get(h);
    if (!w) return;
    const RECT screen = ClientScreenRect(h);
    const RECT client{0, 0, screen.right - screen.left, screen.bottom - screen.top};
    const RECT area = rect ? IntersectRects(*rect, client) : client;
    if (IsRectEmptyValue(area)) return;
    w->update = UnionRects(w->update, area);
    w->erase = w->erase || erase;
    // Within one invalidation nothing moves and nothing is painted, so an area already passed on
    // from this window has reached everything it can reach: overlapping controls would otherwise
    // pass the same area back and forth once per sibling.
    if (invalidateDepth_++ == 0) ++invalidatePass_;
    if (w->spreadPass != invalidatePass_ || !RectContains(w->spread, area)) Spread(*w, area);
    --invalidateDepth_;
}

void WindowManager::Spread(Window& w, const RECT& area) {
    if (w.spreadPass != invalidatePass_ || RectContains(area, w.spread)) {
        w.spreadPass = invalidatePass_;
        w.spread = area;
    }
    InvalidateSiblingsAbove(w, area);
    // Children are painted after their parent, so what the parent repaints they repaint too.
    for (HWND c : w.children) {
        Window* cw = Get(c);
        if (!cw || IsRectEmptyValue(IntersectRects(area, cw->rect))) continue;
        const RECT in = NonClientInsets(*cw);
        const int ox = cw->rect.left + in.left, oy = cw->rect.top + in.top;
        const RECT mapped{area.left - ox, area.top - oy, area.right - ox, area.bottom - oy};
        cw->frameDirty = true;
        Invalidate(c, &mapped, true);
    }
}

// Windows above a repainted sibling are painted after it, so what they cover stays theirs.
void WindowManager::InvalidateSiblingsAbove(const Window& w, const RECT& clientArea) {
    if (!w.Child()) return;
    const Window* parent = Get(w.parent);
    if (!parent) return;
    const RECT in = NonClientInsets(w);
    const RECT area{clientArea.left + w.rect.left + in.left, clientArea.top + w.rect.top + in.top,
                    clientArea.right + w.rect.left + in.left, clientArea.bottom + w.rect.top + in.top};
    // The parent passing on an area round this one reaches those siblings itself.
    if (parent->spreadPass == invalidatePass_ && RectContains(parent->spread, area)) return;
    for (HWND s : parent->children) {
        if (s == w.handle) break;
        Window* sw = Get(s);
        if (!sw || !sw->Visible() || IsRectEmptyValue(IntersectRects(area, sw->rect))) continue;
        const RECT sin = NonClientInsets(*sw);
        const int ox = sw->rect.left + sin.left, oy = sw->rect.top + sin.top;
        const RECT mapped{area.left - ox, area.top - oy, area.right - ox, area.bottom - oy};
        sw->frameDirty = true;
        Invalidate(s, &mapped, true);
    }
}

void WindowManager::Validate(HWND h, const RECT* rect) {
    Window* w = Get(h);
    if (!w) return;
    // The update area is one rectangle: only a part that covers all of it clears it.
    const RECT& u = w->update;
    if (!rect || (rect->left <= u.left && rect->top <= u.top && rect->right >= u.right &&
                  rect->bottom >= u.bottom)) {
        w->update = {};
        w->erase = false;
    }
}
