#include "Common/UdpSocketBuilder.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
struct FLastBuild
{
	std::mutex Mutex;
	FUdpSocketBuilderOptions Options;
};

FLastBuild& LastBuild()
{
	static FLastBuild Instance;
	return Instance;
}

in_addr ToInAddr(const FIPv4Address& Address)
{
	in_addr Result{};
	Result.s_addr = htonl(Address.GetValue());
	return Result;
}

/** Applies every option; on failure names the step that failed. */
bool Configure(int Descriptor, const FUdpSocketBuilderOptions& Options, const char*& OutFailedStep)
{
	const int On = 1;
	if (!Options.bBlocking)
	{
		const int Flags = fcntl(Descriptor, F_GETFL, 0);
		if (Flags < 0 || fcntl(Descriptor, F_SETFL, Flags | O_NONBLOCK) != 0)
		{
			OutFailedStep = "non-blocking mode";
			return false;
		}
	}
	if (Options.bReusable && setsockopt(Descriptor, SOL_SOCKET, SO_REUSEADDR, &On, sizeof(On)) != 0)
	{
		OutFailedStep = "address reuse";
		return false;
	}
	if (Options.bBroadcast && setsockopt(Descriptor, SOL_SOCKET, SO_BROADCAST, &On, sizeof(On)) != 0)
	{
		OutFailedStep = "broadcast";
		return false;
	}
	// The system may cap a buffer below the size asked for; that is not a failure.
	if (Options.ReceiveBufferSize > 0)
	{
		setsockopt(Descriptor, SOL_SOCKET, SO_RCVBUF, &Options.ReceiveBufferSize, sizeof(Options.ReceiveBufferSize));
	}
	if (Options.SendBufferSize > 0)
	{
		setsockopt(Descriptor, SOL_SOCKET, SO_SNDBUF, &Options.SendBufferSize, sizeof(Options.SendBufferSize));
	}
	sockaddr_in Bound{};
	Bound.sin_family = AF_INET;
	Bound.sin_addr = ToInAddr(Options.BoundAddress);
	Bound.sin_port = htons(static_cast<uint16>(Options.BoundPort));
	if (Options.BoundPort < 0 || Options.BoundPort > 65535
		|| bind(Descriptor, reinterpret_cast<const sockaddr*>(&Bound), sizeof(Bound)) != 0)
	{
		OutFailedStep = "bind";
		return false;
	}
	const unsigned char Loopback = Options.bMulticastLoopback ? 1 : 0;
	const unsigned char Ttl = Options.MulticastTtl;
	if (setsockopt(Descriptor, IPPROTO_IP, IP_MULTICAST_LOOP, &Loopback, sizeof(Loopback)) != 0
		|| setsockopt(Descriptor, IPPROTO_IP, IP_MULTICAST_TTL, &Ttl, sizeof(Ttl)) != 0)
	{
		OutFailedStep = "multicast loopback and TTL";
		return false;
	}
	for (const FIPv4Address& Group : Options.JoinedGroups)
	{
		ip_mreq Membership{};
		Membership.imr_multiaddr = ToInAddr(Group);
		Membership.imr_interface = ToInAddr(Options.BoundAddress);
		if (setsockopt(Descriptor, IPPROTO_IP, IP_ADD_MEMBERSHIP, &Membership, sizeof(Membership)) != 0)
		{
			OutFailedStep = "multicast group membership";
			return false;
		}
	}
	return true;
}
}

FSocket* FUdpSocketBuilder::Build() const
{
	{
		FLastBuild& Last = LastBuild();
		std::lock_guard Lock(Last.Mutex);
		Last.Options = Options;
	}
	const int Descriptor = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_UDP);
	if (Descriptor < 0)
	{
		UE_LOG(LogTemp, Error, "Socket '%s': could not create a UDP socket: %s", *Options.Description, strerror(errno));
		return nullptr;
	}
	const char* FailedStep = "";
	if (!Configure(Descriptor, Options, FailedStep))
	{
		const int Error = errno;
		close(Descriptor);
		UE_LOG(LogTemp, Error, "Socket '%s' on %s:%d: %s failed: %s", *Options.Description, *Options.BoundAddress.ToString(),
			Options.BoundPort, FailedStep, strerror(Error));
		return nullptr;
	}
	return new FSocket(Descriptor, SOCKTYPE_Datagram, Options.Description);
}

FUdpSocketBuilderOptions FUdpSocketBuilder::GetLastBuildOptions()
{
	FLastBuild& Last = LastBuild();
	std::lock_guard Lock(Last.Mutex);
	return Last.Options;
}
