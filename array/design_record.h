// The design record as the host hands it out: bytes at fixed offsets, read through accessors.
#pragma once
#include <array>
#include <cstdint>

#include "host/zelmdb/byte_record.h"
#include "host/zelmdb/record_layout.h"
#include "host/zelmdb/zelmdb.h"

class DesignRecord {
public:
    // Fills the record from the host's active database; false (and all zero) when there is none.
    // The host writes the whole record or, without a design, nothing.
    bool Read() { return DbGet(bytes_.data()) != 0 || Clear(); }

    // Read for every coordinate converted, so kept in line.
    double InchesPerUnit() const { return zelmdb::ReadOnly(bytes_.data()).F64(zelmdb::DbRecordLayout::InchesPerUnit); }
    uint8_t UnitCode() const { return bytes_[zelmdb::DbRecordLayout::UnitCode]; }
    uint8_t Flags() const;
    int16_t LayerCount() const;
    int16_t FirstPadstackId() const;
    int16_t LastPadstackId() const;
    int32_t ComponentA() const;
    int32_t ComponentB() const;

private:
    bool Clear();

    // Filled whole by Read, which every user calls first: not cleared here, since the placement
    // makes one for every coordinate it converts.
    std::array<uint8_t, zelmdb::DbRecordLayout::Size> bytes_;
};
