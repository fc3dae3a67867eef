// Texts of the sheet and of the dialog run that have no string-table number: captions, button
// labels and messages, exactly as the user sees them.
#pragma once

inline constexpr const char* kSheetTitlePrefix = "Tessra Generator: ";
inline constexpr const char* kSheetTitleUnits = " - [Units: ";
inline constexpr const char* kSheetTitleEnd = "]";
inline constexpr const char* kStyleSampleButtonText = "Style Sample";
inline constexpr const char* kArrayAlphabetButtonText = "Array Alphabet";
inline constexpr const char* kInvalidPageIndexText = "Invalid Page Index";
inline constexpr const char* kErrorCaption = "Error";
