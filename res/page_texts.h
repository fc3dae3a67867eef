// Texts of the style pages: tab captions, style-sample titles and the messages of their checks.
#pragma once

namespace page_texts {
inline constexpr const char* kDualQuadTab = "Dual/Quad Inline";
inline constexpr const char* kStaggerXTab = "Connector Stagger X";
inline constexpr const char* kStaggerYTab = "Connector Stagger Y";
inline constexpr const char* kChipCarrierTab = "QFP/Chip Carrier";
inline constexpr const char* kCircularTab = "Circular";
inline constexpr const char* kGridTab = "GridArray";

inline constexpr const char* kDualQuadSample = "Dual/Quad InLine Style Sample";
inline constexpr const char* kStaggerXSample = "Connector Stagger X Style Sample";
inline constexpr const char* kStaggerYSample = "Connector Stagger Y Style Sample";
inline constexpr const char* kChipCarrierSample = "QFP/CC Style Sample";
inline constexpr const char* kCircularSample = "Circular Style Sample";
inline constexpr const char* kGridSample = "Grid Array Style Sample";

inline constexpr const char* kUnexpectedAngle = "Unexpected character in angle";
inline constexpr const char* kMinutesOfTurn = "Minutes entry out of range. Must be 0-21600.";
inline constexpr const char* kDegreesRange = "Degrees entry out of range. Must be +- 0-360.";
inline constexpr const char* kMinutesOfDegree = "Minutes entry out of range. Must be 0-60.";

inline constexpr const char* kFormattingError = "Formatting Error";
inline constexpr const char* kInvalidStyle = "Invalid Array Style";
inline constexpr const char* kTooLarge = "Array too large";
// The pad limit: prefix, the limit, suffix.
inline constexpr const char* kPadLimit = "The number of pads exceeds Orvexs limit of ";
inline constexpr const char* kPadLimitEnd = " per symbol";
inline constexpr const char* kPads = " pads";
inline constexpr const char* kNotImplemented = "... Not Implemented Yet ...";
inline constexpr const char* kRecipeNotKept =
    "The footprint was stored, but its parameters could not be kept: it cannot be reopened.";
}  // namespace page_texts
