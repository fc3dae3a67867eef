// The footprint, stored in the order the host expects: symbol with its pins, component, labels.
#include "output/create_footprint.h"

#include <cstdio>
#include <cstring>

#include "array/design_record.h"
#include "array/shared_state.h"
#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"
#include "output/padstack_rules.h"
#include "platform/win/message_box.h"
#include "res/captions.h"
#include "res/output_texts.h"

namespace S = zelmdb::SymRecordLayout;
namespace P = zelmdb::PinEntryLayout;
namespace C = zelmdb::CompRecordLayout;
namespace X = zelmdb::TextRecordLayout;
namespace T = zelmdb::ThruRecordLayout;
namespace L = zelmdb::LayerEntryLayout;

namespace {

constexpr size_t kNameMax = zelmdb::TextMax - 1;

// Every label of a design with big labels, in database units.
constexpr int32_t kBigLabelHeight = 2000000;
constexpr int32_t kBigLabelLineWidth = 250000;

// What the host is told through ComErrInt when a label layer is missing.
struct HostError {
    int32_t code, number;
};
constexpr HostError kNoAssemblyLayer{34131, 2074};
constexpr HostError kNoSilkLayer{34130, 2078};

int32_t CreateName(const std::string& text) {
    char buffer[zelmdb::TextMax] = {};
    std::strncpy(buffer, text.c_str(), kNameMax);
    return NameCreate(buffer);
}

PadstackBuffer ReadPadstack(const std::string& name) {
    PadstackBuffer record = NewPadstackBuffer();
    const int16_t id = name.empty() ? 0 : ThruFind(name.c_str());
    if (id > 0) ThruGet(id, record.data());
    return record;
}

int16_t StorePadstack(PadstackBuffer& record, const std::string& name) {
    zelmdb::ByteRecord r(record.data());
    r.SetI32(T::NameId, CreateName(name));
    const int32_t id = ThruCreate();
    r.SetI32(T::Id, id);
    ThruPut(id, record.data());
    return int16_t(id);
}

// Pins must never point at nothing: while no padstack exists, one is made of the temporary pad.
std::string EnsureTemporaryPadstack() {
    if (ThruFind(output_texts::kTemporaryPadstack) > 0) return output_texts::kTemporaryPadstack;
    const PadstackInfo pad = TemporaryPad();
    PadstackBuffer record = NewPadstackBuffer();
    zelmdb::ByteRecord r(record.data());
    for (zelmdb::PadLayer layer : {zelmdb::PadLayer::Top, zelmdb::PadLayer::Drill}) {
        const size_t at = T::Layer(layer);
        const bool drill = layer == zelmdb::PadLayer::Drill;
        r.SetI32(at + L::Width1, drill ? pad.DrillExtents[0] : pad.Extents[0]);
        r.SetI32(at + L::Width2, drill ? pad.DrillExtents[1] : pad.Extents[1]);
        r.SetI32(at + L::Height1, drill ? pad.DrillExtents[0] : pad.Extents[2]);
        r.SetI32(at + L::Height2, drill ? pad.DrillExtents[1] : pad.Extents[3]);
        r.SetU8(at + L::Shape, uint8_t(pad.Shape));
    }
    StorePadstack(record, output_texts::kTemporaryPadstack);
    return output_texts::kTemporaryPadstack;
}

std::string PinPadstack(const std::string& name) { return name.empty() ? EnsureTemporaryPadstack() : name; }

bool Warn(const char* text) {
    MessageBoxA(0, text, captions::kDotsInformation, MB_OK | MB_ICONINFORMATION);
    return false;
}

// A reopened footprint is stored anew: the old symbol goes with its pins, component and labels,
// while the padstack copies stay, since other footprints may stand on them.
void RemoveEarlierFootprint() {
    if (const int32_t id = SymFind(FootprintName.c_str()); id > 0) SymDelete(id);
}

void StoreComponent(uint8_t* buffer, int32_t symbolId, const DesignRecord& design) {
    const int32_t id = CompCreate();
    DbDefault(zelmdb::KindComponent, buffer, id);
    zelmdb::ByteRecord r(buffer);
    r.SetI32(C::NameId, CreateName(FootprintName));
    r.SetI32(C::ValueA, design.ComponentA());
    r.SetI32(C::ValueB, design.ComponentB());
    r.SetU16(C::SymbolId, uint16_t(symbolId));
    CompPut(id, buffer);
}

void LabelLayer(const char* name, HostError missing, int32_t symbolId, int32_t all) {
    const uint8_t layer = LevFind(name);
    if (layer == 0) ComErrInt(missing.code, missing.number);
    AddLabels(uint16_t(symbolId), layer, all);
}

}  // namespace

std::string RotatedCopyName(const std::string& padstackName, int16_t rotation) {
    double minutes = rotation;
    while (minutes > 21600) minutes -= 21600;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, "(%.2f)", minutes * (1.0 / 60));
    const size_t room = kNameMax - std::strlen(suffix);
    if (padstackName.size() <= room) return padstackName + suffix;
    // Too long for the host: cut the name, and number the cut ones until the name is free.
    for (int n = 1;; ++n) {
        const std::string mark = std::string(1, '~').append(std::to_string(n));
        const std::string name = padstackName.substr(0, room - mark.size()) + mark + suffix;
        if (ThruFind(name.c_str()) <= 0) return name;
    }
}

void AddPin(const PadSite& pad, uint8_t* symbol, int32_t number, const std::string& padstackName,
            int32_t rotationFree) {
    DesignRecord design;
    design.Read();
    zelmdb::ByteRecord r(symbol);
    const size_t at = S::Pin(number);
    r.SetI32(at + P::NameId, CreateName(pad.Name));
    r.SetI32(at + P::X, pad.X);
    r.SetI32(at + P::Y, pad.Y);
    PadstackBuffer record = ReadPadstack(padstackName);
    if (rotationFree) {
        r.SetI16(at + P::Padstack, ThruFindSame(record.data()));
        return;
    }
    zelmdb::ByteRecord thru(record.data());
    for (int layer = 1; layer <= design.LayerCount() && layer <= zelmdb::MaxLayers; ++layer) {
        if (LayerShape(record, layer) != zelmdb::PadShape::None) thru.SetI16(T::Layer(layer) + L::Rotation, pad.Rotation);
    }
    int16_t id = ThruFindSame(record.data());
    if (id == 0) id = StorePadstack(record, RotatedCopyName(padstackName, pad.Rotation));
    r.SetI16(at + P::Padstack, id);
}

void AddLabels(uint16_t symbolId, uint8_t layer, int32_t allLabels) {
    DesignRecord design;
    design.Read();
    std::vector<uint8_t> buffer(X::Size, 0);
    int32_t step = 0;
    // Labels stand one and a half label heights apart; `row` counts those steps up from 0.
    const auto label = [&](zelmdb::LabelKind kind, const char* text, int32_t row, bool measures) {
        const int32_t id = TextCreate();
        DbDefault(zelmdb::KindText, buffer.data(), id);
        zelmdb::ByteRecord r(buffer.data());
        if (design.Flags() & zelmdb::BigLabelsFlag) {
            r.SetI32(X::Height, kBigLabelHeight);
            r.SetI32(X::LineWidth, kBigLabelLineWidth);
        }
        if (measures) step = int32_t(3 * int64_t(r.I32(X::Height)) / 2);
        r.SetU16(X::SymbolId, symbolId);
        r.SetU8(X::Layer, layer);
        r.SetI32(X::X, 0);
        r.SetI32(X::Y, row * step);
        r.SetU8(X::Kind, kind);
        r.SetText(X::Text, text, zelmdb::TextMax);
        TextPut(id, buffer.data());
    };
    if (allLabels) {
        label(zelmdb::LabelFootprint, output_texts::kFootprintLabel, 0, true);
        label(zelmdb::LabelPackage, output_texts::kPackageLabel, 1, false);
        label(zelmdb::LabelValue, output_texts::kValueLabel, 2, false);
        label(zelmdb::LabelComponent, output_texts::kComponentLabel, 3, false);
    } else {
        label(zelmdb::LabelComponent, output_texts::kComponentLabel, 3, true);
    }
}

bool CreateFootprint() {
    if (CurrentParameters == nullptr || CurrentPadList == nullptr) return false;
    const ArrayParameters& a = *CurrentParameters;
    const PadSiteList& pads = *CurrentPadList;
    if (pads.Empty()) return Warn(output_texts::kNoPads);
    if (pads.Count() > size_t(S::MaxPins)) return Warn(output_texts::kTooManyPads);
    uint8_t* buffer = MemAllocUnion();
    if (buffer == nullptr) return false;
    RemoveEarlierFootprint();
    const int32_t symbolId = SymCreate();
    DbDefault(zelmdb::KindSymbol, buffer, symbolId);
    zelmdb::ByteRecord r(buffer);
    r.SetI32(S::NameId, CreateName(FootprintName));
    r.SetU16(S::PinCount, uint16_t(pads.Count()));

    const std::string pin1 = PinPadstack(a.Pin1PadstackName);
    const PadstackBuffer pin1Record = ReadPadstack(pin1);
    DesignRecord design;
    design.Read();
    AddPin(pads.Sites()[0], buffer, 1, pin1, RotationFree(pin1Record, design.LayerCount()));
    const std::string other = PinPadstack(a.DefaultPadstackName);
    const int32_t otherFree = RotationFree(ReadPadstack(other), design.LayerCount());
    for (size_t i = 1; i < pads.Count(); ++i) AddPin(pads.Sites()[i], buffer, int32_t(i + 1), other, otherFree);
    r.SetI32(S::CenterX, pads.Center.x);
    r.SetI32(S::CenterY, pads.Center.y);
    SymPut(symbolId, buffer);

    StoreComponent(buffer, symbolId, design);
    LabelLayer(output_texts::kAssemblyLayer, kNoAssemblyLayer, symbolId, 1);
    LabelLayer(output_texts::kSilkLayer, kNoSilkLayer, symbolId, 0);
    MemFreeUnion(buffer);
    return true;
}
