// Texts of the Select Padstack dialog.
#pragma once

namespace padstack_texts {
inline constexpr const char* kCaption = "Select Padstack";
inline constexpr const char* kDefaultSuffix = " - Default Pad";
inline constexpr const char* kPin1Suffix = " - Pin 1 Pad";
inline constexpr const char* kTopSide = "Top - ";
inline constexpr const char* kBottomSide = "Bottom - ";
inline constexpr const char* kNoValue = "- - - - - -";
inline constexpr const char* kSelectPadstack = "Please select a padstack\nor click Cancel";
inline constexpr const char* kAddLibrary = "Please add a padstack library and\nselect a padstack or click Cancel";
inline constexpr const char* kNotCopied = "This padstack could not be copied from its library.\n"
                                           "Please select another padstack or click Cancel";
inline constexpr const char* kLibraryExtension = "olb";
inline constexpr const char* kLibraryFilter = "Library (*.olb)|*.olb|All Files (*.*)|*.*||";
inline constexpr const char* kReplaceLibrary = "Replace existing entry with new entry?";
inline constexpr const char* kReplaceCaption = "Padstack library already in list";
inline constexpr const char* kNoSettingsFile = "Padstack library was not added";
inline constexpr const char* kNoSettingsCaption = "Unable to find orvex.ini file";
}  // namespace padstack_texts
