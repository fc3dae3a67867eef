#include "host/orvex/requests/script_source.h"
#include "host/orvex/commands/command_table.h"
