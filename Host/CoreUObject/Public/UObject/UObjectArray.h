#pragma once
// FUObjectArray: the set of live objects with the serial number each was given, so that a weak
// object pointer can tell whether its object still exists. Thread-safe: one lock inside guards it.
#include "HAL/Platform.h"

class UObject;

struct FUObjectArray
{
	/** Called by every object's constructor; returns its serial number (never 0, never reused). */
	static uint64 Register(const UObject* Object);
	static void Unregister(const UObject* Object);
	/** True while the object at that address is the one that was given that serial number. */
	static bool IsLive(const UObject* Object, uint64 SerialNumber);
};
