// Planted for the layering test: the plug-in's resources reaching into the host program.
#include "host/orvex/text/json_reader.h"
