#include "RemapDetailsView.h"

#include "DetailsPanelText.h"
#include "DetailsView.h"
#include "Interfaces/IPluginManager.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "ZevoRemapAssetBase.h"

FString RenderRemapAssetDetails(UZevoRemapAssetBase& Asset, bool bColor)
{
	// The panel's layout comes from the plugin module's start-up, in the default loading phase.
	IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::Default);
	FPropertyEditorModule& PropertyModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	const TSharedRef<SDetailsView> View = PropertyModule.CreateDetailView(FDetailsViewArgs());
	View->SetObjects({&Asset});
	return FormatDetailsPanelForTerminal(View->RenderJson(), bColor);
}
