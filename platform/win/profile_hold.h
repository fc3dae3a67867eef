// Holding back profile writes while a batch runs. A batch saves the window state after every
// footprint, and each replacement of the file waits for the disk; a hold keeps those writes in
// memory and writes them together when it ends. The first write of each file in a hold still
// goes through at once, so that a file that cannot be written is told to the caller that wrote
// it, and other programs see that a batch has begun. Every profile read of this process sees
// what is held; other programs see it once it is written. Holds nest; the outermost writes.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/win/profile_file.h"

// One change of a file, and the section it touches; a change of a whole section makes the
// section's earlier held changes needless.
struct ProfileEdit {
    std::string section;
    bool wholeSection = false;
    std::function<void(ProfileFile&)> apply;
};

class ProfileHold {
public:
    ProfileHold();
    ~ProfileHold();
    ProfileHold(const ProfileHold&) = delete;
    ProfileHold& operator=(const ProfileHold&) = delete;

    // Writes everything held now, hold or not; "path: why" for each file that could not be
    // written, whose held changes are dropped.
    static std::vector<std::string> WriteHeld();
    // Writes what is held for one file; false when it could not be written.
    static bool WriteHeld(const std::string& path);

    // For the profile calls: whether a change of the file is held instead of written, holding it
    // then; the held changes of the file applied to what was read of it (whether there were any);
    // the file written through with its held changes and `edit` (none when null).
    static bool Held(const std::string& path, ProfileEdit& edit);
    // The file as this process sees it: as read, with the held changes; none when it is there
    // but cannot be read.
    static std::optional<ProfileFile> Load(const std::string& path);
    static bool ApplyHeld(const std::string& path, ProfileFile& ini);
    static bool WriteThrough(const std::string& path, const ProfileEdit* edit, int* error = nullptr);
};
