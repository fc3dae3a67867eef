// DbGet: the design record, asked for once for every coordinate the plug-in converts.
#include <cstddef>
#include <cstring>

#include "host/zelmdb/database_set.h"
#include "host/zelmdb/guarded.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

// GCC on x86-64 picks the widest moves the processor has when the library loads; the sanitizers
// and other compilers take the 16-byte copy everywhere.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define TESSRA_DBGET_BY_PROCESSOR 1
#include <immintrin.h>
#endif

namespace {

using zelmdb::DbRecordLayout::Size;

// The record goes out in blocks as wide as the processor's moves: a copy by byte count starts
// slowly, and the plug-in's reads of the record right after are forwarded from the stores only
// when each lies inside one of them. `Move` copies one block of `Width` bytes.
template <size_t Width, typename Move>
[[gnu::always_inline]] inline void CopyRecord(uint8_t* record, const uint8_t* from, Move move) {
    constexpr size_t whole = Size / Width * Width;
    for (size_t at = 0; at < whole; at += Width) move(record + at, from + at);
    std::memcpy(record + whole, from + whole, Size - whole);
}

// Plain moves: a block variable of a wide vector type would be given a stack slot of its own
// alignment, and the function a realigned frame on every call.
[[gnu::always_inline]] inline void Move16(uint8_t* to, const uint8_t* from) { std::memcpy(to, from, 16); }
#ifdef TESSRA_DBGET_BY_PROCESSOR
[[gnu::target("avx512f"), gnu::always_inline]] inline void Move64(uint8_t* to, const uint8_t* from) {
    _mm512_storeu_si512(to, _mm512_loadu_si512(from));
}
[[gnu::target("avx2"), gnu::always_inline]] inline void Move32(uint8_t* to, const uint8_t* from) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(to), _mm256_loadu_si256(reinterpret_cast<const __m256i*>(from)));
}
#endif

// Any record: encoded first when a change has made it stale, which may fail.
[[gnu::noinline]] int32_t HandOutAnyRecord(uint8_t* record) {
    return zelmdb::Guarded<int32_t>(0, [&] {
        zelmdb::DesignStore* db = zelmdb::DatabaseSet::Active();
        if (db == nullptr || record == nullptr) return 0;
        CopyRecord<16>(record, db->DesignRecordBytes(), Move16);
        return 1;
    });
}

// The usual case calls nothing, so it needs no frame: a function that calls out and uses the
// widest moves would realign its stack on every call.
template <size_t Width, typename Move>
[[gnu::always_inline]] inline int32_t HandOutRecord(uint8_t* record, Move move) {
    const zelmdb::DesignStore* db = zelmdb::DatabaseSet::Active();
    const uint8_t* from = db != nullptr && record != nullptr ? db->FreshRecordBytes() : nullptr;
    if (from == nullptr) return HandOutAnyRecord(record);
    CopyRecord<Width>(record, from, move);
    return 1;
}

}  // namespace

extern "C" {

#ifdef TESSRA_DBGET_BY_PROCESSOR
using DbGetFunction = int32_t (*)(uint8_t*);

[[gnu::target("avx512f")]] static int32_t DbGet64(uint8_t* record) { return HandOutRecord<64>(record, Move64); }
[[gnu::target("avx2")]] static int32_t DbGet32(uint8_t* record) { return HandOutRecord<32>(record, Move32); }
static int32_t DbGet16(uint8_t* record) { return HandOutRecord<16>(record, Move16); }

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
int32_t DbGet(uint8_t* record) { return HandOutRecord<16>(record, Move16); }
#endif

}  // extern "C"
