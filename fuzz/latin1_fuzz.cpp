// Arbitrary bytes as a text that comes in from the terminal, a JSON file or a script: taken as
// Latin-1 and given back as the same UTF-8, or refused naming a character; and any bytes of the
// design go out as UTF-8 and come back whole.
#include <cstddef>
#include <cstdint>
#include <string>

#include "host/orvex/text/latin1.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const auto latin1 = Latin1FromUtf8(text);
    if (latin1.ok() ? Utf8FromLatin1(latin1.value()) != text : latin1.error().find("character ") == std::string::npos)
        __builtin_trap();
    const auto back = Latin1FromUtf8(Utf8FromLatin1(text));
    if (!back.ok() || back.value() != text) __builtin_trap();
    return 0;
}
