#pragma once
// FZevoDropCounters: one stream source's drop counts, added to from its receiver thread and the
// game thread without a lock, read by anyone. The source logs what was added since its last
// report once a second, and lists itself under its Live Link GUID so that a running editor can
// read the totals (ZevoGetSourceDropCounts).
#include "ZevoLiveLinkSourceDrops.h"

#include <atomic>

class FZevoDropCounters
{
public:
	void Add(EZevoDropKind Kind) { Counts[static_cast<int32>(Kind)].fetch_add(1, std::memory_order_relaxed); }
	FZevoSourceDropCounts Read() const;
	/** What was added since the previous call. Only one thread may call it (the receiver). */
	FZevoSourceDropCounts TakeSinceLastReport();

	/** Lists Counters under SourceGuid until Unlist; a source lists itself once it has its GUID. */
	static void List(const FGuid& SourceGuid, const FZevoDropCounters* Counters);
	static void Unlist(const FGuid& SourceGuid);

private:
	std::atomic<int64> Counts[static_cast<int32>(EZevoDropKind::Count)] = {};
	FZevoSourceDropCounts Reported;
};
