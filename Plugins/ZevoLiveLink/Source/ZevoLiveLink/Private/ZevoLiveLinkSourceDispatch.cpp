// Routing of one datagram by its OSC address. Bundles, and every other address, are ignored.
#include "ZevoLiveLinkSource.h"
#include "ZevoOscReader.h"

namespace
{
constexpr std::string_view CharacterAddress = "/ZEVO/Stream/Motion/Unreal/Local";
constexpr std::string_view PropAddress = "/ZEVO/Stream/Motion/Unreal/Props";
}

void ZevoLiveLinkSource::ProcessReceivedData(const FZevoReceivedData& ReceivedData)
{
	const uint8* Data = ReceivedData.GetData();
	const int32 DataSize = ReceivedData.Num();
	FZevoOscReader Reader(Data, DataSize, 0);
	std::string_view Address;
	if (!Reader.ReadString(Address) || Address.empty())
	{
		return;
	}
	if (ZevoOscEqualsIgnoringCase(Address, CharacterAddress))
	{
		ProcessCharacterData(Data, DataSize, Reader.GetOffset());
	}
	else if (ZevoOscEqualsIgnoringCase(Address, PropAddress))
	{
		ProcessPropData(Data, DataSize, Reader.GetOffset());
	}
}

FString ZevoLiveLinkSource::ParseString(const uint8* Data, int32& Offset, int32 DataSize) const
{
	FZevoOscReader Reader(Data, DataSize, Offset);
	std::string_view Bytes;
	if (!Reader.ReadString(Bytes))
	{
		return FString();
	}
	Offset = Reader.GetOffset();
	return ZevoOscBytesToText(Bytes);
}
