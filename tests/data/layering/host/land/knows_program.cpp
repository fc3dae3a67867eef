// Planted: the land-pattern library knows nothing of the program that uses it.
#include "host/orvex/text/arg_list.h"
