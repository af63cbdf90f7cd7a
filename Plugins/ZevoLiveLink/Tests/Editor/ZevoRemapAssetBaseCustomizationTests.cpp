#include "DetailsView.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "SPropertyValueWidget.h"
#include "Widgets/Colors/SColorBlock.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"
#include "Widgets/WidgetTree.h"
#include "ZevoRemapAsset.h"

#include <gtest/gtest.h>
#include <memory>

namespace
{
const FName ModuleName("ZevoLiveLink");

FString Json(const FLinearColor& Color)
{
	FWidgetDescription Description;
	Description.Add("Value", Color);
	return Description.FindJson("Value");
}

FString Json(double Value)
{
	FWidgetDescription Description;
	Description.Add("Value", Value);
	return Description.FindJson("Value");
}

FString ColorOf(const TSharedPtr<SWidget>& Widget)
{
	return Widget->Describe().FindJson("ColorAndOpacity");
}

const FString Foreground = "\"Foreground\"";
const FString Red = Json(FLinearColor(1.0f, 0.2f, 0.2f, 1.0f));
const FString Orange = Json(FLinearColor(1.0f, 0.6f, 0.2f, 1.0f));
const FString Green = Json(FLinearColor(0.2f, 1.0f, 0.2f, 1.0f));
const FString LightRed = Json(FLinearColor(1.0f, 0.3f, 0.3f, 1.0f));
const FString Yellow = Json(FLinearColor(1.0f, 0.8f, 0.0f, 1.0f));

// One mapping row's name part: its title and its two badges.
struct FMappingRowWidgets
{
	TSharedPtr<SWidget> Title;
	TSharedPtr<SWidget> Unmapped;
	TSharedPtr<SWidget> Duplicate;
};

// The asset's details panel, laid out by the customizations the loaded module registered.
class ZevoRemapAssetBaseCustomizationTest : public testing::Test
{
protected:
	void SetUp() override
	{
		ASSERT_NE(FModuleManager::Get().LoadModule(ModuleName), nullptr);
		Open(*Asset);
	}
	void TearDown() override
	{
		View.reset();
		FModuleManager::Get().UnloadModule(ModuleName);
	}

	void Open(UZevoRemapAssetBase& Shown)
	{
		View = FModuleManager::GetModuleChecked<FPropertyEditorModule>("PropertyEditor").CreateDetailView(FDetailsViewArgs());
		View->SetObjects({&Shown});
	}

	TArray<TSharedPtr<SWidget>> AllWidgets() const
	{
		TArray<TSharedPtr<SWidget>> All;
		for (const TSharedPtr<SWidget>& Root : View->GetRowWidgets())
		{
			All.Append(FWidgetTree::GetAllWidgets(Root));
		}
		return All;
	}

	/** The value part of the first custom row whose name part shows Title. */
	TSharedPtr<SWidget> StatusValue(const FString& Title) const
	{
		const TArray<TSharedPtr<SWidget>> Roots = View->GetRowWidgets();
		for (int32 Index = 0; Index + 1 < Roots.Num(); ++Index)
		{
			if (FWidgetTree::ContainsText(Roots[Index], Title))
			{
				return Roots[Index + 1];
			}
		}
		return nullptr;
	}

	TSharedPtr<STextBlock> StatisticsText() const
	{
		for (const TSharedPtr<STextBlock>& Text : FWidgetTree::FindAll<STextBlock>(StatisticsBar()))
		{
			return Text;
		}
		return nullptr;
	}

	TSharedPtr<SOverlay> StatisticsBar() const
	{
		for (const TSharedPtr<SWidget>& Widget : AllWidgets())
		{
			if (TSharedPtr<SOverlay> Overlay = std::dynamic_pointer_cast<SOverlay>(Widget))
			{
				return Overlay;
			}
		}
		return nullptr;
	}

	/** The mapped part of the bar: its fill weight and colour. */
	FWidgetChild BarFill() const
	{
		const TArray<FWidgetChild> Layers = StatisticsBar()->GetChildren();
		EXPECT_EQ(Layers.Num(), 3);
		return Layers[1].Widget->GetChildren()[0];
	}

	TArray<FMappingRowWidgets> MappingRows() const
	{
		TArray<FMappingRowWidgets> Rows;
		for (const TSharedPtr<SWidget>& Widget : AllWidgets())
		{
			if (TSharedPtr<SHorizontalBox> Box = std::dynamic_pointer_cast<SHorizontalBox>(Widget))
			{
				const TArray<FWidgetChild> Parts = Box->GetChildren();
				if (Parts.Num() == 3 && FWidgetTree::ContainsText(Parts[1].Widget, "[!]"))
				{
					Rows.Add(FMappingRowWidgets{Parts[0].Widget, Parts[1].Widget, Parts[2].Widget});
				}
			}
		}
		return Rows;
	}

	/** Maps the first Count rows, in panel order, to distinct targets. */
	void MapFirstRows(int32 Count)
	{
		int32 Index = 0;
		for (TArray<FZevoBoneMappingRow>* Rows : {&Asset->BodySpineBones, &Asset->LegBones, &Asset->ArmBones, &Asset->FingerBones})
		{
			for (FZevoBoneMappingRow& Row : *Rows)
			{
				if (Index < Count)
				{
					Row.TargetBone = FName(*FString::Printf("target_%d", Index));
				}
				++Index;
			}
		}
	}

	std::unique_ptr<UZevoRemapAsset> Asset = std::make_unique<UZevoRemapAsset>();
	TSharedPtr<SDetailsView> View;
};
}

TEST_F(ZevoRemapAssetBaseCustomizationTest, ANewAssetShowsNothingMapped)
{
	EXPECT_EQ(StatisticsText()->GetText().ToString(), FString("Mapped: 0 / 52 (0%)"));
	EXPECT_EQ(BarFill().Slot.FindJson("FillWidth"), Json(0.0));
	EXPECT_EQ(BarFill().Widget->Describe().FindJson("Color"), Json(FLinearColor(0.8f, 0.2f, 0.2f, 0.3f)));

	const TArray<FMappingRowWidgets> Rows = MappingRows();
	ASSERT_EQ(Rows.Num(), 52);
	for (const FMappingRowWidgets& Row : Rows)
	{
		EXPECT_TRUE(Row.Unmapped->GetVisibility().IsVisible());
		EXPECT_FALSE(Row.Duplicate->GetVisibility().IsVisible());
		EXPECT_EQ(ColorOf(Row.Title), LightRed);
	}
	EXPECT_EQ(std::static_pointer_cast<STextBlock>(Rows[1].Title)->GetText().ToString(), FString("Spine 01"));
	EXPECT_EQ(Rows[0].Unmapped->GetToolTipText().ToString(), FString("This bone is not mapped to any target bone"));

	// An empty status is not "OK".
	EXPECT_EQ(std::static_pointer_cast<STextBlock>(StatusValue("Duplicate Check"))->GetText().ToString(), FString());
	EXPECT_EQ(ColorOf(StatusValue("Duplicate Check")), Red);
	EXPECT_EQ(ColorOf(StatusValue("Missing Check")), Orange);
}

TEST_F(ZevoRemapAssetBaseCustomizationTest, StatisticsFollowTheMappedShare)
{
	struct FCase
	{
		int32 Mapped;
		const char* Text;
		double Fill;
		FLinearColor Bar;
	};
	const FCase Cases[] = {
		{26, "Mapped: 26 / 52 (50%)", 0.5, FLinearColor(0.9f, 0.7f, 0.1f, 0.3f)},
		{51, "Mapped: 51 / 52 (98%)", double(51.f / 52.f), FLinearColor(0.9f, 0.7f, 0.1f, 0.3f)},
		{52, "Mapped: 52 / 52 (100%)", 1.0, FLinearColor(0.2f, 0.8f, 0.2f, 0.3f)},
	};
	for (const FCase& Case : Cases)
	{
		MapFirstRows(Case.Mapped);
		// The panel is not rebuilt: every value is bound.
		EXPECT_EQ(StatisticsText()->GetText().ToString(), FString(Case.Text));
		EXPECT_EQ(BarFill().Slot.FindJson("FillWidth"), Json(Case.Fill)) << Case.Mapped;
		EXPECT_EQ(BarFill().Widget->Describe().FindJson("Color"), Json(Case.Bar)) << Case.Mapped;
	}
	for (const FMappingRowWidgets& Row : MappingRows())
	{
		EXPECT_FALSE(Row.Unmapped->GetVisibility().IsVisible());
		EXPECT_FALSE(Row.Duplicate->GetVisibility().IsVisible());
		EXPECT_EQ(ColorOf(Row.Title), Foreground);
	}
}

TEST_F(ZevoRemapAssetBaseCustomizationTest, AnEditInTheValueEditorShowsAtOnce)
{
	// The first mapping row's value part follows its name part.
	const TSharedPtr<SPropertyValueWidget> FirstTarget = std::dynamic_pointer_cast<SPropertyValueWidget>(StatusValue("[!]"));
	ASSERT_TRUE(FirstTarget);
	FirstTarget->CommitText(FText::FromString("pelvis"), ETextCommit::OnEnter);
	EXPECT_EQ(Asset->BodySpineBones[0].TargetBone, FName("pelvis"));
	EXPECT_EQ(StatisticsText()->GetText().ToString(), FString("Mapped: 1 / 52 (1%)"));
	EXPECT_FALSE(MappingRows()[0].Unmapped->GetVisibility().IsVisible());
}

TEST_F(ZevoRemapAssetBaseCustomizationTest, RowsSharingATargetAreMarkedDuplicate)
{
	MapFirstRows(52);
	Asset->LegBones[0].TargetBone = FName("shared");
	Asset->ArmBones[0].TargetBone = FName("shared");
	Asset->UpdateDuplicateDetection();

	const FString Expected = FString::Printf("Duplicate! This target bone is mapped from: %s, %s",
		*FZevoBoneNameUtils::EnumToFName(Asset->LegBones[0].SourceBone).ToString(),
		*FZevoBoneNameUtils::EnumToFName(Asset->ArmBones[0].SourceBone).ToString());
	int32 Duplicates = 0;
	for (const FMappingRowWidgets& Row : MappingRows())
	{
		if (Row.Duplicate->GetVisibility().IsVisible())
		{
			++Duplicates;
			EXPECT_EQ(Row.Duplicate->GetToolTipText().ToString(), Expected);
			EXPECT_EQ(ColorOf(Row.Title), Yellow);
		}
		else
		{
			EXPECT_EQ(Row.Duplicate->GetToolTipText().ToString(), FString());
		}
	}
	EXPECT_EQ(Duplicates, 2);
	EXPECT_FALSE(Asset->DuplicateStatusText.IsEmpty());
	EXPECT_EQ(std::static_pointer_cast<STextBlock>(StatusValue("Duplicate Check"))->GetText().ToString(), Asset->DuplicateStatusText);
	EXPECT_EQ(ColorOf(StatusValue("Duplicate Check")), Red);
}

TEST_F(ZevoRemapAssetBaseCustomizationTest, AnOkStatusIsGreenWhateverItsCase)
{
	for (const char* Status : {"OK", "ok", "Ok"})
	{
		Asset->DuplicateStatusText = Status;
		Asset->MissingStatusText = Status;
		EXPECT_EQ(ColorOf(StatusValue("Duplicate Check")), Green) << Status;
		EXPECT_EQ(ColorOf(StatusValue("Missing Check")), Green) << Status;
	}
	Asset->MissingStatusText = "OK, mostly";
	EXPECT_EQ(ColorOf(StatusValue("Missing Check")), Orange);
}

TEST_F(ZevoRemapAssetBaseCustomizationTest, ADeletedAssetReadsInvalidAndNothingFails)
{
	MapFirstRows(2);
	Asset->LegBones[0].TargetBone = FName("target_0");
	Asset->UpdateDuplicateDetection();
	ASSERT_TRUE(MappingRows()[0].Duplicate->GetVisibility().IsVisible());

	Asset.reset();
	for (const char* Title : {"Duplicate Check", "Missing Check"})
	{
		EXPECT_EQ(std::static_pointer_cast<STextBlock>(StatusValue(Title))->GetText().ToString(), FString("Invalid Asset"));
		EXPECT_EQ(ColorOf(StatusValue(Title)), Foreground);
	}
	EXPECT_EQ(StatisticsText()->GetText().ToString(), FString("Mapped: 0 / 0 (0%)"));
	EXPECT_EQ(BarFill().Widget->Describe().FindJson("Color"), Json(FLinearColor(0.2f, 0.2f, 0.2f, 0.3f)));
	for (const FMappingRowWidgets& Row : MappingRows())
	{
		EXPECT_FALSE(Row.Duplicate->GetVisibility().IsVisible());
		EXPECT_EQ(std::static_pointer_cast<STextBlock>(Row.Title)->GetText().ToString(), FString("Unknown"));
	}
	EXPECT_FALSE(View->RenderText().IsEmpty());
}
