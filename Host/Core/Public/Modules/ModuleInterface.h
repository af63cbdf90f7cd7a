#pragma once
// IModuleInterface: what the module manager calls on a loaded module. The virtual table keeps the
// engine's slot order, because a module library built against it is called through it.

class IModuleInterface
{
public:
	virtual ~IModuleInterface() = default;
	/** Called right after the module object is created. */
	virtual void StartupModule() {}
	virtual void PreUnloadCallback() {}
	virtual void PostLoadCallback() {}
	/** Called before the module object is deleted (unload or engine exit). */
	virtual void ShutdownModule() {}
	virtual bool SupportsDynamicReloading() { return true; }
	/** False keeps the module out of the shutdown at engine exit. */
	virtual bool SupportsAutomaticShutdown() { return true; }
	virtual bool IsGameModule() const { return false; }
};

/** Exports the entry point the module manager looks up in a module library. */
#define IMPLEMENT_MODULE(ModuleImplClass, ModuleName) \
	extern "C" __attribute__((visibility("default"))) IModuleInterface* InitializeModule() \
	{ \
		return new ModuleImplClass(); \
	}
