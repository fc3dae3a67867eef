// The private-profile calls over ProfileFile; see profile.h.
#include "platform/win/profile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/folder_lock.h"
#include "platform/win/profile_file.h"
#include "platform/win/whole_file.h"

namespace {

// A file as read, with the bytes it was read from: none when there was no file.
struct Loaded {
    ProfileFile ini;
    std::optional<std::string> text;
};

std::optional<Loaded> Read(const char* path) {
    if (path == nullptr) return std::nullopt;
    std::string text;
    const int error = ReadWholeFile(path, text);
    // A file not there yet reads as empty; one that is there but cannot be read is no file to
    // write over, since the write would drop whatever it holds.
    if (error == ENOENT) return Loaded{ProfileFile::Parse(""), std::nullopt};
    if (error != 0) return std::nullopt;
    return Loaded{ProfileFile::Parse(text), std::move(text)};
}

std::optional<ProfileFile> Load(const char* path) {
    std::optional<Loaded> loaded = Read(path);
    if (!loaded) return std::nullopt;
    return std::move(loaded->ini);
}

// A write that leaves the text as it was writes nothing: a batch saves the same window state
// after every footprint, and each replacement of the file waits for the disk.
bool Store(const char* path, const Loaded& file) {
    const std::string text = file.ini.Serialize();
    return text == file.text || ReplaceWholeFile(path, text) == 0;
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
    const FolderLock lock(file);
    std::optional<Loaded> loaded = lock.held() ? Read(file) : std::nullopt;
    if (!loaded) return FALSE;
    if (lines == nullptr) {
        loaded->ini.DeleteSection(section);
    } else {
        loaded->ini.ReplaceSection(section, SplitZeroList(lines));
    }
    return Store(file, *loaded) ? TRUE : FALSE;
}

extern "C" BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file) {
    // Every call writes through, so a flush has nothing left to do.
    if (section == nullptr && key == nullptr && value == nullptr) return FALSE;
    if (file == nullptr || section == nullptr) return FALSE;
    const FolderLock lock(file);
    std::optional<Loaded> loaded = lock.held() ? Read(file) : std::nullopt;
    if (!loaded) return FALSE;
    if (key == nullptr) {
        loaded->ini.DeleteSection(section);
    } else if (value == nullptr) {
        loaded->ini.DeleteKey(section, key);
    } else {
        loaded->ini.SetValue(section, key, value);
    }
    return Store(file, *loaded) ? TRUE : FALSE;
}

std::string ProfileSectionLines(const std::vector<std::pair<std::string, std::string>>& entries) {
    std::string lines;
    for (const auto& [key, value] : entries) lines += key + "=" + value + '\0';
    return lines + '\0';
}
