#pragma once
// FZevoLiveLinkModule: the plugin's module object. Start-up registers the remap asset's details
// customizations and, once the editor engine is up, reconnects the enabled saved connections one
// second later. Game thread only.
#include "CoreMinimal.h"
#include "Modules/ModuleInterface.h"
#include "TimerManager.h"

class FZevoLiveLinkModule : public IModuleInterface
{
public:
	void StartupModule() override;
	void ShutdownModule() override;

	/** Adds one stream source per enabled saved connection to the Live Link client, logging each
	 *  step; an endpoint whose port a source of this editor already listens on counts as connected. */
	static void AutoConnectSavedSources();

private:
	void OnPostEngineInit();

	// The pending auto-connect timer, cancelled at shutdown so that it never runs after the module
	// is gone. The timer manager is held weakly: the editor engine may be torn down first.
	TWeakPtr<FTimerManager> AutoConnectTimerManager;
	FTimerHandle AutoConnectTimer;
};
