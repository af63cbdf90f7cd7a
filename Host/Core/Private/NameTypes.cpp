#include "UObject/NameTypes.h"

#include "Misc/CString.h"

#include <atomic>
#include <bit>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace
{
// Entry 0 is NAME_None ("None"); every other spelling is registered on first use and kept for
// the life of the process. Each entry also names the comparison entry of its name: the first
// spelling registered that equals it ignoring case. All spellings of a name hash alike, so they
// sit in one probe run. Names are made for every received datagram, so finding a known spelling
// neither copies nor lower-cases its text, and takes no lock: an entry never moves or changes
// once written, and a slot table is published only when complete (a reader still probing an
// older one misses only spellings added since, and then looks again under the lock).
// Registering a spelling takes the mutex.
class FNameTable
{
public:
	static FNameTable& Get()
	{
		static FNameTable Table;
		return Table;
	}

	struct FIndices
	{
		uint32 Comparison = 0;
		uint32 Display = 0;
	};

	FIndices FindOrAdd(std::string_view Text)
	{
		if (Text.empty())
		{
			return {};
		}
		const uint64 Hash = FCString::HashIgnoreCase(Text);
		FProbeResult Found = Probe(*Current.load(std::memory_order_acquire), Text, Hash);
		if (Found.Exact != EmptySlot)
		{
			return {Entry(Found.Exact).ComparisonIndex, Found.Exact};
		}

		std::lock_guard Lock(Mutex);
		FSlotTable& Table = *Current.load(std::memory_order_relaxed);
		Found = Probe(Table, Text, Hash);
		if (Found.Exact != EmptySlot)
		{
			return {Entry(Found.Exact).ComparisonIndex, Found.Exact};
		}
		const uint32 Index = Add(std::string(Text), Hash, Found.Comparison);
		const size_t Slot = Found.EmptySlotIndex;
		if (uint64(Count) * 2 > Table.Mask + 1)
		{
			Grow();
		}
		else
		{
			Table.Slots[Slot].store(Index, std::memory_order_release);
		}
		return {Entry(Index).ComparisonIndex, Index};
	}

	std::string Spelling(uint32 Index) const { return Entry(Index).Spelling; }

private:
	struct FEntry
	{
		std::string Spelling;
		uint64 Hash = 0;
		/** The first registered spelling of the same name ignoring case (this entry's own index if it is that). */
		uint32 ComparisonIndex = 0;
	};
	/** Open addressing over entry indices; at most half full. */
	struct FSlotTable
	{
		explicit FSlotTable(size_t Size) : Mask(Size - 1), Slots(new std::atomic<uint32>[Size])
		{
			for (size_t Slot = 0; Slot < Size; ++Slot)
			{
				Slots[Slot].store(EmptySlot, std::memory_order_relaxed);
			}
		}
		size_t Mask;
		std::unique_ptr<std::atomic<uint32>[]> Slots;
	};
	static constexpr uint32 EmptySlot = ~0u;
	/** Entries live in blocks that double in size, 1024 in the first: they never move. */
	static constexpr uint32 FirstBlockBits = 10;
	static constexpr uint32 BlockCount = 33 - FirstBlockBits;

	FNameTable()
	{
		Tables.push_back(std::make_unique<FSlotTable>(64));
		Current.store(Tables.back().get(), std::memory_order_release);
		FindOrAdd("None");
	}

	~FNameTable()
	{
		for (std::atomic<FEntry*>& Block : Blocks)
		{
			delete[] Block.load(std::memory_order_relaxed);
		}
	}

	struct FProbeResult
	{
		/** The entry of this exact spelling, or EmptySlot. */
		uint32 Exact = EmptySlot;
		/** The comparison entry of another spelling of the same name, or EmptySlot. */
		uint32 Comparison = EmptySlot;
		/** The empty slot that ended the search (when Exact is EmptySlot). */
		size_t EmptySlotIndex = 0;
	};

	FProbeResult Probe(const FSlotTable& Table, std::string_view Text, uint64 Hash) const
	{
		FProbeResult Result;
		for (size_t Slot = Hash & Table.Mask;; Slot = (Slot + 1) & Table.Mask)
		{
			const uint32 Index = Table.Slots[Slot].load(std::memory_order_acquire);
			if (Index == EmptySlot)
			{
				Result.EmptySlotIndex = Slot;
				return Result;
			}
			const FEntry& Candidate = Entry(Index);
			if (Candidate.Hash != Hash || !FCString::EqualsIgnoreCase(Candidate.Spelling, Text))
			{
				continue;
			}
			if (Candidate.Spelling == Text)
			{
				Result.Exact = Index;
				return Result;
			}
			Result.Comparison = Candidate.ComparisonIndex;
		}
	}

	/** Block and position of an entry: index + 1024 has its highest bit at 10 + block. */
	static std::pair<uint32, uint64> Locate(uint32 Index)
	{
		const uint64 Shifted = uint64(Index) + (uint64(1) << FirstBlockBits);
		const uint32 Block = static_cast<uint32>(std::bit_width(Shifted)) - 1 - FirstBlockBits;
		return {Block, Shifted - (uint64(1) << (Block + FirstBlockBits))};
	}

	const FEntry& Entry(uint32 Index) const
	{
		const auto [Block, Position] = Locate(Index);
		return Blocks[Block].load(std::memory_order_acquire)[Position];
	}

	/** Under the mutex: writes the next entry, not yet reachable from any slot. */
	uint32 Add(std::string Spelling, uint64 Hash, uint32 ComparisonIndex)
	{
		const uint32 Index = Count++;
		const auto [Block, Position] = Locate(Index);
		FEntry* Entries = Blocks[Block].load(std::memory_order_relaxed);
		if (!Entries)
		{
			Entries = new FEntry[size_t(1) << (Block + FirstBlockBits)];
			Blocks[Block].store(Entries, std::memory_order_release);
		}
		Entries[Position] = FEntry{std::move(Spelling), Hash, ComparisonIndex == EmptySlot ? Index : ComparisonIndex};
		return Index;
	}

	/** Under the mutex: publishes a table twice the size holding every entry. */
	void Grow()
	{
		auto Table = std::make_unique<FSlotTable>((Current.load(std::memory_order_relaxed)->Mask + 1) * 2);
		for (uint32 Index = 0; Index < Count; ++Index)
		{
			size_t Slot = Entry(Index).Hash & Table->Mask;
			while (Table->Slots[Slot].load(std::memory_order_relaxed) != EmptySlot)
			{
				Slot = (Slot + 1) & Table->Mask;
			}
			Table->Slots[Slot].store(Index, std::memory_order_relaxed);
		}
		Current.store(Table.get(), std::memory_order_release);
		// Readers may still be probing the older tables: they stay until the process ends.
		Tables.push_back(std::move(Table));
	}

	std::atomic<FSlotTable*> Current{nullptr};
	std::atomic<FEntry*> Blocks[BlockCount] = {};
	std::mutex Mutex;
	/** Guarded by Mutex. */
	uint32 Count = 0;
	std::vector<std::unique_ptr<FSlotTable>> Tables;
};
}

FName::FName(const char* Text) : FName(Text ? std::string_view(Text) : std::string_view())
{
}

FName::FName(std::string_view Text)
{
	const auto [Comparison, Display] = FNameTable::Get().FindOrAdd(Text);
	ComparisonIndex = Comparison;
	DisplayIndex = Display;
}

FString FName::ToString() const
{
	return FString(FNameTable::Get().Spelling(DisplayIndex));
}

bool FName::LexicalLess(const FName& Other) const
{
	return ToString().Compare(Other.ToString(), ESearchCase::IgnoreCase) < 0;
}
