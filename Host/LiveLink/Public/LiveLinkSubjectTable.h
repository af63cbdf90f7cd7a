#pragma once
// TLiveLinkSubjectTable: the client's subjects in creation order, found by key in constant time.
// A removal only marks its entry dead (and releases its data at once); the dead entries are
// dropped in one pass once they are half the table. A source's sweep removes thousands of silent
// subjects one call at a time, and rebuilding an ordered table on every call made such a sweep
// quadratic, all of it under the client's lock; here n removals cost O(n) in all.
#include "LiveLinkTypes.h"

#include <unordered_map>
#include <vector>

template <typename SubjectType>
class TLiveLinkSubjectTable
{
public:
	int32 Num() const { return static_cast<int32>(Positions.size()); }

	SubjectType* Find(const FLiveLinkSubjectKey& Key)
	{
		const auto Found = Positions.find(Key);
		return Found == Positions.end() ? nullptr : &Entries[Found->second].Subject;
	}
	const SubjectType* Find(const FLiveLinkSubjectKey& Key) const { return const_cast<TLiveLinkSubjectTable*>(this)->Find(Key); }

	/** Adds a subject at the end, or replaces the one of that key where it stands. */
	SubjectType& Add(const FLiveLinkSubjectKey& Key, SubjectType&& Subject)
	{
		if (SubjectType* Existing = Find(Key))
		{
			*Existing = std::move(Subject);
			return *Existing;
		}
		Positions.emplace(Key, static_cast<int32>(Entries.size()));
		Entries.push_back(FEntry{Key, std::move(Subject), true});
		return Entries.back().Subject;
	}

	/** True when the key was there. */
	bool Remove(const FLiveLinkSubjectKey& Key)
	{
		const auto Found = Positions.find(Key);
		if (Found == Positions.end())
		{
			return false;
		}
		FEntry& Entry = Entries[Found->second];
		Entry.bAlive = false;
		Entry.Subject = SubjectType();
		Positions.erase(Found);
		if (Positions.size() * 2 < Entries.size())
		{
			Compact();
		}
		return true;
	}

	template <typename PredicateType>
	void RemoveIf(PredicateType ShouldRemove)
	{
		for (FEntry& Entry : Entries)
		{
			if (Entry.bAlive && ShouldRemove(Entry.Key))
			{
				Entry.bAlive = false;
				Positions.erase(Entry.Key);
			}
		}
		Compact();
	}

	/** Visit(Key, Subject) for every subject, in creation order. */
	template <typename VisitorType>
	void ForEach(VisitorType Visit) const
	{
		for (const FEntry& Entry : Entries)
		{
			if (Entry.bAlive)
			{
				Visit(Entry.Key, Entry.Subject);
			}
		}
	}

private:
	struct FEntry
	{
		FLiveLinkSubjectKey Key;
		SubjectType Subject;
		bool bAlive = true;
	};
	struct FKeyHash
	{
		size_t operator()(const FLiveLinkSubjectKey& Key) const { return GetTypeHash(Key); }
	};

	void Compact()
	{
		std::vector<FEntry> Alive;
		Alive.reserve(Positions.size());
		for (FEntry& Entry : Entries)
		{
			if (Entry.bAlive)
			{
				Positions[Entry.Key] = static_cast<int32>(Alive.size());
				Alive.push_back(std::move(Entry));
			}
		}
		Entries = std::move(Alive);
	}

	std::vector<FEntry> Entries;
	std::unordered_map<FLiveLinkSubjectKey, int32, FKeyHash> Positions;
};
