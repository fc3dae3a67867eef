// Finding the screen module: beside this library, wherever the build or an install put both.
#include "platform/ui/person_driver.h"

#include <dlfcn.h>

#include <filesystem>

namespace {

const ScreenModule* Load(std::string& why) {
    Dl_info self{};
    if (dladdr(reinterpret_cast<void*>(&LoadScreenModule), &self) == 0 || self.dli_fname == nullptr) {
        why = "the window library cannot tell where it was loaded from";
        return nullptr;
    }
    const auto path = std::filesystem::path(self.dli_fname).parent_path() / kScreenModuleFile;
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr) {
        const char* error = dlerror();
        why = "the display module cannot be loaded: " + std::string(error ? error : path.string());
        return nullptr;
    }
    using Entry = const ScreenModule* (*)();
    const auto entry = reinterpret_cast<Entry>(dlsym(module, kScreenModuleEntry));
    if (entry == nullptr) {
        why = path.string() + " has no " + kScreenModuleEntry;
        return nullptr;
    }
    return entry();
}

}  // namespace

const ScreenModule* LoadScreenModule(std::string& why) {
    static std::string failure;
    static const ScreenModule* const module = Load(failure);
    if (module == nullptr) why = failure;
    return module;
}
