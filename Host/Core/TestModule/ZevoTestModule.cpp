// A module library for the module manager's tests: it reports its life through the log, so the
// test can see start-up and shutdown happen in the loading program's own log.
#include "Logging/LogMacros.h"
#include "Modules/ModuleInterface.h"

class FZevoTestModule : public IModuleInterface
{
public:
	void StartupModule() override { UE_LOG(LogTemp, Log, "ZevoTestModule: StartupModule"); }
	void ShutdownModule() override { UE_LOG(LogTemp, Log, "ZevoTestModule: ShutdownModule"); }
	bool IsGameModule() const override { return true; }
};

IMPLEMENT_MODULE(FZevoTestModule, ZevoTestModule)
