// Held profile writes and the write-through they end in; see profile_hold.h.
#include "platform/win/profile_hold.h"

#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string_view>

#include "platform/win/folder_lock.h"
#include "platform/win/profile_file.h"
#include "platform/win/whole_file.h"

namespace {

struct FileHeld {
    std::vector<ProfileEdit> edits;
    bool written = false;   // written through once in the current hold
};

// Profile calls come from the window system's one thread.
struct HeldState {
    int holds = 0;
    std::map<std::string, FileHeld> files;
};

HeldState& State() {
    static HeldState* state = new HeldState;   // never destroyed: a hold may end in a destructor at exit
    return *state;
}

// One file under one name, however the caller spelled its path.
std::string KeyOf(const std::string& path) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    return error ? path : absolute.lexically_normal().string();
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
    return true;
}

// The file's text, none when there is no file; an error other than that when it cannot be read,
// since a write would then drop whatever it holds.
int ReadText(const std::string& path, std::optional<std::string>& text) {
    std::string read;
    const int error = ReadWholeFile(path, read);
    if (error == ENOENT) return 0;
    if (error == 0) text = std::move(read);
    return error;
}

}  // namespace

ProfileHold::ProfileHold() { ++State().holds; }

ProfileHold::~ProfileHold() {
    if (--State().holds > 0) return;
    WriteHeld();
    State().files.clear();
}

std::vector<std::string> ProfileHold::WriteHeld() {
    std::vector<std::string> failed;
    for (auto& [path, held] : State().files) {
        if (held.edits.empty()) continue;
        int error = 0;
        if (!WriteThrough(path, nullptr, &error)) failed.push_back(path + ": " + std::strerror(error));
        held.edits.clear();
    }
    return failed;
}

bool ProfileHold::WriteHeld(const std::string& path) {
    const auto held = State().files.find(KeyOf(path));
    return held == State().files.end() || held->second.edits.empty() || WriteThrough(path, nullptr);
}

bool ProfileHold::Held(const std::string& path, ProfileEdit& edit) {
    if (State().holds == 0) return false;
    const auto found = State().files.find(KeyOf(path));
    if (found == State().files.end() || !found->second.written) return false;
    std::vector<ProfileEdit>& edits = found->second.edits;
    if (edit.wholeSection)
        std::erase_if(edits, [&](const ProfileEdit& e) { return SameName(e.section, edit.section); });
    edits.push_back(std::move(edit));
    return true;
}

bool ProfileHold::ApplyHeld(const std::string& path, ProfileFile& ini) {
    if (State().files.empty()) return false;
    const auto found = State().files.find(KeyOf(path));
    if (found == State().files.end() || found->second.edits.empty()) return false;
    for (const ProfileEdit& e : found->second.edits) e.apply(ini);
    return true;
}

std::optional<ProfileFile> ProfileHold::Load(const std::string& path) {
    std::optional<std::string> text;
    if (ReadText(path, text) != 0) return std::nullopt;
    ProfileFile ini = ProfileFile::Parse(text.value_or(""));
    // Read as it will be written: a line given as "[x]" is a section of its own once in the file.
    if (ApplyHeld(path, ini)) return ProfileFile::Parse(ini.Serialize());
    return ini;
}

bool ProfileHold::WriteThrough(const std::string& path, const ProfileEdit* edit, int* error) {
    int ignored = 0;
    int& why = error ? *error : ignored;
    const FolderLock lock(path);
    if (!lock.held()) {
        why = EWOULDBLOCK;
        return false;
    }
    std::optional<std::string> text;
    if ((why = ReadText(path, text)) != 0) return false;
    ProfileFile ini = ProfileFile::Parse(text.value_or(""));
    ApplyHeld(path, ini);
    if (edit) edit->apply(ini);
    // A write that leaves the text as it was writes nothing: a batch saves the same window state
    // after every footprint of one style.
    const std::string out = ini.Serialize();
    if (out != text && (why = ReplaceWholeFile(path, out)) != 0) return false;
    if (State().holds > 0) {
        FileHeld& held = State().files[KeyOf(path)];
        held.edits.clear();
        held.written = true;
    }
    return true;
}
