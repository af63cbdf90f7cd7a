#pragma once
// Packages and package names. An asset "/Game/Foo/Bar.Bar" is the object Bar inside the package
// "/Game/Foo/Bar", whose file is <project>/Content/Foo/Bar.json. The part before the package's
// own path is a mount point: "/Game/" is the project's Content folder, "/Engine/" the host's
// engine content, and a plugin mounts its own ("/ZevoLiveLink/").
#include "UObject/Object.h"

/** The outer of an asset; its name is the long package name ("/Game/Foo/Bar"). */
class UPackage : public UObject
{
	ZEVO_CLASS(UPackage, UObject)
};

/**
 * The package of that name, made when it does not exist yet. Packages live for the process (they
 * are the loaded-object cache). Thread-safe, as are FindPackage and GetTransientPackage.
 */
UPackage* CreatePackage(const FString& PackageName);
UPackage* FindPackage(const FString& PackageName);
/** The outer of objects that belong to no asset ("/Engine/Transient"). */
UPackage* GetTransientPackage();

struct FPackageName
{
	/** Maps RootPath ("/ZevoLiveLink/") to a content folder; a later registration of the root replaces it. */
	static void RegisterMountPoint(const FString& RootPath, const FString& ContentPath);
	static void UnRegisterMountPoint(const FString& RootPath);

	/**
	 * Checks a long package name ("/Game/Foo/Bar"): a known mount point, then one or more
	 * non-empty segments of letters, digits, '_', '-' and spaces (so that no name leaves its
	 * content folder). OutReason says what is wrong.
	 */
	static bool IsValidLongPackageName(const FString& PackageName, FString* OutReason = nullptr);
	/** "/Game/Foo/Bar" -> "<project>/Content/Foo/Bar" + Extension; false for an invalid name. */
	static bool TryConvertLongPackageNameToFilename(const FString& PackageName, FString& OutFilename, const FString& Extension = ".json");
	/** The name of the one asset a package's file holds: "/Game/Foo/Bar" -> "Bar". */
	static FString GetLongPackageAssetName(const FString& PackageName);
	/** Whether the package has an asset file; OutFilename receives its name. False for an invalid name. */
	static bool DoesPackageExist(const FString& PackageName, FString* OutFilename = nullptr);

	/**
	 * Splits an object path into package and object name, as the engine's finders read it:
	 * "/Game/Foo/Bar.Bar", "/Game/Foo/Bar" (the object named after the package) and
	 * "Class'/Game/Foo/Bar.Bar'" all give ("/Game/Foo/Bar", "Bar"). False when the path is invalid.
	 */
	static bool SplitObjectPath(const FString& ObjectPath, FString& OutPackageName, FString& OutObjectName, FString* OutReason = nullptr);
};
