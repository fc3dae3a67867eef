// A package's layout fed to generate's request once the design is open: its lands found or made
// as padstacks of the design, the page's values and the extra pads in the design's unit, the
// names the host leaves out and the body, so that the footprint goes the way of every other.
#pragma once
#include <vector>

#include "host/base/result.h"
#include "host/orvex/extras/land_check.h"
#include "host/orvex/requests/generate_request.h"
#include "host/zelmdb/design_store.h"

// The pads the footprint must hold once the dialog and the host have made it.
Result<std::vector<LandPin>> FeedPackage(GenerateRequest& request, zelmdb::DesignStore& store);

// A length in millimetres as typed in the design's display unit, to a billionth of it.
std::string DisplayUnitText(double mm, const zelmdb::DesignInfo& design);
