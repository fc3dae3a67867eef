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
    WindowLook(Display* d, Window w) : d_(d), w_(w) {
        XWindowAttributes a{};
        XGetWindowAttributes(d, w, &a);
        image_ = XShmCreateImage(d, a.visual, a.depth, ZPixmap, nullptr, &shm_, a.width, a.height);
        if (!image_) return;
        shm_.shmid = shmget(IPC_PRIVATE, size_t(image_->bytes_per_line) * image_->height, IPC_CREAT | 0600);
        shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
        shm_.readOnly = False;
        ok_ = XShmAttach(d, &shm_);
        shmctl(shm_.shmid, IPC_RMID, nullptr);   // gone once both sides detach
    }
    ~WindowLook() {
        if (!image_) return;
        if (ok_) XShmDetach(d_, &shm_);
        shmdt(shm_.shmaddr);
        image_->data = nullptr;
        XDestroyImage(image_);
    }
    bool Ok() const { return ok_; }
    std::vector<char> Take() {
        XShmGetImage(d_, w_, image_, 0, 0, AllPlanes);
        return {image_->data, image_->data + size_t(image_->bytes_per_line) * image_->height};
    }
    bool Same(const std::vector<char>& before) {
        XShmGetImage(d_, w_, image_, 0, 0, AllPlanes);
        return std::memcmp(before.data(), image_->data, before.size()) == 0;
    }

private:
    Display* d_;
    Window w_;
    XShmSegmentInfo shm_{};
    XImage* image_ = nullptr;
    bool ok_ = false;
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
