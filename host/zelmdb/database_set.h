// The databases the host has open: the design, always handle 1, and the padstack libraries the
// plug-in opens, each with an 8-bit handle; one of them is the active database.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "host/zelmdb/design_store.h"

namespace zelmdb {

class DatabaseSet {
public:
    static constexpr uint8_t DesignHandle = 1;
    static DatabaseSet& Get();

    // The design becomes handle 1 and the active database; any earlier one is closed.
    void AttachDesign(std::unique_ptr<DesignStore> design);
    void CloseAll();

    // Asked by every call of the library, DbGet once per coordinate: kept where neither a
    // lookup nor the set's first-use check stands before it.
    static DesignStore* Active() { return activeStore_; }
    DesignStore* Design();
    uint8_t activeHandle() const { return active_; }
    bool SetActive(uint8_t handle);
    // 0 when the library cannot be opened or no handle is left.
    uint8_t OpenLibrary(const std::string& path);
    // The design is never closed this way.
    bool CloseActiveLibrary();
    size_t openCount() const { return stores_.size(); }

private:
    // Every change of the active handle or of the stores goes through here.
    void Activate(uint8_t handle);

    std::map<uint8_t, std::unique_ptr<DesignStore>> stores_;
    uint8_t active_ = 0;
    static inline DesignStore* activeStore_ = nullptr;   // the store of active_, null for none
};

}  // namespace zelmdb
