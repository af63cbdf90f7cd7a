#include "ZevoDropCounters.h"

#include "Misc/ScopeLock.h"

namespace
{
/** The listed sources' counters. A source unlists itself before its counters go. */
struct FDropCountersList
{
	FCriticalSection Lock;
	TMap<FGuid, const FZevoDropCounters*> Sources;

	static FDropCountersList& Get()
	{
		static FDropCountersList List;
		return List;
	}
};
}

int64 FZevoSourceDropCounts::Total() const
{
	int64 Sum = 0;
	for (const int64 Count : Counts)
	{
		Sum += Count;
	}
	return Sum;
}

FString FZevoSourceDropCounts::ToString() const
{
	FString Text;
	for (int32 Index = 0; Index < static_cast<int32>(EZevoDropKind::Count); ++Index)
	{
		if (Counts[Index] != 0)
		{
			Text += FString::Printf(TEXT("%s%lld %s"), Text.IsEmpty() ? TEXT("") : TEXT(", "), static_cast<long long>(Counts[Index]),
				GetKindLabel(static_cast<EZevoDropKind>(Index)));
		}
	}
	return Text;
}

const TCHAR* FZevoSourceDropCounts::GetKindLabel(EZevoDropKind Kind)
{
	switch (Kind)
	{
	case EZevoDropKind::QueueFull:
		return TEXT("queue full");
	case EZevoDropKind::SenderNotAllowed:
		return TEXT("sender not allowed");
	case EZevoDropKind::BadName:
		return TEXT("bad name");
	case EZevoDropKind::NameBudget:
		return TEXT("too many names");
	case EZevoDropKind::SubjectLimit:
		return TEXT("too many subjects");
	case EZevoDropKind::NonFinite:
		return TEXT("not finite");
	case EZevoDropKind::Malformed:
	case EZevoDropKind::Count:
		break;
	}
	return TEXT("malformed");
}

FZevoSourceDropCounts FZevoDropCounters::Read() const
{
	FZevoSourceDropCounts Result;
	for (int32 Index = 0; Index < static_cast<int32>(EZevoDropKind::Count); ++Index)
	{
		Result.Counts[Index] = Counts[Index].load(std::memory_order_relaxed);
	}
	return Result;
}

FZevoSourceDropCounts FZevoDropCounters::TakeSinceLastReport()
{
	const FZevoSourceDropCounts Now = Read();
	FZevoSourceDropCounts Since;
	for (int32 Index = 0; Index < static_cast<int32>(EZevoDropKind::Count); ++Index)
	{
		Since.Counts[Index] = Now.Counts[Index] - Reported.Counts[Index];
	}
	Reported = Now;
	return Since;
}

void FZevoDropCounters::List(const FGuid& SourceGuid, const FZevoDropCounters* Counters)
{
	FDropCountersList& List = FDropCountersList::Get();
	FScopeLock Lock(&List.Lock);
	List.Sources.Add(SourceGuid, Counters);
}

void FZevoDropCounters::Unlist(const FGuid& SourceGuid)
{
	FDropCountersList& List = FDropCountersList::Get();
	FScopeLock Lock(&List.Lock);
	List.Sources.Remove(SourceGuid);
}

bool ZevoGetSourceDropCounts(const FGuid& SourceGuid, FZevoSourceDropCounts& OutCounts)
{
	FDropCountersList& List = FDropCountersList::Get();
	FScopeLock Lock(&List.Lock);
	const FZevoDropCounters* const* Found = List.Sources.Find(SourceGuid);
	if (!Found)
	{
		return false;
	}
	OutCounts = (*Found)->Read();
	return true;
}
