// Planted for the layering test: the host program reaching into the plug-in.
#include "plugin/tessra_app.h"
#include "host/zelmdb/zelmdb.h"
#include "host/orvex/hosting/dialog_session.h"
