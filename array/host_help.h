// The host's help service, which the window library exports only by ordinal.
#pragma once
#include <cstdint>

// Shows host help topic `topic`; false when the window library does not offer the service.
bool ShowHostHelp(int32_t topic);
