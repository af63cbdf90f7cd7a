#pragma once
// Ticking: the kind of a world tick and a component's per-frame tick switch.
#include "CoreMinimal.h"

enum ELevelTick : uint8
{
	LEVELTICK_TimeOnly,
	LEVELTICK_ViewportsOnly,
	LEVELTICK_All,
	LEVELTICK_PauseTick,
};

/** Whether the world calls a component's TickComponent each frame. */
struct FActorComponentTickFunction
{
	/** Set in the constructor: the component ticks at all. */
	bool bCanEverTick = false;
	/** Whether ticking is switched on when the component is registered. */
	bool bStartWithTickEnabled = true;

	void SetTickFunctionEnable(bool bEnabled) { bTickEnabled = bEnabled; }
	bool IsTickFunctionEnabled() const { return bCanEverTick && bTickEnabled; }

private:
	bool bTickEnabled = false;
};
