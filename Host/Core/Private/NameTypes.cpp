#include "UObject/NameTypes.h"

#include "Misc/CString.h"

#include <mutex>
#include <string>
#include <vector>

namespace
{
// Index 0 is NAME_None ("None"); every other name is registered on first use and kept for the
// life of the process. Names are made for every received datagram, so a lookup neither copies
// nor lower-cases the text, and takes one plain mutex: held for a few dozen nanoseconds, which
// uncontended costs a fraction of a reader-writer lock.
class FNameTable
{
public:
	static FNameTable& Get()
	{
		static FNameTable Table;
		return Table;
	}

	uint32 FindOrAdd(std::string_view Text)
	{
		if (Text.empty())
		{
			return 0;
		}
		const uint64 Hash = FCString::HashIgnoreCase(Text);
		std::lock_guard Lock(Mutex);
		size_t Slot = Hash & (Slots.size() - 1);
		for (; Slots[Slot] != EmptySlot; Slot = (Slot + 1) & (Slots.size() - 1))
		{
			const FEntry& Entry = Entries[Slots[Slot]];
			if (Entry.Hash == Hash && FCString::EqualsIgnoreCase(Entry.Spelling, Text))
			{
				return Slots[Slot];
			}
		}
		const uint32 Index = static_cast<uint32>(Entries.size());
		Entries.push_back(FEntry{std::string(Text), Hash});
		Slots[Slot] = Index;
		if (Entries.size() * 2 > Slots.size())
		{
			Grow();
		}
		return Index;
	}

	std::string Spelling(uint32 Index) const
	{
		std::lock_guard Lock(Mutex);
		return Entries[Index].Spelling;
	}

private:
	struct FEntry
	{
		std::string Spelling;
		uint64 Hash;
	};
	static constexpr uint32 EmptySlot = ~0u;

	FNameTable() : Slots(64, EmptySlot)
	{
		Entries.push_back(FEntry{"None", FCString::HashIgnoreCase("None")});
		Slots[Entries[0].Hash & (Slots.size() - 1)] = 0;
	}

	void Grow()
	{
		Slots.assign(Slots.size() * 2, EmptySlot);
		for (uint32 Index = 0; Index < Entries.size(); ++Index)
		{
			size_t Slot = Entries[Index].Hash & (Slots.size() - 1);
			while (Slots[Slot] != EmptySlot)
			{
				Slot = (Slot + 1) & (Slots.size() - 1);
			}
			Slots[Slot] = Index;
		}
	}

	mutable std::mutex Mutex;
	std::vector<FEntry> Entries;
	/** Open addressing over Entries' indices; at most half full. */
	std::vector<uint32> Slots;
};
}

FName::FName(const char* Text) : Index(FNameTable::Get().FindOrAdd(Text ? std::string_view(Text) : std::string_view()))
{
}

FName::FName(std::string_view Text) : Index(FNameTable::Get().FindOrAdd(Text))
{
}

FString FName::ToString() const
{
	return FString(FNameTable::Get().Spelling(Index));
}

bool FName::LexicalLess(const FName& Other) const
{
	return ToString().Compare(Other.ToString(), ESearchCase::IgnoreCase) < 0;
}
