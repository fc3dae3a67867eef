#include "host/orvex/text/json_reader.h"
