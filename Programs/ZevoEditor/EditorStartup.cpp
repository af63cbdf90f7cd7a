#include "EditorStartup.h"

#include "Editor.h"
#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "Interfaces/IPluginManager.h"
#include "Misc/CoreDelegates.h"
#include "Misc/Paths.h"
#include "Modules/ModuleManager.h"
#include "UObject/Object.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/WidgetTree.h"
#include "ZevoLiveLinkSourceFactory.h"

FEditorStartup::FEditorStartup(ILiveLinkClient& InClient) : Client(InClient)
{
	IModularFeatures::Get().RegisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
	GEditor = &Editor;
}

FEditorStartup::~FEditorStartup()
{
	ShutdownModules();
	GEditor = nullptr;
	IModularFeatures::Get().UnregisterModularFeature(ILiveLinkClient::ModularFeatureName, &Client);
}

bool FEditorStartup::Start()
{
	// The plugins' modules of the default phase, as the editor loads them before the engine
	// finishes initialising; this editor is the plugin's host, so a missing plugin is a failure.
	if (!IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default))
	{
		return false;
	}
	if (!FModuleManager::Get().IsModuleLoaded(TEXT("ZevoLiveLink")))
	{
		UE_LOG(LogTemp, Error, "The ZevoLiveLink plugin was not found under %s or %s", *FPaths::EnginePluginsDir(),
			*FPaths::ProjectPluginsDir());
		return false;
	}
	FCoreDelegates::OnPostEngineInit.Broadcast();
	return true;
}

void FEditorStartup::Tick(double DeltaSeconds)
{
	Editor.Tick(float(DeltaSeconds), false);
}

void FEditorStartup::ShutdownModules()
{
	if (!bModulesShutDown)
	{
		bModulesShutDown = true;
		FModuleManager::Get().UnloadModulesAtShutdown();
	}
}

void FEditorStartup::AddSourceThroughPanel(const FIPv4Endpoint& Endpoint)
{
	ILiveLinkClient* Target = &Client;
	const TSharedPtr<SWidget> Panel = GetDefault<UZevoLiveLinkSourceFactory>()->BuildCreationPanel(
		ULiveLinkSourceFactory::FOnLiveLinkSourceCreated::CreateLambda(
			[Target](TSharedPtr<ILiveLinkSource> Source, FString) { Target->AddSource(Source); }));
	if (const TSharedPtr<SEditableTextBox> EndpointBox = FWidgetTree::Find<SEditableTextBox>(Panel))
	{
		EndpointBox->CommitText(FText::FromString(Endpoint.ToString()), ETextCommit::OnEnter);
	}
}

bool FEditorStartup::AddSourceFromConnectionString(const FString& ConnectionString)
{
	TSharedPtr<ILiveLinkSource> Source = GetDefault<UZevoLiveLinkSourceFactory>()->CreateSource(ConnectionString);
	if (!Source)
	{
		return false;
	}
	Client.AddSource(Source);
	return true;
}
