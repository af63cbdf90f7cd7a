// Feeds arbitrary datagrams to the stream source's decoding. The first byte picks whether the
// rest is the whole datagram or the arguments behind the character or prop address, so that both
// decoders are reached without the fuzzer having to guess a 32-character address.
#include "DiscardingLiveLinkClient.h"
#include "Stream/ZevoLiveLinkSource.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
FDiscardingLiveLinkClient Client;
ZevoLiveLinkSource* Instance = nullptr;

ZevoLiveLinkSource& Source()
{
	if (!Instance)
	{
		FLogDispatcher::SetConsoleEnabled(false);
		Instance = new ZevoLiveLinkSource(FIPv4Endpoint(FIPv4Address::InternalLoopback, 0));
		Instance->ReceiveClient(&Client, FGuid(1, 2, 3, 4));
		// The receiver thread must end before the host's globals are torn down at exit.
		std::atexit([] { delete Instance; });
	}
	return *Instance;
}

void Append(std::vector<uint8>& Datagram, const char* Address)
{
	const size_t Length = std::strlen(Address);
	Datagram.insert(Datagram.end(), Address, Address + Length);
	Datagram.resize(Datagram.size() + 4 - Length % 4, 0);
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
	if (Size == 0 || Size > 0x100000)
	{
		return 0;
	}
	std::vector<uint8> Datagram;
	switch (Data[0] % 3)
	{
	case 1:
		Append(Datagram, "/ZEVO/Stream/Motion/Unreal/Local");
		break;
	case 2:
		Append(Datagram, "/zevo/stream/motion/unreal/props");
		break;
	default:
		break;
	}
	Datagram.insert(Datagram.end(), Data + 1, Data + Size);
	// An exact-size copy, so that any read past the datagram is caught.
	Source().ProcessReceivedData(FZevoReceivedData::Copy(Datagram.data(), static_cast<int32>(Datagram.size())));
	return 0;
}
