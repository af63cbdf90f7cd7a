#include "RemapCommand.h"

#include "AssetFile.h"
#include "ExitCodes.h"
#include "HAL/PlatformFileManager.h"
#include "Misc/Paths.h"
#include "PropertyHandle.h"
#include "ScopedTransaction.h"
#include "UObject/UObjectGlobals.h"
#include "ZevoRemapAsset.h"

#include <cstdio>
#include <nlohmann/json.hpp>

namespace
{
FString HistoryFile()
{
	return FPaths::ProjectSavedDir() / "Undo/History.json";
}

/** "/Game/Hero/Remap", "/Game/Hero/Remap.Remap" and "Hero/Remap" all name the asset /Game/Hero/Remap.Remap. */
bool ToObjectPath(const std::string& Text, FString& OutPackage, FString& OutObjectName, FString& OutError)
{
	const FString Path = FString(Text.c_str()).StartsWith("/") ? FString(Text.c_str()) : "/Game/" + FString(Text.c_str());
	return FPackageName::SplitObjectPath(Path, OutPackage, OutObjectName, &OutError);
}

UZevoRemapAssetBase* LoadRemapAsset(const std::string& Text)
{
	FString Package, Name, Error;
	if (!ToObjectPath(Text, Package, Name, Error))
	{
		std::fprintf(stderr, "zevo-editor: '%s' is not an asset path: %s\n", Text.c_str(), *Error);
		return nullptr;
	}
	UZevoRemapAssetBase* Asset = LoadObject<UZevoRemapAssetBase>(nullptr, Package + "." + Name);
	if (!Asset)
	{
		std::fprintf(stderr, "zevo-editor: no remap asset at %s.%s\n", *Package, *Name);
	}
	return Asset;
}

void LoadHistory()
{
	if (FPaths::FileExists(HistoryFile()))
	{
		FTransactionBuffer::Get().LoadFromFile(HistoryFile());
	}
}

int SaveEdit(const UZevoRemapAssetBase& Asset)
{
	if (!FAssetFile::SaveObject(Asset))
	{
		std::fprintf(stderr, "zevo-editor: could not save %s\n", *Asset.GetPathName());
		return ExitFailure;
	}
	FPlatformFileManager::Get().GetPlatformFile().CreateDirectoryTree(*FPaths::GetPath(HistoryFile()));
	if (!FTransactionBuffer::Get().SaveToFile(HistoryFile()))
	{
		std::fprintf(stderr, "zevo-editor: saved %s, but its undo history could not be written\n", *Asset.GetPathName());
		return ExitFailure;
	}
	return ExitSuccess;
}

void PrintTable(const UZevoRemapAssetBase& Asset)
{
	const UEnum* Bones = StaticEnum<EZevoBoneName>();
	std::printf("%s\n", *Asset.GetPathName());
	std::printf("  Target Skeleton: %s\n", Asset.TargetSkeleton ? *Asset.TargetSkeleton->GetPathName() : "None");
	std::printf("  Duplicate Check: %s\n  Missing Check:   %s\n", *Asset.DuplicateStatusText, *Asset.MissingStatusText);
	std::printf("  %-16s %-14s %s\n", "Source (Zevo)", "", "Target (Unreal)");
	for (const FZevoBoneMappingRow& Row : Asset.GetAllBones())
	{
		const int64 Value = static_cast<int64>(Row.SourceBone);
		std::printf("  %-16s %-14s %s\n", *FZevoBoneNameUtils::EnumToFName(Row.SourceBone).ToString(),
			*Bones->GetDisplayNameTextByValue(Value).ToString(), Row.TargetBone.IsNone() ? "-" : *Row.TargetBone.ToString());
	}
}

void PrintJson(const UZevoRemapAssetBase& Asset)
{
	nlohmann::ordered_json Rows = nlohmann::ordered_json::object();
	for (const FZevoBoneMappingRow& Row : Asset.GetAllBones())
	{
		const std::string Source = FZevoBoneNameUtils::EnumToFName(Row.SourceBone).ToString().ToStdString();
		Rows[Source] = Row.TargetBone.IsNone() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(Row.TargetBone.ToString().ToStdString());
	}
	nlohmann::ordered_json Out{{"asset", Asset.GetPathName().ToStdString()}, {"rows", Rows},
		{"DuplicateStatusText", Asset.DuplicateStatusText.ToStdString()}, {"MissingStatusText", Asset.MissingStatusText.ToStdString()}};
	std::printf("%s\n", Out.dump(2).c_str());
}
}

FRemapCommand::FRemapCommand(CLI::App& App)
{
	Command = App.add_subcommand("remap", "Create and edit remap assets");
	Command->add_option("--project", ProjectDir, "The project folder")->required()->check(CLI::ExistingDirectory);
	Command->fallthrough();
	Command->require_subcommand(0, 1);
	const auto AddAsset = [this](CLI::App* Sub) { Sub->add_option("asset", Asset, "The remap asset (/Game/Path/Name)")->required(); };
	CreateCommand = Command->add_subcommand("create", "Create a remap asset (and map it onto --skeleton)");
	AddAsset(CreateCommand);
	CreateCommand->add_option("--skeleton", Skeleton, "The target skeleton asset (/Game/Path/Name)");
	SetCommand = Command->add_subcommand("set", "Set a property as the property editor does, e.g. GroundOffset 2.5 or LegBones[2].TargetBone thigh_l");
	AddAsset(SetCommand);
	SetCommand->add_option("property", Property, "The property path")->required();
	SetCommand->add_option("value", Value, "The value as text")->required();
	ShowCommand = Command->add_subcommand("show", "Print the mapping table and its status lines");
	AddAsset(ShowCommand);
	ShowCommand->add_flag("--json", bJson, "The 52 rows and both status texts as one JSON object");
	AutoMapCommand = Command->add_subcommand("automap", "Map the rows automatically from the target skeleton");
	AddAsset(AutoMapCommand);
	ClearCommand = Command->add_subcommand("clear", "Clear every row");
	AddAsset(ClearCommand);
	UndoCommand = Command->add_subcommand("undo", "Undo the last edit of the asset");
	AddAsset(UndoCommand);
}

int FRemapCommand::Execute()
{
	if (Command->get_subcommands().empty())
	{
		std::fprintf(stderr, "zevo-editor: remap needs an action: create, set, show, automap, clear or undo\n");
		return ExitUsageError;
	}
	FPaths::SetProjectDir(ProjectDir.c_str());
	if (CreateCommand->parsed()) { return Create(); }
	if (SetCommand->parsed()) { return Set(); }
	if (ShowCommand->parsed()) { return Show(); }
	if (AutoMapCommand->parsed()) { return AutoMap(); }
	if (ClearCommand->parsed()) { return Clear(); }
	return Undo();
}

int FRemapCommand::Create()
{
	FString Package, Name, Error;
	if (!ToObjectPath(Asset, Package, Name, Error))
	{
		std::fprintf(stderr, "zevo-editor: '%s' is not an asset path: %s\n", Asset.c_str(), *Error);
		return ExitUsageError;
	}
	FString File;
	if (FPackageName::TryConvertLongPackageNameToFilename(Package, File) && FPaths::FileExists(File))
	{
		std::fprintf(stderr, "zevo-editor: %s already exists\n", *Package);
		return ExitFailure;
	}
	LoadHistory();
	UZevoRemapAsset* Created = NewObject<UZevoRemapAsset>(CreatePackage(Package), UZevoRemapAsset::StaticClass(), FName(Name));
	if (!Created)
	{
		return ExitFailure;
	}
	if (!Skeleton.empty())
	{
		FString SkeletonPackage, SkeletonName;
		if (!ToObjectPath(Skeleton, SkeletonPackage, SkeletonName, Error))
		{
			std::fprintf(stderr, "zevo-editor: '%s' is not an asset path: %s\n", Skeleton.c_str(), *Error);
			return ExitUsageError;
		}
		const TSharedPtr<IPropertyHandle> Handle = FPropertyHandles::FromPath({Created}, "TargetSkeleton");
		if (Handle->SetValueFromFormattedString(SkeletonPackage + "." + SkeletonName) != FPropertyAccess::Success || !Created->TargetSkeleton)
		{
			std::fprintf(stderr, "zevo-editor: no skeleton asset at %s.%s\n", *SkeletonPackage, *SkeletonName);
			return ExitFailure;
		}
	}
	const int Result = SaveEdit(*Created);
	if (Result == ExitSuccess)
	{
		PrintTable(*Created);
	}
	return Result;
}

int FRemapCommand::Set()
{
	LoadHistory();
	UZevoRemapAssetBase* Target = LoadRemapAsset(Asset);
	if (!Target)
	{
		return ExitFailure;
	}
	FString Error;
	const TSharedPtr<IPropertyHandle> Handle = FPropertyHandles::FromPath({Target}, Property.c_str(), &Error);
	if (!Handle || !Handle->IsValidHandle())
	{
		std::fprintf(stderr, "zevo-editor: %s\n", Error.IsEmpty() ? "no such property" : *Error);
		return ExitUsageError;
	}
	if (Handle->SetValueFromFormattedString(Value.c_str()) != FPropertyAccess::Success)
	{
		std::fprintf(stderr, "zevo-editor: %s cannot be set to '%s'\n", Property.c_str(), Value.c_str());
		return ExitFailure;
	}
	FString Stored;
	Handle->GetValueAsFormattedString(Stored);
	std::printf("%s = %s\n", Property.c_str(), *Stored);
	return SaveEdit(*Target);
}

int FRemapCommand::Show()
{
	UZevoRemapAssetBase* Target = LoadRemapAsset(Asset);
	if (!Target)
	{
		return ExitFailure;
	}
	bJson ? PrintJson(*Target) : PrintTable(*Target);
	return ExitSuccess;
}

int FRemapCommand::AutoMap()
{
	LoadHistory();
	UZevoRemapAssetBase* Target = LoadRemapAsset(Asset);
	if (!Target)
	{
		return ExitFailure;
	}
	{
		FScopedTransaction Transaction(FText::FromString("Map bones automatically"));
		Target->AutoMapFromTargetSkeleton();
	}
	PrintTable(*Target);
	return SaveEdit(*Target);
}

int FRemapCommand::Clear()
{
	LoadHistory();
	UZevoRemapAssetBase* Target = LoadRemapAsset(Asset);
	if (!Target)
	{
		return ExitFailure;
	}
	{
		FScopedTransaction Transaction(FText::FromString("Clear bone mapping"));
		Target->ClearBoneMapping();
	}
	return SaveEdit(*Target);
}

int FRemapCommand::Undo()
{
	LoadHistory();
	UZevoRemapAssetBase* Target = LoadRemapAsset(Asset);
	if (!Target)
	{
		return ExitFailure;
	}
	const FString Title = FTransactionBuffer::Get().GetUndoTitle();
	if (!FTransactionBuffer::Get().Undo())
	{
		std::fprintf(stderr, "zevo-editor: nothing to undo\n");
		return ExitFailure;
	}
	std::printf("Undid: %s\n", *Title);
	return SaveEdit(*Target);
}
