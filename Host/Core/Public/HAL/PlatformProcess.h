#pragma once
#include "HAL/Platform.h"

struct FPlatformProcess
{
	static void Sleep(float Seconds);
};
