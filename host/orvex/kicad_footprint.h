// One footprint of a design as a KiCad footprint file: millimetres, y down.
#pragma once
#include <string>

#include "host/zelmdb/design_store.h"
#include "host/zelmdb/result.h"

// Space kept around the pads for the courtyard, in millimetres.
constexpr double CourtyardMarginMm = 0.25;
// The generator an exported file names, by which a later export knows it may replace the file.
constexpr const char* KicadGenerator = "tessra";

zelmdb::Result<std::string> KicadFootprintText(zelmdb::DesignStore& store, const std::string& footprint);
