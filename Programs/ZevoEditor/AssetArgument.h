#pragma once
// Assets on the command line: "/Game/Hero/Remap", "/Game/Hero/Remap.Remap" and "Hero/Remap" all
// name the asset /Game/Hero/Remap.Remap.
#include "CoreMinimal.h"

#include <string>

class UZevoRemapAssetBase;

/** An asset path as typed on the command line, resolved. */
struct FAssetPathArgument
{
	FString Package;
	FString Name;

	FString ObjectPath() const { return Package + "." + Name; }

	/** Resolves Text; false with OutError when it is no asset path. */
	static bool Parse(const std::string& Text, FAssetPathArgument& OutPath, FString& OutError);
};

/** The remap asset at Path, loaded from the project; null with OutError saying why. */
UZevoRemapAssetBase* LoadRemapAsset(const FAssetPathArgument& Path, FString& OutError);
