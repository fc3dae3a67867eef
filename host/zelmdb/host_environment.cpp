// The host's folders, settings file and message list; see host_environment.h.
#include "host/zelmdb/host_environment.h"

#include <strings.h>

#include <cstdio>
#include <filesystem>

namespace zelmdb {

namespace {

// The platform's file names ignore case, so ORVEX.INI is found as orvex.ini too; an exact match
// wins over others.
std::optional<std::string> FindInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return std::nullopt;
    std::error_code ec;
    const std::filesystem::path exact = std::filesystem::path(folder) / name;
    if (std::filesystem::is_regular_file(exact, ec)) return exact.string();
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (strcasecmp(entry.path().filename().c_str(), name.c_str()) == 0 &&
            entry.is_regular_file(ec)) {
            return entry.path().string();
        }
    }
    return std::nullopt;
}

}  // namespace

HostEnvironment& HostEnvironment::Get() {
    static HostEnvironment environment;
    return environment;
}

std::string HostEnvironment::HostIniPath() const {
    if (auto found = FindInFolder(hostFolder_, HostIniName)) return *found;
    return (std::filesystem::path(hostFolder_) / HostIniName).string();
}

std::string HostEnvironment::CurrentIniPath() const {
    return currentIni_ ? *currentIni_ : HostIniPath();
}

std::optional<std::string> HostEnvironment::FindFile(const std::string& name) const {
    if (name.empty()) return std::nullopt;
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(name, ec)) return name;
        return std::nullopt;
    }
    if (auto found = FindInFolder(hostFolder_, name)) return found;
    return FindInFolder(pluginFolder_, name);
}

void HostEnvironment::Report(int code, int number, const std::string& text) {
    const HostMessage message{code, number, text};
    messages_.push_back(message);
    if (sink_) {
        sink_(message);
    } else {
        std::fprintf(stderr, "orvex: error %d (%d)%s%s\n", code, number, text.empty() ? "" : ": ", text.c_str());
    }
}

}  // namespace zelmdb
