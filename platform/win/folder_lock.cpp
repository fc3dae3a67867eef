// The folder lock: flock on the folder, counted per process; see folder_lock.h.
#include "platform/win/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <mutex>
#include <thread>

namespace {

struct Held {
    int fd = -1;
    int depth = 0;
};

constexpr auto kPatience = std::chrono::seconds(10);

std::mutex& Guard() {
    static std::mutex guard;
    return guard;
}

std::map<std::string, Held>& Locks() {
    static std::map<std::string, Held> locks;
    return locks;
}

std::string FolderOf(const std::string& filePath) {
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(filePath, ec).parent_path();
    return ec ? std::string() : folder.lexically_normal().string();
}

// Waits in short steps instead of blocking, so that the wait has an end.
bool LockWithin(int fd) {
    const auto until = std::chrono::steady_clock::now() + kPatience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK || std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

FolderLock::FolderLock(const std::string& filePath) {
    const std::string folder = FolderOf(filePath);
    if (folder.empty()) return;
    std::lock_guard<std::mutex> hold(Guard());
    Held& entry = Locks()[folder];
    if (entry.depth == 0) {
        entry.fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (entry.fd < 0 || !LockWithin(entry.fd)) {
            if (entry.fd >= 0) ::close(entry.fd);
            Locks().erase(folder);
            return;
        }
    }
    ++entry.depth;
    folder_ = folder;
}

FolderLock::~FolderLock() {
    if (folder_.empty()) return;
    std::lock_guard<std::mutex> hold(Guard());
    Held& entry = Locks()[folder_];
    if (--entry.depth > 0) return;
    ::close(entry.fd);   // closing the last descriptor releases the flock
    Locks().erase(folder_);
}
