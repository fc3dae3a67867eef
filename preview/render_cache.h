// A store from byte keys to byte data in a fixed number of chained hash buckets; the array
// preview keeps one rendered bitmap handle per pad appearance in it.
#pragma once
#include <cstddef>
#include <cstdint>

struct RenderCache;

// Called for each entry; answers 1 to end the walk, 0 to go on.
using CacheVisitor = int (*)(const uint8_t* key, uint32_t keyLen, const uint8_t* data,
                             uint32_t dataLen, void* context);

// 0 buckets means 256. Null after a failed allocation, which has been reported.
RenderCache* CacheCreate(uint16_t buckets);

// 1: a new entry holds copies of key and data. 0: an equal key is already there and nothing
// changed. -1: nothing was stored (a failed allocation, reported; a null cache; data too long
// for a lookup to report its size). Only on 1 does the cache hold anything of the caller's.
int CacheAdd(RenderCache* cache, const void* key, uint32_t keyLen, const void* data,
             uint32_t dataLen);

// 0: no such key (an entry of zero data bytes reads the same). -size: the buffer is smaller than
// the stored data and nothing was copied. size: the data was copied into the buffer.
int32_t CacheLookup(const RenderCache* cache, const void* key, uint32_t keyLen, void* buffer,
                    uint32_t bufferSize);

// Bucket 0 first, each chain from its head, so the newest entry of a bucket comes first.
void CacheForEach(const RenderCache* cache, CacheVisitor visitor, void* context);

// Frees every copy the cache made; the things its data refer to are the owner's. Null is ignored.
void CacheDestroy(RenderCache* cache);

// The bucket of a key is CacheHash(key) % bucket count.
uint16_t CacheHash(const void* key, uint32_t keyLen);

// Shows "Out of memory " followed by what failed.
void ReportCacheFailure(const char* what);

// Where the cache takes its memory and gives it back; tests install one that fails on purpose.
// A null member stands for malloc or free. Returns what was set before.
struct CacheMemory {
    void* (*allocate)(size_t size) = nullptr;
    void (*release)(void* block) = nullptr;
};
CacheMemory SetCacheMemory(CacheMemory memory);
