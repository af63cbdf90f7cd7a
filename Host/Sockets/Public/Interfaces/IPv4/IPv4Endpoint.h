#pragma once
// FIPv4Endpoint: an IPv4 address and a 16-bit port; its text form "A.B.C.D:Port" is the
// connection string of this system. Parse is strict: the port must be decimal and 0..65535.
#include "Interfaces/IPv4/IPv4Address.h"

struct FIPv4Endpoint
{
	FIPv4Address Address;
	uint16 Port = 0;

	constexpr FIPv4Endpoint() = default;
	constexpr FIPv4Endpoint(const FIPv4Address& InAddress, uint16 InPort) : Address(InAddress), Port(InPort) {}

	static const FIPv4Endpoint Any;

	static bool Parse(const FString& Text, FIPv4Endpoint& OutEndpoint);
	FString ToString() const;
	constexpr bool operator==(const FIPv4Endpoint& Other) const { return Address == Other.Address && Port == Other.Port; }
};

inline constexpr FIPv4Endpoint FIPv4Endpoint::Any{FIPv4Address::Any, 0};
