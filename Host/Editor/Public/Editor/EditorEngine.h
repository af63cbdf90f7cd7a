#pragma once
// UEditorEngine: the editor's engine object. The engine loop ticks it once per frame; it owns the
// editor's timers and takes requests to redraw the viewports.
// Knowingly different from the engine: a plain object (not reflected), there are no viewports to
// draw, so a redraw request is only counted (tests and the status table read the count).
// Game thread only.
#include "CoreMinimal.h"
#include "TimerManager.h"

class UEditorEngine
{
public:
	UEditorEngine();

	TSharedRef<FTimerManager> GetTimerManager() const { return TimerManager; }

	void RedrawAllViewports(bool bInvalidateHitProxies = true);
	int32 GetRedrawRequestCount() const { return RedrawRequestCount; }

	/** One frame: runs the timers that came due within DeltaSeconds. */
	void Tick(float DeltaSeconds, bool bIdleMode);
	/** One frame of the engine loop, DeltaSeconds being the host clock's time since the previous frame. */
	float TickFromClock();

private:
	TSharedRef<FTimerManager> TimerManager;
	double LastFrameSeconds;
	int32 RedrawRequestCount = 0;
};
