#pragma once
// The host's projects module, standing in for the engine's Projects module. It provides, under the
// engine's names: IPlugin and IPluginManager (this header), FPluginDescriptor
// (PluginDescriptor.h), FModuleDescriptor, EHostType and ELoadingPhase (ModuleDescriptor.h).
//
// The plugin manager finds plugins as the engine does: every <Name>.uplugin under the engine's
// plugins folder (FPaths::EnginePluginsDir) and under the project's (FPaths::ProjectPluginsDir),
// a folder holding a descriptor being one plugin's folder. It mounts the content of each plugin
// that can contain content as "/<Name>/", and loads the plugins' modules phase by phase.
// Knowingly different from the engine: every plugin found is enabled (there is no project file
// to enable or disable one), and the list is made once per process, the first time modules are
// loaded. Game thread only, as in the engine.
#include "CoreMinimal.h"
#include "PluginDescriptor.h"

class IPlugin
{
public:
	virtual ~IPlugin() = default;

	/** The descriptor file's base name. */
	virtual const FString& GetName() const = 0;
	virtual const FString& GetDescriptorFileName() const = 0;
	virtual const FPluginDescriptor& GetDescriptor() const = 0;
	/** The folder holding the descriptor, absolute, without a trailing "/". */
	virtual FString GetBaseDir() const = 0;
	virtual FString GetContentDir() const = 0;
	/** The root its content is mounted under: "/<Name>/". */
	virtual FString GetMountedAssetPath() const = 0;
	virtual bool CanContainContent() const = 0;
};

class IPluginManager
{
public:
	virtual ~IPluginManager() = default;

	static IPluginManager& Get();

	/**
	 * Loads every module of the enabled plugins that loads in this phase and in this program.
	 * The first call finds the plugins and mounts their content first, so a program calls it with
	 * ELoadingPhase::EarliestPossible as soon as it knows its project. False when a module could
	 * not be loaded (logged with the plugin's and the module's names).
	 */
	virtual bool LoadModulesForEnabledPlugins(ELoadingPhase::Type LoadingPhase) = 0;

	/** The plugin of that name (without regard to case), or null; null before the first load. */
	virtual TSharedPtr<IPlugin> FindPlugin(const FString& Name) = 0;
};
