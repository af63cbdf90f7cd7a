#include "CoreMinimal.h"
#include "Logging/LogCapture.h"
#include "Modules/ModuleManager.h"

#include <gtest/gtest.h>

namespace
{
TArray<FString> GEvents;

/** A built-in module that records its calls, and loads its dependency from StartupModule. */
template <int Id>
class TRecordingModule : public IModuleInterface
{
public:
	static FString Name() { return FString("Recording") + FString::FromInt(Id); }
	void StartupModule() override
	{
		GEvents.Add(Name() + ".Startup");
		if constexpr (Id == 2)
		{
			FModuleManager::Get().LoadModuleChecked(FName(*TRecordingModule<1>::Name()));
		}
	}
	void ShutdownModule() override { GEvents.Add(Name() + ".Shutdown"); }
};

FStaticallyLinkedModuleRegistrant<TRecordingModule<1>> GRegistrant1("Recording1");
FStaticallyLinkedModuleRegistrant<TRecordingModule<2>> GRegistrant2("Recording2");
FStaticallyLinkedModuleRegistrant<TRecordingModule<3>> GRegistrant3("Recording3");
}

TEST(FModuleManager, LoadsAModuleLibraryByNameAndCallsItsLifecycle)
{
	FLogCapture Log;
	FModuleManager& Manager = FModuleManager::Get();
	ASSERT_FALSE(Manager.IsModuleLoaded("ZevoTestModule"));

	IModuleInterface* Module = Manager.LoadModule("ZevoTestModule");
	ASSERT_NE(Module, nullptr);
	EXPECT_TRUE(Module->IsGameModule()); // the library's own override, through the shared slot order
	EXPECT_TRUE(Module->SupportsDynamicReloading());
	EXPECT_EQ(Manager.GetModule("zevotestmodule"), Module);
	EXPECT_EQ(Manager.LoadModule("ZevoTestModule"), Module) << "a second load returns the loaded module";
	EXPECT_EQ(Log.Count("ZevoTestModule: StartupModule"), 1);

	EXPECT_TRUE(Manager.UnloadModule("ZevoTestModule"));
	EXPECT_EQ(Log.Count("ZevoTestModule: ShutdownModule"), 1);
	EXPECT_FALSE(Manager.IsModuleLoaded("ZevoTestModule"));
	EXPECT_FALSE(Manager.UnloadModule("ZevoTestModule"));
}

TEST(FModuleManager, MissingModuleIsAWarningOrAFatalError)
{
	FLogCapture Log;
	EXPECT_EQ(FModuleManager::Get().LoadModule("NoSuchModule"), nullptr);
	EXPECT_EQ(Log.CountContaining("Unable to load module 'NoSuchModule'", ELogVerbosity::Warning), 1);
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded("NoSuchModule"));
	EXPECT_DEATH(FModuleManager::Get().LoadModuleChecked("NoSuchModule"), "");
}

TEST(FModuleManager, ShutsDownInReverseLoadOrder)
{
	GEvents.Empty();
	FModuleManager& Manager = FModuleManager::Get();
	Manager.LoadModule("Recording3");
	Manager.LoadModule("Recording2"); // loads Recording1 from its start-up
	EXPECT_EQ(Manager.GetLoadedModuleNames(), (TArray<FName>{"Recording3", "Recording1", "Recording2"}))
		<< "a dependency loaded during start-up counts as loaded first";
	Manager.UnloadModulesAtShutdown();
	EXPECT_EQ(GEvents, (TArray<FString>{"Recording3.Startup", "Recording2.Startup", "Recording1.Startup",
						   "Recording2.Shutdown", "Recording1.Shutdown", "Recording3.Shutdown"}));
	EXPECT_TRUE(Manager.GetLoadedModuleNames().IsEmpty());
}
