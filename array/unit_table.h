// The display units a design can have, with their scale and the limits that keep an
// arrangement within what the host accepts.
#pragma once
#include <cstdint>

struct UnitInfo {
    uint8_t Code;
    const char* Name;           // "Mils"
    const char* Suffix;         // "(mils)", appended to sizes
    double PerInch;             // display units per inch
    double SpacingLimit;        // x, y, w, z lie within plus and minus this
    double RadiusLimit;         // r lies between 0 and this
    double SizeLimit;           // width and height of the whole arrangement
    const char* WidthMessage;
    const char* HeightMessage;
};

constexpr int32_t PADS_PER_SYMBOL_LIMIT = 3200;

// The units by code, 1 to 5.
extern const UnitInfo kUnits[5];

// The row of a unit code, or null for a code outside 1 to 5. Asked for every coordinate
// converted, so kept in line.
inline const UnitInfo* FindUnit(uint8_t code) { return code >= 1 && code <= 5 ? &kUnits[code - 1] : nullptr; }

// Name and suffix of any code; unknown codes have texts of their own.
const char* UnitName(uint8_t code);
const char* UnitSuffix(uint8_t code);
