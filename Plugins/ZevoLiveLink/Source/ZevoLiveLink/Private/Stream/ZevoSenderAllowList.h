#pragma once
// FZevoSenderAllowList: the addresses a stream source takes datagrams from. By default it takes
// them from anyone; a project restricts its sources by listing senders in a file of its own,
// <project>/Saved/Config/ZevoLiveLinkSenders.ini (so the connection settings' file is untouched):
//
//   [Senders]
//   Allow=192.168.1.20
//   Allow=127.0.0.1
//
// The key ignores letter case and spaces around "=". A source reads the file when it starts. A
// line that does not read is logged and left out; the list is in force as soon as the file holds
// one "Allow=" line, even an unreadable one, so that a typo restricts the source rather than
// opening it to everyone.
#include "CoreMinimal.h"
#include "Interfaces/IPv4/IPv4Address.h"

class FZevoSenderAllowList
{
public:
	/** The project's list; empty (everyone allowed) when the file is missing. Logs what it read. */
	static FZevoSenderAllowList Load();
	/** The list from the file's text; FileName names it in the log lines. */
	static FZevoSenderAllowList Parse(const FString& Text, const FString& FileName);
	static FString GetFilePath();

	/** HostOrderIp as a socket reports it. */
	bool Allows(uint32 HostOrderIp) const { return !bInForce || Addresses.Contains(HostOrderIp); }
	bool IsInForce() const { return bInForce; }

private:
	bool bInForce = false;
	TSet<uint32> Addresses;
};
