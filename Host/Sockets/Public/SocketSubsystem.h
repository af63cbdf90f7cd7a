#pragma once
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
