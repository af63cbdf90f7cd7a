// The project settings page of the plugin, as the editor lays it out from the settings' reflection:
// its categories, rows, display names, tool tips and values, compared with a golden file.
#include "DetailsView.h"
#include "Misc/FileHelper.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "ZevoLiveLinkSettings.h"

#include <gtest/gtest.h>

TEST(ZevoLiveLinkSettingsPage, ShowsWhatTheGoldenFileRecords)
{
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	const TArray<FZevoLiveLinkConnectionInfo> Before = Settings->SavedConnections;
	Settings->SavedConnections = {FZevoLiveLinkConnectionInfo(), FZevoLiveLinkConnectionInfo()};
	Settings->SavedConnections[1].IPAddress = "10.0.0.5";
	Settings->SavedConnections[1].Port = 9000;
	Settings->SavedConnections[1].bEnabled = false;

	const TSharedRef<SDetailsView> View =
		FModuleManager::LoadModuleChecked<FPropertyEditorModule>("PropertyEditor").CreateDetailView(FDetailsViewArgs());
	View->SetObjects({Settings});
	const FString Page = View->RenderJson() + "\n";
	Settings->SavedConnections = Before;

	FString Golden;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Golden, *(FString(ZEVO_TESTS_DIR) / "Golden" / "ZevoLiveLinkSettingsPage.json")));
	EXPECT_EQ(Page, Golden);
}
