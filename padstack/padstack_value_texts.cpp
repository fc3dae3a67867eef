#include "padstack/padstack_value_texts.h"

#include <cstdio>

std::string RotationText(int16_t minutes) {
    char text[32];
    // Truncating division on purpose: -90 minutes reads "-1 -30'".
    if (minutes % 60 == 0)
        std::snprintf(text, sizeof text, "%d", minutes / 60);
    else
        std::snprintf(text, sizeof text, "%d %d'", minutes / 60, minutes % 60);
    return text;
}
