// The private-profile calls over ProfileFile; see profile.h.
#include "platform/win/profile.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/profile_file.h"
#include "platform/win/profile_hold.h"

namespace {

std::optional<ProfileFile> Load(const char* path) {
    if (path == nullptr) return std::nullopt;
    return ProfileHold::Load(path);
}

// A change held back by a hold, or written through at once.
BOOL Change(const char* file, ProfileEdit edit) {
    if (ProfileHold::Held(file, edit)) return TRUE;
    return ProfileHold::WriteThrough(file, &edit) ? TRUE : FALSE;
}

// Copies one text with truncation; returns the characters copied.
DWORD CopyText(const std::string& text, LPSTR out, DWORD size) {
    const size_t n = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
    return static_cast<DWORD>(n);
}

// Copies zero-separated items ending in a second zero. A list that does not fit is cut and the
// result is size - 2, as the platform reports truncation of lists.
DWORD CopyList(const std::vector<std::string>& items, LPSTR out, DWORD size) {
    if (size < 2) {
        if (size == 1) out[0] = '\0';
        return 0;
    }
    size_t at = 0;
    for (const auto& item : items) {
        if (at + item.size() + 1 > size - 1) {
            // The item before may have ended just short of the last place, leaving no room at all.
            const size_t room = at < size - 2 ? size - 2 - at : 0;
            std::memcpy(out + at, item.data(), room);
            out[size - 2] = '\0';
            out[size - 1] = '\0';
            return size - 2;
        }
        std::memcpy(out + at, item.data(), item.size());
        at += item.size();
        out[at++] = '\0';
    }
    out[at] = '\0';
    return static_cast<DWORD>(at);
}

// A value in double or single quotes is handed out without them.
std::string Unquote(std::string value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::vector<std::string> SplitZeroList(LPCSTR lines) {
    std::vector<std::string> out;
    if (lines == nullptr) return out;
    while (*lines != '\0') {
        out.emplace_back(lines);
        lines += out.back().size() + 1;
    }
    return out;
}

}  // namespace

extern "C" DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR fallback, LPSTR out,
                                          DWORD size, LPCSTR file) {
    if (out == nullptr || size == 0) return 0;
    const std::optional<ProfileFile> ini = Load(file);
    if (ini && section == nullptr) return CopyList(ini->SectionNames(), out, size);
    if (ini && key == nullptr) {
        std::vector<std::string> keys;
        for (const auto& entry : ini->Entries(section)) keys.push_back(entry.first);
        return CopyList(keys, out, size);
    }
    std::optional<std::string> value;
    if (ini) value = ini->Value(section, key);
    return CopyText(value ? Unquote(*value) : std::string(fallback ? fallback : ""), out, size);
}

extern "C" UINT GetPrivateProfileIntA(LPCSTR section, LPCSTR key, INT fallback, LPCSTR file) {
    const std::optional<ProfileFile> ini = Load(file);
    if (!ini || section == nullptr || key == nullptr) return static_cast<UINT>(fallback);
    const std::optional<std::string> value = ini->Value(section, key);
    if (!value) return static_cast<UINT>(fallback);
    const char* p = value->c_str();
    while (*p == ' ' || *p == '\t') ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') negative = (*p++ == '-');
    // Unsigned arithmetic wraps like the platform's own conversion instead of overflowing.
    UINT result = 0;
    while (*p >= '0' && *p <= '9') result = result * 10u + static_cast<UINT>(*p++ - '0');
    return negative ? 0u - result : result;
}

extern "C" DWORD GetPrivateProfileSectionA(LPCSTR section, LPSTR out, DWORD size, LPCSTR file) {
    if (out == nullptr || size == 0) return 0;
    const std::optional<ProfileFile> ini = Load(file);
    if (!ini || section == nullptr) return CopyList({}, out, size);
    return CopyList(ini->Lines(section), out, size);
}

extern "C" BOOL WritePrivateProfileSectionA(LPCSTR section, LPCSTR lines, LPCSTR file) {
    if (file == nullptr || section == nullptr) return FALSE;
    if (lines == nullptr)
        return Change(file, {section, true, [s = std::string(section)](ProfileFile& ini) { ini.DeleteSection(s); }});
    return Change(file, {section, true, [s = std::string(section), l = SplitZeroList(lines)](ProfileFile& ini) {
                             ini.ReplaceSection(s, l);
                         }});
}

extern "C" BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
    // The flush: what a hold keeps of the file (of every file, without one) is written.
    if (section == nullptr && key == nullptr && value == nullptr) {
        if (file == nullptr) {
            ProfileHold::WriteHeld();
        } else {
            ProfileHold::WriteHeld(file);
        }
        return FALSE;
    }
    if (file == nullptr || section == nullptr) return FALSE;
    const std::string s(section);
    if (key == nullptr) return Change(file, {s, true, [s](ProfileFile& ini) { ini.DeleteSection(s); }});
    if (value == nullptr)
        return Change(file, {s, false, [s, k = std::string(key)](ProfileFile& ini) { ini.DeleteKey(s, k); }});
    return Change(file, {s, false, [s, k = std::string(key), v = std::string(value)](ProfileFile& ini) {
                             ini.SetValue(s, k, v);
                         }});
}

std::string ProfileSectionLines(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string lines;
    for (const auto& [key, value] : entries) lines += key + "=" + value + '\0';
    return lines + '\0';
}
