#pragma once
// Importing a skeleton file as an asset of the project: the skeleton is read (SkeletonImporter.h),
// placed at an object path under /Game/ and saved as that asset's JSON file, so that later runs
// load it like any other asset.
// Host only, as this whole module: the engine reads its assets in modules of its own.
#include "HAL/Platform.h"
#if ZEVO_HOST_EXTENSIONS
#include "Animation/Skeleton.h"

struct FSkeletonAssetImportResult
{
	/** The new asset, owned by its package; null when the import failed. */
	USkeleton* Skeleton = nullptr;
	/** Empty on success; otherwise one line saying what failed and why. */
	FString Error;
};

/**
 * Imports File as the skeleton asset at ProjectAssetPath ("/Game/Characters/Hero" or
 * "/Game/Characters/Hero.Hero"), writing <project>/Content/Characters/Hero.json (replacing an
 * older file of that name). On failure nothing is created: no object and no file.
 */
FSkeletonAssetImportResult ImportSkeletonAsset(const FString& File, const FString& ProjectAssetPath);
#endif
