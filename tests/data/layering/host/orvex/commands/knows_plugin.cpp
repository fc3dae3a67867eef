#include "plugin/tessra_app.h"
#include "host/zelmdb/zelmdb.h"
#include "host/orvex/hosting/dialog_session.h"
