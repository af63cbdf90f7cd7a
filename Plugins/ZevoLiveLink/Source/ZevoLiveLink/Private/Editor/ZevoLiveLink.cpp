#include "ZevoLiveLink.h"

#include "Editor.h"
#include "Features/IModularFeatures.h"
#include "ILiveLinkClient.h"
#include "Misc/CoreDelegates.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "Stream/ZevoLiveLinkSource.h"
#include "ZevoListeningSources.h"
#include "ZevoLiveLinkSettings.h"
#include "ZevoRemapAssetBaseCustomization.h"

namespace
{
const FName PropertyEditorModuleName(TEXT("PropertyEditor"));
const FName BoneMappingRowTypeName(TEXT("ZevoBoneMappingRow"));
const FName RemapAssetClassName(TEXT("ZevoRemapAssetBase"));
}

void FZevoLiveLinkModule::StartupModule()
{
	FPropertyEditorModule& PropertyModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(PropertyEditorModuleName);
	PropertyModule.RegisterCustomPropertyTypeLayout(BoneMappingRowTypeName,
		FOnGetPropertyTypeCustomizationInstance::CreateStatic(&FZevoBoneMappingRowCustomization::MakeInstance));
	PropertyModule.RegisterCustomClassLayout(RemapAssetClassName,
		FOnGetDetailCustomizationInstance::CreateStatic(&FZevoRemapAssetBaseCustomization::MakeInstance));
	PropertyModule.NotifyCustomizationModuleChanged();

	FCoreDelegates::OnPostEngineInit.AddRaw(this, &FZevoLiveLinkModule::OnPostEngineInit);
}

void FZevoLiveLinkModule::ShutdownModule()
{
	FCoreDelegates::OnPostEngineInit.RemoveAll(this);

	if (TSharedPtr<FTimerManager> TimerManager = AutoConnectTimerManager.Pin())
	{
		TimerManager->ClearTimer(AutoConnectTimer);
	}
	AutoConnectTimerManager.Reset();

	if (FPropertyEditorModule* PropertyModule = FModuleManager::GetModulePtr<FPropertyEditorModule>(PropertyEditorModuleName))
	{
		PropertyModule->UnregisterCustomPropertyTypeLayout(BoneMappingRowTypeName);
		PropertyModule->UnregisterCustomClassLayout(RemapAssetClassName);
	}
}

void FZevoLiveLinkModule::OnPostEngineInit()
{
	// Game, commandlet and server runs have no editor: they never reconnect.
	if (GEditor == nullptr)
	{
		return;
	}
	TSharedRef<FTimerManager> TimerManager = GEditor->GetTimerManager();
	AutoConnectTimerManager = TimerManager;
	// A negative first delay makes the first (and only) call come one rate period later.
	TimerManager->SetTimer(AutoConnectTimer, [] { AutoConnectSavedSources(); }, 1.0f, false, -1.0f);
}

void FZevoLiveLinkModule::AutoConnectSavedSources()
{
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	if (Settings == nullptr)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] Settings not available"));
		return;
	}
	Settings->LoadConnectionsFromConfig();
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Settings loaded, %d saved connections"), Settings->SavedConnections.Num());

	if (!Settings->bAutoConnectOnStartup)
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Auto-connect disabled in settings"));
		return;
	}

	const TArray<FIPv4Endpoint> Endpoints = Settings->GetEnabledEndpoints();
	if (Endpoints.Num() == 0)
	{
		UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] No enabled connections found"));
		return;
	}
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Attempting to auto-connect %d source(s)"), Endpoints.Num());

	IModularFeatures& Features = IModularFeatures::Get();
	if (Features.GetModularFeatureImplementationCount(ILiveLinkClient::ModularFeatureName) == 0)
	{
		UE_LOG(LogTemp, Warning, TEXT("[Zevo LiveLink] LiveLink client not available"));
		return;
	}
	ILiveLinkClient* Client = static_cast<ILiveLinkClient*>(Features.GetModularFeatureImplementation(ILiveLinkClient::ModularFeatureName, 0));

	int32 Connected = 0;
	for (const FIPv4Endpoint& Endpoint : Endpoints)
	{
		const FString ConnectionString = Endpoint.ToString();
		// A source confirmed in the panel before this ran (or made twice by a duplicate entry)
		// already serves the port: that endpoint is connected.
		if (const TSharedPtr<ZevoLiveLinkSource> Existing = FZevoListeningSources::FindListening(Endpoint))
		{
			UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Already connected: %s (the source for %s listens on port %d)"), *ConnectionString,
				*Existing->GetConnectionString(), int32(Endpoint.Port));
			++Connected;
			continue;
		}
		TSharedPtr<ILiveLinkSource> Source = FZevoListeningSources::MakeSource(Endpoint);
		if (Client->AddSource(Source).IsValid())
		{
			UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Auto-connected: %s"), *ConnectionString);
			++Connected;
		}
		else
		{
			UE_LOG(LogTemp, Error, TEXT("[Zevo LiveLink] Failed to add source for %s"), *ConnectionString);
		}
	}
	UE_LOG(LogTemp, Log, TEXT("[Zevo LiveLink] Auto-connected %d/%d sources"), Connected, Endpoints.Num());
}

IMPLEMENT_MODULE(FZevoLiveLinkModule, ZevoLiveLink)
