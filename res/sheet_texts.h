// Texts of the sheet, its window-state file and the dialog run that have no string-table
// number: captions, button labels and messages, exactly as the user sees them.
#pragma once

namespace sheet_texts {
inline constexpr const char* kTitlePrefix = "Tessra Generator: ";
inline constexpr const char* kTitleUnits = " - [Units: ";
inline constexpr const char* kTitleEnd = "]";
inline constexpr const char* kStyleSampleButton = "Style Sample";
inline constexpr const char* kArrayAlphabetButton = "Array Alphabet";
inline constexpr const char* kInvalidPageIndex = "Invalid Page Index";
// The damaged-parameters warning of a reopen: prefix, footprint name, suffix.
inline constexpr const char* kDamagedRecipe = "The parameters kept with ";
inline constexpr const char* kDamagedRecipeEnd =
    " are damaged.\n\nThe sheet opens with its start values; OK replaces the footprint.";

// The window-state file.
inline constexpr const char* kCannotSaveStates = "Unable to save Preview Window states to tessra file";
inline constexpr const char* kStateFileNotFound = "Unable to find tessra.ini file";
inline constexpr const char* kPreviewNotSaved = "Unable to save Preview Window states to tessra.ini file";
inline constexpr const char* kCannotUpdateSection = "Unable to update section in tessra.ini file";
inline constexpr const char* kModuleFileNotFound = "Unable to find tessra.dll file";
inline constexpr const char* kCannotCreateDefault = "Unable to create default tessra.ini file";
}  // namespace sheet_texts
