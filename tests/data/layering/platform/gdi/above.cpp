// Planted for the layering test: drawing reaching up into the framework.
#include "platform/framework/cwnd.h"
