#include "ZevoLiveLinkClientLookup.h"

namespace
{
ILiveLinkClient* AnnouncedClient = nullptr;
}

ILiveLinkClient* ZevoLiveLinkClientLookup::Find()
{
	return AnnouncedClient;
}

void ZevoLiveLinkClientLookup::Announce(ILiveLinkClient* Client)
{
	AnnouncedClient = Client;
}
