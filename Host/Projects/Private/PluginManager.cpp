#include "PluginManager.h"

#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UObject/Package.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

DEFINE_LOG_CATEGORY(LogPluginManager);

namespace
{
/**
 * The descriptors under Directory, in name order: a folder that holds a descriptor is a plugin's
 * folder and is not searched further; any other folder is searched through.
 */
void FindDescriptors(const std::filesystem::path& Directory, TArray<FString>& OutFileNames)
{
	std::error_code Error;
	std::vector<std::filesystem::path> Descriptors, Folders;
	for (std::filesystem::directory_iterator It(Directory, Error), End; !Error && It != End; It.increment(Error))
	{
		if (It->is_directory(Error))
		{
			Folders.push_back(It->path());
		}
		else if (It->path().extension() == ".uplugin")
		{
			Descriptors.push_back(It->path());
		}
	}
	std::sort(Descriptors.begin(), Descriptors.end());
	std::sort(Folders.begin(), Folders.end());
	for (const std::filesystem::path& Descriptor : Descriptors)
	{
		OutFileNames.Add(FString(Descriptor.string()));
	}
	if (Descriptors.empty())
	{
		for (const std::filesystem::path& Folder : Folders)
		{
			FindDescriptors(Folder, OutFileNames);
		}
	}
}
}

IPluginManager& IPluginManager::Get()
{
	static FPluginManager Manager;
	return Manager;
}

FPlugin::FPlugin(FString InFileName, FPluginDescriptor InDescriptor)
	: Name(FPaths::GetBaseFilename(InFileName)), FileName(MoveTemp(InFileName)), Descriptor(MoveTemp(InDescriptor))
{
}

FString FPlugin::GetBaseDir() const
{
	return FPaths::GetPath(FileName);
}

FPluginManager::FPluginManager(TArray<FString> InPluginDirs) : PluginDirs(MoveTemp(InPluginDirs))
{
}

void FPluginManager::ConfigureEnabledPlugins()
{
	if (bConfigured)
	{
		return;
	}
	bConfigured = true;
	const TArray<FString> Dirs = PluginDirs.Num() > 0 ? PluginDirs : TArray<FString>{FPaths::EnginePluginsDir(), FPaths::ProjectPluginsDir()};
	for (const FString& Dir : Dirs)
	{
		TArray<FString> FileNames;
		FindDescriptors(std::filesystem::path(*FPaths::ConvertRelativePathToFull(Dir)), FileNames);
		for (const FString& FileName : FileNames)
		{
			AddPlugin(FileName);
		}
	}
	for (const TSharedRef<FPlugin>& Plugin : Plugins)
	{
		if (Plugin->CanContainContent())
		{
			UE_LOG(LogPluginManager, Verbose, "Mounting plugin %s: %s at %s", *Plugin->GetName(), *Plugin->GetContentDir(),
				*Plugin->GetMountedAssetPath());
			FPackageName::RegisterMountPoint(Plugin->GetMountedAssetPath(), Plugin->GetContentDir());
		}
	}
}

void FPluginManager::AddPlugin(const FString& FileName)
{
	// The project may be the engine folder itself, whose plugins are then found twice.
	const auto IsThisFile = [&](const TSharedRef<FPlugin>& Known) {
		return Known->GetDescriptorFileName().Equals(FileName, ESearchCase::CaseSensitive);
	};
	if (Plugins.ContainsByPredicate(IsThisFile))
	{
		return;
	}
	FPluginDescriptor Descriptor;
	FText Reason;
	if (!Descriptor.Load(FileName, &Reason))
	{
		UE_LOG(LogPluginManager, Warning, "Plugin descriptor skipped: %s", *Reason.ToString());
		return;
	}
	const TSharedRef<FPlugin> Plugin = MakeShared<FPlugin>(FileName, MoveTemp(Descriptor));
	const int32 Existing = Plugins.IndexOfByPredicate([&](const TSharedRef<FPlugin>& Known) {
		return Known->GetName().Equals(Plugin->GetName(), ESearchCase::IgnoreCase);
	});
	if (Existing == INDEX_NONE)
	{
		Plugins.Add(Plugin);
		return;
	}
	UE_LOG(LogPluginManager, Warning, "Plugin %s found twice: %s replaces %s", *Plugin->GetName(), *FileName,
		*Plugins[Existing]->GetDescriptorFileName());
	Plugins[Existing] = Plugin;
}

bool FPluginManager::LoadModulesForEnabledPlugins(ELoadingPhase::Type LoadingPhase)
{
	ConfigureEnabledPlugins();
	bool bAllLoaded = true;
	for (const TSharedRef<FPlugin>& Plugin : Plugins)
	{
		for (const FModuleDescriptor& Module : Plugin->GetDescriptor().Modules)
		{
			if (Module.LoadingPhase != LoadingPhase || !Module.IsLoadedInCurrentConfiguration())
			{
				continue;
			}
			if (!FModuleManager::Get().LoadModule(Module.Name))
			{
				UE_LOG(LogPluginManager, Error, "Plugin '%s' failed to load because module '%s' could not be loaded", *Plugin->GetName(),
					*Module.Name.ToString());
				bAllLoaded = false;
			}
		}
	}
	return bAllLoaded;
}

TSharedPtr<IPlugin> FPluginManager::FindPlugin(const FString& Name)
{
	for (const TSharedRef<FPlugin>& Plugin : Plugins)
	{
		if (Plugin->GetName().Equals(Name, ESearchCase::IgnoreCase))
		{
			return Plugin;
		}
	}
	return nullptr;
}
