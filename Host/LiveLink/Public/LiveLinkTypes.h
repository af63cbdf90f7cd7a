#pragma once
// Live Link data: subject keys, static data (what a subject is) and frame data (where it is now).
// The type-erased static and frame structs are filled as on the engine: InitializeWith(the data
// type's StaticStruct()), then Cast<T>().
// Knowingly different from the engine: a script struct can make an empty value of its data type
// but cannot copy one given as its base type, so InitializeWith takes no initial data.
#include "CoreMinimal.h"
#include "UObject/Class.h"

#include <memory>
#include <type_traits>

struct FLiveLinkSubjectKey
{
	FGuid Source;
	FName SubjectName;

	FLiveLinkSubjectKey() = default;
	FLiveLinkSubjectKey(const FGuid& InSource, FName InSubjectName) : Source(InSource), SubjectName(InSubjectName) {}
	bool operator==(const FLiveLinkSubjectKey& Other) const { return Source == Other.Source && SubjectName == Other.SubjectName; }
};

inline uint32 GetTypeHash(const FLiveLinkSubjectKey& Key)
{
	return HashCombine(GetTypeHash(Key.Source), GetTypeHash(Key.SubjectName));
}

struct FLiveLinkBaseStaticData
{
	virtual ~FLiveLinkBaseStaticData() = default;
	TArray<FName> PropertyNames;
};

/** When a frame was made, in seconds of the platform clock: as in the engine, a new frame is
 *  stamped with the time of its construction, so a reader can tell how old the latest frame is. */
struct FLiveLinkWorldTime
{
	double Time = FPlatformTime::Seconds();
	double Offset = 0.0;
};

struct FLiveLinkMetaData
{
	TMap<FName, FString> StringMetaData;
	/** Scene time as frames at a rate; left at its defaults by this system's decoders. */
	double SceneTimeSeconds = 0.0;
};

struct FLiveLinkBaseFrameData
{
	virtual ~FLiveLinkBaseFrameData() = default;
	FLiveLinkWorldTime WorldTime;
	FLiveLinkMetaData MetaData;
	TArray<float> PropertyValues;
};

/** What a Live Link data type's StaticStruct() gives: its reflection, which can make an empty value. */
template <typename BaseType>
class TLiveLinkScriptStruct : public UScriptStruct
{
public:
	using FMakeValue = std::shared_ptr<BaseType> (*)();

	TLiveLinkScriptStruct(const char* InName, const FValueOps& InOps, FMakeValue InMakeValue)
		: UScriptStruct(InName, InOps), MakeValue(InMakeValue)
	{
	}
	std::shared_ptr<BaseType> Make() const { return MakeValue(); }

private:
	FMakeValue MakeValue;
};

/** Owns one static-data structure of a concrete type. */
template <typename BaseType>
class TLiveLinkDataStruct
{
public:
	TLiveLinkDataStruct() = default;
	TLiveLinkDataStruct(TLiveLinkDataStruct&&) noexcept = default;
	TLiveLinkDataStruct& operator=(TLiveLinkDataStruct&&) noexcept = default;

	/**
	 * Replaces the content with an empty value of the data type InScriptStruct describes (its
	 * StaticStruct()); a structure of another kind of data leaves the struct empty.
	 */
	void InitializeWith(const UScriptStruct* InScriptStruct)
	{
		const auto* Struct = dynamic_cast<const TLiveLinkScriptStruct<BaseType>*>(InScriptStruct);
		Data = Struct ? Struct->Make() : nullptr;
	}

	/** Host only: replaces the content with a default-constructed T and returns it. */
	template <typename T>
		requires std::is_base_of_v<BaseType, T>
	T& InitializeWith()
	{
		// Default-initialised: every member of these structures has its own initialiser, and
		// zeroing the whole object first would cost a decoder as much as allocating it.
		auto Made = std::make_shared_for_overwrite<T>();
		T& Result = *Made;
		Data = std::move(Made);
		return Result;
	}
	/** Host only: replaces the content with a copy of Value. */
	template <typename T>
		requires std::is_base_of_v<BaseType, T>
	void InitializeWith(const T& Value)
	{
		Data = std::make_shared<T>(Value);
	}
	/** The content as T, or null when it is of another type. */
	template <typename T>
	T* Cast() { return dynamic_cast<T*>(Data.get()); }
	template <typename T>
	const T* Cast() const { return dynamic_cast<const T*>(Data.get()); }
	BaseType* GetBaseData() { return Data.get(); }
	const BaseType* GetBaseData() const { return Data.get(); }
	bool IsValid() const { return Data != nullptr; }
	void Reset() { Data.reset(); }
	/** Shares the content (the client hands frames to readers without copying them). */
	TLiveLinkDataStruct Share() const { TLiveLinkDataStruct Copy; Copy.Data = Data; return Copy; }

private:
	std::shared_ptr<BaseType> Data;
};

using FLiveLinkStaticDataStruct = TLiveLinkDataStruct<FLiveLinkBaseStaticData>;
using FLiveLinkFrameDataStruct = TLiveLinkDataStruct<FLiveLinkBaseFrameData>;

struct FLiveLinkSubjectFrameData
{
	FLiveLinkStaticDataStruct StaticData;
	FLiveLinkFrameDataStruct FrameData;
};
