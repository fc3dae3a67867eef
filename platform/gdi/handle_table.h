// 32-bit handles over a slot table: index in the low 20 bits, a generation above it, so a
// stale handle (deleted, slot reused) is recognised instead of reaching the new occupant.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

template <typename T>
class HandleTable {
public:
    explicit HandleTable(uint32_t tag) : m_tag(tag & 0xF) {}

    uint32_t Add(std::unique_ptr<T> item) {
        uint32_t index;
        if (!m_free.empty()) {
            index = m_free.back();
            m_free.pop_back();
        } else {
            index = uint32_t(m_slots.size());
            m_slots.push_back({});
        }
        Slot& slot = m_slots[index];
        slot.item = std::move(item);
        slot.generation = (slot.generation + 1) & 0xFF;
        ++m_live;
        return (m_tag << 28) | (uint32_t(slot.generation) << 20) | (index + 1);
    }

    T* Get(uint32_t handle) const {
        if ((handle >> 28) != m_tag) return nullptr;
        const uint32_t index = (handle & 0xFFFFF);
        if (index == 0 || index > m_slots.size()) return nullptr;
        const Slot& slot = m_slots[index - 1];
        if (slot.generation != ((handle >> 20) & 0xFF)) return nullptr;
        return slot.item.get();
    }

    bool Remove(uint32_t handle) {
        if (!Get(handle)) return false;
        const uint32_t index = (handle & 0xFFFFF) - 1;
        m_slots[index].item.reset();
        m_free.push_back(index);
        --m_live;
        return true;
    }

    int Live() const { return m_live; }

private:
    struct Slot {
        std::unique_ptr<T> item;
        uint32_t generation = 0;
    };
    uint32_t m_tag;
    std::vector<Slot> m_slots;
    std::vector<uint32_t> m_free;
    int m_live = 0;
};
