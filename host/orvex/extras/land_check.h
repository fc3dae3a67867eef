// The check that a footprint made from a package stands where its land pattern says: after the
// dialog and the host's extras, every stored pad is compared with its land. A difference is a
// fault of the program, never of the package, so the footprint is refused rather than kept.
#pragma once
#include <string>
#include <vector>

#include "host/base/result.h"
#include "host/zelmdb/design_store.h"

// A pad as the land pattern has it: name, centre and size as it stands, in millimetres, x right,
// y down, about the package centre.
struct LandPin {
    std::string name;
    double x = 0, y = 0, w = 0, h = 0;
};

// Every stored pad is one of `pins` and every one of `pins` is stored, each to within two of the
// design's units (the dialog and the host round each place to a whole unit, the centre to half
// of one); the refusal names the first pad that differs.
Status PadsWhereLandsAre(zelmdb::DesignStore& store, const std::string& footprint, const std::vector<LandPin>& pins);
