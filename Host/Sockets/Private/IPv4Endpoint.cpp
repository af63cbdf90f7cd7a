#include "Interfaces/IPv4/IPv4Endpoint.h"

namespace
{
bool ParseDecimal(const FString& Text, int32 MaxDigits, uint32 MaxValue, uint32& OutValue)
{
	if (Text.IsEmpty() || Text.Len() > MaxDigits)
	{
		return false;
	}
	uint32 Value = 0;
	for (const char C : Text.ToStdString())
	{
		if (!FChar::IsDigit(C))
		{
			return false;
		}
		Value = Value * 10 + uint32(C - '0');
	}
	OutValue = Value;
	return Value <= MaxValue;
}
}

bool FIPv4Address::Parse(const FString& Text, FIPv4Address& OutAddress)
{
	TArray<FString> Fields;
	if (Text.ParseIntoArray(Fields, ".", false) != 4)
	{
		return false;
	}
	uint32 Bytes[4];
	for (int32 I = 0; I < 4; ++I)
	{
		if (!ParseDecimal(Fields[I], 3, 255, Bytes[I]))
		{
			return false;
		}
	}
	OutAddress = FIPv4Address(uint8(Bytes[0]), uint8(Bytes[1]), uint8(Bytes[2]), uint8(Bytes[3]));
	return true;
}

FString FIPv4Address::ToString() const
{
	return FString::Printf("%u.%u.%u.%u", A, B, C, D);
}

bool FIPv4Endpoint::Parse(const FString& Text, FIPv4Endpoint& OutEndpoint)
{
	TArray<FString> Fields;
	if (Text.ParseIntoArray(Fields, ":", false) != 2)
	{
		return false;
	}
	FIPv4Address Address;
	uint32 Port = 0;
	if (!FIPv4Address::Parse(Fields[0], Address) || !ParseDecimal(Fields[1], 5, 65535, Port))
	{
		return false;
	}
	OutEndpoint = FIPv4Endpoint(Address, uint16(Port));
	return true;
}

FString FIPv4Endpoint::ToString() const
{
	return FString::Printf("%s:%u", *Address.ToString(), Port);
}
