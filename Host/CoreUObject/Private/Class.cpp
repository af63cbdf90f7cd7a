#include "UObject/Class.h"

#include "UObject/Object.h"
#include "UObject/UnrealType.h"

#include <mutex>

namespace
{
template <typename TypeClass>
struct TRegistry
{
	std::mutex Mutex;
	TMap<FName, TypeClass*> Types;

	void Add(FName Name, TypeClass* Type)
	{
		std::lock_guard Lock(Mutex);
		Types.Add(Name, Type);
	}
	TypeClass* Find(FName Name)
	{
		std::lock_guard Lock(Mutex);
		TypeClass** Found = Types.Find(Name);
		return Found ? *Found : nullptr;
	}
};

TRegistry<UClass>& Classes()
{
	static TRegistry<UClass> Registry;
	return Registry;
}

TRegistry<UScriptStruct>& Structs()
{
	static TRegistry<UScriptStruct> Registry;
	return Registry;
}

// Recursive: a default object's constructor may ask for another class's default object.
std::recursive_mutex& DefaultObjectMutex()
{
	static std::recursive_mutex Mutex;
	return Mutex;
}

// Default objects live as long as the process: the table is never destroyed, so that they stay
// reachable (and are not reported as leaks) while static destructors run at exit.
TMap<const UClass*, UObject*>& DefaultObjects()
{
	static TMap<const UClass*, UObject*>* const Objects = new TMap<const UClass*, UObject*>();
	return *Objects;
}

// Constructors may construct other objects (a finder loading an asset), hence a stack.
thread_local TArray<const UClass*> ConstructingClasses;
}

const FString& FReflectionMetaData::GetMetaData(FName Key) const
{
	static const FString Empty;
	const FString* Found = Values.Find(Key);
	return Found ? *Found : Empty;
}

UStruct::UStruct(const char* InName, UStruct* InSuper) : Name(InName), SuperStruct(InSuper)
{
	if (SuperStruct)
	{
		AllProperties = SuperStruct->GetProperties();
	}
}

UStruct::~UStruct() = default;

FProperty* UStruct::FindPropertyByName(FName PropertyName) const
{
	for (FProperty* Property : AllProperties)
	{
		if (Property->GetFName() == PropertyName)
		{
			return Property;
		}
	}
	return nullptr;
}

FProperty& UStruct::AddProperty(std::unique_ptr<FProperty> Property)
{
	FProperty& Added = *Property;
	AllProperties.Add(&Added);
	OwnProperties.Add(MoveTemp(Property));
	return Added;
}

UClass::UClass(const char* InName, UClass* InSuper, FFactory InFactory, uint32 InFlags)
	: UStruct(InName, InSuper), Factory(InFactory), ClassFlags(InFlags)
{
	Classes().Add(GetFName(), this);
}

bool UClass::IsChildOf(const UClass* Other) const
{
	for (const UClass* Class = this; Class; Class = Class->GetSuperClass())
	{
		if (Class == Other)
		{
			return true;
		}
	}
	return false;
}

UObject* UClass::Construct() const
{
	if (!Factory)
	{
		return nullptr;
	}
	ConstructingClasses.Add(this);
	UObject* Object = Factory();
	ConstructingClasses.Pop();
	return Object;
}

UObject* UClass::CreateInstance() const
{
	return HasAnyClassFlags(CLASS_Abstract) ? nullptr : Construct();
}

UObject* UClass::GetDefaultObject() const
{
	std::lock_guard Lock(DefaultObjectMutex());
	if (UObject** Found = DefaultObjects().Find(this))
	{
		return *Found;
	}
	UObject* Object = Construct();
	if (Object)
	{
		Object->Rename(FName(*FString::Printf("Default__%s", *GetName())));
	}
	DefaultObjects().Add(this, Object);
	return Object;
}

UClass* UClass::FindClass(FName Name)
{
	return Classes().Find(Name);
}

const UClass* UClass::GetConstructingClass()
{
	return ConstructingClasses.IsEmpty() ? nullptr : ConstructingClasses.Last();
}

UScriptStruct::UScriptStruct(const char* InName, const FValueOps& InOps) : UStruct(InName, nullptr), Ops(InOps)
{
	Structs().Add(GetFName(), this);
}

UScriptStruct* UScriptStruct::FindStruct(FName Name)
{
	return Structs().Find(Name);
}
