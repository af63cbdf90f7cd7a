#pragma once
// The reflected types: UStruct (a named list of properties with metadata), UClass (an object
// class, its super class, factory and class default object) and UScriptStruct (a plain value
// structure with the operations to make, copy and destroy one).
// Knowingly different from the engine: these are not UObjects themselves, and a type's
// properties are declared beside it with ZEVO_REFLECT_CLASS / ZEVO_REFLECT_STRUCT
// (UObject/ObjectMacros.h) instead of being generated from headers.
#include "CoreMinimal.h"

#include <memory>

class FProperty;
class UObject;

/** Key/value metadata of a type or property ("Category", "DisplayName", "ClampMin", ...). */
class FReflectionMetaData
{
public:
	bool HasMetaData(FName Key) const { return Values.Contains(Key); }
	/** The value, or the empty text when the key is absent. */
	const FString& GetMetaData(FName Key) const;
	void SetMetaData(FName Key, FString Value) { Values.Add(Key, MoveTemp(Value)); }
	const TMap<FName, FString>& GetAllMetaData() const { return Values; }

private:
	TMap<FName, FString> Values;
};

/** A named type with properties: own ones in declaration order after those of its super type. */
class UStruct : public FReflectionMetaData
{
public:
	UStruct(const char* InName, UStruct* InSuper);
	UStruct(const UStruct&) = delete;
	UStruct& operator=(const UStruct&) = delete;
	virtual ~UStruct();

	/** The reflected name: the C++ name without its U/A/F prefix ("ZevoRemapAssetBase"). */
	FName GetFName() const { return Name; }
	FString GetName() const { return Name.ToString(); }
	UStruct* GetSuperStruct() const { return SuperStruct; }

	/** Every property, inherited first, each in declaration order. */
	const TArray<FProperty*>& GetProperties() const { return AllProperties; }
	FProperty* FindPropertyByName(FName PropertyName) const;

	/** Called once while the type is being declared; takes ownership. */
	FProperty& AddProperty(std::unique_ptr<FProperty> Property);

private:
	FName Name;
	UStruct* SuperStruct;
	TArray<std::unique_ptr<FProperty>> OwnProperties;
	TArray<FProperty*> AllProperties;
};

/** A type's reflected name: its C++ name without the one-letter prefix (UObject is "Object"). */
#define ZEVO_REFLECTED_NAME(TypeName) (&#TypeName[1])

enum EClassFlags : uint32
{
	CLASS_None = 0,
	CLASS_Abstract = 1u << 0,
	CLASS_Config = 1u << 1,
	CLASS_DefaultConfig = 1u << 2,
	CLASS_EditInlineNew = 1u << 3,
};

class UClass : public UStruct
{
public:
	using FFactory = UObject* (*)();

	UClass(const char* InName, UClass* InSuper, FFactory InFactory, uint32 InFlags);

	UClass* GetSuperClass() const { return static_cast<UClass*>(GetSuperStruct()); }
	bool IsChildOf(const UClass* Other) const;
	bool HasAnyClassFlags(uint32 Flags) const { return (ClassFlags & Flags) != 0; }
	/** A new instance, or null for an abstract class. */
	UObject* CreateInstance() const;
	/** The class default object, made on first use (thread-safe) and kept for the process. */
	UObject* GetDefaultObject() const;

	/** Every class declared so far, by reflected name. */
	static UClass* FindClass(FName Name);
	/**
	 * The class whose instance this thread is constructing right now (innermost), or null.
	 * Constructor-time finders name it in their failure message.
	 */
	static const UClass* GetConstructingClass();

private:
	UObject* Construct() const;

	FFactory Factory;
	uint32 ClassFlags;
};

/** How to make, copy and destroy one value of a reflected C++ type in raw memory. */
struct FValueOps
{
	int32 Size;
	int32 Alignment;
	void (*Construct)(void* Value);
	void (*Destruct)(void* Value);
	void (*Copy)(void* Dest, const void* Source);
};

template <typename T>
const FValueOps& GetValueOps()
{
	static const FValueOps Ops{
		static_cast<int32>(sizeof(T)),
		static_cast<int32>(alignof(T)),
		[](void* Value) { new (Value) T(); },
		[](void* Value) { static_cast<T*>(Value)->~T(); },
		[](void* Dest, const void* Source) { *static_cast<T*>(Dest) = *static_cast<const T*>(Source); },
	};
	return Ops;
}

class UScriptStruct : public UStruct
{
public:
	UScriptStruct(const char* InName, const FValueOps& InOps);

	const FValueOps& GetOps() const { return Ops; }
	int32 GetStructureSize() const { return Ops.Size; }

	/** Every structure declared so far, by reflected name. */
	static UScriptStruct* FindStruct(FName Name);

private:
	const FValueOps& Ops;
};

/**
 * The reflection of a structure type, defined by ZEVO_REFLECT_STRUCT beside the structure.
 * A header that offers a reflected structure declares it with ZEVO_DECLARE_STRUCT.
 */
template <typename T>
struct TBaseStructure
{
	static UScriptStruct* Get();
};

#define ZEVO_DECLARE_STRUCT(StructName) ZEVO_GENERATED_STRUCT(StructName)
/** The same, as the header tool writes it: the engine-surface build lets only generated code use it. */
#define ZEVO_GENERATED_STRUCT(StructName) \
	template <> \
	UScriptStruct* TBaseStructure<StructName>::Get();

// The host's own value types, reflected as the engine reflects them.
ZEVO_DECLARE_STRUCT(FVector)
ZEVO_DECLARE_STRUCT(FQuat)
ZEVO_DECLARE_STRUCT(FTransform)
ZEVO_DECLARE_STRUCT(FLinearColor)
