// Fuzzes angle entry: any text is accepted within a turn or refused with one message.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "array/angle_entry.h"
#include "platform/win/message_box.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ClearShownMessageBoxes();
    int16_t minutes = 12345;
    const int ok = ParseAngle(text, minutes);
    if (ok == 1 && (minutes < -21600 || minutes > 21600)) std::abort();
    if (ok == 0 && (minutes != 12345 || ShownMessageBoxes().size() != 1)) std::abort();
    if (ok == 1 && !ShownMessageBoxes().empty()) std::abort();
    return 0;
}
