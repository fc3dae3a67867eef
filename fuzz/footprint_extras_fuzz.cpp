// Fuzzes the host's record of a footprint kept in a design: any bytes are refused or read into
// extras that write back to a record which reads the same again.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/orvex/extras/footprint_extras.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto extras = DecodeExtras(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!extras.ok()) return 0;
    const std::string once = EncodeExtras(extras.value());
    const auto again = DecodeExtras(once);
    if (!again.ok() || EncodeExtras(again.value()) != once) std::abort();
    return 0;
}
