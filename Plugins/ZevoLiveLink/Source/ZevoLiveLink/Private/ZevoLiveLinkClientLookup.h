#pragma once
// Where the plugin's game-thread code finds the editor's Live Link client. The editor (or a test)
// announces its client here; null when there is none.
class ILiveLinkClient;

namespace ZevoLiveLinkClientLookup
{
ILiveLinkClient* Find();
void Announce(ILiveLinkClient* Client);
}
