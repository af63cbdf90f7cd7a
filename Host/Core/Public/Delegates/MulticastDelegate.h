#pragma once
// TMulticastDelegate: a list of callbacks called in the order they were added. Each Add returns a
// handle to remove that one callback; RemoveAll removes every callback bound to an object (what a
// module does at shutdown). A callback removed during a broadcast is not called by it.
// Game thread only: no lock.
#include "Containers/Array.h"
#include "Delegates/Delegate.h"

/** Names one callback of a multicast delegate; zero is "none". */
class FDelegateHandle
{
public:
	FDelegateHandle() = default;
	static FDelegateHandle GenerateNew();

	bool IsValid() const { return Id != 0; }
	void Reset() { Id = 0; }
	friend bool operator==(const FDelegateHandle& A, const FDelegateHandle& B) { return A.Id == B.Id; }

private:
	uint64 Id = 0;
};

template <typename Signature>
class TMulticastDelegate;

template <typename... ParamTypes>
class TMulticastDelegate<void(ParamTypes...)>
{
public:
	using FDelegate = TDelegate<void(ParamTypes...)>;

	FDelegateHandle Add(FDelegate Delegate)
	{
		const FDelegateHandle Handle = FDelegateHandle::GenerateNew();
		Entries.Add(FEntry{Handle, std::move(Delegate)});
		return Handle;
	}
	template <typename... ArgTypes>
	FDelegateHandle AddLambda(ArgTypes&&... Args) { return Add(FDelegate::CreateLambda(std::forward<ArgTypes>(Args)...)); }
	template <typename... ArgTypes>
	FDelegateHandle AddStatic(ArgTypes&&... Args) { return Add(FDelegate::CreateStatic(std::forward<ArgTypes>(Args)...)); }
	template <typename... ArgTypes>
	FDelegateHandle AddRaw(ArgTypes&&... Args) { return Add(FDelegate::CreateRaw(std::forward<ArgTypes>(Args)...)); }
	template <typename... ArgTypes>
	FDelegateHandle AddUObject(ArgTypes&&... Args) { return Add(FDelegate::CreateUObject(std::forward<ArgTypes>(Args)...)); }
	template <typename... ArgTypes>
	FDelegateHandle AddSP(ArgTypes&&... Args) { return Add(FDelegate::CreateSP(std::forward<ArgTypes>(Args)...)); }

	bool Remove(FDelegateHandle Handle)
	{
		return Entries.RemoveAll([&](const FEntry& Entry) { return Entry.Handle == Handle; }) > 0;
	}
	/** Removes every callback bound to Object (raw, UObject or shared-pointer bindings). */
	int32 RemoveAll(const void* Object)
	{
		return Entries.RemoveAll([&](const FEntry& Entry) { return Entry.Delegate.IsBoundToObject(Object); });
	}
	void Clear() { Entries.Empty(); }
	bool IsBound() const { return Entries.ContainsByPredicate([](const FEntry& Entry) { return Entry.Delegate.IsBound(); }); }
	bool IsBoundToObject(const void* Object) const
	{
		return Entries.ContainsByPredicate([&](const FEntry& Entry) { return Entry.Delegate.IsBoundToObject(Object); });
	}

	void Broadcast(ParamTypes... Params) const
	{
		// A callback may add or remove callbacks; walk a copy and skip the ones removed meanwhile.
		const TArray<FEntry> Snapshot = Entries;
		for (const FEntry& Entry : Snapshot)
		{
			if (Entries.ContainsByPredicate([&](const FEntry& Current) { return Current.Handle == Entry.Handle; }))
			{
				Entry.Delegate.ExecuteIfBound(Params...);
			}
		}
	}

private:
	struct FEntry
	{
		FDelegateHandle Handle;
		FDelegate Delegate;
	};
	TArray<FEntry> Entries;
};

using FSimpleMulticastDelegate = TMulticastDelegate<void()>;

#define DECLARE_MULTICAST_DELEGATE(DelegateName) using DelegateName = TMulticastDelegate<void()>
#define DECLARE_MULTICAST_DELEGATE_OneParam(DelegateName, Param1) using DelegateName = TMulticastDelegate<void(Param1)>
