// Buffers are whole mappings of their own, and only the pages a caller touched are in memory.
// Given back, those pages are cleared and the rest left alone: a caller that wrote a few hundred
// bytes costs a page, not the megabyte and more a clear would sweep. A page swapped out is not in
// memory either, so a buffer is locked as its pages come in; one the kernel will not lock has its
// absent pages dropped on every return, which makes them read as zero again.
#include "host/zelmdb/union_pool.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "host/zelmdb/record_layout.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TESSRA_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TESSRA_ASAN 1
#endif
#ifdef TESSRA_ASAN
#include <sanitizer/asan_interface.h>
#else
#define ASAN_POISON_MEMORY_REGION(at, size) ((void)(at), (void)(size))
#define ASAN_UNPOISON_MEMORY_REGION(at, size) ((void)(at), (void)(size))
#endif

namespace zelmdb {

namespace {

constexpr size_t kKeptAtMost = 4;   // more than any caller holds at once
constexpr size_t kClearedAtMost = 64 * 1024;   // a longer run of pages is dropped instead

// Makes every byte of the buffer zero; false when the kernel refused or a locked buffer is
// better unmapped.
bool Clear(uint8_t* buffer, bool locked, std::vector<unsigned char>& resident) {
    static const size_t page = size_t(sysconf(_SC_PAGESIZE));
    const size_t pages = (UnionSize + page - 1) / page;
    resident.resize(pages);
    if (mincore(buffer, UnionSize, resident.data()) != 0) return false;
    size_t cleared = 0;
    for (size_t i = 0; i < pages;) {
        const bool in = resident[i] & 1;
        size_t end = i;
        while (end < pages && bool(resident[end] & 1) == in) ++end;
        uint8_t* from = buffer + i * page;
        const size_t size = std::min(end * page, UnionSize) - i * page;
        // Locked absent pages were never written. Locked pages stay in memory, so a buffer
        // holding many of them would cost their clear on every return: it is not kept.
        if (in && size <= kClearedAtMost) {
            std::memset(from, 0, size);
            cleared += size;
            if (locked && cleared > kClearedAtMost) return false;
        } else if (locked ? in : madvise(from, size, MADV_DONTNEED) != 0) {
            return false;
        }
        i = end;
    }
    return true;
}

}  // namespace

UnionPool& UnionPool::Get() {
    static UnionPool pool;
    return pool;
}

UnionPool::~UnionPool() {
    // The sanitizer's poison outlives the mapping: whatever maps that range next would fault.
    for (uint8_t* buffer : kept_) {
        ASAN_UNPOISON_MEMORY_REGION(buffer, UnionSize);
        Unmap(buffer);
    }
}

uint8_t* UnionPool::Take() {
    {
        std::lock_guard lock(mutex_);
        if (!kept_.empty()) {
            uint8_t* buffer = kept_.back();
            kept_.pop_back();
            ASAN_UNPOISON_MEMORY_REGION(buffer, UnionSize);
            return buffer;
        }
    }
    void* fresh = mmap(nullptr, UnionSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (fresh == MAP_FAILED) return nullptr;
    auto* buffer = static_cast<uint8_t*>(fresh);
    // Beyond the memory-lock limit a buffer goes unlocked and is cleared the slower way.
    if (mlock2(buffer, UnionSize, MLOCK_ONFAULT) == 0) {
        std::lock_guard lock(mutex_);
        locked_.push_back(buffer);
    }
    return buffer;
}

bool UnionPool::Locked(const uint8_t* buffer) const {
    return std::find(locked_.begin(), locked_.end(), buffer) != locked_.end();
}

void UnionPool::Unmap(uint8_t* buffer) {
    locked_.erase(std::remove(locked_.begin(), locked_.end(), buffer), locked_.end());
    munmap(buffer, UnionSize);
}

void UnionPool::Give(uint8_t* buffer) {
    if (buffer == nullptr) return;
    // A buffer that cannot be cleared is not kept.
    std::lock_guard lock(mutex_);
    if (kept_.size() >= kKeptAtMost || !Clear(buffer, Locked(buffer), resident_)) {
        Unmap(buffer);
        return;
    }
    ASAN_POISON_MEMORY_REGION(buffer, UnionSize);
    kept_.push_back(buffer);
}

}  // namespace zelmdb
