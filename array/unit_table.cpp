// Every limit is the same physical length in each unit: 10 inches for spacings, 32 for the
// radius and for the width and height of the arrangement.
#include "array/unit_table.h"

#include "res/unit_texts.h"

constexpr UnitInfo kUnits[5] = {
    {.Code = 1, .Name = unit_texts::kMils, .Suffix = unit_texts::kMilsSuffix, .PerInch = 1000,
     .SpacingLimit = 10000, .RadiusLimit = 32000, .SizeLimit = 32000, .WidthMessage = unit_texts::kMilsWidth,
     .HeightMessage = unit_texts::kMilsHeight},
    {.Code = 2, .Name = unit_texts::kInches, .Suffix = unit_texts::kInchesSuffix, .PerInch = 1,
     .SpacingLimit = 10, .RadiusLimit = 32, .SizeLimit = 32, .WidthMessage = unit_texts::kInchesWidth,
     .HeightMessage = unit_texts::kInchesHeight},
    {.Code = 3, .Name = unit_texts::kCentimeters, .Suffix = unit_texts::kCentimetersSuffix, .PerInch = 2.54,
     .SpacingLimit = 25.4, .RadiusLimit = 81.28, .SizeLimit = 81.28, .WidthMessage = unit_texts::kCentimetersWidth,
     .HeightMessage = unit_texts::kCentimetersHeight},
    {.Code = 4, .Name = unit_texts::kMillimeters, .Suffix = unit_texts::kMillimetersSuffix, .PerInch = 25.4,
     .SpacingLimit = 254, .RadiusLimit = 812.8, .SizeLimit = 812.8, .WidthMessage = unit_texts::kMillimetersWidth,
     .HeightMessage = unit_texts::kMillimetersHeight},
    {.Code = 5, .Name = unit_texts::kMicrons, .Suffix = unit_texts::kMicronsSuffix, .PerInch = 25400,
     .SpacingLimit = 254000, .RadiusLimit = 812800, .SizeLimit = 812800, .WidthMessage = unit_texts::kMicronsWidth,
     .HeightMessage = unit_texts::kMicronsHeight},
};

const char* UnitName(uint8_t code) {
    const UnitInfo* unit = FindUnit(code);
    return unit ? unit->Name : unit_texts::kUnknown;
}

const char* UnitSuffix(uint8_t code) {
    const UnitInfo* unit = FindUnit(code);
    return unit ? unit->Suffix : unit_texts::kUnknownSuffix;
}
