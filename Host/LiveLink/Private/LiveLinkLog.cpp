#include "LiveLinkLog.h"

DEFINE_LOG_CATEGORY(LogLiveLink);
