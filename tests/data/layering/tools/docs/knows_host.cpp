#include "res/resource.h"
#include "host/orvex/text/json_reader.h"
