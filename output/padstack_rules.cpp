// Padstack records read through the host's layer-entry offsets.
#include "output/padstack_rules.h"

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "output/layer_colours.h"

namespace T = zelmdb::ThruRecordLayout;
namespace L = zelmdb::LayerEntryLayout;

PadstackBuffer NewPadstackBuffer() { return PadstackBuffer(T::Size, 0); }

using zelmdb::PadLayer;
using zelmdb::PadShape;

PadShape LayerShape(const PadstackBuffer& record, int layer) { return PadShape(record[T::Layer(layer) + L::Shape]); }

bool TopPadstack(const PadstackBuffer& record) { return zelmdb::Listable(LayerShape(record, PadLayer::Top)); }

bool UsablePadstack(const PadstackBuffer& record) {
    return TopPadstack(record) ||
           (LayerShape(record, PadLayer::Top) == PadShape::None && LayerShape(record, PadLayer::Bottom) != PadShape::None);
}

void MakePadstackInfo(const PadstackBuffer& record, PadstackInfo& info) {
    const zelmdb::ByteRecord r = zelmdb::ReadOnly(record.data());
    const bool top = LayerShape(record, PadLayer::Top) != PadShape::None;
    const size_t at = T::Layer(top ? PadLayer::Top : PadLayer::Bottom);
    info.Shape = PadShape(r.U8(at + L::Shape));
    info.Extents[0] = r.I32(at + L::Width1);
    info.Extents[1] = r.I32(at + L::Width2);
    info.Extents[2] = r.I32(at + L::Height1);
    info.Extents[3] = r.I32(at + L::Height2);
    info.Rotation = r.I16(at + L::Rotation);
    info.CornerRatio = r.U16(at + L::CornerRatio);
    const size_t drill = T::Layer(PadLayer::Drill);
    info.DrillExtents[0] = r.I32(drill + L::Width1);
    info.DrillExtents[1] = r.I32(drill + L::Width2);
    info.Colour = top ? TopColour : BottomColour;
}

bool RotationFree(const PadstackBuffer& record, int layerCount) {
    for (int layer = 1; layer <= layerCount && layer <= zelmdb::MaxLayers; ++layer) {
        if (zelmdb::TurnsWithRotation(LayerShape(record, layer))) return false;
    }
    return true;
}

PadstackInfo TemporaryPad() {
    PadstackInfo pad;
    pad.Shape = PadShape::Round;
    for (int32_t& part : pad.Extents) part = 1500;
    pad.DrillExtents[0] = pad.DrillExtents[1] = 750;
    pad.Colour = TopColour;
    return pad;
}
