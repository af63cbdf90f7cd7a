#include "RemapDetailsView.h"

#include "DetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "ZevoRemapAssetBase.h"

FString RenderRemapAssetDetails(UZevoRemapAssetBase& Asset)
{
	// The panel's layout comes from the plugin module's start-up.
	FModuleManager::Get().LoadModule(TEXT("ZevoLiveLink"));
	FPropertyEditorModule& PropertyModule = FModuleManager::LoadModuleChecked<FPropertyEditorModule>(TEXT("PropertyEditor"));
	const TSharedRef<SDetailsView> View = PropertyModule.CreateDetailView(FDetailsViewArgs());
	View->SetObjects({&Asset});
	return View->RenderText();
}
