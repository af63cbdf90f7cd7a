#include "UObject/Object.h"

#include <mutex>

namespace
{
std::mutex& RegistryMutex()
{
	static std::mutex Mutex;
	return Mutex;
}

TMap<FName, UClass*>& Registry()
{
	static TMap<FName, UClass*> Classes;
	return Classes;
}

std::mutex& DefaultObjectMutex()
{
	static std::mutex Mutex;
	return Mutex;
}

// Default objects live as long as the process: the table is never destroyed, so that they stay
// reachable (and are not reported as leaks) while static destructors run at exit.
TMap<const UClass*, UObject*>& DefaultObjects()
{
	static TMap<const UClass*, UObject*>* const Objects = new TMap<const UClass*, UObject*>();
	return *Objects;
}
}

UClass::UClass(const char* InName, UClass* InSuper, FFactory InFactory, uint32 InFlags)
	: Name(InName), Super(InSuper), Factory(InFactory), ClassFlags(InFlags)
{
	std::lock_guard Lock(RegistryMutex());
	Registry().Add(Name, this);
}

bool UClass::IsChildOf(const UClass* Other) const
{
	for (const UClass* Class = this; Class; Class = Class->Super)
	{
		if (Class == Other)
		{
			return true;
		}
	}
	return false;
}

UObject* UClass::GetDefaultObject() const
{
	std::lock_guard Lock(DefaultObjectMutex());
	if (UObject** Found = DefaultObjects().Find(this))
	{
		return *Found;
	}
	UObject* Object = Factory ? Factory() : nullptr;
	if (Object)
	{
		Object->Rename(FName(*FString::Printf("Default__%s", *GetName())));
	}
	DefaultObjects().Add(this, Object);
	return Object;
}

UClass* UClass::FindClass(FName Name)
{
	std::lock_guard Lock(RegistryMutex());
	UClass** Found = Registry().Find(Name);
	return Found ? *Found : nullptr;
}

UClass* UObject::StaticClass()
{
	static UClass Class("Object", nullptr, &ZevoReflection::MakeInstance<UObject>, CLASS_None);
	return &Class;
}
