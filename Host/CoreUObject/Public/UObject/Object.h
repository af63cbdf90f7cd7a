#pragma once
// UObject and UClass: engine objects with a class that knows its name, its super class and how to
// make an instance, and a class default object per class.
// Knowingly different from the engine: classes declare themselves with ZEVO_CLASS /
// ZEVO_IMPLEMENT_CLASS instead of UCLASS/GENERATED_BODY and a header generator, and objects are
// owned by whoever made them (there is no garbage collector).
#include "CoreMinimal.h"

class UObject;
struct FPropertyChangedEvent;

enum EClassFlags : uint32
{
	CLASS_None = 0,
	CLASS_Abstract = 1u << 0,
	CLASS_Config = 1u << 1,
	CLASS_DefaultConfig = 1u << 2,
	CLASS_EditInlineNew = 1u << 3,
};

class UClass
{
public:
	using FFactory = UObject* (*)();

	UClass(const char* InName, UClass* InSuper, FFactory InFactory, uint32 InFlags);
	UClass(const UClass&) = delete;
	UClass& operator=(const UClass&) = delete;

	/** The reflected name: the C++ name without its U/A prefix ("ZevoRemapAssetBase"). */
	FName GetFName() const { return Name; }
	FString GetName() const { return Name.ToString(); }
	UClass* GetSuperClass() const { return Super; }
	bool IsChildOf(const UClass* Other) const;
	bool HasAnyClassFlags(uint32 Flags) const { return (ClassFlags & Flags) != 0; }
	/** A new instance, or null for an abstract class. */
	UObject* CreateInstance() const { return Factory && !HasAnyClassFlags(CLASS_Abstract) ? Factory() : nullptr; }
	/** The class default object, made on first use (thread-safe) and kept for the process. */
	UObject* GetDefaultObject() const;

	/** Every class declared so far, by reflected name. */
	static UClass* FindClass(FName Name);

private:
	FName Name;
	UClass* Super;
	FFactory Factory;
	uint32 ClassFlags;
};

class UObject
{
public:
	UObject() = default;
	UObject(const UObject&) = delete;
	UObject& operator=(const UObject&) = delete;
	virtual ~UObject() = default;

	static UClass* StaticClass();
	virtual UClass* GetClass() const { return StaticClass(); }

	FName GetFName() const { return ObjectName; }
	FString GetName() const { return ObjectName.ToString(); }
	void Rename(FName NewName) { ObjectName = NewName; }
	UObject* GetOuter() const { return Outer; }
	void SetOuter(UObject* NewOuter) { Outer = NewOuter; }
	bool IsA(const UClass* Class) const { return GetClass()->IsChildOf(Class); }
	template <typename T>
	bool IsA() const { return IsA(T::StaticClass()); }

	/** Called by the property editor after it changed a property of this object. */
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) {}

private:
	FName ObjectName;
	UObject* Outer = nullptr;
};

template <typename T>
T* Cast(UObject* Object)
{
	return Object && Object->IsA(T::StaticClass()) ? static_cast<T*>(Object) : nullptr;
}

template <typename T>
const T* Cast(const UObject* Object)
{
	return Object && Object->IsA(T::StaticClass()) ? static_cast<const T*>(Object) : nullptr;
}

template <typename T>
T* GetMutableDefault()
{
	return static_cast<T*>(T::StaticClass()->GetDefaultObject());
}

template <typename T>
const T* GetDefault()
{
	return GetMutableDefault<T>();
}

/** A class pointer restricted to T and its subclasses; null when none. */
template <typename T>
class TSubclassOf
{
public:
	TSubclassOf() = default;
	TSubclassOf(UClass* InClass) : Class(InClass && InClass->IsChildOf(T::StaticClass()) ? InClass : nullptr) {}
	UClass* Get() const { return Class; }
	operator UClass*() const { return Class; }
	UClass* operator->() const { return Class; }
	friend bool operator==(const TSubclassOf& A, const TSubclassOf& B) { return A.Class == B.Class; }

private:
	UClass* Class = nullptr;
};

namespace ZevoReflection
{
template <typename T>
UObject* MakeInstance()
{
	if constexpr (std::is_abstract_v<T> || !std::is_default_constructible_v<T>)
	{
		return nullptr;
	}
	else
	{
		return new T();
	}
}
}

/** Inside the class body: declares StaticClass and GetClass. */
#define ZEVO_CLASS(ThisClassName, SuperClassName) \
public: \
	using ThisClass = ThisClassName; \
	using Super = SuperClassName; \
	static UClass* StaticClass(); \
	UClass* GetClass() const override { return StaticClass(); }

/** In one source file: defines the class object. Flags are EClassFlags. */
#define ZEVO_IMPLEMENT_CLASS(ThisClassName, Flags) \
	UClass* ThisClassName::StaticClass() \
	{ \
		static UClass Class(#ThisClassName + 1, ThisClassName::Super::StaticClass(), &ZevoReflection::MakeInstance<ThisClassName>, \
			(Flags) | (std::is_abstract_v<ThisClassName> ? CLASS_Abstract : CLASS_None)); \
		return &Class; \
	}
