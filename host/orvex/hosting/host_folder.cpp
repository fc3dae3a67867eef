// Finding and making the host folder; see host_folder.h.
#include "host/orvex/hosting/host_folder.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>

#include "host/zelmdb/host_environment.h"
#include "platform/win/whole_file.h"

namespace {

const char* const DefaultIni =
    "; Orvex settings. PADSTACK_LIB lists the padstack libraries, newest first:\r\n"
    "; library name=library file\r\n"
    "[PADSTACK_LIB]\r\n";

std::optional<std::string> DefaultFolder() {
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
        return (std::filesystem::path(xdg) / "orvex").string();
    }
    if (const char* home = std::getenv("HOME"); home && *home) {
        return (std::filesystem::path(home) / ".config" / "orvex").string();
    }
    return std::nullopt;
}

// Why no file can be made in the folder, empty when one can.
std::string WhyUnwritable(const std::filesystem::path& folder) {
    const std::string probe = TemporaryNameBeside((folder / "probe").string());
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) return std::strerror(errno);
    ::close(fd);
    ::unlink(probe.c_str());
    return "";
}

}  // namespace

Result<HostFolder> HostFolder::Prepare(const std::string& dir) {
    using R = Result<HostFolder>;
    const std::optional<std::string> found = dir.empty() ? DefaultFolder() : dir;
    if (!found) return R::Fail("no host folder: give --home DIR or set HOME");
    const std::string& chosen = *found;
    std::error_code ec;
    const std::filesystem::path folder = std::filesystem::absolute(chosen, ec);
    if (ec) return R::Fail("host folder " + chosen + ": " + ec.message());
    if (std::filesystem::exists(folder, ec) && !std::filesystem::is_directory(folder, ec)) {
        return R::Fail("host folder " + folder.string() + " is not a folder");
    }
    HostFolder host;
    host.path_ = folder.string();
    std::filesystem::create_directories(folder, ec);
    host.unwritable_ = ec ? ec.message() : WhyUnwritable(folder);
    zelmdb::HostEnvironment& env = zelmdb::HostEnvironment::Get();
    env.SetHostFolder(host.path_);
    // The host's file search is the host folder alone: see PluginInHostFolder.
    env.SetPluginFolder("");
    if (host.writable() && !std::filesystem::exists(env.HostIniPath(), ec)) {
        // Another orvex starting at the same moment may have made it first; its file stays.
        const int error = CreateWholeFile(env.HostIniPath(), DefaultIni);
        if (error != 0 && error != EEXIST)
            return R::Fail("cannot write " + env.HostIniPath() + ": " + std::strerror(error));
    }
    return host;
}

std::string HostFolder::iniPath() const { return zelmdb::HostEnvironment::Get().HostIniPath(); }

Status HostFolder::SettingsWritable() const {
    if (writable()) return {};
    return Failure{"cannot write " + iniPath() + ": its folder cannot be written (" + unwritable_ +
                   "); the padstack library list is unchanged"};
}
