#include "host/orvex/export/export_target.h"
#include "host/orvex/hosting/dialog_session.h"
