// Where the host lives and what it tells the user: the host folder with ORVEX.INI, the folder of
// the plug-in, the current settings file and the message list that ComErrInt reports to.
#pragma once
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace zelmdb {

struct HostMessage {
    int code;
    int number;
    std::string text;   // the host's own errors say what went wrong; a plug-in's give only numbers
};

class HostEnvironment {
public:
    static HostEnvironment& Get();

    void SetHostFolder(const std::string& folder) { hostFolder_ = folder; }
    void SetPluginFolder(const std::string& folder) { pluginFolder_ = folder; }
    const std::string& hostFolder() const { return hostFolder_; }
    std::string HostIniPath() const;

    // The settings file ComIniGetProfileSection reads; ORVEX.INI unless ComIniFileOpen chose one.
    std::string CurrentIniPath() const;
    void SetCurrentIni(std::optional<std::string> path) { currentIni_ = std::move(path); }

    // The host folder, then the plug-in folder; a name with a folder is taken as it is.
    std::optional<std::string> FindFile(const std::string& name) const;

    void Report(int code, int number, const std::string& text = "");
    const std::vector<HostMessage>& messages() const { return messages_; }
    void ClearMessages() { messages_.clear(); }
    // Called for every report as it happens; by default it goes to standard error.
    void SetMessageSink(std::function<void(const HostMessage&)> sink) { sink_ = std::move(sink); }

private:
    std::string hostFolder_;
    std::string pluginFolder_;
    std::optional<std::string> currentIni_;
    std::vector<HostMessage> messages_;
    std::function<void(const HostMessage&)> sink_;
};

constexpr const char* HostIniName = "ORVEX.INI";
constexpr const char* LibrarySection = "PADSTACK_LIB";

}  // namespace zelmdb
