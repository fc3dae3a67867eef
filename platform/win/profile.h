// The private-profile calls of the window system: read and write INI files by path.
// Files are read afresh by every call and written through at once, unless a ProfileHold keeps
// the writes back; every call of this process sees what it keeps.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/win/win_types.h"

extern "C" {

// Section NULL: every section name; key NULL: every key of the section. Each name ends in a zero
// and the list in a second one. Returns the characters copied, without the final zero.
DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR out, DWORD size,
                               LPCSTR file);
UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT fallback, LPCSTR file);
// "key=value" lines of one section, each ending in a zero, the list in a second one.
DWORD GetPrivateProfileSectionA(LPCSTR section, LPSTR out, DWORD size, LPCSTR file);
// Replaces the whole section with the zero-separated lines; other sections and comments stay.
BOOL WritePrivateProfileSectionA(LPCSTR section, LPCSTR lines, LPCSTR file);
// Value NULL deletes the key, key NULL the section; all three NULL writes what a hold keeps of
// the file (of every file when it is NULL too) and returns FALSE.
BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);

}

// The lines WritePrivateProfileSectionA takes, from key and value pairs.
std::string ProfileSectionLines(const std::vector<std::pair<std::string, std::string>>& entries);
