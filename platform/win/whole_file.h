// Files read and written whole. Reading refuses a folder and stops at a size no text of ours
// reaches, so a device or an endless pipe cannot hold a program; writing goes to a temporary
// file with a name of its own beside the target and takes the target's name only when every
// byte is on disk, so a reader sees the old file or the new one, never half of one, and two
// writers never share a temporary.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Scripts, settings and batches stay far below this; more is not a text of ours.
constexpr size_t kWholeFileLimit = size_t(64) << 20;

// 0 and the whole content, or the errno value that says why not: EISDIR for a folder, EFBIG
// past kWholeFileLimit. "-" is not special here; file descriptor 0 is read by ReadWholeInput.
int ReadWholeFile(const std::string& path, std::string& text);
int ReadWholeInput(std::string& text);

// A name beside `path` that no other writer of this process or another uses; the file is hidden.
std::string TemporaryNameBeside(const std::string& path);

// Replaces the file or makes it, keeping an existing file's permission bits; 0 or an errno value.
int ReplaceWholeFile(const std::string& path, std::string_view text);
// Replaces or makes every file as ReplaceWholeFile does, but waits for the disk once for all of
// them; 0 or the errno value of the first failure, whose file's index goes to `failed` when given.
// No file is replaced before every new text is on disk, so a failure until then leaves every
// file as it was.
int ReplaceWholeFiles(const std::vector<std::pair<std::string, std::string>>& files, size_t* failed = nullptr);
// Makes the file only while there is none; EEXIST when another was there first, which is left.
int CreateWholeFile(const std::string& path, std::string_view text);
