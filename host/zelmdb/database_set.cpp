// The open databases and the active one; see database_set.h.
#include "host/zelmdb/database_set.h"

namespace zelmdb {

DatabaseSet& DatabaseSet::Get() {
    static DatabaseSet set;
    return set;
}

void DatabaseSet::AttachDesign(std::unique_ptr<DesignStore> design) {
    CloseAll();
    stores_[DesignHandle] = std::move(design);
    Activate(DesignHandle);
}

void DatabaseSet::CloseAll() {
    stores_.clear();
    Activate(0);
}

void DatabaseSet::Activate(uint8_t handle) {
    active_ = handle;
    auto it = stores_.find(handle);
    activeStore_ = it == stores_.end() ? nullptr : it->second.get();
}

DesignStore* DatabaseSet::Design() {
    auto it = stores_.find(DesignHandle);
    return it == stores_.end() ? nullptr : it->second.get();
}

bool DatabaseSet::SetActive(uint8_t handle) {
    if (stores_.count(handle) == 0) return false;
    Activate(handle);
    return true;
}

uint8_t DatabaseSet::OpenLibrary(const std::string& path) {
    uint8_t handle = 0;
    for (int h = DesignHandle + 1; h <= 255; ++h) {
        if (stores_.count(uint8_t(h)) == 0) {
            handle = uint8_t(h);
            break;
        }
    }
    if (handle == 0) return 0;
    auto opened = DesignStore::Open(path, DesignStore::Access::ReadOnly, DesignStore::Sharing::Shared);
    if (!opened.ok()) return 0;
    stores_[handle] = std::move(opened.value());
    Activate(handle);
    return handle;
}

bool DatabaseSet::CloseActiveLibrary() {
    if (active_ == DesignHandle || stores_.count(active_) == 0) return false;
    stores_.erase(active_);
    // With the library gone, the design is what the next call would expect to find.
    Activate(stores_.count(DesignHandle) ? DesignHandle : 0);
    return true;
}

}  // namespace zelmdb
