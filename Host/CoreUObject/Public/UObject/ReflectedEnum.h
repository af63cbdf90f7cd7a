#pragma once
// UEnum: the reflection of one enumeration — its entries' names, values and metadata (display
// names, "Hidden", "BlueprintType", ...) — so that the property editor can offer an enumeration
// as a drop-down and code can read an entry's display name.
// Knowingly different from the engine: a UEnum is a plain object, not a UObject; entry names are
// the enumerators' short names ("Hips", not "EZevoBoneName::Hips"); there is no generated
// "_MAX" entry. An enumeration declares its reflection with ZEVO_DECLARE_ENUM beside it and
// defines it with ZEVO_IMPLEMENT_ENUM in one source file; loading that file's library registers
// it, so FindEnum finds it by name.
#include "CoreMinimal.h"

#include <initializer_list>

class UEnum
{
public:
	using FMetaData = TMap<FName, FString>;

	struct FEntry
	{
		template <typename EnumType>
		FEntry(const char* InName, EnumType InValue, FMetaData InMetaData)
			: Name(InName), Value(static_cast<int64>(InValue)), MetaData(MoveTemp(InMetaData))
		{
		}

		FName Name;
		int64 Value;
		FMetaData MetaData;
	};

	/** Registers itself under its name until destroyed. */
	UEnum(const char* InName, FMetaData InMetaData, std::initializer_list<FEntry> InEntries);
	~UEnum();
	UEnum(const UEnum&) = delete;
	UEnum& operator=(const UEnum&) = delete;

	FName GetFName() const { return Name; }
	FString GetName() const { return Name.ToString(); }

	/** The declared entries, in declaration order. */
	int32 NumEnums() const { return Entries.Num(); }
	FName GetNameByIndex(int32 Index) const;
	int64 GetValueByIndex(int32 Index) const;
	/** INDEX_NONE when no entry has the value. */
	int32 GetIndexByValue(int64 Value) const;

	/** The entry's name as text; empty when no entry has the value. */
	FString GetNameStringByValue(int64 Value) const;
	/** The entry's value; INDEX_NONE when no entry is named so (ignoring case). */
	int64 GetValueByName(FName EntryName) const;
	/** The "DisplayName" metadata of the entry, else its name; empty when no entry has the value. */
	FText GetDisplayNameTextByIndex(int32 Index) const;
	FText GetDisplayNameTextByValue(int64 Value) const;

	/** Metadata of the entry at Index, or of the enumeration itself when Index is INDEX_NONE. */
	bool HasMetaData(FName Key, int32 Index = INDEX_NONE) const;
	/** Empty when absent. */
	FString GetMetaData(FName Key, int32 Index = INDEX_NONE) const;

private:
	const FMetaData* MetaDataAt(int32 Index) const;

	FName Name;
	FMetaData MetaData;
	TArray<FEntry> Entries;
};

/**
 * Host only (the engine's is StaticEnum<T>() or FindObject<UEnum>): the registered enumeration of
 * that name (ignoring case), or null. The registry has its own
 * lock: libraries may load, and so register, on any thread. A UEnum never changes once built.
 */
#if ZEVO_HOST_EXTENSIONS
UEnum* FindEnum(FName EnumName);
#endif

/** The reflection of EnumType; defined for each reflected enumeration by ZEVO_IMPLEMENT_ENUM. */
template <typename EnumType>
UEnum* StaticEnum();

// Host only: the registrations the header tool writes into a module's .gen.cpp.
#if ZEVO_HOST_EXTENSIONS
/** Beside the enumeration, in its header. */
#define ZEVO_DECLARE_ENUM(EnumType) \
	template <> \
	UEnum* StaticEnum<EnumType>();

/**
 * In one source file:
 *   ZEVO_IMPLEMENT_ENUM(EMyEnum, ZEVO_ENUM_META({"BlueprintType", "true"}),
 *       ZEVO_ENUM_ENTRY(EMyEnum, First, {"DisplayName", "First One"}),
 *       ZEVO_ENUM_ENTRY(EMyEnum, Count, {"Hidden", ""}))
 * The reflection is built on first use (thread-safe) and registered when the library loads.
 */
#define ZEVO_IMPLEMENT_ENUM(EnumType, EnumMetaData, ...) \
	template <> \
	UEnum* StaticEnum<EnumType>() \
	{ \
		static UEnum Enum(#EnumType, EnumMetaData, {__VA_ARGS__}); \
		return &Enum; \
	} \
	[[maybe_unused]] static UEnum* const ZevoEnumRegistration_##EnumType = StaticEnum<EnumType>();

#define ZEVO_ENUM_META(...) UEnum::FMetaData{__VA_ARGS__}
#define ZEVO_ENUM_ENTRY(EnumType, Enumerator, ...) \
	UEnum::FEntry(#Enumerator, EnumType::Enumerator, UEnum::FMetaData{__VA_ARGS__})

#endif