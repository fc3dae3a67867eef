// The plug-in's dialog templates; each function adds one template to a module's resources.
#pragma once
#include "platform/framework/resources.h"

// Template 107, "Property Page Template": every control any style page shows.
void AddPageTemplate(ResourceSet& resources);
// "Edit Array Alphabet" (4010): the letter boxes "&A" to "&Z", OK, Cancel and the standard set.
void AddAlphabetDialogTemplate(ResourceSet& resources);
// Template 4012, "Select Padstack": padstack list, preview with values, library list.
void AddSelectPadstackTemplate(ResourceSet& resources);
