// Between the byte records the plug-in hands over and the objects the store keeps.
#pragma once
#include <cstdint>

#include "host/zelmdb/design_types.h"

namespace zelmdb {

void EncodeDbRecord(const DesignInfo& info, int32_t lastPadstack, uint8_t* record);

// A padstack record has one layer entry per layer of its database.
Padstack DecodePadstack(const uint8_t* record, int layerCount);
void EncodePadstack(const Padstack& padstack, int layerCount, uint8_t* record);

// The pin count is capped at what a record can hold.
Symbol DecodeSymbol(int32_t id, const uint8_t* record);
Component DecodeComponent(int32_t id, const uint8_t* record);
Label DecodeLabel(int32_t id, const uint8_t* record);

}  // namespace zelmdb
