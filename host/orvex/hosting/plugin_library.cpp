// Opening the plug-in with the dynamic loader; see plugin_library.h.
#include "host/orvex/hosting/plugin_library.h"

#include <dlfcn.h>

namespace {

std::string LoaderError() {
    const char* text = dlerror();
    return text ? text : "unknown loader error";
}

}  // namespace

Result<std::unique_ptr<PluginLibrary>> PluginLibrary::Load(const std::string& path) {
    using R = Result<std::unique_ptr<PluginLibrary>>;
    // Local binding: the module's own copies of everything stay its own.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return R::Fail("cannot load the plug-in " + path + ": " + LoaderError());
    auto display = reinterpret_cast<DisplayProc>(dlsym(handle, "DisplayTessraDialog"));
    auto isActive = reinterpret_cast<IsActiveProc>(dlsym(handle, "TSGIsActive"));
    if (display == nullptr || isActive == nullptr) {
        dlclose(handle);
        return R::Fail("the plug-in " + path + " lacks DisplayTessraDialog or TSGIsActive");
    }
    return std::unique_ptr<PluginLibrary>(new PluginLibrary(handle, display, isActive));
}

PluginLibrary::~PluginLibrary() { dlclose(handle_); }
