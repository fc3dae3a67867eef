#include "host/orvex/json_reader.h"
