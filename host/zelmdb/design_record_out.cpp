// DbGet: the design record, asked for once for every coordinate the plug-in converts.
#include <cstddef>
#include <cstring>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/guarded.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

namespace {

using zelmdb::DbRecordLayout::Size;
typedef uint8_t Block16 __attribute__((vector_size(16)));
typedef uint8_t Block32 __attribute__((vector_size(32)));
typedef uint8_t Block64 __attribute__((vector_size(64)));

// The record goes out in blocks as wide as the processor's moves: a copy by byte count starts
// slowly, and the plug-in's reads of the record right after are forwarded from the stores only
// when each lies inside one of them.
template <typename Block>
[[gnu::always_inline]] inline int32_t HandOutRecord(uint8_t* record) {
    return zelmdb::Guarded<int32_t>(0, [&]() __attribute__((always_inline)) {
        zelmdb::DesignStore* db = zelmdb::DatabaseSet::Active();
        if (db == nullptr || record == nullptr) return 0;
        const uint8_t* from = db->DesignRecordBytes();
        constexpr size_t Width = sizeof(Block);
        constexpr size_t whole = Size / Width * Width;
        for (size_t at = 0; at < whole; at += Width) {
            Block block;
            std::memcpy(&block, from + at, Width);
            std::memcpy(record + at, &block, Width);
        }
        std::memcpy(record + whole, from + whole, Size - whole);
        return 1;
    });
}

}  // namespace

extern "C" {

#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
using DbGetFunction = int32_t (*)(uint8_t*);

[[gnu::target("avx512f")]] static int32_t DbGet64(uint8_t* record) { return HandOutRecord<Block64>(record); }
[[gnu::target("avx2")]] static int32_t DbGet32(uint8_t* record) { return HandOutRecord<Block32>(record); }
static int32_t DbGet16(uint8_t* record) { return HandOutRecord<Block16>(record); }

// Chosen once, when the library is loaded; the plug-in's calls go through the same table entry
// as any call into the library.
static DbGetFunction ChooseDbGet() {
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512f")) return DbGet64;
    if (__builtin_cpu_supports("avx2")) return DbGet32;
    return DbGet16;
}

int32_t DbGet(uint8_t* record) __attribute__((ifunc("ChooseDbGet")));
#else
int32_t DbGet(uint8_t* record) { return HandOutRecord<Block16>(record); }
#endif

}  // extern "C"
