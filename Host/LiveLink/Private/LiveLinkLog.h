#pragma once
// The Live Link module's own log category, for the client's messages.
#include "Logging/LogMacros.h"

DECLARE_LOG_CATEGORY_EXTERN(LogLiveLink, Log, All);
