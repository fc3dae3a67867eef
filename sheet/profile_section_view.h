// Reading one settings section as the host delivers it: entries of key and value handles,
// looked up byte for byte, and value texts converted to integers.
#pragma once
#include <cstdint>
#include <string>

#include "host/zelmdb/byte_record.h"

// Values are read into buffers of this size, so a longer value is cut to one byte less.
constexpr size_t kProfileValueBuffer = 256;

class ProfileSectionView {
public:
    // `buffer` holds a section filled by ComIniGetProfileSection and not yet freed.
    explicit ProfileSectionView(uint8_t* buffer) : record_(buffer) {}

    // The entry count, never below 0 and never past what the buffer can hold.
    int Count() const;
    // The value of the first entry whose key equals `key` exactly (case counts); "" when none.
    std::string Value(const char* key) const;

private:
    zelmdb::ByteRecord record_;
};

// Blanks, an optional sign, then digits up to the first other character; no digits give 0.
// A value beyond 32 bits reads as the nearest limit.
int32_t ProfileValueToInt(const char* text);
