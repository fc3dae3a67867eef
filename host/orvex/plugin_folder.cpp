// The program's own file, then the build's relative path from it to the plug-in's folder.
#include "host/orvex/plugin_folder.h"

#include <filesystem>

std::string DefaultPluginFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return "";
    const std::filesystem::path folder = (self.parent_path() / ORVEX_PLUGIN_RELATIVE_DIR).lexically_normal();
    return folder.string();
}
