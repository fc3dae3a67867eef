// Little-endian reads and writes at byte offsets of a record buffer; records are never cast.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zelmdb {

class ByteRecord {
public:
    explicit ByteRecord(uint8_t* bytes) : bytes_(bytes) {}

    int32_t I32(size_t at) const { return static_cast<int32_t>(U32(at)); }
    uint32_t U32(size_t at) const {
        return uint32_t(bytes_[at]) | uint32_t(bytes_[at + 1]) << 8 | uint32_t(bytes_[at + 2]) << 16 |
               uint32_t(bytes_[at + 3]) << 24;
    }
    int16_t I16(size_t at) const { return static_cast<int16_t>(U16(at)); }
    uint16_t U16(size_t at) const { return uint16_t(bytes_[at] | bytes_[at + 1] << 8); }
    uint8_t U8(size_t at) const { return bytes_[at]; }
    double F64(size_t at) const {
        uint64_t bits = 0;
        if constexpr (std::endian::native == std::endian::little) {
            std::memcpy(&bits, bytes_ + at, sizeof bits);
        } else {
            for (int i = 7; i >= 0; --i) bits = bits << 8 | bytes_[at + size_t(i)];
        }
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    const char* Text(size_t at) const { return reinterpret_cast<const char*>(bytes_ + at); }

    void SetU32(size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes_[at + size_t(i)] = uint8_t(v >> (8 * i));
    }
    void SetI32(size_t at, int32_t v) { SetU32(at, static_cast<uint32_t>(v)); }
    void SetU16(size_t at, uint16_t v) {
        bytes_[at] = uint8_t(v);
        bytes_[at + 1] = uint8_t(v >> 8);
    }
    void SetI16(size_t at, int16_t v) { SetU16(at, static_cast<uint16_t>(v)); }
    void SetU8(size_t at, uint8_t v) { bytes_[at] = v; }
    void SetF64(size_t at, double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i) bytes_[at + size_t(i)] = uint8_t(bits >> (8 * i));
    }
    // Copies at most max - 1 characters and always terminates.
    void SetText(size_t at, const char* text, size_t max) {
        size_t n = 0;
        while (text[n] != '\0' && n + 1 < max) {
            bytes_[at + n] = uint8_t(text[n]);
            ++n;
        }
        bytes_[at + n] = 0;
    }
    void Zero(size_t at, size_t size) { std::memset(bytes_ + at, 0, size); }

private:
    uint8_t* bytes_;
};

}  // namespace zelmdb

namespace zelmdb {
// A record handed in as const is only ever read through the const accessors.
inline const ByteRecord ReadOnly(const uint8_t* bytes) {
    return ByteRecord(const_cast<uint8_t*>(bytes));
}
}  // namespace zelmdb
