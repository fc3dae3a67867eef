// The lines a surface knows to hold only their colour: an open-addressed set that is emptied
// at once, since any other change to the surface empties it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/win/win_types.h"

// A one-pixel line in surface coordinates as a solid copying pen draws it, clipped to `clip`.
struct HeldLine {
    POINT a, b;
    RECT clip;
    COLORREF colour;
    bool operator==(const HeldLine& o) const {
        return a.x == o.a.x && a.y == o.a.y && b.x == o.b.x && b.y == o.b.y && clip.left == o.clip.left &&
               clip.top == o.clip.top && clip.right == o.clip.right && clip.bottom == o.clip.bottom &&
               colour == o.colour;
    }
};

class HeldLines {
public:
    bool Contains(const HeldLine& line) const;
    void Insert(const HeldLine& line);
    void Clear();
    bool Empty() const { return count_ == 0; }

private:
    struct Slot {
        HeldLine line;
        uint32_t generation = 0;
    };
    static constexpr size_t kMost = 1 << 14;   // a paint that never repeats a line only grows it
    static size_t HashOf(const HeldLine& line);
    void Grow();

    std::vector<Slot> slots_;   // a power of two, at most half full
    size_t count_ = 0;
    uint32_t generation_ = 1;
};
