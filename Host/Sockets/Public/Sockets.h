#pragma once
// FSocket: one POSIX UDP socket, made by FUdpSocketBuilder and destroyed through
// ISocketSubsystem::DestroySocket. Waits are bounded and reads never block for longer than asked.
#include "CoreMinimal.h"
#include "IPAddress.h"

enum ESocketType
{
	SOCKTYPE_Unknown,
	SOCKTYPE_Datagram,
};

namespace ESocketWaitConditions
{
enum Type
{
	WaitForRead,
	WaitForWrite,
	WaitForReadOrWrite,
};
}

class FSocket
{
public:
	/** Takes ownership of an open descriptor. */
	FSocket(int InDescriptor, ESocketType InSocketType, FString InDescription);
	~FSocket();
	FSocket(const FSocket&) = delete;
	FSocket& operator=(const FSocket&) = delete;

	/** Blocks until the condition holds or WaitTime passes; true when it holds. */
	bool Wait(ESocketWaitConditions::Type Condition, FTimespan WaitTime);
	/**
	 * True when a datagram is queued, also an empty one (so that its receive can consume it);
	 * PendingDataSize is the size of that datagram.
	 */
	bool HasPendingData(uint32& PendingDataSize);
	/** Receives one datagram without blocking; a datagram longer than BufferSize is cut. */
	bool RecvFrom(uint8* Data, int32 BufferSize, int32& BytesRead, FInternetAddr& Source);
	bool SendTo(const uint8* Data, int32 Count, int32& BytesSent, const FInternetAddr& Destination);
	bool Close();

	ESocketType GetSocketType() const { return SocketType; }
	const FString& GetDescription() const { return Description; }
	/** The local port the socket is bound to (the one the system chose for port 0), or 0. */
	int32 GetPortNo() const;

private:
	int Descriptor = -1;
	ESocketType SocketType = SOCKTYPE_Unknown;
	FString Description;
};
