// Routing of one datagram by its OSC address. Bundles, and every other address, are ignored.
#include "ZevoLiveLinkSource.h"
#include "ZevoOscReader.h"

namespace
{
const FAnsiStringView CharacterAddress("/ZEVO/Stream/Motion/Unreal/Local");
const FAnsiStringView PropAddress("/ZEVO/Stream/Motion/Unreal/Props");

enum class EAddress
{
	Character,
	Prop,
	Other,
};

/** Senders write the addresses as documented, so exact comparisons settle nearly every datagram. */
EAddress ClassifyAddress(FAnsiStringView Address)
{
	if (Address.Equals(CharacterAddress))
	{
		return EAddress::Character;
	}
	if (Address.Equals(PropAddress))
	{
		return EAddress::Prop;
	}
	if (Address.Equals(CharacterAddress, ESearchCase::IgnoreCase))
	{
		return EAddress::Character;
	}
	return Address.Equals(PropAddress, ESearchCase::IgnoreCase) ? EAddress::Prop : EAddress::Other;
}
}

void ZevoLiveLinkSource::ProcessReceivedData(const FZevoReceivedData& ReceivedData)
{
	const uint8* Data = ReceivedData.GetData();
	const int32 DataSize = ReceivedData.Num();
	FZevoOscReader Reader(Data, DataSize, 0, &LogLimiter);
	FAnsiStringView Address;
	if (!Reader.ReadString(Address) || Address.IsEmpty())
	{
		Drops.Add(EZevoDropKind::Malformed);
		return;
	}
	// A decoder that reaches PublishFrame has settled the datagram (pushed, or refused and
	// counted there); one that stops before it found the datagram unreadable.
	bDatagramSettled = false;
	switch (ClassifyAddress(Address))
	{
	case EAddress::Character:
		ProcessCharacterData(Data, DataSize, Reader.GetOffset());
		break;
	case EAddress::Prop:
		ProcessPropData(Data, DataSize, Reader.GetOffset());
		break;
	case EAddress::Other:
		return;
	}
	if (!bDatagramSettled)
	{
		Drops.Add(EZevoDropKind::Malformed);
	}
}

FString ZevoLiveLinkSource::ParseString(const uint8* Data, int32& Offset, int32 DataSize) const
{
	FZevoOscReader Reader(Data, DataSize, Offset);
	FAnsiStringView Bytes;
	if (!Reader.ReadString(Bytes))
	{
		return FString();
	}
	Offset = Reader.GetOffset();
	return ZevoOscBytesToText(Bytes);
}
