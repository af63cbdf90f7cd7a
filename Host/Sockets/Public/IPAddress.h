#pragma once
// FInternetAddr: an IPv4 address and port that a socket sends to or records a sender in.
// Made through ISocketSubsystem::CreateInternetAddr.
#include "Interfaces/IPv4/IPv4Endpoint.h"

class FInternetAddr
{
public:
	/** Host byte order, as FIPv4Address::GetValue. */
	void SetIp(uint32 HostOrderIp) { Ip = HostOrderIp; }
	uint32 GetIp() const { return Ip; }
	void SetPort(int32 InPort) { Port = InPort; }
	int32 GetPort() const { return Port; }
	void SetEndpoint(const FIPv4Endpoint& Endpoint)
	{
		Ip = Endpoint.Address.GetValue();
		Port = Endpoint.Port;
	}
	/** "A.B.C.D" or, with the port, "A.B.C.D:Port". */
	FString ToString(bool bAppendPort) const;

private:
	uint32 Ip = 0;
	int32 Port = 0;
};
