// Texts of storing a footprint: messages, the names it looks up and the labels it writes.
#pragma once

namespace output_texts {
inline constexpr const char* kNoPads = "The arrangement has no pads: no footprint was stored.";
inline constexpr const char* kTooManyPads = "The arrangement has too many pads: no footprint was stored.";
inline constexpr const char* kNoPadstack =
    "... There are no padstacks available ...\n\n"
    "Please add a padstack to the padstack\n"
    "spreadsheet or add a padstack library\n\n"
    "... A temporary pad will be used for display ...";
inline constexpr const char* kTemporaryPadstack = "Tessra temporary pad";

inline constexpr const char* kAssemblyLayer = "AST";
inline constexpr const char* kSilkLayer = "SST";
inline constexpr const char* kFootprintLabel = "&FP";
inline constexpr const char* kPackageLabel = "&Pack";
inline constexpr const char* kValueLabel = "&Value";
inline constexpr const char* kComponentLabel = "&Comp";
}  // namespace output_texts
