// Handle table for profile texts; see profile_handles.h.
#include "host/zelmdb/profile_handles.h"

namespace zelmdb {

ProfileHandles& ProfileHandles::Get() {
    static ProfileHandles handles;
    return handles;
}

uint32_t ProfileHandles::Add(std::string text) {
    // Handles are not reused at once, so a stale handle reads as freed rather than as another text.
    uint32_t handle = next_++;
    if (next_ == 0) next_ = 1;
    while (texts_.count(handle) != 0 || handle == 0) handle = next_++;
    texts_.emplace(handle, std::move(text));
    return handle;
}

const char* ProfileHandles::Text(uint32_t handle) const {
    auto it = texts_.find(handle);
    return it == texts_.end() ? nullptr : it->second.c_str();
}

void ProfileHandles::Free(uint32_t handle) { texts_.erase(handle); }

}  // namespace zelmdb
