// Texts of the display units: names, the suffixes sizes get, and the messages of the size limit.
#pragma once

namespace unit_texts {
inline constexpr const char* kMils = "Mils";
inline constexpr const char* kMilsSuffix = "(mils)";
inline constexpr const char* kMilsWidth = "Width must be less than 32000 mils";
inline constexpr const char* kMilsHeight = "Height must be less than 32000 mils";
inline constexpr const char* kInches = "Inches";
inline constexpr const char* kInchesSuffix = "(inches)";
inline constexpr const char* kInchesWidth = "Width must be less than 32 inches";
inline constexpr const char* kInchesHeight = "Height must be less than 32 inches";
inline constexpr const char* kCentimeters = "Centimeters";
inline constexpr const char* kCentimetersSuffix = "(centimeters)";
inline constexpr const char* kCentimetersWidth = "Width must be less than 81.28 centimeters";
inline constexpr const char* kCentimetersHeight = "Height must be less than 81.28 centimeters";
inline constexpr const char* kMillimeters = "Millimeters";
inline constexpr const char* kMillimetersSuffix = "(millimeters)";
inline constexpr const char* kMillimetersWidth = "Width must be less than 812.8 millimeters";
inline constexpr const char* kMillimetersHeight = "Height must be less than 812.8 millimeters";
inline constexpr const char* kMicrons = "Microns";
inline constexpr const char* kMicronsSuffix = "(microns)";
inline constexpr const char* kMicronsWidth = "Width must be less than 812800 microns";
inline constexpr const char* kMicronsHeight = "Height must be less than 812800 microns";
inline constexpr const char* kUnknown = "-> Unknown Unit <-";
inline constexpr const char* kUnknownSuffix = "(--)";
}  // namespace unit_texts
