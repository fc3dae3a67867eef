// Where orvex finds the plug-in: in its host folder, as the platform installs it. A tree that was
// only built has it in the build's output beside the program; it is linked into the host folder
// then, so that the host's file search finds it there and the files the plug-in keeps beside its
// module (its window-state file) are the person's own, never the build tree's.
#pragma once
#include <optional>
#include <string>

#include "host/base/result.h"

// None when the program cannot tell where it lives.
std::optional<std::string> DefaultPluginFolder();
// The module's path in `hostFolder`, linked there from the build when it is not there yet.
Result<std::string> PluginInHostFolder(const std::string& hostFolder, const std::string& module);
