// Padstack records read through the host's layer-entry offsets.
#include "output/padstack_rules.h"

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "output/layer_colours.h"

namespace T = zelmdb::ThruRecordLayout;
namespace L = zelmdb::LayerEntryLayout;

PadstackBuffer NewPadstackBuffer() { return PadstackBuffer(T::Size, 0); }

uint8_t LayerShape(const PadstackBuffer& record, int layer) {
    return record[T::Layer(layer) + L::Shape];
}

namespace {

bool Undrawable(uint8_t shape) { return shape == 0 || (shape >= 5 && shape <= 8); }

}  // namespace

bool TopPadstack(const PadstackBuffer& record) { return !Undrawable(LayerShape(record, 1)); }

bool UsablePadstack(const PadstackBuffer& record) {
    return TopPadstack(record) || (LayerShape(record, 1) == 0 && LayerShape(record, 2) != 0);
}

void MakePadstackInfo(const PadstackBuffer& record, PadstackInfo& info) {
    const zelmdb::ByteRecord r = zelmdb::ReadOnly(record.data());
    const bool top = LayerShape(record, 1) != 0;
    const size_t at = T::Layer(top ? 1 : 2);
    info.Shape = r.U8(at + L::Shape);
    info.Extents[0] = r.I32(at + L::Width1);
    info.Extents[1] = r.I32(at + L::Width2);
    info.Extents[2] = r.I32(at + L::Height1);
    info.Extents[3] = r.I32(at + L::Height2);
    info.Rotation = r.I16(at + L::Rotation);
    info.CornerRatio = r.U16(at + L::CornerRatio);
    const size_t drill = T::Layer(zelmdb::DrillLayer);
    info.DrillExtents[0] = r.I32(drill + L::Width1);
    info.DrillExtents[1] = r.I32(drill + L::Width2);
    info.Colour = top ? TopColour : BottomColour;
}

bool RotationFree(const PadstackBuffer& record, int layerCount) {
    for (int layer = 1; layer <= layerCount && layer <= zelmdb::MaxLayers; ++layer) {
        if (LayerShape(record, layer) > 1) return false;
    }
    return true;
}

PadstackInfo TemporaryPad() {
    PadstackInfo pad;
    pad.Shape = kRoundPadShape;
    for (int32_t& part : pad.Extents) part = 1500;
    pad.DrillExtents[0] = pad.DrillExtents[1] = 750;
    pad.Colour = TopColour;
    return pad;
}
