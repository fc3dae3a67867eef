// An advisory lock on the folder of a file that is read, changed and written back, so that two
// programs changing it at once each see the other's change instead of overwriting it. The
// folder is locked rather than the file, since every write replaces the file by a new one.
// A process that holds the lock may take it again (it nests); another process waits for it,
// a few seconds at most. A lock not held means "do not write": a stuck neighbour must neither
// hang us nor have its change overwritten.
#pragma once
#include <string>

class FolderLock {
public:
    explicit FolderLock(const std::string& filePath);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return !folder_.empty(); }

private:
    std::string folder_;   // empty when the lock could not be taken
};
