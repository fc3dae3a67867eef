#include "plugin/tessra_app.h"
#include "host/zelmdb/zelmdb.h"
