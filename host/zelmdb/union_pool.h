// The record buffers of MemAllocUnion, kept for reuse: the preview asks for one per pad name it
// draws, and a fresh zeroed buffer of this size cost more than drawing the name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace zelmdb {

class UnionPool {
public:
    static UnionPool& Get();
    ~UnionPool();
    UnionPool(const UnionPool&) = delete;
    UnionPool& operator=(const UnionPool&) = delete;

    // A buffer of UnionSize bytes, all zero, as a fresh one would be; null when memory is out.
    uint8_t* Take();
    // Takes back a buffer of Take; null is ignored.
    void Give(uint8_t* buffer);
    size_t Kept() const { return kept_.size(); }
    // Buffers, lent out or kept, whose pages cannot be swapped out.
    size_t LockedCount() const { return locked_.size(); }

private:
    UnionPool() = default;
    bool Locked(const uint8_t* buffer) const;
    void Unmap(uint8_t* buffer);   // with the mutex held
    std::mutex mutex_;
    std::vector<uint8_t*> kept_;
    std::vector<uint8_t*> locked_;   // buffers whose pages stay in memory once touched
    std::vector<unsigned char> resident_;   // the page map of the buffer being cleared
};

}  // namespace zelmdb
