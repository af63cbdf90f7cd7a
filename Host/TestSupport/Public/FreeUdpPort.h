#pragma once
// A UDP port of 127.0.0.1 that was free a moment ago, for tests and benchmarks that must tell a
// program which port to listen on.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <set>
#include <unistd.h>
#include <vector>

inline int FreeUdpPort()
{
	const int Socket = socket(AF_INET, SOCK_DGRAM, 0);
	sockaddr_in Address = {};
	Address.sin_family = AF_INET;
	Address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
	bind(Socket, reinterpret_cast<sockaddr*>(&Address), sizeof(Address));
	socklen_t Length = sizeof(Address);
	getsockname(Socket, reinterpret_cast<sockaddr*>(&Address), &Length);
	close(Socket);
	return ntohs(Address.sin_port);
}

/** Count different free ports: asked one at a time, the system may hand out the same port twice. */
inline std::vector<int> DistinctFreeUdpPorts(int Count)
{
	std::set<int> Seen;
	std::vector<int> Ports;
	while (int(Ports.size()) < Count)
	{
		const int Port = FreeUdpPort();
		if (Seen.insert(Port).second)
		{
			Ports.push_back(Port);
		}
	}
	return Ports;
}
