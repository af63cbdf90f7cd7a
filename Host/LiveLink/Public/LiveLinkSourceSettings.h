#pragma once
#include "UObject/Object.h"

/** Per-source settings object of the Live Link panel; this system's sources keep the defaults. */
class ULiveLinkSourceSettings : public UObject
{
	ZEVO_CLASS(ULiveLinkSourceSettings, UObject)
};
