// Where orvex finds the plug-in: in its host folder, as the platform installs it. A tree that was
// only built has it in the build's output beside the program; it is linked into the host folder
// then, so that the host's file search finds it there and the files the plug-in keeps beside its
// module (its window-state file) are the person's own, never the build tree's.
#pragma once
#include <optional>
#include <string>

#include "host/base/result.h"
#include "host/orvex/hosting/host_folder.h"

// None when the program cannot tell where it lives.
std::optional<std::string> DefaultPluginFolder();

struct PluginPlace {
    std::string path;
    // Set when the module runs from where it was built, since it could not be linked into the
    // host folder: the host's search does not find it then, so its window state is not kept.
    std::optional<std::string> note;
};
// The module in the host folder, linked there from the build when it is not there yet; the
// build's own when the folder cannot take the link. Refused when there is neither.
Result<PluginPlace> PluginInHostFolder(const HostFolder& host, const std::string& module);
