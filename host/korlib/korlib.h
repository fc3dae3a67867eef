// The host's window library. The plug-in reaches its help service by ordinal 105. ELF has no
// ordinals, so the library exports a table from ordinal to function, and KorGetProcByOrdinal
// looks an ordinal up in it, as the platform's loader would.
#pragma once
#include <cstdint>

#if defined(__GNUC__)
#define KORLIB_API __attribute__((visibility("default")))
#else
#define KORLIB_API
#endif

extern "C" {

using KorProc = void (*)();

struct KorOrdinal {
    uint16_t ordinal;
    KorProc proc;
};

constexpr uint16_t KorHelpOrdinal = 105;
using KorHelpProc = int32_t (*)(uint32_t owner, int32_t topic);

KORLIB_API extern const KorOrdinal KorOrdinalTable[];
KORLIB_API extern const int32_t KorOrdinalCount;
// Null for an ordinal the library does not export.
KORLIB_API KorProc KorGetProcByOrdinal(uint16_t ordinal);

// Ordinal 105: shows help topic N in the help window beside `owner` (0: the active window) and
// tells the help output. 1 when the topic exists, 0 otherwise.
KORLIB_API int32_t KorShowHelp(uint32_t owner, int32_t topic);
// The title and the text of a topic; null for an unknown one.
KORLIB_API const char* KorHelpTitle(int32_t topic);
KORLIB_API const char* KorHelpText(int32_t topic);
// Where shown help is told besides the window; standard output unless a host sets another.
KORLIB_API void KorSetHelpOutput(void (*sink)(int32_t topic, const char* title));

}
