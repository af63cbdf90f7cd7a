#include "UObject/Package.h"

#include "Misc/Paths.h"
#include "ObjectLock.h"

#include <memory>

ZEVO_IMPLEMENT_CLASS(UPackage, CLASS_None)

namespace
{
TMap<FString, std::unique_ptr<UPackage>>& Packages()
{
	static TMap<FString, std::unique_ptr<UPackage>> Map;
	return Map;
}

/** Root ("/Engine/") to folder; "/Game/" follows the project folder, which tests change. */
TMap<FString, FString>& MountPoints()
{
	static TMap<FString, FString> Map{{"/Engine/", FPaths::EngineContentDir()}};
	return Map;
}

bool FindMountPoint(const FString& PackageName, FString& OutRoot, FString& OutDir)
{
	if (PackageName.StartsWith("/Game/", ESearchCase::CaseSensitive))
	{
		OutRoot = "/Game/";
		OutDir = FPaths::ProjectContentDir();
		return true;
	}
	for (const auto& Pair : MountPoints())
	{
		if (PackageName.StartsWith(Pair.Key, ESearchCase::CaseSensitive))
		{
			OutRoot = Pair.Key;
			OutDir = Pair.Value;
			return true;
		}
	}
	return false;
}

bool IsValidNameCharacter(char C)
{
	return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || FChar::IsDigit(C) || C == '_' || C == '-'
		|| static_cast<unsigned char>(C) >= 0x80;
}

bool IsValidObjectName(const FString& Name)
{
	for (int32 Index = 0; Index < Name.Len(); ++Index)
	{
		if (!IsValidNameCharacter(Name[Index]))
		{
			return false;
		}
	}
	return !Name.IsEmpty();
}
}

UPackage* CreatePackage(const FString& PackageName)
{
	std::lock_guard Lock(FObjectLock::Get());
	if (std::unique_ptr<UPackage>* Found = Packages().Find(PackageName))
	{
		return Found->get();
	}
	auto Package = std::make_unique<UPackage>();
	Package->Rename(FName(PackageName));
	UPackage* Made = Package.get();
	Packages().Add(PackageName, MoveTemp(Package));
	return Made;
}

UPackage* FindPackage(const FString& PackageName)
{
	std::lock_guard Lock(FObjectLock::Get());
	std::unique_ptr<UPackage>* Found = Packages().Find(PackageName);
	return Found ? Found->get() : nullptr;
}

UPackage* GetTransientPackage()
{
	static UPackage* Transient = CreatePackage("/Engine/Transient");
	return Transient;
}

void FPackageName::RegisterMountPoint(const FString& RootPath, const FString& ContentPath)
{
	std::lock_guard Lock(FObjectLock::Get());
	MountPoints().Add(RootPath, ContentPath);
}

void FPackageName::UnRegisterMountPoint(const FString& RootPath)
{
	std::lock_guard Lock(FObjectLock::Get());
	MountPoints().Remove(RootPath);
}

bool FPackageName::IsValidLongPackageName(const FString& PackageName, FString* OutReason)
{
	FString Root, Dir;
	bool bMounted;
	{
		std::lock_guard Lock(FObjectLock::Get());
		bMounted = FindMountPoint(PackageName, Root, Dir);
	}
	FString Reason;
	if (!bMounted)
	{
		Reason = "it does not start with a known mount point such as /Game/";
	}
	else
	{
		TArray<FString> Segments;
		PackageName.RightChop(Root.Len()).ParseIntoArray(Segments, "/", false);
		if (Segments.IsEmpty())
		{
			Reason = "it names no asset after its mount point";
		}
		for (const FString& Segment : Segments)
		{
			if (!IsValidObjectName(Segment))
			{
				Reason = "its folder and asset names may hold only letters, digits, '_' and '-'";
				break;
			}
		}
	}
	if (OutReason)
	{
		*OutReason = Reason;
	}
	return Reason.IsEmpty();
}

bool FPackageName::TryConvertLongPackageNameToFilename(const FString& PackageName, FString& OutFilename, const FString& Extension)
{
	FString Root, Dir;
	if (!IsValidLongPackageName(PackageName))
	{
		return false;
	}
	{
		std::lock_guard Lock(FObjectLock::Get());
		FindMountPoint(PackageName, Root, Dir);
	}
	OutFilename = (Dir / PackageName.RightChop(Root.Len())) + Extension;
	return true;
}

FString FPackageName::GetLongPackageAssetName(const FString& PackageName)
{
	return FPaths::GetCleanFilename(PackageName);
}

bool FPackageName::DoesPackageExist(const FString& PackageName, FString* OutFilename)
{
	FString Filename;
	if (!TryConvertLongPackageNameToFilename(PackageName, Filename))
	{
		return false;
	}
	if (OutFilename)
	{
		*OutFilename = Filename;
	}
	return FPaths::FileExists(Filename);
}

bool FPackageName::SplitObjectPath(const FString& ObjectPath, FString& OutPackageName, FString& OutObjectName, FString* OutReason)
{
	FString Path = ObjectPath.TrimStartAndEnd();
	const int32 Quote = Path.Find("'", ESearchCase::CaseSensitive);
	if (Quote != INDEX_NONE && Path.Len() > Quote + 1 && Path.EndsWith("'"))
	{
		Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
	}
	FString Package = Path, Object;
	if (!Path.Split(".", &Package, &Object, ESearchCase::CaseSensitive))
	{
		Object = GetLongPackageAssetName(Path);
	}
	FString Reason;
	if (!IsValidLongPackageName(Package, &Reason))
	{
		if (OutReason)
		{
			*OutReason = Reason;
		}
		return false;
	}
	if (!IsValidObjectName(Object))
	{
		if (OutReason)
		{
			*OutReason = "the object name after the '.' may hold only letters, digits, '_' and '-'";
		}
		return false;
	}
	OutPackageName = Package;
	OutObjectName = Object;
	return true;
}
