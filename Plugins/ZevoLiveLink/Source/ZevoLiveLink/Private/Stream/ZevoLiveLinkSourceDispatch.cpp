// Routing of one datagram by its OSC address. Bundles, and every other address, are ignored.
#include "Misc/CString.h"
#include "ZevoLiveLinkSource.h"
#include "ZevoOscReader.h"

namespace
{
constexpr std::string_view CharacterAddress = "/ZEVO/Stream/Motion/Unreal/Local";
constexpr std::string_view PropAddress = "/ZEVO/Stream/Motion/Unreal/Props";

enum class EAddress
{
	Character,
	Prop,
	Other,
};

/** Senders write the addresses as documented, so exact comparisons settle nearly every datagram. */
EAddress ClassifyAddress(std::string_view Address)
{
	if (Address == CharacterAddress)
	{
		return EAddress::Character;
	}
	if (Address == PropAddress)
	{
		return EAddress::Prop;
	}
	if (FCString::EqualsIgnoreCase(Address, CharacterAddress))
	{
		return EAddress::Character;
	}
	return FCString::EqualsIgnoreCase(Address, PropAddress) ? EAddress::Prop : EAddress::Other;
}
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
	switch (ClassifyAddress(Address))
	{
	case EAddress::Character:
		ProcessCharacterData(Data, DataSize, Reader.GetOffset());
		break;
	case EAddress::Prop:
		ProcessPropData(Data, DataSize, Reader.GetOffset());
		break;
	case EAddress::Other:
		break;
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
