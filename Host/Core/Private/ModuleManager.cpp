#include "Modules/ModuleManager.h"

#include "Logging/LogMacros.h"
#include "Misc/Paths.h"

#include <cstdlib>
#include <dlfcn.h>
#include <unistd.h>

FModuleManager& FModuleManager::Get()
{
	static FModuleManager Manager;
	return Manager;
}

void FModuleManager::RegisterStaticallyLinkedModule(FName ModuleName, FInitializeStaticallyLinkedModule Initializer)
{
	StaticallyLinkedModules.Add(ModuleName, std::move(Initializer));
}

FString FModuleManager::GetModuleLibraryPath(FName ModuleName)
{
	char Buffer[4096];
	const ssize_t Length = readlink("/proc/self/exe", Buffer, sizeof(Buffer) - 1);
	FString Directory = ".";
	if (Length > 0)
	{
		Buffer[Length] = '\0';
		Directory = FPaths::GetPath(FString(Buffer));
	}
	return Directory / (FString("lib") + ModuleName.ToString() + ".so");
}

IModuleInterface* FModuleManager::CreateModule(FName ModuleName)
{
	if (const FInitializeStaticallyLinkedModule* Initializer = StaticallyLinkedModules.Find(ModuleName))
	{
		return (*Initializer)();
	}

	const FString LibraryPath = GetModuleLibraryPath(ModuleName);
	// The library is never closed again (see the header), so its handle is not kept.
	void* Library = dlopen(*LibraryPath, RTLD_NOW | RTLD_LOCAL);
	if (!Library)
	{
		UE_LOG(LogTemp, Warning, "ModuleManager: Unable to load module '%s': %s", *ModuleName.ToString(), dlerror());
		return nullptr;
	}
	using FInitializeModuleFunction = IModuleInterface* (*)();
	const auto InitializeModule = reinterpret_cast<FInitializeModuleFunction>(dlsym(Library, "InitializeModule"));
	if (!InitializeModule)
	{
		UE_LOG(LogTemp, Warning, "ModuleManager: Module '%s' (%s) does not export InitializeModule", *ModuleName.ToString(),
			*LibraryPath);
		return nullptr;
	}
	IModuleInterface* Module = InitializeModule();
	if (!Module)
	{
		UE_LOG(LogTemp, Warning, "ModuleManager: InitializeModule of module '%s' returned no module", *ModuleName.ToString());
	}
	return Module;
}

IModuleInterface* FModuleManager::LoadModule(FName ModuleName)
{
	if (IModuleInterface* Loaded = GetModule(ModuleName))
	{
		return Loaded;
	}
	IModuleInterface* Module = CreateModule(ModuleName);
	if (!Module)
	{
		return nullptr;
	}
	// Listed once started: the modules it loads from StartupModule (its dependencies) come first
	// and therefore shut down after it.
	std::unique_ptr<IModuleInterface> Owned(Module);
	Module->StartupModule();
	LoadedModules.Add(FLoadedModule{ModuleName, std::move(Owned)});
	Module->PostLoadCallback();
	return Module;
}

IModuleInterface& FModuleManager::LoadModuleChecked(FName ModuleName)
{
	IModuleInterface* Module = LoadModule(ModuleName);
	if (!Module)
	{
		UE_LOG(LogTemp, Fatal, "ModuleManager: Required module '%s' could not be loaded", *ModuleName.ToString());
		std::abort();
	}
	return *Module;
}

bool FModuleManager::IsModuleLoaded(FName ModuleName) const
{
	return GetModule(ModuleName) != nullptr;
}

IModuleInterface* FModuleManager::GetModule(FName ModuleName) const
{
	const FLoadedModule* Found = LoadedModules.FindByPredicate([&](const FLoadedModule& Loaded) { return Loaded.Name == ModuleName; });
	return Found ? Found->Module.get() : nullptr;
}

IModuleInterface& FModuleManager::GetModuleCheckedImpl(FName ModuleName) const
{
	IModuleInterface* Module = GetModule(ModuleName);
	if (!Module)
	{
		UE_LOG(LogTemp, Fatal, "ModuleManager: Module '%s' is not loaded", *ModuleName.ToString());
		std::abort();
	}
	return *Module;
}

bool FModuleManager::UnloadModule(FName ModuleName, bool bIsShutdown)
{
	const int32 Index = LoadedModules.IndexOfByPredicate([&](const FLoadedModule& Loaded) { return Loaded.Name == ModuleName; });
	if (Index == INDEX_NONE)
	{
		return false;
	}
	// Out of the list first: a module asking IsModuleLoaded about itself while shutting down reads false.
	std::unique_ptr<IModuleInterface> Module = std::move(LoadedModules[Index].Module);
	LoadedModules.RemoveAt(Index);
	if (!bIsShutdown)
	{
		Module->PreUnloadCallback();
	}
	Module->ShutdownModule();
	return true;
}

void FModuleManager::UnloadModulesAtShutdown()
{
	for (int32 Index = LoadedModules.Num() - 1; Index >= 0; --Index)
	{
		if (Index < LoadedModules.Num() && LoadedModules[Index].Module->SupportsAutomaticShutdown())
		{
			UnloadModule(LoadedModules[Index].Name, true);
		}
	}
}

TArray<FName> FModuleManager::GetLoadedModuleNames() const
{
	TArray<FName> Names;
	for (const FLoadedModule& Loaded : LoadedModules)
	{
		Names.Add(Loaded.Name);
	}
	return Names;
}
