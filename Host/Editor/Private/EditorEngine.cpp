#include "Editor.h"

UEditorEngine* GEditor = nullptr;

UEditorEngine::UEditorEngine()
	: TimerManager(MakeShared<FTimerManager>())
	, LastFrameSeconds(FPlatformTime::Seconds())
{
}

void UEditorEngine::RedrawAllViewports(bool bInvalidateHitProxies)
{
	++RedrawRequestCount;
}

void UEditorEngine::Tick(float DeltaSeconds, bool bIdleMode)
{
	TimerManager->Tick(DeltaSeconds);
}

float UEditorEngine::TickFromClock()
{
	const double Now = FPlatformTime::Seconds();
	const float DeltaSeconds = static_cast<float>(Now - LastFrameSeconds);
	LastFrameSeconds = Now;
	Tick(DeltaSeconds, false);
	return DeltaSeconds;
}
