#pragma once
// TSet: the engine's hash set, iterated in insertion order (see TOrderedHashTable).
#include "Containers/Array.h"
#include "Containers/OrderedHashTable.h"

template <typename ElementType>
class TSet
{
	struct FKeyOf
	{
		static const ElementType& Get(const ElementType& Element) { return Element; }
	};

public:
	TSet() = default;
	TSet(std::initializer_list<ElementType> Items)
	{
		for (const ElementType& Item : Items)
		{
			Add(Item);
		}
	}

	int32 Num() const { return Table.Num(); }
	bool IsEmpty() const { return Table.Num() == 0; }
	/** Adds unless present; bIsAlreadyInSet tells which. */
	void Add(const ElementType& Item, bool* bIsAlreadyInSet = nullptr)
	{
		const bool bFound = Contains(Item);
		if (!bFound)
		{
			Table.AddNew(ElementType(Item));
		}
		if (bIsAlreadyInSet)
		{
			*bIsAlreadyInSet = bFound;
		}
	}
	void Append(const TSet& Other)
	{
		for (const ElementType& Item : Other)
		{
			Add(Item);
		}
	}
	bool Contains(const ElementType& Item) const { return Table.FindIndex(Item) != INDEX_NONE; }
	const ElementType* Find(const ElementType& Item) const
	{
		const int32 Index = Table.FindIndex(Item);
		return Index == INDEX_NONE ? nullptr : &Table.Elements[Index];
	}
	int32 Remove(const ElementType& Item)
	{
		const int32 Index = Table.FindIndex(Item);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		Table.RemoveIndex(Index);
		return 1;
	}
	/** The members not in Other, in order, in one pass. */
	TSet Difference(const TSet& Other) const
	{
		TSet Result;
		Result.Reserve(Num());
		for (const ElementType& Item : Table.Elements)
		{
			if (!Other.Contains(Item))
			{
				Result.Table.AddNew(ElementType(Item));
			}
		}
		return Result;
	}
	void Empty() { Table.Clear(false); }
	void Reset() { Table.Clear(true); }
	void Reserve(int32 Count) { Table.Reserve(Count); }
	TArray<ElementType> Array() const { return TArray<ElementType>(Table.Elements.data(), static_cast<int32>(Table.Elements.size())); }

	auto begin() const { return Table.Elements.cbegin(); }
	auto end() const { return Table.Elements.cend(); }

private:
	TOrderedHashTable<ElementType, ElementType, FKeyOf> Table;
};
