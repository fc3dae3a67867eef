// The pad image key written and read field by field at its byte offsets.
#include "preview/pad_image_key.h"

#include <algorithm>
#include <cmath>

#include "host/zelmdb/byte_record.h"

namespace {

// A shape code is a byte in every record, so the high byte of the Shape field is free to carry
// the corner rounding of a rectangular pad; it stays 0 for every pad without one.
constexpr size_t kShape = 0, kCorner = 1, kWidth = 2, kHeight = 4, kRotation = 6, kDrill = 8, kColour = 10;
// Corner rounding in steps of half a percent of the shorter side, at most fully round ends.
constexpr int kCornerStep = 50, kMaxCornerSteps = 100;   // ten-thousandths

// Pixel sizes are truncated toward zero.
int16_t Pixels(int64_t units, double s) { return int16_t(std::trunc(double(units) * s)); }

uint8_t CornerSteps(const PadstackInfo& pad) {
    if (!zelmdb::Rectangular(pad.Shape)) return 0;
    return uint8_t(std::min(kMaxCornerSteps, (pad.CornerRatio + kCornerStep / 2) / kCornerStep));
}

}  // namespace

PadImageKey::PadImageKey(const PadstackInfo& pad, double s, int16_t rotation) {
    zelmdb::ByteRecord r(bytes_.data());
    r.SetI16(kShape, int16_t(pad.Shape));
    r.SetU8(kCorner, CornerSteps(pad));
    r.SetI16(kWidth, Pixels(pad.Width(), s));
    r.SetI16(kHeight, Pixels(pad.Height(), s));
    r.SetI16(kRotation, rotation);
    r.SetI16(kDrill, Pixels(pad.Drill(), s));
    r.SetU32(kColour, pad.Colour);
}

zelmdb::PadShape PadImageKey::Shape() const { return zelmdb::PadShape(zelmdb::ReadOnly(bytes_.data()).U8(kShape)); }
double PadImageKey::CornerRatio() const {
    return zelmdb::ReadOnly(bytes_.data()).U8(kCorner) * kCornerStep / double(PadstackInfo::CornerRatioScale);
}
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
