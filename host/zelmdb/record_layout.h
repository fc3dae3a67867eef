// Byte offsets of the host records: one table per record, little-endian and packed.
#pragma once
#include <cstddef>
#include <cstdint>

namespace zelmdb {

constexpr size_t PathMax = 260;        // path buffers handed to the library
constexpr size_t TextMax = 256;        // name buffers, zero included
constexpr int MaxLayers = 64;

// The layers of a padstack that mean the same in every design; the others are the design's own.
enum class PadLayer : int { Top = 1, Bottom = 2, Drill = 14 };
// A layer's place in a padstack's list of layers, which starts at layer 1.
constexpr size_t LayerIndex(PadLayer layer) { return size_t(layer) - 1; }

namespace DbRecordLayout {
constexpr size_t InchesPerUnit = 0x40;   // double
constexpr size_t ComponentA = 0x70;      // int32, copied into components at 0x18
constexpr size_t ComponentB = 0x74;      // int32, copied into components at 0x1C
constexpr size_t Flags = 0x78;           // uint8
constexpr size_t LayerCount = 0x80;      // int16
constexpr size_t PadstackFirst = 0x82;   // int16, listed ids start above it
constexpr size_t PadstackLast = 0x84;    // int16, inclusive
constexpr size_t UnitCode = 0x104;       // uint8
constexpr size_t Size = 0x108;
}  // namespace DbRecordLayout

constexpr unsigned char BigLabelsFlag = 0x40;

namespace LayerEntryLayout {
constexpr size_t Width1 = 0x00;
constexpr size_t Height1 = 0x04;
constexpr size_t Width2 = 0x08;
constexpr size_t Height2 = 0x0C;
// Host properties in bytes the plug-in leaves as read; 0x12 and 0x13 stay free.
constexpr size_t CornerRatio = 0x10;   // uint16, ten-thousandths of the shorter side
constexpr size_t HostFlags = 0x15;     // uint8
constexpr size_t Shape = 0x14;      // uint8
constexpr size_t Rotation = 0x16;   // int16, minutes
constexpr size_t Size = 24;
}  // namespace LayerEntryLayout

namespace ThruRecordLayout {
constexpr size_t NameId = 0x00;
constexpr size_t Id = 0x04;
// The host's form of the padstack (pad_form.h) in bytes the plug-in leaves as read: 0 for none.
constexpr size_t FormId = 0x08;      // int32
constexpr size_t FirstLayer = 0x24;
constexpr size_t Layer(int layer) { return FirstLayer + LayerEntryLayout::Size * size_t(layer - 1); }
constexpr size_t Layer(PadLayer layer) { return Layer(int(layer)); }
constexpr size_t Size = FirstLayer + LayerEntryLayout::Size * MaxLayers;
}  // namespace ThruRecordLayout

namespace PinEntryLayout {
constexpr size_t NameId = 0x00;
constexpr size_t X = 0x04;
constexpr size_t Y = 0x08;
constexpr size_t Padstack = 0x0C;   // int16
constexpr size_t Size = 20;
}  // namespace PinEntryLayout

namespace SymRecordLayout {
constexpr size_t NameId = 0x00;
constexpr size_t PinCount = 0x08;   // uint16
constexpr size_t CenterX = 0x18;
constexpr size_t CenterY = 0x1C;
constexpr size_t Pins = 0x20;       // pin n at Pins + 20 n, counted from 1
constexpr size_t Pin(int n) { return Pins + PinEntryLayout::Size * size_t(n); }
constexpr int MaxPins = 65535;
constexpr size_t Size = Pin(MaxPins + 1);
}  // namespace SymRecordLayout

namespace CompRecordLayout {
constexpr size_t NameId = 0x00;
constexpr size_t ValueA = 0x18;
constexpr size_t ValueB = 0x1C;
constexpr size_t SymbolId = 0x26;   // uint16
constexpr size_t Size = 0x28;
}  // namespace CompRecordLayout

namespace TextRecordLayout {
constexpr size_t ExtentXLow = 0x08;
constexpr size_t ExtentYLow = 0x0C;
constexpr size_t ExtentXHigh = 0x10;
constexpr size_t ExtentYHigh = 0x14;
constexpr size_t LineWidth = 0x18;
constexpr size_t Height = 0x1C;
constexpr size_t X = 0x20;
constexpr size_t Y = 0x24;
constexpr size_t SymbolId = 0x2E;   // uint16
constexpr size_t WidthPercent = 0x30;   // int16, glyph width in percent of the normal; 0 = 100
constexpr size_t Layer = 0x34;      // uint8
constexpr size_t Kind = 0x35;       // uint8
constexpr size_t Text = 0x37;       // zero-terminated
constexpr size_t Size = Text + TextMax;
}  // namespace TextRecordLayout

namespace SegmentListLayout {
constexpr size_t Count = 0x00;      // uint16
constexpr size_t First = 0x04;      // x1, y1, x2, y2 as int32
constexpr size_t Size = 16;
}  // namespace SegmentListLayout

namespace ProfileSectionLayout {
constexpr size_t Count = 0x00;      // int16
constexpr size_t First = 0x04;
constexpr size_t Key = 0x00;        // 32-bit text handle
constexpr size_t Value = 0x04;      // 32-bit text handle
constexpr size_t EntrySize = 10;
constexpr size_t Entry(int i) { return First + EntrySize * size_t(i); }
}  // namespace ProfileSectionLayout

namespace ColorKeyLayout {
constexpr size_t Kind = 0;
constexpr size_t SubKind = 1;
constexpr size_t Layer = 2;
}  // namespace ColorKeyLayout

namespace ColorOutLayout {
constexpr size_t Index = 0;         // int16
constexpr size_t Color = 8;         // 0x00BBGGRR
constexpr size_t Size = 12;
}  // namespace ColorOutLayout

// One buffer fits a symbol with the most pins, which is the largest record.
constexpr size_t UnionSize = SymRecordLayout::Size;
constexpr int MaxProfileEntries = int((UnionSize - ProfileSectionLayout::First) /
                                      ProfileSectionLayout::EntrySize) > 32767
                                      ? 32767
                                      : int((UnionSize - ProfileSectionLayout::First) /
                                            ProfileSectionLayout::EntrySize);
constexpr int MaxSegments = int((UnionSize - SegmentListLayout::First) / SegmentListLayout::Size);

enum RecordKind { KindSymbol = 8, KindComponent = 10, KindText = 14 };

// What a label's text stands for (TextRecordLayout::Kind); the host fills in the name.
enum LabelKind : uint8_t { LabelComponent = 1, LabelFootprint = 2, LabelPackage = 3, LabelValue = 7 };

}  // namespace zelmdb
