#pragma once
// What a stream source refused since it started, by reason. The source counts every datagram or
// frame it drops and logs the counts once a second; a running editor reads them here, by the
// GUID its Live Link client gave the source, to show them beside the source's status.
#include "CoreMinimal.h"

enum class EZevoDropKind : uint8
{
	/** Receiver thread: the game thread had too many datagrams or bytes waiting already. */
	QueueFull,
	/** Receiver thread: the sender's address is not on the allow-list. */
	SenderNotAllowed,
	/** A subject name longer than 255 bytes or holding control bytes. */
	BadName,
	/** A new name after the source had met as many distinct names as it accepts in its life. */
	NameBudget,
	/** A new subject while the source had as many live subjects as it accepts. */
	SubjectLimit,
	/** A frame holding a NaN or an infinite value; the subject keeps its last good frame. */
	NonFinite,
	/** A datagram the decoders could not read. */
	Malformed,
	Count
};

struct FZevoSourceDropCounts
{
	int64 Counts[static_cast<int32>(EZevoDropKind::Count)] = {};

	int64 Get(EZevoDropKind Kind) const { return Counts[static_cast<int32>(Kind)]; }
	int64 Total() const;
	/** The kinds that are not zero, e.g. "12 queue full, 3 bad name"; empty when nothing was dropped. */
	FString ToString() const;
	/** A short label, e.g. "queue full". */
	static const TCHAR* GetKindLabel(EZevoDropKind Kind);
};

/** The drops of the plugin's stream source known by SourceGuid; false when no such source is live. */
bool ZevoGetSourceDropCounts(const FGuid& SourceGuid, FZevoSourceDropCounts& OutCounts);
