// The plugin's ini file can be edited by hand or damaged: any bytes in it must load into settings
// and endpoints without a crash. A file of plain text must also survive being written back: what
// the writer makes of the loaded settings reads back to the same settings.
#include "TempProject.h"
#include "ZevoLiveLinkSettings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace
{
struct FLoaded
{
	bool bAutoConnectOnStartup = false;
	bool bRememberLastConnection = false;
	TArray<FZevoLiveLinkConnectionInfo> SavedConnections;

	bool operator==(const FLoaded& Other) const
	{
		if (bAutoConnectOnStartup != Other.bAutoConnectOnStartup || bRememberLastConnection != Other.bRememberLastConnection
			|| SavedConnections.Num() != Other.SavedConnections.Num())
		{
			return false;
		}
		for (int32 Index = 0; Index < SavedConnections.Num(); ++Index)
		{
			const FZevoLiveLinkConnectionInfo& Mine = SavedConnections[Index];
			const FZevoLiveLinkConnectionInfo& Theirs = Other.SavedConnections[Index];
			if (!Mine.IPAddress.Equals(Theirs.IPAddress, ESearchCase::CaseSensitive) || Mine.Port != Theirs.Port
				|| Mine.bEnabled != Theirs.bEnabled)
			{
				return false;
			}
		}
		return true;
	}
};

// What start-up does with the file: load it, then ask for the endpoints to connect to.
FLoaded Load(UZevoLiveLinkSettings& Settings)
{
	Settings.LoadConnectionsFromConfig();
	Settings.GetEnabledEndpoints();
	Settings.GetDefaultEndpoint();
	return {Settings.bAutoConnectOnStartup, Settings.bRememberLastConnection, Settings.SavedConnections};
}

// Text the writer keeps byte for byte: 7-bit, without NUL (a NUL ends an address when formatted).
bool IsPlainText(const uint8_t* Data, size_t Size)
{
	return std::all_of(Data, Data + Size, [](uint8_t Byte) { return Byte != 0 && Byte < 0x80; });
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	static const FTempProject Project;
	static UZevoLiveLinkSettings& Settings = (FLogDispatcher::SetConsoleEnabled(false), *UZevoLiveLinkSettings::Get());

	Project.WriteFile("Saved/Config/ZevoLiveLink.ini", FString(reinterpret_cast<const char*>(Data), static_cast<int32>(Size)));
	const FLoaded Loaded = Load(Settings);
	if (!IsPlainText(Data, Size))
	{
		return 0;
	}
	Settings.SaveConnectionsToConfig();
	if (!(Load(Settings) == Loaded))
	{
		__builtin_trap();
	}
	return 0;
}
