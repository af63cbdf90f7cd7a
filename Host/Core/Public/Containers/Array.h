#pragma once
// TArray: the engine's dynamic array, over std::vector, with the members this system uses.
#include "HAL/Platform.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

template <typename T>
class TArray
{
public:
	using ElementType = T;

	TArray() = default;
	TArray(std::initializer_list<T> Items) : Items(Items) {}
#if ZEVO_HOST_EXTENSIONS
	/** Host only: the standard library's vector, for the host's own code. */
	explicit TArray(std::vector<T> Items) : Items(std::move(Items)) {}
#endif
	TArray(const T* Data, int32 Count) : Items(Data, Data + Count) {}

	int32 Num() const { return static_cast<int32>(Items.size()); }
	bool IsEmpty() const { return Items.empty(); }
	bool IsValidIndex(int32 Index) const { return Index >= 0 && Index < Num(); }
	T* GetData() { return Items.data(); }
	const T* GetData() const { return Items.data(); }
	T& operator[](int32 Index) { return Items[Index]; }
	const T& operator[](int32 Index) const { return Items[Index]; }
	T& Last(int32 IndexFromEnd = 0) { return Items[Items.size() - 1 - IndexFromEnd]; }
	const T& Last(int32 IndexFromEnd = 0) const { return Items[Items.size() - 1 - IndexFromEnd]; }
	T& Top() { return Items.back(); }

	int32 Add(const T& Item) { Items.push_back(Item); return Num() - 1; }
	int32 Add(T&& Item) { Items.push_back(std::move(Item)); return Num() - 1; }
	template <typename... ArgTypes>
	int32 Emplace(ArgTypes&&... Args) { Items.emplace_back(std::forward<ArgTypes>(Args)...); return Num() - 1; }
	template <typename... ArgTypes>
	T& Emplace_GetRef(ArgTypes&&... Args) { return Items.emplace_back(std::forward<ArgTypes>(Args)...); }
	int32 AddUnique(const T& Item)
	{
		const int32 Found = Find(Item);
		return Found != INDEX_NONE ? Found : Add(Item);
	}
	int32 AddDefaulted(int32 Count = 1) { const int32 First = Num(); Items.resize(Items.size() + Count); return First; }
	int32 AddZeroed(int32 Count = 1) { const int32 First = Num(); Items.resize(Items.size() + Count, T{}); return First; }
	void Append(const TArray& Other) { Items.insert(Items.end(), Other.Items.begin(), Other.Items.end()); }
	void Append(const T* Data, int32 Count) { Items.insert(Items.end(), Data, Data + Count); }
	void Insert(const T& Item, int32 Index) { Items.insert(Items.begin() + Index, Item); }
	T Pop() { T Item = std::move(Items.back()); Items.pop_back(); return Item; }

	void RemoveAt(int32 Index, int32 Count = 1) { Items.erase(Items.begin() + Index, Items.begin() + Index + Count); }
	int32 Remove(const T& Item)
	{
		const auto Before = Items.size();
		Items.erase(std::remove(Items.begin(), Items.end(), Item), Items.end());
		return static_cast<int32>(Before - Items.size());
	}
	template <typename Predicate>
	int32 RemoveAll(Predicate Pred)
	{
		const auto Before = Items.size();
		Items.erase(std::remove_if(Items.begin(), Items.end(), Pred), Items.end());
		return static_cast<int32>(Before - Items.size());
	}
	/** Empties; keeps room for Slack elements (0 releases the storage). */
	void Empty(int32 Slack = 0)
	{
		Items.clear();
		if (Slack == 0) { Items.shrink_to_fit(); } else { Items.reserve(Slack); }
	}
	/** Empties and keeps the storage. */
	void Reset(int32 NewSize = 0) { Items.clear(); Items.reserve(NewSize); }
	void Reserve(int32 Count) { Items.reserve(Count); }
	void SetNum(int32 Count) { Items.resize(Count); }
	void SetNumZeroed(int32 Count) { Items.assign(Count, T{}); }
	void Init(const T& Value, int32 Count) { Items.assign(Count, Value); }

	int32 Find(const T& Item) const
	{
		const auto It = std::find(Items.begin(), Items.end(), Item);
		return It == Items.end() ? INDEX_NONE : static_cast<int32>(It - Items.begin());
	}
	bool Find(const T& Item, int32& OutIndex) const { OutIndex = Find(Item); return OutIndex != INDEX_NONE; }
	int32 IndexOfByKey(const T& Item) const { return Find(Item); }
	template <typename Predicate>
	int32 IndexOfByPredicate(Predicate Pred) const
	{
		const auto It = std::find_if(Items.begin(), Items.end(), Pred);
		return It == Items.end() ? INDEX_NONE : static_cast<int32>(It - Items.begin());
	}
	template <typename Predicate>
	const T* FindByPredicate(Predicate Pred) const
	{
		const int32 Index = IndexOfByPredicate(Pred);
		return Index == INDEX_NONE ? nullptr : &Items[Index];
	}
	bool Contains(const T& Item) const { return Find(Item) != INDEX_NONE; }
	template <typename Predicate>
	bool ContainsByPredicate(Predicate Pred) const { return IndexOfByPredicate(Pred) != INDEX_NONE; }

	/** Sorts with operator< or the given predicate; like the engine's Sort, not stable. */
	void Sort() { std::sort(Items.begin(), Items.end()); }
	template <typename Predicate>
	void Sort(Predicate Pred) { std::sort(Items.begin(), Items.end(), Pred); }
	template <typename Predicate>
	void StableSort(Predicate Pred) { std::stable_sort(Items.begin(), Items.end(), Pred); }

	friend bool operator==(const TArray& A, const TArray& B) { return A.Items == B.Items; }

	auto begin() { return Items.begin(); }
	auto end() { return Items.end(); }
	auto begin() const { return Items.begin(); }
	auto end() const { return Items.end(); }

#if ZEVO_HOST_EXTENSIONS
	/** Host only. */
	const std::vector<T>& ToStdVector() const { return Items; }
#endif

private:
	std::vector<T> Items;
};
