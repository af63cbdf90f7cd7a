#pragma once
// UObject: an engine object with a class (UObject/Class.h), a name, an outer and a path.
// Classes declare themselves as the engine's do, with UCLASS and GENERATED_BODY() read by the
// header tool (UObject/ObjectMacros.h); the host's own classes may still use what the tool
// writes for them by hand, ZEVO_CLASS and ZEVO_IMPLEMENT_CLASS or ZEVO_REFLECT_CLASS.
// Knowingly different from the engine: there is no garbage collector: an object made by
// NewObject is owned by its outer and lives as long as it; one made with `new` or on the stack
// belongs to whoever made it.
#include "CoreMinimal.h"
#include "UObject/Class.h"
#include "UObject/ObjectPtr.h"

#include <memory>

struct FPropertyChangedEvent;

namespace ZevoReflection
{
template <typename OwnerType>
class TTypeBuilder;
}

class UObject
{
public:
	UObject();
	UObject(const UObject&) = delete;
	UObject& operator=(const UObject&) = delete;
	virtual ~UObject();

	static UClass* StaticClass();
	virtual UClass* GetClass() const { return StaticClass(); }

	FName GetFName() const { return ObjectName; }
	FString GetName() const { return ObjectName.ToString(); }
	void Rename(FName NewName) { ObjectName = NewName; }
	UObject* GetOuter() const { return Outer; }
	void SetOuter(UObject* NewOuter) { Outer = NewOuter; }
	/**
	 * "/Game/Foo/Bar.Bar" for an asset (its outer is the package "/Game/Foo/Bar"),
	 * "<outer path>:Name" for an object inside another, the bare name without an outer.
	 */
	FString GetPathName() const;
	bool IsA(const UClass* Class) const { return GetClass()->IsChildOf(Class); }
	template <typename T>
	bool IsA() const { return IsA(T::StaticClass()); }
	/** A number no other object of this process ever had; weak object pointers compare it. */
	uint64 GetSerialNumber() const { return SerialNumber; }

	/**
	 * Records this object's reflected, non-transient state in the open undo transaction before a
	 * change (Misc/TransactionBuffer.h); outside a transaction it records a transaction of its own.
	 * True when a record was made (the first Modify of an object per transaction records).
	 */
	bool Modify();

#if WITH_EDITOR
	/**
	 * Called by the property editor before it changes a property of this object, with the
	 * object's own (member) property that holds the change. Editor builds only.
	 */
	virtual void PreEditChange(FProperty* PropertyAboutToChange) {}
	/** Called by the property editor after it changed a property of this object. Editor builds only. */
	virtual void PostEditChangeProperty(FPropertyChangedEvent& PropertyChangedEvent) {}
	/**
	 * Called after an undo restored this object's reflected state. As in the engine, the default
	 * sends PostEditChangeProperty an event that names no property; an object whose caches derive
	 * from its properties overrides this to invalidate them. Editor builds only.
	 */
	virtual void PostEditUndo();
#endif
	/**
	 * Called by the asset loader after it read this object's reflected properties from its file.
	 * An object whose other state derives from those properties rebuilds (and checks) it here.
	 */
	virtual void PostLoad() {}

	/** Takes ownership of an object whose outer this is (NewObject calls it). */
	void AdoptInner(std::unique_ptr<UObject> Inner);
	/** The objects this object owns, in the order they were made. */
	TArray<UObject*> GetInnerObjects() const;
	/** The owned object of that name, or null. */
	UObject* FindInnerObject(FName InnerName) const;

private:
	FName ObjectName;
	UObject* Outer = nullptr;
	uint64 SerialNumber;
	TArray<std::unique_ptr<UObject>> InnerObjects;
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

/**
 * Inside the class body: declares StaticClass and GetClass, and lets the class's reflection
 * (ZEVO_REFLECT_CLASS) reach private members.
 */
#define ZEVO_CLASS(ThisClassName, SuperClassName) \
	friend void ZevoDeclareReflection(ZevoReflection::TTypeBuilder<ThisClassName>& Builder); \
\
public: \
	using ThisClass = ThisClassName; \
	using Super = SuperClassName; \
	static UClass* StaticClass(); \
	UClass* GetClass() const override { return StaticClass(); }

/** In one source file: defines the class object. Flags are EClassFlags. */
#define ZEVO_IMPLEMENT_CLASS(ThisClassName, Flags) \
	UClass* ThisClassName::StaticClass() \
	{ \
		static UClass Class(ZEVO_REFLECTED_NAME(ThisClassName), ThisClassName::Super::StaticClass(), &ZevoReflection::MakeInstance<ThisClassName>, \
			(Flags) | (std::is_abstract_v<ThisClassName> ? CLASS_Abstract : CLASS_None)); \
		return &Class; \
	} \
	ZEVO_REGISTER_CLASS_ON_LOAD(ThisClassName)

/**
 * Makes the class known by name (UClass::FindClass) as soon as its library is loaded, so that a
 * file naming the class (an asset, a level) can be read before any code has used the class.
 */
#define ZEVO_REGISTER_CLASS_ON_LOAD(ThisClassName) \
	[[maybe_unused]] static UClass* const ZevoClassRegistration_##ThisClassName = ThisClassName::StaticClass();
