#include "CapturingLiveLinkClient.h"
#include "Editor.h"
#include "Features/IModularFeatures.h"
#include "FreeUdpPort.h"
#include "Interfaces/IPluginManager.h"
#include "Logging/LogCapture.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "TempProject.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/WidgetTree.h"
#include "ZevoLiveLinkSettings.h"
#include "ZevoLiveLinkSourceFactory.h"
#include "ZevoRemapAsset.h"

#include <gtest/gtest.h>

namespace
{
const FName ModuleName("ZevoLiveLink");
const char* const IniPath = "Saved/Config/ZevoLiveLink.ini";
const FString Section = "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n";

// Accepts the first AcceptedCount sources and refuses the rest with an all-zero GUID.
class FSelectiveLiveLinkClient : public FCapturingLiveLinkClient
{
public:
	FGuid AddSource(TSharedPtr<ILiveLinkSource> Source) override
	{
		if (Accepted.Num() >= AcceptedCount)
		{
			return FGuid();
		}
		Accepted.Add(Source);
		return FGuid::NewGuid();
	}

	int32 AcceptedCount = 0;
	TArray<TSharedPtr<ILiveLinkSource>> Accepted;
};

// An editor run: the client is the registered Live Link feature, GEditor exists and the module
// is loaded from its library by name in its plugin's loading phase, as the engine loads it.
class ZevoLiveLinkModuleTest : public testing::Test
{
protected:
	void SetUp() override
	{
		Settings->bAutoConnectOnStartup = true;
		Settings->bRememberLastConnection = true;
		Settings->SavedConnections.Empty();
		IModularFeatures::Get().RegisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
		GEditor = &Editor;
		ASSERT_TRUE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default));
		ASSERT_TRUE(FModuleManager::Get().IsModuleLoaded(ModuleName));
	}

	void TearDown() override
	{
		FModuleManager::Get().UnloadModule(ModuleName);
		GEditor = nullptr;
		IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
		Settings->SavedConnections.Empty();
	}

	void WriteIni(const FString& Body) { Project.WriteFile(IniPath, Section + Body); }

	/** The engine finished initialising and the editor ran for Seconds. */
	void RunEditorFor(float Seconds)
	{
		FCoreDelegates::OnPostEngineInit.Broadcast();
		Editor.Tick(Seconds, false);
	}

	FTempProject Project;
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	FSelectiveLiveLinkClient Client;
	UEditorEngine Editor;
	FLogCapture Log;
};
}

TEST_F(ZevoLiveLinkModuleTest, RegistersTheCustomizationsWhileLoaded)
{
	FPropertyEditorModule& PropertyModule = FModuleManager::GetModuleChecked<FPropertyEditorModule>("PropertyEditor");
	EXPECT_TRUE(PropertyModule.FindPropertyTypeLayout("ZevoBoneMappingRow").IsBound());
	EXPECT_TRUE(PropertyModule.FindClassLayout(UZevoRemapAsset::StaticClass()).IsBound()) << "the concrete asset uses its base's layout";

	ASSERT_TRUE(FModuleManager::Get().UnloadModule(ModuleName));
	EXPECT_FALSE(PropertyModule.FindPropertyTypeLayout("ZevoBoneMappingRow").IsBound());
	EXPECT_FALSE(PropertyModule.FindClassLayout(UZevoRemapAsset::StaticClass()).IsBound());
}

TEST_F(ZevoLiveLinkModuleTest, AutoConnectWaitsOneSecondAfterEngineInit)
{
	RunEditorFor(0.9f);
	EXPECT_EQ(Log.CountContaining("[Zevo LiveLink]"), 0);
	Editor.Tick(0.2f, false);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Settings loaded, 0 saved connections", ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] No enabled connections found", ELogVerbosity::Log), 1);
	Editor.Tick(5.0f, false);
	EXPECT_EQ(Log.CountContaining("Settings loaded"), 1) << "the timer does not loop";
}

TEST_F(ZevoLiveLinkModuleTest, AutoConnectSwitchedOffStillLoadsTheFile)
{
	WriteIni("bAutoConnectOnStartup=False\n+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n");
	RunEditorFor(1.1f);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Settings loaded, 1 saved connections"), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Auto-connect disabled in settings", ELogVerbosity::Log), 1);
	EXPECT_EQ(Settings->SavedConnections.Num(), 1) << "the panel offers the loaded connection";
	EXPECT_EQ(Client.Accepted.Num(), 0);
	EXPECT_EQ(Log.CountContaining("Attempting"), 0);
}

TEST_F(ZevoLiveLinkModuleTest, AutoConnectReportsEachSourceTheClientRefuses)
{
	Client.AcceptedCount = 1;
	WriteIni("+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n"
			 "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=False)\n"
			 "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n");
	RunEditorFor(1.1f);

	TArray<FString> Lines;
	for (const FLogMessage& Message : Log.GetMessages())
	{
		// The auto-connect routine's own lines; loading the settings logs its own as well.
		const bool bAutoConnectLine = Message.Text.StartsWith("[Zevo LiveLink] Settings loaded") ||
			Message.Text.StartsWith("[Zevo LiveLink] Attempting") || Message.Text.StartsWith("[Zevo LiveLink] Auto-connected") ||
			Message.Text.StartsWith("[Zevo LiveLink] Failed to add");
		if (bAutoConnectLine)
		{
			Lines.Add(FString::Printf("%d %s", int32(Message.Verbosity), *Message.Text));
		}
	}
	const auto Line = [](ELogVerbosity::Type Verbosity, const char* Text) { return FString::Printf("%d %s", int32(Verbosity), Text); };
	const TArray<FString> Expected = {
		Line(ELogVerbosity::Log, "[Zevo LiveLink] Settings loaded, 3 saved connections"),
		Line(ELogVerbosity::Log, "[Zevo LiveLink] Attempting to auto-connect 2 source(s)"),
		Line(ELogVerbosity::Log, "[Zevo LiveLink] Auto-connected: 127.0.0.1:0"),
		Line(ELogVerbosity::Error, "[Zevo LiveLink] Failed to add source for 127.0.0.1:0"),
		Line(ELogVerbosity::Log, "[Zevo LiveLink] Auto-connected 1/2 sources"),
	};
	EXPECT_EQ(FString::Join(Lines, "\n").ToStdString(), FString::Join(Expected, "\n").ToStdString());
	EXPECT_EQ(Client.Accepted.Num(), 1);
	EXPECT_EQ(Settings->SavedConnections.Num(), 3) << "a refused source does not change the saved list";
	EXPECT_TRUE(Settings->SavedConnections[2].bEnabled);
	Client.Accepted.Empty();
}

TEST_F(ZevoLiveLinkModuleTest, AutoConnectWithoutAClientWarns)
{
	IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
	WriteIni("+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n");
	RunEditorFor(1.1f);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] LiveLink client not available", ELogVerbosity::Warning), 1);
	EXPECT_EQ(Log.CountContaining("Auto-connected"), 0);
}

TEST_F(ZevoLiveLinkModuleTest, NoAutoConnectWithoutTheEditor)
{
	WriteIni("+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n");
	GEditor = nullptr;
	RunEditorFor(2.0f);
	EXPECT_EQ(Log.CountContaining("[Zevo LiveLink]"), 0);
	EXPECT_EQ(Settings->SavedConnections.Num(), 0) << "the file is not even loaded";
}

TEST_F(ZevoLiveLinkModuleTest, APendingAutoConnectNeverRunsAfterShutdown)
{
	WriteIni("+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n");
	RunEditorFor(0.5f);
	ASSERT_TRUE(FModuleManager::Get().UnloadModule(ModuleName));
	Editor.Tick(2.0f, false);
	EXPECT_EQ(Log.CountContaining("[Zevo LiveLink]"), 0);
	EXPECT_EQ(Client.Accepted.Num(), 0);

	// Nor does a post-init event after shutdown start one.
	RunEditorFor(2.0f);
	EXPECT_EQ(Log.CountContaining("[Zevo LiveLink]"), 0);
}

TEST_F(ZevoLiveLinkModuleTest, AutoConnectLeavesAloneAnEndpointThePanelConnectedFirst)
{
	Client.AcceptedCount = 10;
	WriteIni("+SavedConnections=(IPAddress=\"127.0.0.1\",Port=0,bEnabled=True)\n");
	const FString Endpoint = FString::Printf("127.0.0.1:%d", FreeUdpPort());
	RunEditorFor(0.5f);

	// The user confirms the panel before the auto-connect ran: the file gains the endpoint.
	FSelectiveLiveLinkClient* Target = &Client;
	const TSharedPtr<SWidget> Panel = GetDefault<UZevoLiveLinkSourceFactory>()->BuildCreationPanel(
		ULiveLinkSourceFactory::FOnLiveLinkSourceCreated::CreateLambda(
			[Target](TSharedPtr<ILiveLinkSource> Source, FString) { Target->AddSource(Source); }));
	FWidgetTree::Find<SEditableTextBox>(Panel)->CommitText(FText::FromString(Endpoint), ETextCommit::OnEnter);
	ASSERT_EQ(Client.Accepted.Num(), 1);
	Editor.Tick(0.6f, false);

	EXPECT_EQ(Log.Count("[Zevo LiveLink] Attempting to auto-connect 2 source(s)"), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Already connected: " + Endpoint + " (the source for " + Endpoint + " listens on port " +
				  Endpoint.RightChop(10) + ")",
				  ELogVerbosity::Log),
		1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Auto-connected 2/2 sources"), 1);
	EXPECT_EQ(Client.Accepted.Num(), 2) << "the panel's source and the port-0 entry's, no second one for the endpoint";
	Client.Accepted.Empty();
}
