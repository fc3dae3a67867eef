// The 14-byte key of one rendered pad appearance. The cache compares keys byte by byte, so
// the key is kept as its bytes and every field is written at its offset.
#pragma once
#include <array>
#include <cstdint>

#include "array/padstack_info.h"
#include "platform/win/win_types.h"

class PadImageKey {
public:
    static constexpr uint32_t Size = 14;

    // A padstack's appearance at scale `s` pixels per database unit.
    PadImageKey(const PadstackInfo& pad, double s, int16_t rotation);
    PadImageKey() = default;

    zelmdb::PadShape Shape() const;
    // Of the shorter side; 0 for sharp corners.
    double CornerRatio() const;
    int16_t Width() const;
    int16_t Height() const;
    int16_t Rotation() const;
    int16_t Drill() const;
    COLORREF Colour() const;

    void SetRotation(int16_t minutes);
    // The key of the white mask that serves every image of this pixel size.
    PadImageKey Mask() const;

    const uint8_t* data() const { return bytes_.data(); }

private:
    std::array<uint8_t, Size> bytes_{};
};
