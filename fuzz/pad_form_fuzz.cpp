// Arbitrary bytes as a padstack form out of a design file: refused with a message, or read to a
// form whose own bytes are the ones read and whose outline a pad can have.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/zelmdb/pad_form.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto form = zelmdb::DecodePadForm(bytes);
    if (!form.ok()) {
        if (form.error().empty()) __builtin_trap();
        return 0;
    }
    if (zelmdb::EncodePadForm(form.value()) != bytes) __builtin_trap();
    if (!form.value().polygon.empty() && !zelmdb::CheckPolygon(form.value().polygon).ok()) __builtin_trap();
    return 0;
}
