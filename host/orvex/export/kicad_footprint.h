// One footprint of a design as a KiCad footprint file: millimetres, y down, with the outlines,
// texts and attributes a board library expects.
#pragma once
#include <optional>
#include <string>

#include "host/base/result.h"
#include "host/orvex/extras/footprint_extras.h"
#include "host/zelmdb/design_store.h"

// The generator an exported file names, by which a later export knows it may replace the file.
constexpr const char* KicadGenerator = "tessra";

// A 3D model of the part, as KiCad places it on the footprint: millimetres and degrees.
struct KicadModel {
    std::string path;   // written as given, KiCad's path variables and all
    double offset[3] = {0, 0, 0};
    double rotate[3] = {0, 0, 0};
};

// Refuses a footprint the design lacks, a damaged host record, or a pad KiCad cannot show.
// `body` stands in for the body kept with the footprint.
Result<std::string> KicadFootprintText(zelmdb::DesignStore& store, const std::string& footprint,
                                       const std::optional<BodySize>& body = std::nullopt,
                                       const std::optional<KicadModel>& model = std::nullopt);
