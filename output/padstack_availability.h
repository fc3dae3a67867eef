// The padstack a page starts with: the design's first, else the last library's first usable
// one (copied into the design), else the temporary pad with a warning.
#pragma once
#include <string>

#include "array/padstack_info.h"
#include "output/padstack_rules.h"

struct StartPadstack {
    std::string Name;        // empty with the temporary pad
    PadstackBuffer Record;   // empty with the temporary pad
    // The geometry for the previews; needs the display colours loaded.
    PadstackInfo Info() const;
};

StartPadstack CheckPadstackAvailability();
