// Arbitrary bytes as a PNG: refused with a message or read, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/gdi/png_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Surface surface;
    std::string error;
    if (!ReadPngFromMemory(data, size, surface, error) && error.empty()) __builtin_trap();
    return 0;
}
