#pragma once
// The storage behind TMap and TSet: elements in insertion order in one vector, plus an
// open-addressing index of positions. Iteration is the vector, so maps and sets walk in the
// order their members were first added, as this system relies on; removal keeps that order.
#include "Templates/TypeHash.h"

#include <vector>

template <typename ElementType, typename KeyType, typename KeyOfElement>
class TOrderedHashTable
{
public:
	int32 Num() const { return static_cast<int32>(Elements.size()); }

	int32 FindIndex(const KeyType& Key) const
	{
		if (Buckets.empty())
		{
			return INDEX_NONE;
		}
		const uint32 Mask = static_cast<uint32>(Buckets.size() - 1);
		for (uint32 Slot = GetTypeHash(Key) & Mask;; Slot = (Slot + 1) & Mask)
		{
			const int32 Index = Buckets[Slot];
			if (Index == INDEX_NONE)
			{
				return INDEX_NONE;
			}
			if (KeyOfElement::Get(Elements[Index]) == Key)
			{
				return Index;
			}
		}
	}

	/** Appends an element whose key is known to be absent. */
	ElementType& AddNew(ElementType&& Element)
	{
		Elements.push_back(std::move(Element));
		if ((Elements.size() * 2) > Buckets.size())
		{
			Rehash(Buckets.empty() ? 16 : Buckets.size() * 2);
		}
		else
		{
			Insert(static_cast<int32>(Elements.size() - 1));
		}
		return Elements.back();
	}

	void RemoveIndex(int32 Index)
	{
		Elements.erase(Elements.begin() + Index);
		Rehash(Buckets.size());
	}

	void Reserve(int32 Count)
	{
		Elements.reserve(Count);
		size_t Wanted = 16;
		while (Wanted < static_cast<size_t>(Count) * 2)
		{
			Wanted *= 2;
		}
		if (Wanted > Buckets.size())
		{
			Rehash(Wanted);
		}
	}

	void Clear(bool bKeepStorage)
	{
		Elements.clear();
		if (bKeepStorage)
		{
			std::fill(Buckets.begin(), Buckets.end(), INDEX_NONE);
		}
		else
		{
			Elements.shrink_to_fit();
			Buckets.clear();
			Buckets.shrink_to_fit();
		}
	}

	std::vector<ElementType> Elements;

private:
	void Insert(int32 Index)
	{
		const uint32 Mask = static_cast<uint32>(Buckets.size() - 1);
		uint32 Slot = GetTypeHash(KeyOfElement::Get(Elements[Index])) & Mask;
		while (Buckets[Slot] != INDEX_NONE)
		{
			Slot = (Slot + 1) & Mask;
		}
		Buckets[Slot] = Index;
	}

	void Rehash(size_t BucketCount)
	{
		if (BucketCount == 0)
		{
			return;
		}
		Buckets.assign(BucketCount, INDEX_NONE);
		for (int32 Index = 0; Index < Num(); ++Index)
		{
			Insert(Index);
		}
	}

	std::vector<int32> Buckets;
};
