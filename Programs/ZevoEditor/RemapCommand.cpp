#include "RemapCommand.h"

#include "AssetArgument.h"
#include "AssetUndoHistory.h"
#include "EditorProject.h"
#include "ExitCodes.h"
#include "LoggedErrors.h"
#include "PropertyHandle.h"
#include "RemapDetailsView.h"
#include "ScopedTransaction.h"
#include "UObject/UObjectGlobals.h"
#include "ZevoRemapAsset.h"

#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace
{
bool ParseAssetPath(const std::string& Text, FAssetPathArgument& OutPath)
{
	FString Error;
	if (!FAssetPathArgument::Parse(Text, OutPath, Error))
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Error);
		return false;
	}
	return true;
}

/** The remap asset at Path; null, with the reason printed, when there is none. */
UZevoRemapAssetBase* LoadRemapAssetOrSayWhy(const FAssetPathArgument& Path)
{
	FString Error;
	UZevoRemapAssetBase* Asset = LoadRemapAsset(Path, Error);
	if (!Asset)
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Error);
	}
	return Asset;
}

/**
 * The asset with its undo history, ready for an edit; null, with the reason printed, when it
 * cannot be had. An asset whose loading reported errors (a field that no longer reads, a skeleton
 * file missing for a moment) holds less than its file: saving it would write that loss over the
 * file, so it is edited only when the user says so (bForce).
 */
UZevoRemapAssetBase* OpenForEdit(const FAssetPathArgument& Path, bool bForce)
{
	FAssetUndoHistory::Load(Path);
	const FLoggedErrors Errors;
	UZevoRemapAssetBase* Asset = LoadRemapAssetOrSayWhy(Path);
	if (Asset && Errors.Num() > 0 && !bForce)
	{
		std::fprintf(stderr,
			"zevo-editor: %s did not load cleanly (see the errors above); saving it now would drop what could not be read. "
			"Mend the cause, or pass --force to save it as it loaded\n",
			*Path.ObjectPath());
		return nullptr;
	}
	return Asset;
}

int SaveEdit(const UZevoRemapAssetBase& Asset, const FAssetPathArgument& Path)
{
	FString Error;
	if (!FAssetUndoHistory::SaveWithAsset(Asset, Path, Error))
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Error);
		return ExitFailure;
	}
	return ExitSuccess;
}

/** Colours on a terminal; NO_COLOR turns them off and CLICOLOR_FORCE on, as for other tools. */
bool UseColor()
{
	const char* NoColor = std::getenv("NO_COLOR");
	if (NoColor && *NoColor)
	{
		return false;
	}
	const char* Force = std::getenv("CLICOLOR_FORCE");
	if (Force && *Force && FString(Force) != "0")
	{
		return true;
	}
	return isatty(STDOUT_FILENO) == 1;
}

/** What a user sees of the asset: its details panel, as the editor lays it out. */
void PrintDetails(UZevoRemapAssetBase& Asset)
{
	std::printf("%s\n%s", *Asset.GetPathName(), *RenderRemapAssetDetails(Asset, UseColor()));
}

/** Saves an edit that changed the mapping and shows the panel as it now stands. */
int SaveEditAndPrintDetails(UZevoRemapAssetBase& Asset, const FAssetPathArgument& Path)
{
	const int Result = SaveEdit(Asset, Path);
	if (Result == ExitSuccess)
	{
		PrintDetails(Asset);
	}
	return Result;
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
	Command->add_flag("--force", bForce, "Edit an asset even though loading it reported errors (what could not be read is then lost)");
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
	ShowCommand = Command->add_subcommand("show",
		"Print the asset's details panel: settings, status lines, mapping statistics and every row with its badges "
		"(coloured on a terminal; NO_COLOR turns colours off, CLICOLOR_FORCE on)");
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
	if (!OpenProject(ProjectDir))
	{
		return ExitFailure;
	}
	FAssetPathArgument Path;
	if (!ParseAssetPath(Asset, Path))
	{
		return ExitUsageError;
	}
	if (CreateCommand->parsed()) { return Create(Path); }
	if (SetCommand->parsed()) { return Set(Path); }
	if (ShowCommand->parsed()) { return Show(Path); }
	if (AutoMapCommand->parsed()) { return AutoMap(Path); }
	if (ClearCommand->parsed()) { return Clear(Path); }
	return Undo(Path);
}

int FRemapCommand::Create(const FAssetPathArgument& Path)
{
	if (FPackageName::DoesPackageExist(Path.Package))
	{
		std::fprintf(stderr, "zevo-editor: %s already exists\n", *Path.Package);
		return ExitFailure;
	}
	FAssetPathArgument SkeletonPath;
	if (!Skeleton.empty() && !ParseAssetPath(Skeleton, SkeletonPath))
	{
		return ExitUsageError;
	}
	// A new asset starts a new undo history, whatever an earlier asset of that name left.
	UZevoRemapAsset* Created = NewObject<UZevoRemapAsset>(CreatePackage(Path.Package), UZevoRemapAsset::StaticClass(), FName(Path.Name));
	if (!Created)
	{
		return ExitFailure;
	}
	if (!Skeleton.empty())
	{
		const TSharedPtr<IPropertyHandle> Handle = FPropertyHandles::FromPath({Created}, "TargetSkeleton");
		if (Handle->SetValueFromFormattedString(SkeletonPath.ObjectPath()) != FPropertyAccess::Success || !Created->TargetSkeleton)
		{
			std::fprintf(stderr, "zevo-editor: no skeleton asset at %s\n", *SkeletonPath.ObjectPath());
			return ExitFailure;
		}
	}
	return SaveEditAndPrintDetails(*Created, Path);
}

int FRemapCommand::Set(const FAssetPathArgument& Path)
{
	UZevoRemapAssetBase* Target = OpenForEdit(Path, bForce);
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
	// The panel never shows a member that is only saved (the T-pose reference), so no user can type into it.
	const std::string Member = Property.substr(0, Property.find_first_of(".["));
	const FProperty* MemberProperty = Target->GetClass()->FindPropertyByName(FName(Member.c_str()));
	if (!MemberProperty || !MemberProperty->HasAnyPropertyFlags(CPF_Edit))
	{
		std::fprintf(stderr, "zevo-editor: %s is not shown in the details panel, so it cannot be set\n", Member.c_str());
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
	return SaveEdit(*Target, Path);
}

int FRemapCommand::Show(const FAssetPathArgument& Path)
{
	UZevoRemapAssetBase* Target = LoadRemapAssetOrSayWhy(Path);
	if (!Target)
	{
		return ExitFailure;
	}
	if (bJson)
	{
		PrintJson(*Target);
		return ExitSuccess;
	}
	PrintDetails(*Target);
	return ExitSuccess;
}

int FRemapCommand::AutoMap(const FAssetPathArgument& Path)
{
	UZevoRemapAssetBase* Target = OpenForEdit(Path, bForce);
	if (!Target)
	{
		return ExitFailure;
	}
	if (!Target->TargetSkeleton)
	{
		std::fprintf(stderr, "zevo-editor: %s has no target skeleton to map onto; set TargetSkeleton first\n", *Path.ObjectPath());
		return ExitFailure;
	}
	{
		FScopedTransaction Transaction(FText::FromString("Map bones automatically"));
		Target->AutoMapFromTargetSkeleton();
	}
	return SaveEditAndPrintDetails(*Target, Path);
}

int FRemapCommand::Clear(const FAssetPathArgument& Path)
{
	UZevoRemapAssetBase* Target = OpenForEdit(Path, bForce);
	if (!Target)
	{
		return ExitFailure;
	}
	{
		FScopedTransaction Transaction(FText::FromString("Clear bone mapping"));
		Target->ClearBoneMapping();
	}
	return SaveEdit(*Target, Path);
}

int FRemapCommand::Undo(const FAssetPathArgument& Path)
{
	UZevoRemapAssetBase* Target = OpenForEdit(Path, bForce);
	if (!Target)
	{
		return ExitFailure;
	}
	const FString Title = FTransactionBuffer::Get().GetUndoTitle();
	if (!FTransactionBuffer::Get().Undo())
	{
		std::fprintf(stderr, "zevo-editor: nothing to undo for %s\n", *Path.ObjectPath());
		return ExitFailure;
	}
	std::printf("Undid: %s\n", *Title);
	return SaveEdit(*Target, Path);
}
