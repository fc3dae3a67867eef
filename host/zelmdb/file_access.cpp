// The file-level checks of a design store; see file_access.h.
#include "host/zelmdb/file_access.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace zelmdb {

Status CheckHeader(const std::string& path) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return Failure{path + ": no such file"};
    if (!S_ISREG(st.st_mode)) return Failure{path + " is not a file"};
    if (st.st_size == 0) return Failure{path + " is empty, not an Orvex design or library"};
    FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return Failure{path + ": cannot read (" + std::strerror(errno) + ")"};
    char header[16] = {};
    const size_t n = std::fread(header, 1, sizeof header, f);
    std::fclose(f);
    if (n != sizeof header || std::memcmp(header, "SQLite format 3", 16) != 0) {
        return Failure{path + " is not an Orvex design or library"};
    }
    return {};
}

Status Writable(const std::string& path) {
    // access() answers for this user, and also for a read-only mount or an immutable file.
    if (::access(path.c_str(), W_OK) != 0) return Failure{path + " cannot be written (" + std::strerror(errno) + ")"};
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    const std::string folder = parent.empty() ? std::string(".") : parent.string();
    if (::access(folder.c_str(), W_OK) != 0) {
        return Failure{path + " cannot be written: its folder " + folder + " cannot be written (" +
                       std::strerror(errno) + "), and a design keeps its journal beside it"};
    }
    return {};
}

bool HasJournal(const std::string& path) {
    struct stat st;
    return ::stat((path + "-journal").c_str(), &st) == 0 && st.st_size > 0;
}

std::string Trouble(const std::string& path, sqlite3* db, const char* otherwise) {
    switch (sqlite3_errcode(db)) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return path + " is in use by another program; close it there or let it finish, then try again";
    case SQLITE_READONLY:
        if (HasJournal(path)) {
            return path + " holds a change left half-done by a program that was stopped while writing it (" + path +
                   "-journal); it is rolled back when someone who may write the file and its folder opens it "
                   "(any orvex command), and cannot be read before";
        }
        return path + " cannot be written (" + sqlite3_errmsg(db) + ")";
    case SQLITE_FULL:
        return path + ": the disk is full";
    default:
        return path + " " + otherwise + " (" + sqlite3_errmsg(db) + ")";
    }
}

}  // namespace zelmdb
