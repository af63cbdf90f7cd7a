#pragma once
// FUdpSocketBuilder: makes a UDP socket from a chain of options. Build gives a bound socket or,
// when any step fails (a port already taken, say), null after an Error log line.
#include "CoreMinimal.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"
#include "Sockets.h"

/** The options of one build. The defaults are those of a fresh builder. */
struct FUdpSocketBuilderOptions
{
	FString Description;
	bool bBlocking = true;
	bool bReusable = false;
	FIPv4Address BoundAddress = FIPv4Address::Any;
	int32 BoundPort = 0;
	/** 0 leaves the system default. */
	int32 ReceiveBufferSize = 0;
	int32 SendBufferSize = 0;
	bool bBroadcast = false;
	TArray<FIPv4Address> JoinedGroups;
	bool bMulticastLoopback = false;
	uint8 MulticastTtl = 1;
};

class FUdpSocketBuilder
{
public:
	explicit FUdpSocketBuilder(const FString& InDescription) { Options.Description = InDescription; }

	FUdpSocketBuilder& AsNonBlocking() { Options.bBlocking = false; return *this; }
	FUdpSocketBuilder& AsReusable() { Options.bReusable = true; return *this; }
	FUdpSocketBuilder& BoundToAddress(const FIPv4Address& Address) { Options.BoundAddress = Address; return *this; }
	FUdpSocketBuilder& BoundToPort(int32 Port) { Options.BoundPort = Port; return *this; }
	FUdpSocketBuilder& WithReceiveBufferSize(int32 Size) { Options.ReceiveBufferSize = Size; return *this; }
	FUdpSocketBuilder& WithSendBufferSize(int32 Size) { Options.SendBufferSize = Size; return *this; }
	FUdpSocketBuilder& WithBroadcast() { Options.bBroadcast = true; return *this; }
	FUdpSocketBuilder& JoinedToGroup(const FIPv4Address& Group) { Options.JoinedGroups.Add(Group); return *this; }
	FUdpSocketBuilder& WithMulticastLoopback() { Options.bMulticastLoopback = true; return *this; }
	FUdpSocketBuilder& WithMulticastTtl(uint8 Ttl) { Options.MulticastTtl = Ttl; return *this; }

	/** A new socket owned by the caller (free it with ISocketSubsystem::DestroySocket), or null. */
	FSocket* Build() const;

	const FUdpSocketBuilderOptions& GetOptions() const { return Options; }
	/**
	 * The options of the most recent Build in this process, successful or not: tests read what a
	 * component asked of its socket without reaching into the component.
	 */
	static FUdpSocketBuilderOptions GetLastBuildOptions();

private:
	FUdpSocketBuilderOptions Options;
};
