// Angles as the user types and reads them: degrees, optionally with minutes.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Accepts "45", "10 30", "10.5", "-90" and a minutes count ending in an apostrophe ("90'").
// Returns 1 and the angle in minutes of arc, or shows why the text is refused and returns 0
// (`minutes` is then left alone).
int ParseAngle(std::string_view text, int16_t& minutes);

// Degrees, then the minutes when there are any: 630 gives "10 30'", 5400 gives "90".
int FormatAngle(int32_t minutes, std::string& text);
