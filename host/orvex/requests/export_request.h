// "orvex export": one footprint into a KiCad footprint file, or every footprint of the design
// into a KiCad library folder.
#pragma once
#include <optional>
#include <string>

#include "host/base/result.h"
#include "host/orvex/export/kicad_footprint.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/text/arg_list.h"

constexpr const char* KicadLibrarySuffix = ".pretty";
constexpr const char* KicadFootprintSuffix = ".kicad_mod";

struct ExportRequest {
    std::string design, out;
    std::optional<std::string> footprint;   // none: the whole design
    std::optional<BodySize> body;
    std::optional<KicadModel> model;
    bool force = false;   // replace files that no export of ours wrote
};

ArgRules ExportArgRules();
// Refuses a request without --kicad, a body or model without its one footprint, a model's
// place without the model, and a library folder whose name KiCad would not take for one.
Result<ExportRequest> ExportRequestOf(const ArgList& args);
