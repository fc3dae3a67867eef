// A 32-bit pixel surface: the screen, a window's backing area or a bitmap's bits.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstddef>
#include <optional>
#include <vector>

#include "platform/gdi/held_lines.h"
#include "platform/win/win_types.h"

// One block transfer as a surface remembers it, to know the same one again.
struct BlitMemo {
    const void* source = nullptr;
    uint64_t sourceStamp = 0;
    DWORD rop = 0;
    int sx = 0, sy = 0, dx = 0, dy = 0, width = 0, height = 0;
    bool operator==(const BlitMemo&) const = default;
};

// Pixels hold COLORREF values (0x00BBGGRR) so raster operations work on them bit for bit; no
// pixel has bits above the 24 of a colour.
class Surface {
public:
    Surface() = default;
    Surface(int width, int height, COLORREF fill = 0);
    // Copies and moves carry the pixels only; what the surface remembers stays behind.
    Surface(const Surface& other);
    Surface(Surface&& other) noexcept;
    Surface& operator=(const Surface& other);
    Surface& operator=(Surface&& other) noexcept;

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

    COLORREF Pixel(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    void SetPixel(int x, int y, COLORREF c) {
        Note(y, x, x + 1);
        pixels_[size_t(y) * width_ + x] = c & 0xFFFFFF;
    }
    // A row for a writer that does not say which pixels it changes.
    COLORREF* Row(int y) {
        Changed();
        return pixels_.data() + size_t(y) * width_;
    }
    const COLORREF* Row(int y) const { return pixels_.data() + size_t(y) * width_; }
    // A row for a writer of pixels x0..x1-1 only.
    COLORREF* SpanOf(int y, int x0, int x1) {
        Note(y, x0, x1);
        return pixels_.data() + size_t(y) * width_;
    }

    void Fill(COLORREF c);
    void Resize(int width, int height, COLORREF fill = 0);
    bool operator==(const Surface& other) const {
        return width_ == other.width_ && height_ == other.height_ && pixels_ == other.pixels_;
    }

    // Differs after every change, and between any two surfaces that ever lived.
    uint64_t Stamp() const { return stamp_; }
    // Whether every pixel is `c`; worked out once per change.
    bool FilledWith(COLORREF c) const;

    // An AND or OR transfer done again onto the same place from an unchanged source changes
    // only what was written since: the surface remembers its last such transfer and logs the
    // spans written after it. Redo applies `op` to the logged spans only and is true, or is
    // false when the memo is not the last transfer or the log was lost.
    void Remember(const BlitMemo& memo);
    template <typename Op>
    bool Redo(const BlitMemo& memo, const Surface& source, Op op);

    // Lines drawn in one colour are known to hold nothing else until a pixel changes in any
    // other way, so the same line drawn again (a name over a name on one spot) is skipped.
    bool Holds(const HeldLine& line) const { return held_.Contains(line); }
    // Before a line of `colour` is drawn: lines held in another colour may lose pixels to it.
    void BeginLine(COLORREF colour) {
        if (colour != heldColour_) {
            Forget();
            heldColour_ = colour;
        }
    }
    void Hold(const HeldLine& line) { held_.Insert(line); }
    // A pixel of a line being drawn in `colour`; written and logged only when it changes.
    void PutLinePixel(int x, int y, COLORREF colour) {
        COLORREF& p = pixels_[size_t(y) * width_ + x];
        if (p == colour) return;
        LogWrite(y, x, x + 1);
        p = colour;
    }

private:
    struct Span {
        int y, x0, x1;
    };
    static constexpr size_t kLogLimit = 1 << 16;
    static uint64_t NextStamp();
    void Changed() {
        stamp_ = NextStamp();
        memo_.reset();
        Forget();
    }
    void Note(int y, int x0, int x1) {
        Forget();
        LogWrite(y, x0, x1);
    }
    void Forget() { held_.Clear(); }
    void LogWrite(int y, int x0, int x1) {
        stamp_ = NextStamp();
        if (!memo_) return;
        if (log_.size() == kLogLimit) {
            memo_.reset();
            return;
        }
        log_.push_back(Span{y, x0, x1});
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<COLORREF> pixels_;
    uint64_t stamp_ = NextStamp();
    std::optional<BlitMemo> memo_;
    std::vector<Span> log_;
    HeldLines held_;   // all in heldColour_
    COLORREF heldColour_ = 0;
    mutable uint64_t fillChecked_ = 0;
    mutable std::optional<COLORREF> fill_;
};

template <typename Op>
bool Surface::Redo(const BlitMemo& memo, const Surface& source, Op op) {
    if (!memo_ || !(*memo_ == memo) || &source == this) return false;
    bool changed = false;
    for (const Span& s : log_) {
        const int y = s.y - memo.dy;
        if (y < 0 || y >= memo.height) continue;
        const int x0 = std::max(s.x0 - memo.dx, 0), x1 = std::min(s.x1 - memo.dx, memo.width);
        if (x1 > x0)
            changed |= op(pixels_.data() + size_t(s.y) * width_ + memo.dx + x0,
                          source.Row(memo.sy + y) + memo.sx + x0, x1 - x0);
    }
    if (changed) Forget();
    log_.clear();
    stamp_ = NextStamp();
    return true;
}
