#include "platform/gdi/gdi.h"
#include "platform/ui/headless_driver.h"
