#include "AssetArgument.h"

#include "UObject/Package.h"
#include "UObject/UObjectGlobals.h"
#include "ZevoRemapAssetBase.h"

bool FAssetPathArgument::Parse(const std::string& Text, FAssetPathArgument& OutPath, FString& OutError)
{
	const FString Path = FString(Text.c_str()).StartsWith("/") ? FString(Text.c_str()) : "/Game/" + FString(Text.c_str());
	FString Reason;
	if (!FPackageName::SplitObjectPath(Path, OutPath.Package, OutPath.Name, &Reason))
	{
		OutError = FString::Printf("'%s' is not an asset path: %s", Text.c_str(), *Reason);
		return false;
	}
	return true;
}

UZevoRemapAssetBase* LoadRemapAsset(const FAssetPathArgument& Path, FString& OutError)
{
	UZevoRemapAssetBase* Asset = LoadObject<UZevoRemapAssetBase>(nullptr, Path.ObjectPath());
	if (!Asset)
	{
		OutError = FString::Printf("no remap asset at %s", *Path.ObjectPath());
	}
	return Asset;
}
