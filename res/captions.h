// Captions of the plug-in's message boxes, shared by every subsystem that shows one.
#pragma once

namespace captions {
inline constexpr const char* kError = "Error";
inline constexpr const char* kWarning = "Warning";
inline constexpr const char* kDotsWarning = "...Warning";
inline constexpr const char* kDotsInformation = "...Information";
}  // namespace captions
