#include "UObject/UObjectGlobals.h"

#include "ObjectLock.h"
#include "UObject/ConstructorHelpers.h"

namespace
{
FAssetLoadFunction GAssetLoader = nullptr;

/** The next suffix to try for each class's made-up names, so that naming stays cheap. */
TMap<const UClass*, int32>& NextNameSuffix()
{
	static TMap<const UClass*, int32> Suffixes;
	return Suffixes;
}

FString ClassNameOf(const UClass* Class)
{
	return Class ? Class->GetName() : FString("None");
}
}

UObject* StaticConstructObject(UClass* Class, UClass* RequiredClass, UObject* Outer, FName Name)
{
	if (!Class || !Class->IsChildOf(RequiredClass) || Class->HasAnyClassFlags(CLASS_Abstract))
	{
		UE_LOG(LogTemp, Error, "NewObject: cannot make an object of class %s as a %s (missing, abstract or unrelated class)",
			*ClassNameOf(Class), *ClassNameOf(RequiredClass));
		return nullptr;
	}
	if (!Outer)
	{
		Outer = GetTransientPackage();
	}
	std::lock_guard Lock(FObjectLock::Get());
	if (Name.IsNone())
	{
		int32& Suffix = NextNameSuffix().FindOrAdd(Class);
		do
		{
			Name = FName(FString::Printf("%s_%d", *Class->GetName(), Suffix++));
		} while (Outer->FindInnerObject(Name));
	}
	else if (Outer->FindInnerObject(Name))
	{
		UE_LOG(LogTemp, Error, "NewObject: %s already holds an object named %s", *Outer->GetPathName(), *Name.ToString());
		return nullptr;
	}
	std::unique_ptr<UObject> Object(Class->CreateInstance());
	if (!Object)
	{
		UE_LOG(LogTemp, Error, "NewObject: class %s cannot be instanced", *Class->GetName());
		return nullptr;
	}
	UObject* Made = Object.get();
	Made->Rename(Name);
	Outer->AdoptInner(MoveTemp(Object));
	return Made;
}

UObject* StaticFindObject(UClass* Class, const FString& ObjectPath)
{
	FString PackageName, ObjectName;
	if (!FPackageName::SplitObjectPath(ObjectPath, PackageName, ObjectName))
	{
		return nullptr;
	}
	std::lock_guard Lock(FObjectLock::Get());
	UPackage* Package = FindPackage(PackageName);
	UObject* Object = Package ? Package->FindInnerObject(FName(ObjectName)) : nullptr;
	return Object && (!Class || Object->IsA(Class)) ? Object : nullptr;
}

UObject* StaticLoadObject(UClass* Class, UObject* Outer, const FString& ObjectPath)
{
	FString PackageName, ObjectName, Reason;
	if (!FPackageName::SplitObjectPath(ObjectPath, PackageName, ObjectName, &Reason))
	{
		UE_LOG(LogTemp, Warning, "Invalid object path '%s': %s", *ObjectPath, *Reason);
		return nullptr;
	}
	std::lock_guard Lock(FObjectLock::Get());
	UPackage* Package = FindPackage(PackageName);
	UObject* Object = Package ? Package->FindInnerObject(FName(ObjectName)) : nullptr;
	if (!Object)
	{
		// A package's file holds its one asset, named after the package: "/Game/Hero/Remap.Other"
		// names nothing in Remap's file, and reading that file as "Other" would make a second object.
		const bool bAssetOfFile = ObjectName.Equals(FPackageName::GetLongPackageAssetName(PackageName), ESearchCase::IgnoreCase);
		FString Filename;
		if (!GAssetLoader || !bAssetOfFile || !FPackageName::DoesPackageExist(PackageName, &Filename))
		{
			UE_LOG(LogTemp, Warning, "Failed to find object '%s %s.%s'", *ClassNameOf(Class), *PackageName, *ObjectName);
			return nullptr;
		}
		Object = GAssetLoader(CreatePackage(PackageName), FName(ObjectName), Filename);
		if (!Object)
		{
			return nullptr;
		}
	}
	if (Class && !Object->IsA(Class))
	{
		UE_LOG(LogTemp, Warning, "Object '%s' is a %s, not a %s", *Object->GetPathName(), *Object->GetClass()->GetName(), *Class->GetName());
		return nullptr;
	}
	return Object;
}

void SetAssetLoader(FAssetLoadFunction Loader)
{
	std::lock_guard Lock(FObjectLock::Get());
	GAssetLoader = Loader;
}

UObject* ConstructorHelpers::FindOrLoadObject(UClass* Class, const FString& ObjectPath)
{
	UObject* Object = StaticLoadObject(Class, nullptr, ObjectPath);
	if (!Object)
	{
		UE_LOG(LogTemp, Error, "CDO Constructor (%s): Failed to find %s", *ClassNameOf(UClass::GetConstructingClass()), *ObjectPath);
	}
	return Object;
}
