// The held-line set: open addressing with a generation per slot, so emptying it is one
// increment instead of a sweep.
#include "platform/gdi/held_lines.h"

#include <algorithm>

size_t HeldLines::HashOf(const HeldLine& l) {
    const LONG parts[] = {l.a.x, l.a.y, l.b.x, l.b.y, l.clip.left, l.clip.top, l.clip.right, l.clip.bottom,
                          LONG(l.colour)};
    uint64_t h = 0x9E3779B97F4A7C15u;
    for (const LONG v : parts) h = (h ^ uint32_t(v)) * 0x100000001B3u;
    return size_t(h ^ (h >> 29));
}

bool HeldLines::Contains(const HeldLine& line) const {
    if (count_ == 0) return false;
    const size_t mask = slots_.size() - 1;
    for (size_t i = HashOf(line) & mask; slots_[i].generation == generation_; i = (i + 1) & mask)
        if (slots_[i].line == line) return true;
    return false;
}

void HeldLines::Insert(const HeldLine& line) {
    if (count_ == kMost) Clear();
    if ((count_ + 1) * 2 > slots_.size()) Grow();
    const size_t mask = slots_.size() - 1;
    size_t i = HashOf(line) & mask;
    for (; slots_[i].generation == generation_; i = (i + 1) & mask)
        if (slots_[i].line == line) return;
    slots_[i] = Slot{line, generation_};
    ++count_;
}

void HeldLines::Grow() {
    std::vector<Slot> old(std::max<size_t>(slots_.size() * 2, 64));
    old.swap(slots_);
    const uint32_t live = generation_;
    generation_ = 1;
    count_ = 0;
    for (const Slot& slot : old)
        if (slot.generation == live) Insert(slot.line);
}

void HeldLines::Clear() {
    if (count_ == 0) return;
    count_ = 0;
    // Every slot of an older generation reads as empty; a wrapped count starts them all anew.
    if (++generation_ == 0) {
        for (Slot& slot : slots_) slot.generation = 0;
        generation_ = 1;
    }
}
