// Where orvex looks for the plug-in after its host folder: the plug-in's build output beside
// the program's own, so a freshly built tree runs as it stands.
#pragma once
#include <string>

// Empty when the program cannot tell where it lives.
std::string DefaultPluginFolder();
