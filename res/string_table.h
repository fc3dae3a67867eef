// The plug-in's string table; its texts go into the module's resources and are loaded by number.
#pragma once
#include "platform/framework/resources.h"

void AddStringTable(ResourceSet& resources);
