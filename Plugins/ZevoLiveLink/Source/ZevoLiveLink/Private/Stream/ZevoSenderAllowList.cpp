#include "ZevoSenderAllowList.h"

#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

FString FZevoSenderAllowList::GetFilePath()
{
	return FPaths::ConvertRelativePathToFull(FPaths::ProjectSavedDir() / TEXT("Config") / TEXT("ZevoLiveLinkSenders.ini"));
}

FZevoSenderAllowList FZevoSenderAllowList::Load()
{
	const FString Path = GetFilePath();
	FString Text;
	if (!FPaths::FileExists(Path) || !FFileHelper::LoadFileToString(Text, *Path))
	{
		return FZevoSenderAllowList();
	}
	return Parse(Text, Path);
}

FZevoSenderAllowList FZevoSenderAllowList::Parse(const FString& Text, const FString& FileName)
{
	FZevoSenderAllowList List;
	TArray<FString> Lines;
	Text.ParseIntoArrayLines(Lines, false);
	for (int32 Index = 0; Index < Lines.Num(); ++Index)
	{
		FString Key;
		FString Value;
		if (!Lines[Index].Split(TEXT("="), &Key, &Value) || !Key.TrimStartAndEnd().Equals(TEXT("Allow"), ESearchCase::IgnoreCase))
		{
			continue;
		}
		List.bInForce = true;
		FIPv4Address Address;
		if (FIPv4Address::Parse(Value.TrimStartAndEnd(), Address))
		{
			List.Addresses.Add(Address.GetValue());
		}
		else
		{
			UE_LOG(LogTemp, Warning, TEXT("[Zevo Init] %s line %d: not an IPv4 address, left out of the allowed senders"), *FileName, Index + 1);
		}
	}
	if (List.bInForce)
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo Init] Accepting datagrams only from the %d senders listed in %s"), List.Addresses.Num(), *FileName);
	}
	return List;
}
