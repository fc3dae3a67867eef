// 32-bit handles over a slot table: index in the low 20 bits, a generation above it, so a
// stale handle (deleted, slot reused) is recognised instead of reaching the new occupant.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

// The top four bits of a handle say which table it belongs to, so a window handle given where
// a pen is expected reaches nothing.
enum class HandleTag : uint32_t { GdiObject = 1, DeviceContext = 2, Window = 3 };

template <typename T>
class HandleTable {
public:
    explicit HandleTable(HandleTag tag) : tag_(uint32_t(tag)) {}

    uint32_t Add(std::unique_ptr<T> item) {
        uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            index = uint32_t(slots_.size());
            slots_.push_back({});
        }
        Slot& slot = slots_[index];
        slot.item = std::move(item);
        slot.generation = (slot.generation + 1) & 0xFF;
        ++live_;
        return (tag_ << 28) | (uint32_t(slot.generation) << 20) | (index + 1);
    }

    T* Get(uint32_t handle) const {
        if ((handle >> 28) != tag_) return nullptr;
        const uint32_t index = (handle & 0xFFFFF);
        if (index == 0 || index > slots_.size()) return nullptr;
        const Slot& slot = slots_[index - 1];
        if (slot.generation != ((handle >> 20) & 0xFF)) return nullptr;
        return slot.item.get();
    }

    bool Remove(uint32_t handle) {
        if (!Get(handle)) return false;
        const uint32_t index = (handle & 0xFFFFF) - 1;
        slots_[index].item.reset();
        free_.push_back(index);
        --live_;
        return true;
    }

    int Live() const { return live_; }

private:
    struct Slot {
        std::unique_ptr<T> item;
        uint32_t generation = 0;
    };
    uint32_t tag_;
    std::vector<Slot> slots_;
    std::vector<uint32_t> free_;
    int live_ = 0;
};
