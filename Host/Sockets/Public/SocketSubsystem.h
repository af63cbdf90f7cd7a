#pragma once
// The host's sockets, standing in for the engine's Sockets and Networking modules. It provides,
// under the engine's names: ISocketSubsystem and PLATFORM_SOCKETSUBSYSTEM (this header), FSocket,
// ESocketType and ESocketWaitConditions (Sockets.h), FInternetAddr (IPAddress.h),
// FUdpSocketBuilder (Common/UdpSocketBuilder.h), FIPv4Address and FIPv4Endpoint
// (Interfaces/IPv4/).
// Known differences: there is one subsystem, POSIX, whatever name is asked for, and it makes UDP
// sockets only (IPv4; no TCP, no IPv6); a failed build logs an Error line and returns null.
//
// ISocketSubsystem: the platform's sockets. This host has one subsystem, POSIX, found under
// PLATFORM_SOCKETSUBSYSTEM.
#include "CoreMinimal.h"
#include "IPAddress.h"

class FSocket;

#define PLATFORM_SOCKETSUBSYSTEM FName()

class ISocketSubsystem
{
public:
	/** The subsystem of that name; every name gives the platform's one. */
	static ISocketSubsystem* Get(const FName& SubsystemName = PLATFORM_SOCKETSUBSYSTEM);

	virtual ~ISocketSubsystem() = default;
	virtual TSharedRef<FInternetAddr> CreateInternetAddr() = 0;
	/** Closes (if still open) and deletes a socket made by FUdpSocketBuilder. */
	virtual void DestroySocket(FSocket* Socket) = 0;
};
