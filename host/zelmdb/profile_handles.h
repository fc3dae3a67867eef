// The texts of profile sections handed out as 32-bit handles, since the section record has room
// for 32-bit pointers only. A text lives until its section is freed.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>

namespace zelmdb {

class ProfileHandles {
public:
    static ProfileHandles& Get();
    uint32_t Add(std::string text);
    const char* Text(uint32_t handle) const;
    void Free(uint32_t handle);
    size_t size() const { return texts_.size(); }

private:
    std::unordered_map<uint32_t, std::string> texts_;
    uint32_t next_ = 1;   // 0 is never a handle
};

}  // namespace zelmdb
