#pragma once
// FZevoUdpSender: a UDP socket that sends whole datagrams to one IPv4 endpoint, the way a capture
// server feeds its listeners: fire and forget, one OSC message per datagram.
#include "CoreMinimal.h"
#include "Interfaces/IPv4/IPv4Endpoint.h"

class FZevoUdpSender
{
public:
	explicit FZevoUdpSender(const FIPv4Endpoint& Destination);
	~FZevoUdpSender();
	FZevoUdpSender(const FZevoUdpSender&) = delete;
	FZevoUdpSender& operator=(const FZevoUdpSender&) = delete;

	/** False when no socket could be made; GetError says why. */
	bool IsOpen() const { return Socket >= 0; }
	/** Why the socket could not be made, or why the last send failed. */
	const FString& GetError() const { return Error; }

	/** Sends Datagram whole; false when the system refused it (for instance its buffer is full). */
	bool Send(const TArray<uint8>& Datagram);

private:
	FIPv4Endpoint Destination;
	int Socket = -1;
	FString Error;
};
