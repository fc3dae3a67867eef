#include "host/orvex/text/json_reader.h"
#include "host/orvex/export/kicad_footprint.h"
