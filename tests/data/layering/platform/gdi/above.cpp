#include "platform/framework/cwnd.h"
