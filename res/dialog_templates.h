// The plug-in's dialog templates, added to the module's resources at load.
#pragma once
#include "platform/framework/resources.h"

// Template 107, "Property Page Template": every control any style page shows.
void AddPageTemplate(ResourceSet& resources);
