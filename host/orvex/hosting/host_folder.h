// The host folder: where ORVEX.INI and the plug-in live. Made on first use.
#pragma once
#include <string>

#include "host/base/result.h"

class HostFolder {
public:
    // dir empty: the per-user folder ($XDG_CONFIG_HOME/orvex, else ~/.config/orvex).
    static Result<HostFolder> Prepare(const std::string& dir);

    const std::string& path() const { return path_; }
    std::string iniPath() const;

private:
    std::string path_;
};
