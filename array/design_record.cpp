// Field access on the design record bytes through the host's own offset table.
#include "array/design_record.h"

#include "host/zelmdb/byte_record.h"

namespace layout = zelmdb::DbRecordLayout;

bool DesignRecord::Clear() {
    bytes_.fill(0);
    return false;
}

uint8_t DesignRecord::Flags() const { return bytes_[layout::Flags]; }
int16_t DesignRecord::LayerCount() const { return zelmdb::ReadOnly(bytes_.data()).I16(layout::LayerCount); }
int16_t DesignRecord::FirstPadstackId() const {
    return zelmdb::ReadOnly(bytes_.data()).I16(layout::PadstackFirst);
}
int16_t DesignRecord::LastPadstackId() const {
    return zelmdb::ReadOnly(bytes_.data()).I16(layout::PadstackLast);
}
int32_t DesignRecord::ComponentA() const { return zelmdb::ReadOnly(bytes_.data()).I32(layout::ComponentA); }
int32_t DesignRecord::ComponentB() const { return zelmdb::ReadOnly(bytes_.data()).I32(layout::ComponentB); }
