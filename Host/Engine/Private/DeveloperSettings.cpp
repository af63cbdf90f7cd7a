#include "Engine/DeveloperSettings.h"

ZEVO_IMPLEMENT_CLASS(UDeveloperSettings, CLASS_Abstract)
