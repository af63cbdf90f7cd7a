#include "Sockets.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace
{
sockaddr_in ToSockAddr(const FInternetAddr& Address)
{
	sockaddr_in Result{};
	Result.sin_family = AF_INET;
	Result.sin_addr.s_addr = htonl(Address.GetIp());
	Result.sin_port = htons(static_cast<uint16>(Address.GetPort()));
	return Result;
}
}

FSocket::FSocket(int InDescriptor, ESocketType InSocketType, FString InDescription)
	: Descriptor(InDescriptor), SocketType(InSocketType), Description(std::move(InDescription))
{
}

FSocket::~FSocket()
{
	Close();
}

bool FSocket::Wait(ESocketWaitConditions::Type Condition, FTimespan WaitTime)
{
	if (Descriptor < 0)
	{
		return false;
	}
	pollfd Poll{};
	Poll.fd = Descriptor;
	Poll.events = Condition == ESocketWaitConditions::WaitForRead ? POLLIN
		: Condition == ESocketWaitConditions::WaitForWrite ? POLLOUT
		: (POLLIN | POLLOUT);
	// Round up so that a wait of a fraction of a millisecond still waits.
	const int TimeoutMs = static_cast<int>((WaitTime.GetTicks() + ETimespan::TicksPerMillisecond - 1) / ETimespan::TicksPerMillisecond);
	int Result;
	do
	{
		Result = poll(&Poll, 1, TimeoutMs);
	} while (Result < 0 && errno == EINTR);
	return Result > 0 && (Poll.revents & Poll.events) != 0;
}

bool FSocket::HasPendingData(uint32& PendingDataSize)
{
	PendingDataSize = 0;
	if (Descriptor < 0)
	{
		return false;
	}
	// Peeking with MSG_TRUNC reports the length of the next datagram, 0 for an empty one, and
	// fails with EAGAIN when none is queued. Any other failure is a queued socket error, which the
	// next receive reports and clears, so it counts as pending too.
	uint8 Probe;
	const ssize_t Length = recv(Descriptor, &Probe, 1, MSG_PEEK | MSG_TRUNC | MSG_DONTWAIT);
	if (Length >= 0)
	{
		PendingDataSize = static_cast<uint32>(Length);
		return true;
	}
	return errno != EAGAIN && errno != EWOULDBLOCK && errno != EBADF;
}

bool FSocket::RecvFrom(uint8* Data, int32 BufferSize, int32& BytesRead, FInternetAddr& Source)
{
	BytesRead = 0;
	sockaddr_in From{};
	socklen_t FromLength = sizeof(From);
	const ssize_t Result = recvfrom(Descriptor, Data, BufferSize > 0 ? size_t(BufferSize) : 0, MSG_DONTWAIT,
		reinterpret_cast<sockaddr*>(&From), &FromLength);
	if (Result < 0)
	{
		return false;
	}
	BytesRead = static_cast<int32>(Result);
	Source.SetIp(ntohl(From.sin_addr.s_addr));
	Source.SetPort(ntohs(From.sin_port));
	return true;
}

bool FSocket::SendTo(const uint8* Data, int32 Count, int32& BytesSent, const FInternetAddr& Destination)
{
	BytesSent = 0;
	const sockaddr_in To = ToSockAddr(Destination);
	const ssize_t Result = sendto(Descriptor, Data, Count > 0 ? size_t(Count) : 0, 0, reinterpret_cast<const sockaddr*>(&To), sizeof(To));
	if (Result < 0)
	{
		return false;
	}
	BytesSent = static_cast<int32>(Result);
	return true;
}

bool FSocket::Close()
{
	if (Descriptor < 0)
	{
		return false;
	}
	close(Descriptor);
	Descriptor = -1;
	return true;
}

int32 FSocket::GetPortNo() const
{
	sockaddr_in Local{};
	socklen_t Length = sizeof(Local);
	if (Descriptor < 0 || getsockname(Descriptor, reinterpret_cast<sockaddr*>(&Local), &Length) != 0)
	{
		return 0;
	}
	return ntohs(Local.sin_port);
}
