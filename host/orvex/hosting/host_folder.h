// The host folder: where ORVEX.INI and the plug-in live. Made on first use.
#pragma once
#include <string>

#include "host/base/result.h"

class HostFolder {
public:
    // dir empty: the per-user folder ($XDG_CONFIG_HOME/orvex, else ~/.config/orvex). A folder
    // that cannot be made or written is no refusal: only what writes the settings needs it.
    static Result<HostFolder> Prepare(const std::string& dir);

    const std::string& path() const { return path_; }
    std::string iniPath() const;
    // Whether a file can be made in the folder, asked by making one: a read-only mount and an
    // immutable folder refuse root too, which the permission bits would not tell.
    bool writable() const { return unwritable_.empty(); }
    // Refused, naming ORVEX.INI and why, when the settings cannot be written.
    Status SettingsWritable() const;

private:
    std::string path_;
    std::string unwritable_;   // why the folder cannot be written; empty when it can
};
