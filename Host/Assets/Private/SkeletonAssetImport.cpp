#include "SkeletonAssetImport.h"

#include "AssetFile.h"
#include "SkeletonImporter.h"
#include "UObject/UObjectGlobals.h"

FSkeletonAssetImportResult ImportSkeletonAsset(const FString& File, const FString& ProjectAssetPath)
{
	FSkeletonAssetImportResult Result;
	FString PackageName, ObjectName, Reason;
	if (!FPackageName::SplitObjectPath(ProjectAssetPath, PackageName, ObjectName, &Reason))
	{
		Result.Error = FString::Printf("Cannot import skeleton as '%s': %s", *ProjectAssetPath, *Reason);
		return Result;
	}
	if (!PackageName.StartsWith("/Game/", ESearchCase::CaseSensitive))
	{
		Result.Error = FString::Printf("Cannot import skeleton as '%s': skeletons are imported into the project, under /Game/",
			*ProjectAssetPath);
		return Result;
	}
	const FString ObjectPath = PackageName + "." + ObjectName;
	if (StaticFindObject(UObject::StaticClass(), ObjectPath))
	{
		Result.Error = FString::Printf("Cannot import skeleton as '%s': that asset is already loaded", *ObjectPath);
		return Result;
	}

	FSkeletonImportResult Imported = ImportSkeletonFromFile(File, FName(*ObjectName));
	if (!Imported.Skeleton)
	{
		Result.Error = Imported.Error;
		return Result;
	}
	// Written first and then loaded like any asset, so that the object the project holds is the
	// one its file describes, and a failed write leaves no object behind.
	Imported.Skeleton->SetOuter(CreatePackage(PackageName));
	if (!FAssetFile::SaveObject(*Imported.Skeleton))
	{
		Result.Error = FString::Printf("Cannot import skeleton as '%s': the asset file could not be written", *ObjectPath);
		return Result;
	}
	Result.Skeleton = LoadObject<USkeleton>(nullptr, ObjectPath);
	if (!Result.Skeleton)
	{
		Result.Error = FString::Printf("Cannot import skeleton as '%s': the asset file was written but does not load", *ObjectPath);
	}
	return Result;
}
