// Every limit is the same physical length in each unit: 10 inches for spacings, 32 for the
// radius and for the width and height of the arrangement.
#include "array/unit_table.h"

namespace {

constexpr UnitInfo kUnits[] = {
    {1, "Mils", "(mils)", 1000, 10000, 32000, 32000,
     "Width must be less than 32000 mils", "Height must be less than 32000 mils"},
    {2, "Inches", "(inches)", 1, 10, 32, 32,
     "Width must be less than 32 inches", "Height must be less than 32 inches"},
    {3, "Centimeters", "(centimeters)", 2.54, 25.4, 81.28, 81.28,
     "Width must be less than 81.28 centimeters", "Height must be less than 81.28 centimeters"},
    {4, "Millimeters", "(millimeters)", 25.4, 254, 812.8, 812.8,
     "Width must be less than 812.8 millimeters", "Height must be less than 812.8 millimeters"},
    {5, "Microns", "(microns)", 25400, 254000, 812800, 812800,
     "Width must be less than 812800 microns", "Height must be less than 812800 microns"},
};

}  // namespace

const UnitInfo* FindUnit(uint8_t code) {
    if (code < 1 || code > 5) return nullptr;
    return &kUnits[code - 1];
}

const char* UnitName(uint8_t code) {
    const UnitInfo* unit = FindUnit(code);
    return unit ? unit->Name : "-> Unknown Unit <-";
}

const char* UnitSuffix(uint8_t code) {
    const UnitInfo* unit = FindUnit(code);
    return unit ? unit->Suffix : "(--)";
}
