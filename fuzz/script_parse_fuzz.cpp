// Arbitrary text as a dialog script: refused with a line number or parsed, never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/ui/script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ScriptParse p = ParseScript(std::string(reinterpret_cast<const char*>(data), size));
    if (!p.Ok() && p.error.rfind("line ", 0) != 0) __builtin_trap();
    if (!p.Ok() && !p.actions.empty()) __builtin_trap();
    return 0;
}
