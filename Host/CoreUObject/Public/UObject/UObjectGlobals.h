#pragma once
// Making, finding and loading objects. Objects made here are owned by their outer (the
// transient package when none is given); assets are loaded once per process from their files
// by the asset loader (the Assets module installs it) and then found in their packages.
#include "UObject/Package.h"

/**
 * Makes an object of Class (RequiredClass or a subclass) inside Outer. A none name becomes
 * "Class_N". Null, with an error logged, when the class is missing, abstract or not a
 * RequiredClass, or the outer already holds an object of that name.
 */
UObject* StaticConstructObject(UClass* Class, UClass* RequiredClass, UObject* Outer, FName Name);

template <typename T>
T* NewObject(UObject* Outer = nullptr, UClass* Class = T::StaticClass(), FName Name = NAME_None)
{
	return static_cast<T*>(StaticConstructObject(Class, T::StaticClass(), Outer, Name));
}

/** An object already in memory (loaded or made), or null. Path as FPackageName::SplitObjectPath reads it. */
UObject* StaticFindObject(UClass* Class, const FString& ObjectPath);

/**
 * The object at ObjectPath, loading its asset file on first use. Null, with a warning naming the
 * path, when the path is invalid, the file is missing or unreadable, or the object is not a Class.
 * Outer is accepted as the engine takes it; paths here are always full.
 */
UObject* StaticLoadObject(UClass* Class, UObject* Outer, const FString& ObjectPath);

template <typename T>
T* LoadObject(UObject* Outer, const FString& ObjectPath)
{
	return static_cast<T*>(StaticLoadObject(T::StaticClass(), Outer, ObjectPath));
}

template <typename T>
T* FindObject(UObject* Outer, const FString& ObjectPath)
{
	return static_cast<T*>(StaticFindObject(T::StaticClass(), ObjectPath));
}

/**
 * Reads the asset ObjectName of the package from Filename into a new object inside Package, and
 * returns it (null on failure, having logged why). Installed once by the Assets module.
 */
using FAssetLoadFunction = UObject* (*)(UPackage* Package, FName ObjectName, const FString& Filename);
void SetAssetLoader(FAssetLoadFunction Loader);
