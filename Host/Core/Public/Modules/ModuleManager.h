#pragma once
// FModuleManager: finds, starts and shuts down modules by name. A module is either built in (its
// library is linked into the program and registered itself when loaded) or a library
// lib<Name>.so beside the executable that exports `extern "C" IModuleInterface* InitializeModule()`.
// Loading creates the module object and calls StartupModule; modules shut down in reverse load order.
// Knowingly different from the engine: a module library stays mapped after its module is
// unloaded, so a callback it left behind (a timer, a delegate) can never jump into unmapped code.
// Game thread only, as in the engine: the manager has no lock.
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Modules/ModuleInterface.h"
#include "Templates/Function.h"
#include "UObject/NameTypes.h"

#include <memory>

class FModuleManager
{
public:
	using FInitializeStaticallyLinkedModule = TFunction<IModuleInterface*()>;

	static FModuleManager& Get();

	/** Makes a built-in module loadable by name. */
	void RegisterStaticallyLinkedModule(FName ModuleName, FInitializeStaticallyLinkedModule Initializer);

	/** The module, loading and starting it if needed; null (with a Warning naming the cause) if it cannot be loaded. */
	IModuleInterface* LoadModule(FName ModuleName);
	/** As LoadModule, but a module that cannot be loaded is a fatal error. */
	IModuleInterface& LoadModuleChecked(FName ModuleName);
	template <typename TModuleInterface>
	static TModuleInterface& LoadModuleChecked(FName ModuleName)
	{
		return static_cast<TModuleInterface&>(Get().LoadModuleChecked(ModuleName));
	}

	bool IsModuleLoaded(FName ModuleName) const;
	/** The loaded module, or null. */
	IModuleInterface* GetModule(FName ModuleName) const;
	template <typename TModuleInterface>
	static TModuleInterface* GetModulePtr(FName ModuleName)
	{
		return static_cast<TModuleInterface*>(Get().GetModule(ModuleName));
	}
	/** The loaded module; asking for one that is not loaded is a fatal error. */
	template <typename TModuleInterface>
	static TModuleInterface& GetModuleChecked(FName ModuleName)
	{
		return static_cast<TModuleInterface&>(Get().GetModuleCheckedImpl(ModuleName));
	}

	/** Calls ShutdownModule and deletes the module object; false if it was not loaded. */
	bool UnloadModule(FName ModuleName, bool bIsShutdown = false);
	/** Engine exit: unloads every module that supports automatic shutdown, last loaded first. */
	void UnloadModulesAtShutdown();

	/** The names of the loaded modules in load order. */
	TArray<FName> GetLoadedModuleNames() const;

	/** Where module libraries are looked for: the executable's folder. */
	static FString GetModuleLibraryPath(FName ModuleName);

private:
	FModuleManager() = default;
	IModuleInterface& GetModuleCheckedImpl(FName ModuleName) const;
	IModuleInterface* CreateModule(FName ModuleName);

	struct FLoadedModule
	{
		FName Name;
		std::unique_ptr<IModuleInterface> Module;
	};
	TMap<FName, FInitializeStaticallyLinkedModule> StaticallyLinkedModules;
	TArray<FLoadedModule> LoadedModules; // in load order
};

/** Registers a built-in module when its library is loaded: one static instance per module. */
template <typename ModuleClass>
class FStaticallyLinkedModuleRegistrant
{
public:
	explicit FStaticallyLinkedModuleRegistrant(const char* ModuleName)
	{
		FModuleManager::Get().RegisterStaticallyLinkedModule(FName(ModuleName), [] { return new ModuleClass(); });
	}
};
