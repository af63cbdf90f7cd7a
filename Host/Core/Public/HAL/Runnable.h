#pragma once
// FRunnable: the body of a thread, which FRunnableThread (HAL/RunnableThread.h) runs.
#include "HAL/Platform.h"

class FSingleThreadRunnable;

class FRunnable
{
public:
	virtual bool Init() { return true; }
	virtual uint32 Run() = 0;
	virtual void Stop() {}
	virtual void Exit() {}
	virtual FSingleThreadRunnable* GetSingleThreadInterface() { return nullptr; }
	virtual ~FRunnable() = default;
};
