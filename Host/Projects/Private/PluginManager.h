#pragma once
// FPluginManager: the host's IPluginManager. Apart from the one IPluginManager::Get returns (which
// searches the engine's and the project's plugins folders), tests make their own over folders
// of their choosing.
#include "Interfaces/IPluginManager.h"

class FPlugin final : public IPlugin
{
public:
	FPlugin(FString InFileName, FPluginDescriptor InDescriptor);

	const FString& GetName() const override { return Name; }
	const FString& GetDescriptorFileName() const override { return FileName; }
	const FPluginDescriptor& GetDescriptor() const override { return Descriptor; }
	FString GetBaseDir() const override;
	FString GetContentDir() const override { return GetBaseDir() / "Content"; }
	FString GetMountedAssetPath() const override { return "/" + Name + "/"; }
	bool CanContainContent() const override { return Descriptor.bCanContainContent; }

private:
	FString Name;
	FString FileName;
	FPluginDescriptor Descriptor;
};

class FPluginManager final : public IPluginManager
{
public:
	/** Searches the engine's plugins folder, then the project's, as they are when modules first load. */
	FPluginManager() = default;
	/** Searches these folders, in this order. */
	explicit FPluginManager(TArray<FString> InPluginDirs);

	bool LoadModulesForEnabledPlugins(ELoadingPhase::Type LoadingPhase) override;
	TSharedPtr<IPlugin> FindPlugin(const FString& Name) override;

private:
	/**
	 * Finds the plugins and mounts their content, once. A descriptor that does not read is left
	 * out with a Warning naming the file and the reason; a plugin found again under a later folder
	 * (a project's copy of an engine plugin) replaces the earlier one, with a Warning.
	 */
	void ConfigureEnabledPlugins();
	void AddPlugin(const FString& FileName);

	TArray<FString> PluginDirs;
	bool bConfigured = false;
	TArray<TSharedRef<FPlugin>> Plugins;
};
