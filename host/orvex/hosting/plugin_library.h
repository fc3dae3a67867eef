// The plug-in module as the host opens it: tessra.dll and its two entry points.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "host/base/result.h"

// The plug-in keeps what each footprint was made from under this owner and the footprint's name.
constexpr const char* kPluginRecordOwner = "Tessra";

class PluginLibrary {
public:
    // Refuses, naming the file, a module that cannot be opened or lacks an entry point.
    static Result<std::unique_ptr<PluginLibrary>> Load(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    int32_t DisplayTessraDialog(const char* footprintName) const { return display_(footprintName); }
    int32_t TSGIsActive() const { return isActive_(); }

private:
    using DisplayProc = int32_t (*)(const char*);
    using IsActiveProc = int32_t (*)();
    PluginLibrary(void* handle, DisplayProc display, IsActiveProc isActive)
        : handle_(handle), display_(display), isActive_(isActive) {}

    void* handle_;
    DisplayProc display_;
    IsActiveProc isActive_;
};
