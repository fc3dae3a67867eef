// The design record as the host hands it out: bytes at fixed offsets, read through accessors.
#pragma once
#include <array>
#include <cstdint>

#include "host/zelmdb/record_layout.h"

class DesignRecord {
public:
    // Fills the record from the host's active database; false (and all zero) when there is none.
    bool Read();

    double InchesPerUnit() const;
    uint8_t UnitCode() const;
    uint8_t Flags() const;
    int16_t LayerCount() const;
    int16_t FirstPadstackId() const;
    int16_t LastPadstackId() const;
    int32_t ComponentA() const;
    int32_t ComponentB() const;

private:
    std::array<uint8_t, zelmdb::DbRecordLayout::Size> bytes_{};
};
