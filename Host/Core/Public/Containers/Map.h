#pragma once
// TMap: the engine's hash map, iterated in insertion order (see TOrderedHashTable). Keys compare
// with operator== and hash with GetTypeHash, so FString and FName keys ignore letter case.
#include "Containers/Array.h"
#include "Containers/OrderedHashTable.h"

template <typename KeyType, typename ValueType>
struct TPair
{
	KeyType Key;
	ValueType Value;
};

template <typename KeyType, typename ValueType>
class TMap
{
	struct FKeyOf
	{
		static const KeyType& Get(const TPair<KeyType, ValueType>& Pair) { return Pair.Key; }
	};

public:
	using ElementType = TPair<KeyType, ValueType>;

	TMap() = default;
	TMap(std::initializer_list<ElementType> Pairs)
	{
		for (const ElementType& Pair : Pairs)
		{
			Add(Pair.Key, Pair.Value);
		}
	}

	int32 Num() const { return Table.Num(); }
	bool IsEmpty() const { return Table.Num() == 0; }

	/** Adds or replaces. */
	ValueType& Add(const KeyType& Key, ValueType Value)
	{
		const int32 Index = Table.FindIndex(Key);
		if (Index != INDEX_NONE)
		{
			Table.Elements[Index].Value = std::move(Value);
			return Table.Elements[Index].Value;
		}
		return Table.AddNew(ElementType{Key, std::move(Value)}).Value;
	}
	ValueType& Add(const KeyType& Key) { return Add(Key, ValueType{}); }
	template <typename... ArgTypes>
	ValueType& Emplace(const KeyType& Key, ArgTypes&&... Args) { return Add(Key, ValueType(std::forward<ArgTypes>(Args)...)); }
	ValueType& FindOrAdd(const KeyType& Key)
	{
		const int32 Index = Table.FindIndex(Key);
		return Index != INDEX_NONE ? Table.Elements[Index].Value : Table.AddNew(ElementType{Key, ValueType{}}).Value;
	}

	ValueType* Find(const KeyType& Key)
	{
		const int32 Index = Table.FindIndex(Key);
		return Index == INDEX_NONE ? nullptr : &Table.Elements[Index].Value;
	}
	const ValueType* Find(const KeyType& Key) const
	{
		const int32 Index = Table.FindIndex(Key);
		return Index == INDEX_NONE ? nullptr : &Table.Elements[Index].Value;
	}
	ValueType FindRef(const KeyType& Key) const
	{
		const ValueType* Value = Find(Key);
		return Value ? *Value : ValueType{};
	}
	ValueType& FindChecked(const KeyType& Key) { return *Find(Key); }
	const ValueType& FindChecked(const KeyType& Key) const { return *Find(Key); }
	bool Contains(const KeyType& Key) const { return Table.FindIndex(Key) != INDEX_NONE; }
	ValueType& operator[](const KeyType& Key) { return FindChecked(Key); }
	const ValueType& operator[](const KeyType& Key) const { return FindChecked(Key); }

	int32 Remove(const KeyType& Key)
	{
		const int32 Index = Table.FindIndex(Key);
		if (Index == INDEX_NONE)
		{
			return 0;
		}
		Table.RemoveIndex(Index);
		return 1;
	}
	/** The pairs for which Predicate is true, in order, in one pass (removing many keys one by one
	 *  costs a pass each). */
	template <typename PredicateType>
	TMap FilterByPredicate(PredicateType Predicate) const
	{
		TMap Result;
		Result.Reserve(Num());
		for (const ElementType& Pair : Table.Elements)
		{
			if (Predicate(Pair))
			{
				Result.Table.AddNew(ElementType(Pair));
			}
		}
		return Result;
	}
	/** Empties and releases the storage (Slack > 0 keeps room for that many). */
	void Empty(int32 Slack = 0)
	{
		Table.Clear(false);
		if (Slack > 0)
		{
			Table.Reserve(Slack);
		}
	}
	/** Empties and keeps the storage. */
	void Reset() { Table.Clear(true); }
	void Reserve(int32 Count) { Table.Reserve(Count); }

	void GetKeys(TArray<KeyType>& OutKeys) const
	{
		OutKeys.Reset(Num());
		for (const ElementType& Pair : Table.Elements)
		{
			OutKeys.Add(Pair.Key);
		}
	}

	auto begin() { return Table.Elements.begin(); }
	auto end() { return Table.Elements.end(); }
	auto begin() const { return Table.Elements.begin(); }
	auto end() const { return Table.Elements.end(); }

private:
	TOrderedHashTable<ElementType, KeyType, FKeyOf> Table;
};
