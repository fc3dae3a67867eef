#include "preview/pad_image_key.h"

#include <cmath>

#include "host/zelmdb/byte_record.h"

namespace {

constexpr size_t kShape = 0, kWidth = 2, kHeight = 4, kRotation = 6, kDrill = 8, kColour = 10;

// Pixel sizes are truncated toward zero.
int16_t Pixels(int64_t units, double s) { return int16_t(std::trunc(double(units) * s)); }

}  // namespace

PadImageKey::PadImageKey(const PadstackInfo& pad, double s, int16_t rotation) {
    zelmdb::ByteRecord r(bytes_.data());
    r.SetI16(kShape, pad.Shape);
    r.SetI16(kWidth, Pixels(pad.Width(), s));
    r.SetI16(kHeight, Pixels(pad.Height(), s));
    r.SetI16(kRotation, rotation);
    r.SetI16(kDrill, Pixels(pad.Drill(), s));
    r.SetU32(kColour, pad.Colour);
}

int16_t PadImageKey::Shape() const { return zelmdb::ReadOnly(bytes_.data()).I16(kShape); }
int16_t PadImageKey::Width() const { return zelmdb::ReadOnly(bytes_.data()).I16(kWidth); }
int16_t PadImageKey::Height() const { return zelmdb::ReadOnly(bytes_.data()).I16(kHeight); }
int16_t PadImageKey::Rotation() const { return zelmdb::ReadOnly(bytes_.data()).I16(kRotation); }
int16_t PadImageKey::Drill() const { return zelmdb::ReadOnly(bytes_.data()).I16(kDrill); }
COLORREF PadImageKey::Colour() const { return zelmdb::ReadOnly(bytes_.data()).U32(kColour); }

void PadImageKey::SetRotation(int16_t minutes) { zelmdb::ByteRecord(bytes_.data()).SetI16(kRotation, minutes); }

PadImageKey PadImageKey::Mask() const {
    PadImageKey mask;
    zelmdb::ByteRecord r(mask.bytes_.data());
    r.SetI16(kWidth, Width());
    r.SetI16(kHeight, Height());
    return mask;
}
