// The render cache: fixed buckets of entry chains, each entry owning copies of its key and data.
#include "preview/render_cache.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/win/message_box.h"
#include "res/captions.h"
#include "res/preview_texts.h"

struct CacheEntry {
    uint8_t* data;
    uint32_t dataLen;
    uint8_t* key;
    uint32_t keyLen;
    CacheEntry* next;
};

struct RenderCache {
    uint16_t bucketCount;
    CacheEntry** buckets;
};

namespace {

constexpr uint16_t DefaultBucketCount = 256;
// A lookup answers a size as a signed 32-bit number, so no datum may be longer.
constexpr uint32_t MaxDataLen = 0x7FFFFFFF;

// The byte table of the CRC-16 with the reflected polynomial 0xA001.
constexpr std::array<uint16_t, 256> MakeCrcTable() {
    std::array<uint16_t, 256> table{};
    for (unsigned n = 0; n < 256; ++n) {
        unsigned c = n;
        for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xA001 : c >> 1;
        table[n] = uint16_t(c);
    }
    return table;
}
constexpr std::array<uint16_t, 256> CrcTable = MakeCrcTable();
static_assert(CrcTable[1] == 0xC0C1 && CrcTable[2] == 0xC181 && CrcTable[3] == 0x0140);

CacheMemory& Memory() {
    static CacheMemory memory;
    return memory;
}

void* Allocate(size_t size) {
    return Memory().allocate ? Memory().allocate(size) : std::malloc(size);
}

void Release(void* block) {
    if (Memory().release) {
        Memory().release(block);
    } else {
        std::free(block);
    }
}

// One byte at least, so that an empty key or datum is never mistaken for a failed allocation.
uint8_t* CopyBytes(const void* bytes, uint32_t size) {
    auto* copy = static_cast<uint8_t*>(Allocate(size == 0 ? 1 : size));
    if (copy != nullptr && size != 0) std::memcpy(copy, bytes, size);
    return copy;
}

bool SameKey(const CacheEntry& e, const void* key, uint32_t keyLen) {
    return e.keyLen == keyLen && (keyLen == 0 || std::memcmp(e.key, key, keyLen) == 0);
}

CacheEntry** BucketOf(const RenderCache& cache, const void* key, uint32_t keyLen) {
    return &cache.buckets[CacheHash(key, keyLen) % cache.bucketCount];
}

const CacheEntry* FindIn(const CacheEntry* chain, const void* key, uint32_t keyLen) {
    for (; chain != nullptr; chain = chain->next) {
        if (SameKey(*chain, key, keyLen)) return chain;
    }
    return nullptr;
}

}  // namespace

uint16_t CacheHash(const void* key, uint32_t keyLen) {
    const auto* bytes = static_cast<const uint8_t*>(key);
    uint16_t h = 0;
    // Not the usual CRC step: the high byte of h does not carry into the next one. The spread
    // over buckets, and so the order of a walk, rests on this exact form.
    for (uint32_t n = 0; n < keyLen; ++n) {
        const unsigned i = (h & 0xFFu) ^ bytes[n];
        h = uint16_t(CrcTable[i] ^ (i * 0x0101u));
    }
    return h;
}

void ReportCacheFailure(const char* what) {
    // A fixed buffer: the heap has just refused us.
    char text[96];
    std::snprintf(text, sizeof text, preview_texts::kOutOfMemory, what);
    MessageBoxA(0, text, captions::kError, MB_OK);
}

CacheMemory SetCacheMemory(CacheMemory memory) {
    const CacheMemory previous = Memory();
    Memory() = memory;
    return previous;
}

RenderCache* CacheCreate(uint16_t buckets) {
    const uint16_t count = buckets == 0 ? DefaultBucketCount : buckets;
    auto* cache = static_cast<RenderCache*>(Allocate(sizeof(RenderCache)));
    if (cache == nullptr) {
        ReportCacheFailure(preview_texts::kCacheAnchor);
        return nullptr;
    }
    cache->buckets = static_cast<CacheEntry**>(Allocate(sizeof(CacheEntry*) * count));
    if (cache->buckets == nullptr) {
        Release(cache);
        ReportCacheFailure(preview_texts::kCache);
        return nullptr;
    }
    cache->bucketCount = count;
    for (uint16_t b = 0; b < count; ++b) cache->buckets[b] = nullptr;
    return cache;
}

int CacheAdd(RenderCache* cache, const void* key, uint32_t keyLen, const void* data,
             uint32_t dataLen) {
    if (cache == nullptr || dataLen > MaxDataLen) return -1;
    CacheEntry** head = BucketOf(*cache, key, keyLen);
    if (FindIn(*head, key, keyLen) != nullptr) return 0;

    // A failed step gives back what the earlier ones took, so no half entry is ever linked.
    auto* entry = static_cast<CacheEntry*>(Allocate(sizeof(CacheEntry)));
    if (entry == nullptr) {
        ReportCacheFailure(preview_texts::kCacheEntry);
        return -1;
    }
    entry->key = CopyBytes(key, keyLen);
    if (entry->key == nullptr) {
        Release(entry);
        ReportCacheFailure(preview_texts::kCacheKey);
        return -1;
    }
    entry->data = CopyBytes(data, dataLen);
    if (entry->data == nullptr) {
        Release(entry->key);
        Release(entry);
        ReportCacheFailure(preview_texts::kCacheData);
        return -1;
    }
    entry->keyLen = keyLen;
    entry->dataLen = dataLen;
    entry->next = *head;
    *head = entry;
    return 1;
}

int32_t CacheLookup(const RenderCache* cache, const void* key, uint32_t keyLen, void* buffer,
                    uint32_t bufferSize) {
    if (cache == nullptr) return 0;
    const CacheEntry* entry = FindIn(*BucketOf(*cache, key, keyLen), key, keyLen);
    if (entry == nullptr) return 0;
    const int32_t size = int32_t(entry->dataLen);
    if (bufferSize < entry->dataLen) return -size;
    if (size != 0) std::memcpy(buffer, entry->data, entry->dataLen);
    return size;
}

void CacheForEach(const RenderCache* cache, CacheVisitor visitor, void* context) {
    if (cache == nullptr || visitor == nullptr) return;
    for (uint16_t b = 0; b < cache->bucketCount; ++b) {
        for (const CacheEntry* e = cache->buckets[b]; e != nullptr; e = e->next) {
            if (visitor(e->key, e->keyLen, e->data, e->dataLen, context) == 1) return;
        }
    }
}

void CacheDestroy(RenderCache* cache) {
    if (cache == nullptr) return;
    for (uint16_t b = 0; b < cache->bucketCount; ++b) {
        CacheEntry* e = cache->buckets[b];
        while (e != nullptr) {
            CacheEntry* next = e->next;
            Release(e->data);
            Release(e->key);
            Release(e);
            e = next;
        }
    }
    Release(cache->buckets);
    Release(cache);
}
