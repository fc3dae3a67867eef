// The record buffers of MemAllocUnion, kept for reuse: the preview asks for one per pad name it
// draws, and a fresh buffer of this size cost more than drawing the name.
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

    // A buffer of UnionSize bytes; null when memory is out. A new one reads as zero, one handed
    // out again holds what its last user left: every call that fills a buffer writes each byte
    // it tells its caller to read.
    uint8_t* Take();
    // Takes back a buffer of Take; null is ignored.
    void Give(uint8_t* buffer);
    size_t Kept() const { return kept_.size(); }

private:
    UnionPool() = default;
    std::mutex mutex_;
    std::vector<uint8_t*> kept_;
};

}  // namespace zelmdb
