// Which keys are held: the driver records presses and releases, controls ask (shift+arrow).
#include <array>
#include <cstddef>

#include "platform/win/win_api.h"

namespace {
std::array<bool, 256>& Held() {
    static std::array<bool, 256> held{};
    return held;
}
}  // namespace

int16_t GetKeyState(int key) {
    if (key < 0 || key > 255) return 0;
    return Held()[size_t(key)] ? int16_t(0x8000) : int16_t(0);
}

void SetKeyHeld(int key, bool held) {
    if (key >= 0 && key <= 255) Held()[size_t(key)] = held;
}
