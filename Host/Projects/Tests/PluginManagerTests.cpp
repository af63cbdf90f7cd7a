#include "PluginManager.h"

#include "Logging/LogCapture.h"
#include "Modules/ModuleManager.h"
#include "TempProject.h"
#include "UObject/Package.h"

#include <gtest/gtest.h>

namespace
{
const char* const ContentPlugin = R"({"FileVersion": 3, "CanContainContent": true})";

TArray<FString> GLoaded;

template <int Id>
class TPhaseModule : public IModuleInterface
{
public:
	void StartupModule() override { GLoaded.Add(FString::Printf("PhaseModule%d", Id)); }
};

FStaticallyLinkedModuleRegistrant<TPhaseModule<1>> GRegistrant1("PhaseModule1");
FStaticallyLinkedModuleRegistrant<TPhaseModule<2>> GRegistrant2("PhaseModule2");
FStaticallyLinkedModuleRegistrant<TPhaseModule<3>> GRegistrant3("PhaseModule3");
}

TEST(FPluginManager, FindsEachPluginFolderAndMountsTheContentOfThoseThatHaveSome)
{
	FTempProject Project;
	Project.WriteFile("Plugins/Alpha/Alpha.uplugin", ContentPlugin);
	Project.WriteFile("Plugins/Alpha/Content/Props/Crate.json", "{}");
	// A descriptor inside a plugin's folder is part of that plugin, not one of its own.
	Project.WriteFile("Plugins/Alpha/Extras/Inner.uplugin", ContentPlugin);
	Project.WriteFile("Plugins/Group/Beta/Beta.uplugin", R"({"FileVersion": 3})");
	Project.WriteFile("Plugins/Broken/Broken.uplugin", R"({"FileVersion": 3, "CanContainContent": 1})");

	FLogCapture Log;
	FPluginManager Manager({Project.GetDir() + "Plugins"});
	EXPECT_EQ(Manager.FindPlugin("Alpha"), nullptr) << "nothing is found before the first load";
	ASSERT_TRUE(Manager.LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible));

	const TSharedPtr<IPlugin> Alpha = Manager.FindPlugin("alpha");
	ASSERT_NE(Alpha, nullptr);
	EXPECT_EQ(Alpha->GetName(), FString("Alpha"));
	EXPECT_EQ(Alpha->GetBaseDir(), Project.GetDir() + "Plugins/Alpha");
	EXPECT_EQ(Alpha->GetMountedAssetPath(), FString("/Alpha/"));
	EXPECT_TRUE(FPackageName::DoesPackageExist("/Alpha/Props/Crate")) << "the content folder is mounted";
	EXPECT_EQ(Manager.FindPlugin("Inner"), nullptr);

	const TSharedPtr<IPlugin> Beta = Manager.FindPlugin("Beta");
	ASSERT_NE(Beta, nullptr);
	EXPECT_FALSE(Beta->CanContainContent());
	EXPECT_FALSE(FPackageName::IsValidLongPackageName("/Beta/Anything")) << "a plugin without content mounts nothing";

	EXPECT_EQ(Manager.FindPlugin("Broken"), nullptr);
	EXPECT_EQ(Log.Count("Plugin descriptor skipped: " + Project.GetDir() + "Plugins/Broken/Broken.uplugin: CanContainContent: expected "
						"true or false", ELogVerbosity::Warning), 1);
	FPackageName::UnRegisterMountPoint("/Alpha/");
}

TEST(FPluginManager, APluginOfALaterFolderReplacesOneOfTheSameName)
{
	FTempProject Project;
	Project.WriteFile("Engine/Shared/Shared.uplugin", ContentPlugin);
	Project.WriteFile("Project/Shared/Shared.uplugin", ContentPlugin);

	FLogCapture Log;
	FPluginManager Manager({Project.GetDir() + "Engine", Project.GetDir() + "Project", Project.GetDir() + "Project"});
	ASSERT_TRUE(Manager.LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible));
	EXPECT_EQ(Manager.FindPlugin("Shared")->GetBaseDir(), Project.GetDir() + "Project/Shared");
	EXPECT_EQ(Log.CountContaining("Plugin Shared found twice", ELogVerbosity::Warning), 1)
		<< "the same descriptor found again is the same plugin";
	FPackageName::UnRegisterMountPoint("/Shared/");
}

TEST(FPluginManager, LoadsEachModuleInItsPhaseWhenThisProgramLoadsItsType)
{
	FTempProject Project;
	Project.WriteFile("Plugins/Phases/Phases.uplugin", R"({"FileVersion": 3, "Modules": [
		{"Name": "PhaseModule1", "Type": "Editor", "LoadingPhase": "PostEngineInit"},
		{"Name": "PhaseModule2", "Type": "Runtime"},
		{"Name": "PhaseModule3", "Type": "Program"}]})");
	Project.WriteFile("Plugins/Missing/Missing.uplugin", R"({"FileVersion": 3, "Modules": [{"Name": "NoSuchModule", "Type": "Editor"}]})");

	FLogCapture Log;
	FPluginManager Manager({Project.GetDir() + "Plugins"});
	GLoaded.Empty();
	EXPECT_FALSE(Manager.LoadModulesForEnabledPlugins(ELoadingPhase::Default));
	EXPECT_EQ(GLoaded, TArray<FString>({"PhaseModule2"}));
	EXPECT_EQ(Log.Count("Plugin 'Missing' failed to load because module 'NoSuchModule' could not be loaded", ELogVerbosity::Error), 1);

	EXPECT_TRUE(Manager.LoadModulesForEnabledPlugins(ELoadingPhase::PostEngineInit));
	EXPECT_EQ(GLoaded, TArray<FString>({"PhaseModule2", "PhaseModule1"}));
	EXPECT_FALSE(FModuleManager::Get().IsModuleLoaded("PhaseModule3")) << "a standalone program's module is not the editor's";
	FModuleManager::Get().UnloadModule("PhaseModule1");
	FModuleManager::Get().UnloadModule("PhaseModule2");
}
