#include "AssetUndoHistory.h"

#include "AssetFile.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "Misc/TransactionBuffer.h"
#include "UObject/Package.h"

#include <filesystem>

namespace
{
/** FNV-1a over the bytes, as 16 hex digits: names a revision, no security meant. */
FString RevisionOf(const uint8* Bytes, int32 Count)
{
	uint64 Hash = 0xcbf29ce484222325ull;
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Hash = (Hash ^ Bytes[Index]) * 0x100000001b3ull;
	}
	return FString::Printf("%016llx", static_cast<unsigned long long>(Hash));
}

/** Saved/Undo/Game/Hero/Remap: the histories are this plus ".<revision>.json". */
FString HistoryStem(const FAssetPathArgument& Path)
{
	return (FPaths::ProjectSavedDir() / "Undo") + Path.Package;
}

FString HistoryFile(const FAssetPathArgument& Path, const FString& Revision)
{
	return HistoryStem(Path) + "." + Revision + ".json";
}

/** Every history of the asset but the one named Keep (and the unnamed one earlier runs wrote). */
void RemoveHistoriesOtherThan(const FAssetPathArgument& Path, const FString& Keep)
{
	const std::filesystem::path Stem(*HistoryStem(Path));
	const std::string Prefix = Stem.filename().string() + ".";
	const std::string Kept = std::filesystem::path(*HistoryFile(Path, Keep)).filename().string();
	std::error_code Error;
	for (const auto& Entry : std::filesystem::directory_iterator(Stem.parent_path(), Error))
	{
		const std::string Name = Entry.path().filename().string();
		const bool bHistory = Name.rfind(Prefix, 0) == 0 && Name.size() == Prefix.size() + 16 + 5 && Name.ends_with(".json");
		if ((bHistory && Name != Kept) || Name == Prefix + "json")
		{
			std::filesystem::remove(Entry.path(), Error);
		}
	}
}
}

void FAssetUndoHistory::Load(const FAssetPathArgument& Path)
{
	FTransactionBuffer::Get().Reset();
	FString AssetFilename;
	TArray<uint8> Bytes;
	if (!FPackageName::TryConvertLongPackageNameToFilename(Path.Package, AssetFilename) || !FFileHelper::LoadFileToArray(Bytes, *AssetFilename))
	{
		return;
	}
	const FString History = HistoryFile(Path, RevisionOf(Bytes.GetData(), Bytes.Num()));
	// A history from before histories were named after their asset is trusted as it always was.
	const FString Unnamed = HistoryStem(Path) + ".json";
	if (FPaths::FileExists(History) || FPaths::FileExists(Unnamed))
	{
		FTransactionBuffer::Get().LoadFromFile(FPaths::FileExists(History) ? History : Unnamed);
	}
}

bool FAssetUndoHistory::SaveWithAsset(const UObject& Asset, const FAssetPathArgument& Path, FString& OutError)
{
	const FString Text = FAssetFile::ToJson(Asset);
	const FString Revision = RevisionOf(reinterpret_cast<const uint8*>(*Text), Text.Len());
	if (!FTransactionBuffer::Get().SaveToFile(HistoryFile(Path, Revision)))
	{
		OutError = FString::Printf("the undo history of %s could not be written, so the asset was not saved", *Path.ObjectPath());
		return false;
	}
	if (!FAssetFile::SaveObject(Asset))
	{
		OutError = FString::Printf("could not save %s", *Path.ObjectPath());
		return false;
	}
	RemoveHistoriesOtherThan(Path, Revision);
	return true;
}
