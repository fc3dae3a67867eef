#include "host/orvex/text/arg_list.h"
#include "host/orvex/commands/command_table.h"
