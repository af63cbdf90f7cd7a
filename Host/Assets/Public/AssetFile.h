#pragma once
// The host's asset files, a module of the host alone: the engine reads and writes its assets, and
// imports skeletons, inside its own modules, in formats of its own. It provides no engine names:
// FAssetFile (this header) reads and writes one object as JSON, FLevelFile a world's actors
// (LevelFile.h), and the skeleton import (SkeletonImporter.h, SkeletonAssetImport.h) reads FBX,
// glTF and BVH armatures into skeleton assets. Nothing here exists in the
// engine-surface build.
//
// Asset files: one object's reflected, non-transient properties as JSON, written and read through
// the reflection, so that what the property editor shows is exactly what is saved:
//   {"Class": "ZevoRemapAsset", "Properties": {"TargetSkeleton": "/Game/Hero/Skeleton.Skeleton",
//    "GroundOffset": 2.5, "LegBones": [{"SourceBone": "LeftHip", "TargetBone": "thigh_l"}, ...]}}
// Numbers are JSON numbers, bools booleans, names, strings and enum values strings, object
// references paths (null when none), structures objects and arrays arrays.
// Reading is forgiving: bad JSON or an unknown class loads nothing; an unknown property, a wrongly
// typed value or a missing referenced asset is reported with the file and the field and skipped,
// and everything else loads. Loading this module installs the loader that LoadObject uses.
// Host only, as this whole module: the engine reads its assets in modules of its own.
#include "HAL/Platform.h"
#if ZEVO_HOST_EXTENSIONS
#include "UObject/UObjectGlobals.h"

struct FAssetFile
{
	/** The object as asset JSON text. */
	static FString ToJson(const UObject& Object);

	/**
	 * Writes the object to its package's file ("/Game/Foo/Bar" -> <project>/Content/Foo/Bar.json),
	 * atomically. False, with an error, when its outer is not a package with a valid name, the
	 * object is not named after the package (it could never be loaded by its path), or the write
	 * fails.
	 */
	static bool SaveObject(const UObject& Object);
	static bool SaveObjectToFile(const UObject& Object, const FString& Filename);

	/**
	 * Makes the object that the text describes inside Outer under ObjectName, reads its
	 * properties and then calls its PostLoad; SourceName (the file) starts every error line. Null
	 * when the text is not an asset of a known, instanceable class.
	 */
	static UObject* LoadFromString(const FString& Text, const FString& SourceName, UObject* Outer, FName ObjectName);
	/** The same for a file; null, with an error, when it cannot be read. */
	static UObject* LoadFromFile(const FString& Filename, UObject* Outer, FName ObjectName);
};
#endif
