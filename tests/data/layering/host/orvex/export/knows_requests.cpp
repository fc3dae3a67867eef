#include "host/orvex/extras/footprint_extras.h"
#include "host/orvex/requests/generate_request.h"
