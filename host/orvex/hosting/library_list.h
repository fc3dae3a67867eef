// The PADSTACK_LIB list of ORVEX.INI, written as the Select Padstack dialog writes it (flush, then
// the whole section at once), newest first. It is read and written back under the settings
// folder's lock, taken for the list's lifetime, so that two commands at once both get in.
#pragma once
#include <string>
#include <utility>
#include <vector>

#include "host/base/result.h"
#include "platform/win/folder_lock.h"

class LibraryList {
public:
    using Lines = std::vector<std::pair<std::string, std::string>>;   // library name, file

    explicit LibraryList(std::string ini) : ini_(std::move(ini)), lock_(ini_) {}
    const std::string& ini() const { return ini_; }

    // The whole section; refused when the lock could not be taken, since nothing may be written then.
    Result<Lines> Read() const;
    Status Write(const Lines& lines) const;

private:
    std::string ini_;
    FolderLock lock_;
};
