// Record encoding and decoding through the offset tables; see record_codec.h.
#include "host/zelmdb/record_codec.h"

#include <algorithm>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"

namespace zelmdb {

void EncodeDbRecord(const DesignInfo& info, int32_t lastPadstack, uint8_t* bytes) {
    namespace L = DbRecordLayout;
    ByteRecord r(bytes);
    r.Zero(0, L::Size);
    r.SetF64(L::InchesPerUnit, info.inchesPerUnit);
    r.SetI32(L::ComponentA, info.componentA);
    r.SetI32(L::ComponentB, info.componentB);
    r.SetU8(L::Flags, info.flags);
    r.SetI16(L::LayerCount, int16_t(info.layerCount));
    r.SetI16(L::PadstackFirst, 0);
    r.SetI16(L::PadstackLast, int16_t(lastPadstack));
    r.SetU8(L::UnitCode, uint8_t(info.unitCode));
}

Padstack DecodePadstack(const uint8_t* bytes, int layerCount) {
    namespace T = ThruRecordLayout;
    namespace E = LayerEntryLayout;
    const ByteRecord r = ReadOnly(bytes);
    Padstack p;
    p.nameId = r.I32(T::NameId);
    p.id = r.I32(T::Id);
    p.formId = r.I32(T::FormId);
    for (int layer = 1; layer <= layerCount; ++layer) {
        const size_t at = T::Layer(layer);
        p.layers.push_back({r.I32(at + E::Width1), r.I32(at + E::Height1), r.I32(at + E::Width2),
                            r.I32(at + E::Height2), PadShape(r.U8(at + E::Shape)), r.I16(at + E::Rotation),
                            r.U16(at + E::CornerRatio), r.U8(at + E::HostFlags)});
    }
    return p;
}

void EncodePadstack(const Padstack& p, int layerCount, uint8_t* bytes) {
    namespace T = ThruRecordLayout;
    namespace E = LayerEntryLayout;
    ByteRecord r(bytes);
    r.Zero(0, T::Layer(layerCount + 1));
    r.SetI32(T::NameId, p.nameId);
    r.SetI32(T::Id, p.id);
    r.SetI32(T::FormId, p.formId);
    for (int layer = 1; layer <= layerCount && size_t(layer) <= p.layers.size(); ++layer) {
        const LayerGeometry& l = p.layers[size_t(layer - 1)];
        const size_t at = T::Layer(layer);
        r.SetI32(at + E::Width1, l.width1);
        r.SetI32(at + E::Height1, l.height1);
        r.SetI32(at + E::Width2, l.width2);
        r.SetI32(at + E::Height2, l.height2);
        r.SetU8(at + E::Shape, uint8_t(l.shape));
        r.SetI16(at + E::Rotation, l.rotation);
        r.SetU16(at + E::CornerRatio, l.cornerRatio);
        r.SetU8(at + E::HostFlags, l.hostFlags);
    }
}

Symbol DecodeSymbol(int32_t id, const uint8_t* bytes) {
    namespace S = SymRecordLayout;
    namespace P = PinEntryLayout;
    const ByteRecord r = ReadOnly(bytes);
    Symbol s;
    s.id = id;
    s.nameId = r.I32(S::NameId);
    s.centerX = r.I32(S::CenterX);
    s.centerY = r.I32(S::CenterY);
    const int count = std::min<int>(r.U16(S::PinCount), S::MaxPins);
    s.pins.reserve(size_t(count));
    for (int n = 1; n <= count; ++n) {
        const size_t at = S::Pin(n);
        s.pins.push_back({r.I32(at + P::NameId), r.I32(at + P::X), r.I32(at + P::Y),
                          r.I16(at + P::Padstack)});
    }
    return s;
}

Component DecodeComponent(int32_t id, const uint8_t* bytes) {
    namespace C = CompRecordLayout;
    const ByteRecord r = ReadOnly(bytes);
    return {id, r.I32(C::NameId), r.I32(C::ValueA), r.I32(C::ValueB), r.U16(C::SymbolId)};
}

Label DecodeLabel(int32_t id, const uint8_t* bytes) {
    namespace T = TextRecordLayout;
    const ByteRecord r = ReadOnly(bytes);
    Label t;
    t.id = id;
    t.lineWidth = r.I32(T::LineWidth);
    t.height = r.I32(T::Height);
    t.x = r.I32(T::X);
    t.y = r.I32(T::Y);
    t.symbolId = r.U16(T::SymbolId);
    t.layer = r.U8(T::Layer);
    t.kind = r.U8(T::Kind);
    // The text is read up to its zero or the end of the field, whichever comes first.
    const char* text = r.Text(T::Text);
    size_t n = 0;
    while (n + 1 < TextMax && text[n] != '\0') ++n;
    t.text.assign(text, n);
    return t;
}

}  // namespace zelmdb
