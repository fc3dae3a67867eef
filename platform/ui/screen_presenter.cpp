// The screen on an SDL texture. Composing is cheap next to uploading and presenting, so the
// frame is composed whole and compared with the one shown to find what to send.
#include "platform/ui/screen_presenter.h"

#include <algorithm>

#include "platform/gdi/window_surfaces.h"
#include "platform/win/window_manager.h"

ScreenPresenter::~ScreenPresenter() {
    if (m_texture) SDL_DestroyTexture(m_texture);
    if (m_renderer) SDL_DestroyRenderer(m_renderer);
    if (m_window) SDL_DestroyWindow(m_window);
}

bool ScreenPresenter::Open(const char* title, int width, int height, std::string& error) {
    m_window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height, 0);
    // Uploading one texture and copying it whole needs no graphics card; the software renderer
    // also keeps the display's GL drivers out of the process.
    if (m_window) m_renderer = SDL_CreateRenderer(m_window, -1, SDL_RENDERER_SOFTWARE);
    // COLORREF is 0x00BBGGRR, which is this packed format bit for bit.
    if (m_renderer)
        m_texture = SDL_CreateTexture(m_renderer, SDL_PIXELFORMAT_BGR888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (!m_texture) {
        error = std::string("the window could not be opened: ") + SDL_GetError();
        return false;
    }
    return true;
}

RECT ScreenPresenter::Changed(const Surface& now) const {
    if (now.Width() != m_shown.Width() || now.Height() != m_shown.Height()) return {0, 0, now.Width(), now.Height()};
    RECT r{now.Width(), now.Height(), 0, 0};
    for (int y = 0; y < now.Height(); ++y) {
        const COLORREF* a = now.Row(y);
        const COLORREF* b = m_shown.Row(y);
        const auto first = std::mismatch(a, a + now.Width(), b);
        if (first.first == a + now.Width()) continue;
        int last = now.Width() - 1;
        while (a[last] == b[last]) --last;
        r.left = std::min<LONG>(r.left, LONG(first.first - a));
        r.right = std::max<LONG>(r.right, last + 1);
        r.top = std::min<LONG>(r.top, y);
        r.bottom = y + 1;
    }
    return r.right > r.left ? r : RECT{};
}

RECT ScreenPresenter::Present() {
    Surface now;
    WindowSurfaces::Install().Compose(now);
    const RECT r = Changed(now);
    if (r.right <= r.left || r.bottom <= r.top || !m_texture) return r;
    const SDL_Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
    SDL_UpdateTexture(m_texture, &area, now.Row(r.top) + r.left, now.Width() * int(sizeof(COLORREF)));
    SDL_RenderCopy(m_renderer, m_texture, nullptr, nullptr);
    SDL_RenderPresent(m_renderer);
    m_shown = std::move(now);
    return r;
}
