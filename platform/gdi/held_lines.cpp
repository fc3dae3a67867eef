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
    if (m_count == 0) return false;
    const size_t mask = m_slots.size() - 1;
    for (size_t i = HashOf(line) & mask; m_slots[i].generation == m_generation; i = (i + 1) & mask)
        if (m_slots[i].line == line) return true;
    return false;
}

void HeldLines::Insert(const HeldLine& line) {
    if (m_count == kMost) Clear();
    if ((m_count + 1) * 2 > m_slots.size()) Grow();
    const size_t mask = m_slots.size() - 1;
    size_t i = HashOf(line) & mask;
    for (; m_slots[i].generation == m_generation; i = (i + 1) & mask)
        if (m_slots[i].line == line) return;
    m_slots[i] = Slot{line, m_generation};
    ++m_count;
}

void HeldLines::Grow() {
    std::vector<Slot> old(std::max<size_t>(m_slots.size() * 2, 64));
    old.swap(m_slots);
    const uint32_t live = m_generation;
    m_generation = 1;
    m_count = 0;
    for (const Slot& slot : old)
        if (slot.generation == live) Insert(slot.line);
}

void HeldLines::Clear() {
    if (m_count == 0) return;
    m_count = 0;
    // Every slot of an older generation reads as empty; a wrapped count starts them all anew.
    if (++m_generation == 0) {
        for (Slot& slot : m_slots) slot.generation = 0;
        m_generation = 1;
    }
}
