#include "ZevoUdpSender.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

FZevoUdpSender::FZevoUdpSender(const FIPv4Endpoint& InDestination)
	: Destination(InDestination)
{
	Socket = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
	if (Socket < 0)
	{
		Error = FString::Printf("cannot open a UDP socket: %s", std::strerror(errno));
	}
}

FZevoUdpSender::~FZevoUdpSender()
{
	if (Socket >= 0)
	{
		::close(Socket);
	}
}

bool FZevoUdpSender::Send(const TArray<uint8>& Datagram)
{
	if (Socket < 0)
	{
		return false;
	}
	sockaddr_in Address{};
	Address.sin_family = AF_INET;
	Address.sin_port = htons(Destination.Port);
	Address.sin_addr.s_addr = htonl(Destination.Address.GetValue());
	const ssize_t Sent = ::sendto(Socket, Datagram.GetData(), static_cast<size_t>(Datagram.Num()), 0,
		reinterpret_cast<const sockaddr*>(&Address), sizeof(Address));
	if (Sent != static_cast<ssize_t>(Datagram.Num()))
	{
		Error = FString::Printf("cannot send to %s: %s", *Destination.ToString(),
			Sent < 0 ? std::strerror(errno) : "the datagram was cut short");
		return false;
	}
	return true;
}
