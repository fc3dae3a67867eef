// The texts the Select Padstack dialog shows for a padstack's values.
#include "padstack/padstack_value_texts.h"

#include "array/angle_entry.h"

// The same text the angle edits show, so a rotation reads alike everywhere; the division
// truncates, so -90 minutes reads "-1 -30'".
std::string RotationText(int16_t minutes) {
    std::string text;
    FormatAngle(minutes, text);
    return text;
}
