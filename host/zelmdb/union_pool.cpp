// Buffers are whole mappings of their own, so only the pages a caller touched are in memory. A
// buffer comes back as it was left: clearing it, or even asking the kernel which pages were
// touched, cost more than drawing the pad name it was taken for.
#include "host/zelmdb/union_pool.h"

#include <sys/mman.h>

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
}  // namespace

UnionPool& UnionPool::Get() {
    static UnionPool pool;
    return pool;
}

UnionPool::~UnionPool() {
    // The sanitizer's poison outlives the mapping: whatever maps that range next would fault.
    for (uint8_t* buffer : kept_) {
        ASAN_UNPOISON_MEMORY_REGION(buffer, UnionSize);
        munmap(buffer, UnionSize);
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
    return fresh == MAP_FAILED ? nullptr : static_cast<uint8_t*>(fresh);
}

void UnionPool::Give(uint8_t* buffer) {
    if (buffer == nullptr) return;
    std::lock_guard lock(mutex_);
    if (kept_.size() >= kKeptAtMost) {
        munmap(buffer, UnionSize);
        return;
    }
    ASAN_POISON_MEMORY_REGION(buffer, UnionSize);
    kept_.push_back(buffer);
}

}  // namespace zelmdb
