// Keystroke to screen through a real X server: XTest presses a key in the person's window and
// the time until its pixels change is taken, as a person would see it. It needs `orvex run`
// showing the dialog on the same display with the keyboard in a number field; the script
// bench/interactive_figures.sh sets that up under Xvfb.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The first window below `w` whose name starts with "Orvex".
Window FindOrvex(Display* d, Window w) {
    char* name = nullptr;
    if (XFetchName(d, w, &name) && name) {
        const bool found = std::strncmp(name, "Orvex", 5) == 0;
        XFree(name);
        if (found) return w;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window hit = 0;
    if (XQueryTree(d, w, &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !hit; ++i) hit = FindOrvex(d, children[i]);
        if (children) XFree(children);
    }
    return hit;
}

// The window's pixels through shared memory, so one look costs a copy, not a round of the
// socket per row.
class WindowLook {
public:
    WindowLook(Display* d, Window w) : m_d(d), m_w(w) {
        XWindowAttributes a{};
        XGetWindowAttributes(d, w, &a);
        m_image = XShmCreateImage(d, a.visual, a.depth, ZPixmap, nullptr, &m_shm, a.width, a.height);
        if (!m_image) return;
        m_shm.shmid = shmget(IPC_PRIVATE, size_t(m_image->bytes_per_line) * m_image->height, IPC_CREAT | 0600);
        m_shm.shmaddr = m_image->data = static_cast<char*>(shmat(m_shm.shmid, nullptr, 0));
        m_shm.readOnly = False;
        m_ok = XShmAttach(d, &m_shm);
        shmctl(m_shm.shmid, IPC_RMID, nullptr);   // gone once both sides detach
    }
    ~WindowLook() {
        if (!m_image) return;
        if (m_ok) XShmDetach(m_d, &m_shm);
        shmdt(m_shm.shmaddr);
        m_image->data = nullptr;
        XDestroyImage(m_image);
    }
    bool Ok() const { return m_ok; }
    std::vector<char> Take() {
        XShmGetImage(m_d, m_w, m_image, 0, 0, AllPlanes);
        return {m_image->data, m_image->data + size_t(m_image->bytes_per_line) * m_image->height};
    }
    bool Same(const std::vector<char>& before) {
        XShmGetImage(m_d, m_w, m_image, 0, 0, AllPlanes);
        return std::memcmp(before.data(), m_image->data, before.size()) == 0;
    }

private:
    Display* m_d;
    Window m_w;
    XShmSegmentInfo m_shm{};
    XImage* m_image = nullptr;
    bool m_ok = false;
};

void Press(Display* d, KeyCode key) {
    XTestFakeKeyEvent(d, key, True, 0);
    XTestFakeKeyEvent(d, key, False, 0);
    XFlush(d);
}

// A digit, then Backspace, and so on: each key changes the field and the pads behind it. The
// caret's blink starts again with every key, so it cannot be taken for the key's frame.
void BM_KeyToScreen(benchmark::State& state) {
    Display* d = XOpenDisplay(nullptr);
    const Window w = d ? FindOrvex(d, DefaultRootWindow(d)) : 0;
    if (!w) {
        state.SkipWithError("no orvex window on this display");
        if (d) XCloseDisplay(d);
        return;
    }
    {
        WindowLook look(d, w);
        if (!look.Ok()) state.SkipWithError("no shared memory with the X server");
        const KeyCode keys[] = {XKeysymToKeycode(d, XK_5), XKeysymToKeycode(d, XK_BackSpace)};
        int next = 0;
        for (auto _ : state) {
            if (!look.Ok()) break;
            const std::vector<char> before = look.Take();
            const Clock::time_point start = Clock::now();
            Press(d, keys[next]);
            next = 1 - next;
            while (look.Same(before))
                if (Clock::now() - start > std::chrono::seconds(2)) {
                    state.SkipWithError("the window did not change after a key");
                    break;
                }
            state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
        }
    }
    XCloseDisplay(d);
}
BENCHMARK(BM_KeyToScreen)->UseManualTime()->Iterations(200)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
