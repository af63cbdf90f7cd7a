#pragma once
// ILiveLinkSource: what the Live Link client calls on a source. The virtual table keeps the
// engine's slot order.
#include "LiveLinkSourceSettings.h"
#include "LiveLinkTypes.h"

class ILiveLinkClient;
struct FPropertyChangedEvent;

class ILiveLinkSource
{
public:
	virtual ~ILiveLinkSource() = default;
	virtual void ReceiveClient(ILiveLinkClient* InClient, FGuid InSourceGuid) = 0;
	virtual void InitializeSettings(ULiveLinkSourceSettings* Settings) {}
	virtual void Update() {}
	virtual bool CanBeDisplayedInUI() const { return true; }
	virtual bool IsSourceStillValid() const = 0;
	/** True when the source may be deleted now. */
	virtual bool RequestSourceShutdown() = 0;
	virtual FText GetSourceType() const = 0;
	virtual FText GetSourceMachineName() const = 0;
	virtual FText GetSourceStatus() const = 0;
	virtual TSubclassOf<ULiveLinkSourceSettings> GetSettingsClass() const { return ULiveLinkSourceSettings::StaticClass(); }
	virtual TSubclassOf<ULiveLinkSourceSettings> GetCustomSettingsClass() const
	{
		UClass* Class = GetSettingsClass();
		return Class && Class->IsChildOf(ULiveLinkSourceSettings::StaticClass()) ? Class : nullptr;
	}
	virtual void OnSettingsChanged(ULiveLinkSourceSettings* Settings, const FPropertyChangedEvent& PropertyChangedEvent) {}
};
