#include "UObject/NameTypes.h"

#include <deque>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>

namespace
{
// Index 0 is NAME_None ("None"); every other name is registered on first use and kept for the
// life of the process. Lookups take a shared lock, registrations an exclusive one.
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
		std::string Key(Text);
		for (char& C : Key)
		{
			C = FChar::ToLower(C);
		}
		{
			std::shared_lock Lock(Mutex);
			const auto It = Indices.find(Key);
			if (It != Indices.end())
			{
				return It->second;
			}
		}
		std::unique_lock Lock(Mutex);
		const auto [It, bAdded] = Indices.try_emplace(std::move(Key), static_cast<uint32>(Spellings.size()));
		if (bAdded)
		{
			Spellings.emplace_back(Text);
		}
		return It->second;
	}

	std::string Spelling(uint32 Index) const
	{
		std::shared_lock Lock(Mutex);
		return Spellings[Index];
	}

private:
	FNameTable()
	{
		Spellings.emplace_back("None");
		Indices.emplace("none", 0);
	}

	mutable std::shared_mutex Mutex;
	std::deque<std::string> Spellings;
	std::unordered_map<std::string, uint32> Indices;
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
