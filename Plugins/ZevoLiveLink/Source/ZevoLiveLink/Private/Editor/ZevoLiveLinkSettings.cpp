#include "ZevoLiveLinkSettings.h"

#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

namespace
{
const TCHAR* const SectionLine = TEXT("[/Script/ZevoLiveLink.ZevoLiveLinkSettings]");
const TCHAR* const AutoConnectKey = TEXT("bAutoConnectOnStartup=");
const TCHAR* const RememberKey = TEXT("bRememberLastConnection=");
const TCHAR* const ConnectionKey = TEXT("+SavedConnections=");

const FIPv4Endpoint FallbackEndpoint(FIPv4Address::InternalLoopback, 7777);

FString ConfigDir()
{
	return FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir() / TEXT("Config"));
}

FString ConfigFilePath()
{
	return ConfigDir() / TEXT("ZevoLiveLink.ini");
}

const TCHAR* BoolText(bool bValue)
{
	return bValue ? TEXT("True") : TEXT("False");
}

/** Reads one "+SavedConnections=" line. The fields are positional (address, port, enabled flag);
 *  their names are optional and a missing field keeps its default. */
FZevoLiveLinkConnectionInfo ParseConnectionLine(const FString& Line)
{
	FZevoLiveLinkConnectionInfo Connection;
	FString Rest = Line;
	Rest.RemoveFromStart(ConnectionKey);
	Rest.RemoveFromStart(TEXT("("));
	Rest.RemoveFromEnd(TEXT(")"));

	FString Field;
	if (Rest.Split(TEXT(","), &Field, &Rest))
	{
		Field.RemoveFromStart(TEXT("IPAddress="));
		Field.ReplaceInline(TEXT("\""), TEXT(""));
		Connection.IPAddress = Field;
	}
	if (Rest.Split(TEXT(","), &Field, &Rest))
	{
		Field.RemoveFromStart(TEXT("Port="));
		Connection.Port = FCString::Atoi(*Field);
	}
	Rest.RemoveFromStart(TEXT("bEnabled="));
	Connection.bEnabled = Rest.Equals(TEXT("True"), ESearchCase::IgnoreCase);
	return Connection;
}

bool ParseEndpoint(const FZevoLiveLinkConnectionInfo& Connection, FIPv4Endpoint& OutEndpoint)
{
	FIPv4Address Address;
	if (!FIPv4Address::Parse(Connection.IPAddress, Address))
	{
		return false;
	}
	OutEndpoint = FIPv4Endpoint(Address, static_cast<uint16>(Connection.Port));
	return true;
}

bool IsSameConnection(const FZevoLiveLinkConnectionInfo& Connection, const FString& Address, int32 Port)
{
	return Connection.IPAddress.Equals(Address, ESearchCase::IgnoreCase) && Connection.Port == Port;
}
}

UZevoLiveLinkSettings* UZevoLiveLinkSettings::Get()
{
	return GetMutableDefault<UZevoLiveLinkSettings>();
}

void UZevoLiveLinkSettings::AddOrUpdateConnection(const FIPv4Endpoint& Endpoint)
{
	// Before the switch is consulted: it is the file's switch that decides.
	ReadFileBeforeFirstChange();
	if (!bRememberLastConnection)
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Remember connections disabled, not saving"));
		return;
	}
	const FString Address = Endpoint.Address.ToString();
	const int32 Port = Endpoint.Port;
	for (FZevoLiveLinkConnectionInfo& Connection : SavedConnections)
	{
		if (IsSameConnection(Connection, Address, Port))
		{
			Connection.bEnabled = true;
			SaveConnectionsToConfig();
			UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Updated existing connection: %s:%d"), *Address, Port);
			return;
		}
	}
	SavedConnections.Add(FZevoLiveLinkConnectionInfo{Address, Port, true});
	SaveConnectionsToConfig();
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Added new connection: %s:%d (Total: %d)"), *Address, Port, SavedConnections.Num());
}

void UZevoLiveLinkSettings::RemoveConnection(const FIPv4Endpoint& Endpoint)
{
	ReadFileBeforeFirstChange();
	const FString Address = Endpoint.Address.ToString();
	const int32 Port = Endpoint.Port;
	// From the end: of two identical entries the later one goes.
	for (int32 Index = SavedConnections.Num() - 1; Index >= 0; --Index)
	{
		if (IsSameConnection(SavedConnections[Index], Address, Port))
		{
			SavedConnections.RemoveAt(Index);
			SaveConnectionsToConfig();
			UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Removed connection: %s:%d (Remaining: %d)"), *Address, Port, SavedConnections.Num());
			return;
		}
	}
	UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] Connection not found to remove: %s:%d"), *Address, Port);
}

void UZevoLiveLinkSettings::ClearAllConnections()
{
	// Read first all the same: the switches are kept, and they must be the file's.
	ReadFileBeforeFirstChange();
	SavedConnections.Empty();
	SaveConnectionsToConfig();
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Cleared all connections"));
}

TArray<FIPv4Endpoint> UZevoLiveLinkSettings::GetEnabledEndpoints() const
{
	TArray<FIPv4Endpoint> Endpoints;
	for (const FZevoLiveLinkConnectionInfo& Connection : SavedConnections)
	{
		if (!Connection.bEnabled)
		{
			continue;
		}
		FIPv4Endpoint Endpoint;
		if (!ParseEndpoint(Connection, Endpoint))
		{
			UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] Skipping saved connection with an invalid IPv4 address: \"%s\" (port %d)"),
				*Connection.IPAddress, Connection.Port);
			continue;
		}
		Endpoints.Add(Endpoint);
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Found saved connection: %s:%d"), *Connection.IPAddress, Connection.Port);
	}
	if (Endpoints.IsEmpty())
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] No saved connections found"));
	}
	return Endpoints;
}

FIPv4Endpoint UZevoLiveLinkSettings::GetDefaultEndpoint() const
{
	FIPv4Endpoint Endpoint;
	if (SavedConnections.IsEmpty() || !ParseEndpoint(SavedConnections[0], Endpoint))
	{
		return FallbackEndpoint;
	}
	return Endpoint;
}

void UZevoLiveLinkSettings::LoadConnectionsFromConfig()
{
	const FString Path = ConfigFilePath();
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Loading from: %s"), *Path);
	if (!FPaths::FileExists(Path))
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Config file not found, using defaults"));
		ReadConfigFilePath = Path;
		return;
	}
	FString Text;
	if (!FFileHelper::LoadFileToString(Text, *Path))
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] Failed to read config file"));
		return;
	}
	ReadConfigFilePath = Path;

	// A switch without a line keeps its value; the list is only what the file holds.
	SavedConnections.Empty();
	TArray<FString> Lines;
	Text.ParseIntoArrayLines(Lines, true);
	for (const FString& Line : Lines)
	{
		// Lines are not trimmed: leading white space means the line is not one of ours.
		if (Line.StartsWith(AutoConnectKey))
		{
			bAutoConnectOnStartup = Line.Contains(TEXT("True"));
		}
		else if (Line.StartsWith(RememberKey))
		{
			bRememberLastConnection = Line.Contains(TEXT("True"));
		}
		else if (Line.StartsWith(ConnectionKey))
		{
			const FZevoLiveLinkConnectionInfo& Connection = SavedConnections[SavedConnections.Add(ParseConnectionLine(Line))];
			UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Loaded connection: %s:%d (Enabled: %d)"), *Connection.IPAddress, Connection.Port,
				Connection.bEnabled ? 1 : 0);
		}
	}
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Loaded %d connections from config"), SavedConnections.Num());
}

void UZevoLiveLinkSettings::SaveConnectionsToConfig()
{
	const FString Dir = ConfigDir();
	const FString Path = Dir / TEXT("ZevoLiveLink.ini");
	IPlatformFile& PlatformFile = FPlatformFileManager::Get().GetPlatformFile();
	if (!PlatformFile.DirectoryExists(*Dir))
	{
		// The whole tree: a project that has never run has no Saved folder either.
		PlatformFile.CreateDirectoryTree(*Dir);
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Created config directory: %s"), *Dir);
	}
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Saving to: %s"), *Path);

	FString Text;
	Text += SectionLine;
	Text += TEXT("\n");
	Text += FString::Printf(TEXT("%s%s\n"), AutoConnectKey, BoolText(bAutoConnectOnStartup));
	Text += FString::Printf(TEXT("%s%s\n"), RememberKey, BoolText(bRememberLastConnection));
	for (const FZevoLiveLinkConnectionInfo& Connection : SavedConnections)
	{
		Text += FString::Printf(TEXT("%s(IPAddress=\"%s\",Port=%d,bEnabled=%s)\n"), ConnectionKey, *Connection.IPAddress, Connection.Port,
			BoolText(Connection.bEnabled));
	}

	// The file is replaced in one step: a failed write leaves the previous file whole.
	if (FFileHelper::SaveStringToFile(Text, *Path))
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Saved %d connections to %s"), SavedConnections.Num(), *Path);
	}
	else
	{
		UE_LOG(LogTemp, Error, TEXT("[Zevo LiveLink] Failed to save config file: %s"), *Path);
	}
}

void UZevoLiveLinkSettings::ReadFileBeforeFirstChange()
{
	if (!ReadConfigFilePath.Equals(ConfigFilePath(), ESearchCase::CaseSensitive))
	{
		LoadConnectionsFromConfig();
	}
}

#if WITH_EDITOR
void UZevoLiveLinkSettings::PreEditChange(FProperty* PropertyAboutToChange)
{
	Super::PreEditChange(PropertyAboutToChange);
	ReadFileBeforeFirstChange();
}

void UZevoLiveLinkSettings::PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent)
{
	Super::PostEditChangeProperty(PropertyChangedEvent);
	SaveConnectionsToConfig();
}
#endif
