#pragma once
// Engine-wide events that modules subscribe to.
#include "Delegates/Delegate.h"

struct FCoreDelegates
{
	/** Raised once by the engine loop when engine initialisation is complete (game thread). */
	static FSimpleMulticastDelegate OnPostEngineInit;
};
