// The program's own file, then the build's relative path from it to the plug-in's folder.
#include "host/orvex/hosting/plugin_folder.h"

#include <filesystem>

std::optional<std::string> DefaultPluginFolder() {
    std::error_code ec;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::nullopt;
    const std::filesystem::path folder = (self.parent_path() / ORVEX_PLUGIN_RELATIVE_DIR).lexically_normal();
    return folder.string();
}

Result<PluginPlace> PluginInHostFolder(const HostFolder& host, const std::string& module) {
    namespace fs = std::filesystem;
    using R = Result<PluginPlace>;
    const fs::path installed = fs::path(host.path()) / module;
    std::error_code ec;
    if (fs::is_regular_file(installed, ec)) return PluginPlace{installed.string(), std::nullopt};
    const std::optional<std::string> folder = DefaultPluginFolder();
    const fs::path built = fs::path(folder.value_or("")) / module;
    if (!folder || !fs::is_regular_file(built, ec))
        return R::Fail(module + " was not found in " + host.path() + " nor in the plug-in folder");
    if (host.writable()) {
        // A link left by a build that is gone is replaced; a file of the person's own never is.
        if (fs::is_symlink(installed, ec)) fs::remove(installed, ec);
        fs::create_symlink(built, installed, ec);
        // Another orvex starting at the same moment may have linked it first.
        if (fs::is_regular_file(installed, ec)) return PluginPlace{installed.string(), std::nullopt};
    }
    const std::string why = host.writable() ? ec.message() : "the folder cannot be written";
    return PluginPlace{built.string(), "cannot link " + module + " into " + host.path() + " (" + why + "), so it runs from " +
                                           *folder + " and its window state (tessra.ini) is not saved"};
}
