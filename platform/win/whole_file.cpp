// Whole-file reading and the temporary-then-rename writing; see whole_file.h.
#include "platform/win/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>
#include <map>

namespace {

int ReadAll(int fd, std::string& text) {
    struct stat st;
    if (::fstat(fd, &st) != 0) return errno;
    if (S_ISDIR(st.st_mode)) return EISDIR;
    if (S_ISREG(st.st_mode) && size_t(st.st_size) > kWholeFileLimit) return EFBIG;
    std::string read;
    char chunk[65536];
    for (;;) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) break;
        if (read.size() + size_t(n) > kWholeFileLimit) return EFBIG;
        read.append(chunk, size_t(n));
    }
    text = std::move(read);
    return 0;
}

int WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = ::write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        text.remove_prefix(size_t(n));
    }
    return 0;
}

}  // namespace

// A name no other writer uses, hidden beside the target: this process and a count of its own.
std::string TemporaryNameBeside(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path target(path);
    std::string name(1, '.');
    name.append(target.filename().string()).append(1, '.').append(std::to_string(::getpid()));
    name.append(1, '.').append(std::to_string(counter++)).append(".tmp");
    return (target.parent_path() / name).string();
}

namespace {

// Writes the text into a new temporary file; its name is in `temp` when this returns 0. Unless
// `sync`, the bytes may still be on their way to the disk.
int WriteTemporary(const std::string& path, std::string_view text, std::string& temp, bool sync = true) {
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temp = TemporaryNameBeside(path);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;
    struct stat old;
    // The new file is what the old one was to its readers: a private file stays private.
    int error = ::stat(path.c_str(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0 ? errno : 0;
    if (error == 0) error = WriteAll(fd, text);
    if (error == 0 && sync && ::fsync(fd) != 0) error = errno;
    if (::close(fd) != 0 && error == 0) error = errno;
    if (error != 0) ::unlink(temp.c_str());
    return error;
}

}  // namespace

int ReadWholeFile(const std::string& path, std::string& text) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno;
    const int error = ReadAll(fd, text);
    ::close(fd);
    return error;
}

int ReadWholeInput(std::string& text) { return ReadAll(STDIN_FILENO, text); }

int ReplaceWholeFile(const std::string& path, std::string_view text) {
    std::string temp;
    if (const int error = WriteTemporary(path, text, temp)) return error;
    if (::rename(temp.c_str(), path.c_str()) == 0) return 0;
    const int error = errno;
    ::unlink(temp.c_str());
    return error;
}

// Temporaries are written first, then the disk is waited for once a folder, then they take
// their names: waiting for each file alone is most of what writing a library of them costs.
int ReplaceWholeFiles(const std::vector<std::pair<std::string, std::string>>& files, size_t* failed) {
    // One file waits for its own bytes alone, not for everything the file system holds.
    if (files.size() == 1) {
        if (failed) *failed = 0;
        return ReplaceWholeFile(files[0].first, files[0].second);
    }
    std::vector<std::string> temps;
    const auto fail = [&](size_t at, size_t dropFrom, int error) {
        for (size_t i = dropFrom; i < temps.size(); ++i) ::unlink(temps[i].c_str());
        if (failed) *failed = at;
        return error;
    };
    std::map<std::string, size_t> folders;   // each folder and its first file
    for (size_t i = 0; i < files.size(); ++i) {
        std::string temp;
        if (const int error = WriteTemporary(files[i].first, files[i].second, temp, false)) return fail(i, 0, error);
        temps.push_back(std::move(temp));
        folders.emplace(std::filesystem::path(files[i].first).parent_path().string(), i);
    }
    for (const auto& [folder, first] : folders) {
        const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const int error = fd < 0 || ::syncfs(fd) != 0 ? errno : 0;
        if (fd >= 0) ::close(fd);
        if (error != 0) return fail(first, 0, error);
    }
    for (size_t i = 0; i < files.size(); ++i)
        if (::rename(temps[i].c_str(), files[i].first.c_str()) != 0) return fail(i, i, errno);
    return 0;
}

int CreateWholeFile(const std::string& path, std::string_view text) {
    std::string temp;
    if (const int error = WriteTemporary(path, text, temp)) return error;
    // A link, unlike a rename, never replaces a file that appeared meanwhile.
    const int error = ::link(temp.c_str(), path.c_str()) == 0 ? 0 : errno;
    ::unlink(temp.c_str());
    return error;
}
