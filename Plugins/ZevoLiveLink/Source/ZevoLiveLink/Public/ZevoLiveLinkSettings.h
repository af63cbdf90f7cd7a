#pragma once
// UZevoLiveLinkSettings: the stream servers the user has connected to, so that the editor can
// reconnect to them at the next start, and the two switches that govern that. Its one live
// instance is the class default object (Get). Besides being edited on the project settings page
// (category "Plugins", section "ZevoLiveLinkSettings"), it keeps its own ini file,
// <project>/Saved/Config/ZevoLiveLink.ini, which it rewrites whole on every change. Every change
// starts from what that file holds: the first change of a run reads the file if nothing has yet,
// so a save made before the start-up load (a panel confirmed at start-up, an early edit on the
// settings page, a command) never drops the saved connections or switches.
// Game thread only: every caller (panels, auto-connect, a source being removed, the settings
// page) runs there, so it has no lock.
#include "CoreMinimal.h"
#include "Engine/DeveloperSettings.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "ZevoLiveLinkSettings.generated.h"

/** One saved connection. */
USTRUCT(meta = (ToolTip = "Saved Zevo LiveLink connection info"))
struct FZevoLiveLinkConnectionInfo
{
	GENERATED_BODY()

	/** Dotted-decimal text. */
	UPROPERTY(EditAnywhere, Config, Category = "ZevoLiveLinkConnectionInfo", meta = (DisplayName = "IP Address", ToolTip = "IP Address of Zevo server"))
	FString IPAddress = TEXT("127.0.0.1");

	/** The clamp is for editing only: the ini reader and AddOrUpdateConnection store any number, and
	 *  an endpoint takes its low 16 bits. */
	UPROPERTY(EditAnywhere, Config, Category = "ZevoLiveLinkConnectionInfo",
		meta = (DisplayName = "Port", ToolTip = "Port number of Zevo server", ClampMin = "1", ClampMax = "65535"))
	int32 Port = 7777;

	UPROPERTY(EditAnywhere, Config, Category = "ZevoLiveLinkConnectionInfo",
		meta = (DisplayName = "Auto Connect", ToolTip = "Enable this connection for auto-connect"))
	bool bEnabled = true;
};

UCLASS(config = ZevoLiveLink, defaultconfig,
	meta = (DisplayName = "Zevo LiveLink",
		ToolTip = "Zevo LiveLink Plugin Settings\nConfigure automatic LiveLink source connection on editor startup"))
class UZevoLiveLinkSettings : public UDeveloperSettings
{
	GENERATED_BODY()

public:
	/** The class default object, made on first use. */
	static UZevoLiveLinkSettings* Get();
	FName GetCategoryName() const override { return TEXT("Plugins"); }

	UPROPERTY(EditAnywhere, Config, Category = "Connection",
		meta = (DisplayName = "Auto Connect on Startup", ToolTip = "Enable automatic connection to Zevo on editor startup"))
	bool bAutoConnectOnStartup = true;

	/** Gates AddOrUpdateConnection only. */
	UPROPERTY(EditAnywhere, Config, Category = "Connection",
		meta = (DisplayName = "Remember Connections", ToolTip = "Remember last used connection settings"))
	bool bRememberLastConnection = true;

	/** The order matters: it is the file's order, the order of auto-connect, and the first entry
	 *  is the default connection. */
	UPROPERTY(EditAnywhere, Config, Category = "Connection",
		meta = (DisplayName = "Saved Connections", ToolTip = "Saved connections - supports multiple Zevo sources", TitleProperty = "IPAddress"))
	TArray<FZevoLiveLinkConnectionInfo> SavedConnections;

	/** Turns the saved entry of this address and port back on, or appends one; then saves.
	 *  Does nothing when bRememberLastConnection (as the file has it) is off. */
	void AddOrUpdateConnection(const FIPv4Endpoint& Endpoint);
	/** Removes the last entry of this address and port, then saves. */
	void RemoveConnection(const FIPv4Endpoint& Endpoint);
	void ClearAllConnections();

	/** The enabled entries as endpoints, in list order; an entry whose address is not
	 *  dotted-decimal IPv4 is skipped with a Warning. */
	TArray<FIPv4Endpoint> GetEnabledEndpoints() const;
	/** The first entry (enabled or not), or 127.0.0.1:7777 when there is none or its address does
	 *  not parse. */
	FIPv4Endpoint GetDefaultEndpoint() const;

	/** Replaces the list, and the switches that have a line, from the ini file when it exists and
	 *  can be read. */
	void LoadConnectionsFromConfig();
	/** Rewrites the whole ini file from the current values; a failed write leaves the previous
	 *  file whole. */
	void SaveConnectionsToConfig();

#if WITH_EDITOR
	/** An edit on the settings page starts from the file's values. */
	void PreEditChange(FProperty* PropertyAboutToChange) override;
	/** Every edit on the settings page saves the file. */
	void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) override;
#endif

private:
	/** Loads the file unless this file's contents (or its absence) are already in memory. */
	void ReadFileBeforeFirstChange();

	/** The file whose contents the values hold: set when a load found it missing or read it.
	 *  A path rather than a flag, so that a process that opens another project reads that one. */
	FString ReadConfigFilePath;
};
