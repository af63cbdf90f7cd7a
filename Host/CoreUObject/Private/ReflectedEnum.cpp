#include "UObject/ReflectedEnum.h"

#include <mutex>

namespace
{
// Every reflected enumeration by name. Enumerations register while their library loads, which
// may happen on any thread, so the table has its own lock.
class FEnumRegistry
{
public:
	static FEnumRegistry& Get()
	{
		static FEnumRegistry Registry;
		return Registry;
	}

	void Add(UEnum* Enum)
	{
		std::lock_guard Lock(Mutex);
		Enums.Add(Enum->GetFName(), Enum);
	}

	void Remove(const UEnum* Enum)
	{
		std::lock_guard Lock(Mutex);
		if (Enums.FindRef(Enum->GetFName()) == Enum)
		{
			Enums.Remove(Enum->GetFName());
		}
	}

	UEnum* Find(FName Name)
	{
		std::lock_guard Lock(Mutex);
		return Enums.FindRef(Name);
	}

private:
	std::mutex Mutex;
	TMap<FName, UEnum*> Enums;
};
}

UEnum::UEnum(const char* InName, FMetaData InMetaData, std::initializer_list<FEntry> InEntries)
	: Name(InName), MetaData(MoveTemp(InMetaData))
{
	Entries.Reserve(static_cast<int32>(InEntries.size()));
	for (const FEntry& Entry : InEntries)
	{
		Entries.Add(Entry);
	}
	FEnumRegistry::Get().Add(this);
}

UEnum::~UEnum()
{
	FEnumRegistry::Get().Remove(this);
}

FName UEnum::GetNameByIndex(int32 Index) const
{
	return Entries.IsValidIndex(Index) ? Entries[Index].Name : NAME_None;
}

int64 UEnum::GetValueByIndex(int32 Index) const
{
	return Entries.IsValidIndex(Index) ? Entries[Index].Value : INDEX_NONE;
}

int32 UEnum::GetIndexByValue(int64 Value) const
{
	return Entries.IndexOfByPredicate([Value](const FEntry& Entry) { return Entry.Value == Value; });
}

FString UEnum::GetNameStringByValue(int64 Value) const
{
	const int32 Index = GetIndexByValue(Value);
	return Index == INDEX_NONE ? FString() : Entries[Index].Name.ToString();
}

int64 UEnum::GetValueByName(FName EntryName) const
{
	const int32 Index = Entries.IndexOfByPredicate([EntryName](const FEntry& Entry) { return Entry.Name == EntryName; });
	return Index == INDEX_NONE ? INDEX_NONE : Entries[Index].Value;
}

FText UEnum::GetDisplayNameTextByIndex(int32 Index) const
{
	if (!Entries.IsValidIndex(Index))
	{
		return FText();
	}
	const FString* DisplayName = Entries[Index].MetaData.Find(FName("DisplayName"));
	return FText::FromString(DisplayName ? *DisplayName : Entries[Index].Name.ToString());
}

FText UEnum::GetDisplayNameTextByValue(int64 Value) const
{
	return GetDisplayNameTextByIndex(GetIndexByValue(Value));
}

const UEnum::FMetaData* UEnum::MetaDataAt(int32 Index) const
{
	if (Index == INDEX_NONE)
	{
		return &MetaData;
	}
	return Entries.IsValidIndex(Index) ? &Entries[Index].MetaData : nullptr;
}

bool UEnum::HasMetaData(FName Key, int32 Index) const
{
	const FMetaData* Found = MetaDataAt(Index);
	return Found && Found->Contains(Key);
}

FString UEnum::GetMetaData(FName Key, int32 Index) const
{
	const FMetaData* Found = MetaDataAt(Index);
	return Found ? Found->FindRef(Key) : FString();
}

UEnum* FindEnum(FName EnumName)
{
	return FEnumRegistry::Get().Find(EnumName);
}
