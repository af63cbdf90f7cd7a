#include "SocketSubsystem.h"

#include "Sockets.h"

namespace
{
class FSocketSubsystemPosix final : public ISocketSubsystem
{
public:
	TSharedRef<FInternetAddr> CreateInternetAddr() override { return MakeShared<FInternetAddr>(); }
	void DestroySocket(FSocket* Socket) override { delete Socket; }
};
}

ISocketSubsystem* ISocketSubsystem::Get(const FName&)
{
	static FSocketSubsystemPosix Posix;
	return &Posix;
}

FString FInternetAddr::ToString(bool bAppendPort) const
{
	const FIPv4Address Address(uint8(Ip >> 24), uint8(Ip >> 16), uint8(Ip >> 8), uint8(Ip));
	return bAppendPort ? FIPv4Endpoint(Address, uint16(Port)).ToString() : Address.ToString();
}
