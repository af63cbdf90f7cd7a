#include "DetailLayoutBuilder.h"
#include "DetailsView.h"
#include "IDetailChildrenBuilder.h"
#include "IDetailCustomization.h"
#include "IPropertyTypeCustomization.h"
#include "Misc/TransactionBuffer.h"
#include "Modules/ModuleManager.h"
#include "PropertyEditorModule.h"
#include "PropertyHandle.h"
#include "SPropertyValueWidget.h"
#include "UObject/ObjectMacros.h"
#include "UObject/ReflectedFunction.h"
#include "Widgets/Text/STextBlock.h"
#include "Widgets/WidgetTree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

struct FDetailsTestRow
{
	FName SourceBone;
	FName TargetBone;
};
ZEVO_DECLARE_STRUCT(FDetailsTestRow)

class UDetailsTestBase : public UObject
{
	ZEVO_CLASS(UDetailsTestBase, UObject)
public:
	FString StatusText;
};

class UDetailsTestAsset : public UDetailsTestBase
{
	ZEVO_CLASS(UDetailsTestAsset, UDetailsTestBase)
public:
	UDetailsTestAsset() { Rows = {{"Hips", NAME_None}, {"Spine", "spine_01"}}; }
	float GroundOffset = 0.f;
	FDetailsTestRow Single{"Head", "neck"};
	TArray<FDetailsTestRow> Rows;
	FName Subject;
	float Hidden = 1.f;

	TArray<FString> GetSubjectOptions() const { return {"Box_1", "Wand_2"}; }
};

ZEVO_REFLECT_STRUCT(FDetailsTestRow)
{
	ZEVO_PROPERTY(SourceBone, UP::VisibleAnywhere);
	ZEVO_PROPERTY(TargetBone, UP::EditAnywhere);
}

ZEVO_REFLECT_CLASS(UDetailsTestBase, CLASS_None)
{
	ZEVO_PROPERTY(StatusText, UP::VisibleAnywhere, {"Category", "Status"});
}

ZEVO_REFLECT_CLASS(UDetailsTestAsset, CLASS_None)
{
	ZEVO_PROPERTY(GroundOffset, UP::EditAnywhere, {"Category", "Motion"}, {"ClampMin", "-10"}, {"ClampMax", "10"});
	ZEVO_PROPERTY(Single, UP::EditAnywhere, {"Category", "Mapping"});
	ZEVO_PROPERTY(Rows, UP::EditAnywhere, {"Category", "Mapping"});
	ZEVO_PROPERTY(Subject, UP::EditAnywhere, {"Category", "Motion|Source"}, {"GetOptions", "GetSubjectOptions"});
	ZEVO_PROPERTY(Hidden, UP::Transient);
}

ZEVO_REFLECT_OPTIONS_FUNCTION(UDetailsTestAsset, GetSubjectOptions)

namespace
{
/** Lays out the base class: a status row up front whose text follows the asset. */
class FTestAssetCustomization : public IDetailCustomization
{
public:
	void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) override
	{
		TArray<TWeakObjectPtr<UObject>> Objects;
		DetailBuilder.GetObjectsBeingCustomized(Objects);
		Asset = Objects.IsEmpty() ? nullptr : Cast<UDetailsTestBase>(Objects[0].Get());
		DetailBuilder.EditCategory("Mapping", FText::GetEmpty(), ECategoryPriority::Default);
		IDetailCategoryBuilder& Status = DetailBuilder.EditCategory("Status", FText::FromString("Bone Status"), ECategoryPriority::Important);
		DetailBuilder.GetProperty("StatusText")->MarkHiddenByCustomization();
		Status.AddCustomRow(FText::FromString("Check"))
			.NameContent()[SNew(STextBlock).Text(FText::FromString("Check")).Font(IDetailLayoutBuilder::GetDetailFont())]
			.ValueContent()[SNew(STextBlock).Text_Lambda([this] {
				const UDetailsTestBase* Pinned = Asset.Get();
				return FText::FromString(Pinned ? Pinned->StatusText : FString("Invalid Asset"));
			})];
	}
	TWeakObjectPtr<UDetailsTestBase> Asset;
};

/** Lays out one row: its source bone as the title, the standard editor of its target as the value. */
class FTestRowCustomization : public IPropertyTypeCustomization
{
public:
	void CustomizeHeader(TSharedRef<IPropertyHandle> PropertyHandle, FDetailWidgetRow& HeaderRow, IPropertyTypeCustomizationUtils&) override
	{
		const TSharedPtr<IPropertyHandle> Source = PropertyHandle->GetChildHandle("SourceBone");
		Target = PropertyHandle->GetChildHandle("TargetBone");
		FName SourceName;
		Source->GetValue(SourceName);
		HeaderRow.NameContent()[SNew(STextBlock).Text(FText::FromString(SourceName.ToString()))]
			.ValueContent()
			.MinDesiredWidth(200)[Target->CreatePropertyValueWidget()];
	}
	void CustomizeChildren(TSharedRef<IPropertyHandle>, IDetailChildrenBuilder&, IPropertyTypeCustomizationUtils&) override {}
	TSharedPtr<IPropertyHandle> Target;
};

class DetailsView : public ::testing::Test
{
protected:
	void SetUp() override
	{
		FTransactionBuffer::Get().Reset();
		Module = &FModuleManager::LoadModuleChecked<FPropertyEditorModule>("PropertyEditor");
		Module->RegisterCustomClassLayout("DetailsTestBase", FOnGetDetailCustomizationInstance::CreateLambda([] {
			return TSharedRef<IDetailCustomization>(MakeShared<FTestAssetCustomization>());
		}));
		Module->RegisterCustomPropertyTypeLayout("DetailsTestRow", FOnGetPropertyTypeCustomizationInstance::CreateLambda([] {
			return TSharedRef<IPropertyTypeCustomization>(MakeShared<FTestRowCustomization>());
		}));
		View = Module->CreateDetailView(FDetailsViewArgs());
	}
	void TearDown() override
	{
		Module->UnregisterCustomClassLayout("DetailsTestBase");
		Module->UnregisterCustomPropertyTypeLayout("DetailsTestRow");
		FTransactionBuffer::Get().Reset();
	}
	nlohmann::json Json() const { return nlohmann::json::parse(*View->RenderJson()); }

	FPropertyEditorModule* Module = nullptr;
	TSharedPtr<SDetailsView> View;
	UDetailsTestAsset Asset;
};
}

TEST_F(DetailsView, AppliesTheNearestBaseClassLayoutAndTheRowLayoutEverywhere)
{
	Asset.StatusText = "OK";
	View->SetObjects({&Asset});
	EXPECT_STREQ(*View->RenderText(),
		"Bone Status\n"
		"  Check\n"
		"    Name:\n"
		"      STextBlock Text=\"Check\" Font={\"Style\":\"PropertyWindow.NormalFont\",\"Typeface\":\"Regular\",\"Size\":8.0}\n"
		"    Value:\n"
		"      STextBlock Text=\"OK\"\n"
		"Motion\n"
		"  Ground Offset = 0.0\n"
		"  [Source]\n"
		"    Subject = None\n"
		"Mapping\n"
		"  Single\n"
		"    Name:\n"
		"      STextBlock Text=\"Head\"\n"
		"    Value MinDesiredWidth=200.0:\n"
		"      SPropertyValueWidget Text=\"neck\"\n"
		"  Rows = 2 Array elements\n"
		"    Index [ 0 ]\n"
		"      Name:\n"
		"        STextBlock Text=\"Hips\"\n"
		"      Value MinDesiredWidth=200.0:\n"
		"        SPropertyValueWidget Text=\"None\"\n"
		"    Index [ 1 ]\n"
		"      Name:\n"
		"        STextBlock Text=\"Spine\"\n"
		"      Value MinDesiredWidth=200.0:\n"
		"        SPropertyValueWidget Text=\"spine_01\"\n");
}

TEST_F(DetailsView, BoundRowsFollowTheAssetAndTypedValuesGoThroughTheHandle)
{
	View->SetObjects({&Asset});
	Asset.StatusText = "3 duplicates";
	EXPECT_EQ(Json()["categories"][0]["rows"][0]["value"]["attributes"]["Text"], "3 duplicates");

	const TArray<TSharedPtr<SWidget>> Widgets = View->GetRowWidgets();
	TArray<TSharedPtr<SPropertyValueWidget>> Editors;
	for (const TSharedPtr<SWidget>& Widget : Widgets)
	{
		if (const TSharedPtr<SPropertyValueWidget> Editor = std::dynamic_pointer_cast<SPropertyValueWidget>(Widget))
		{
			Editors.Add(Editor);
		}
	}
	ASSERT_EQ(Editors.Num(), 5); // ground offset, subject, single, two rows
	Editors[3]->CommitText(FText::FromString("pelvis"), ETextCommit::OnEnter);
	EXPECT_EQ(Asset.Rows[0].TargetBone, FName("pelvis"));
	Editors[0]->CommitText(FText::FromString("25"), ETextCommit::OnUserMovedFocus);
	EXPECT_FLOAT_EQ(Asset.GroundOffset, 10.f) << "clamped by the property's metadata";
	EXPECT_STREQ(*Editors[0]->GetText().ToString(), "10.0") << "the field shows the stored value again";
	Editors[0]->CommitText(FText::FromString("not a number"), ETextCommit::OnEnter);
	EXPECT_STREQ(*Editors[0]->GetText().ToString(), "10.0");

	EXPECT_EQ(Json()["categories"][2]["rows"][1]["children"][0]["value"]["attributes"]["Text"], "pelvis");
}

TEST_F(DetailsView, OptionsPropertyListsWhatItsFunctionReturns)
{
	View->SetObjects({&Asset});
	const nlohmann::json Subject = Json()["categories"][1]["rows"][1];
	EXPECT_EQ(Subject["group"], "Source");
	EXPECT_EQ(Subject["valueWidget"]["attributes"]["Options"], nlohmann::json({"Box_1", "Wand_2"}));
}

TEST_F(DetailsView, UnregisteringAndNotifyingRebuildsOpenViewsWithStandardRows)
{
	View->SetObjects({&Asset});
	Module->UnregisterCustomClassLayout("DetailsTestBase");
	Module->UnregisterCustomPropertyTypeLayout("DetailsTestRow");
	Module->NotifyCustomizationModuleChanged();

	const nlohmann::json Categories = Json()["categories"];
	ASSERT_EQ(Categories.size(), 3u);
	EXPECT_EQ(Categories[0]["name"], "Status");
	EXPECT_EQ(Categories[0]["rows"][0]["path"], "StatusText");
	const nlohmann::json Row = Categories[2]["rows"][1]["children"][1];
	EXPECT_EQ(Row["kind"], "property");
	EXPECT_EQ(Row["displayName"], "Index [ 1 ]");
	EXPECT_EQ(Row["children"][1]["path"], "Rows[1].TargetBone");
	EXPECT_EQ(Row["children"][1]["value"], "spine_01");
}

TEST_F(DetailsView, CustomizationOutlivingItsAssetShowsTheFallback)
{
	auto* Doomed = new UDetailsTestAsset();
	View->SetObjects({Doomed});
	delete Doomed;
	EXPECT_EQ(Json()["categories"][0]["rows"][0]["value"]["attributes"]["Text"], "Invalid Asset");
	EXPECT_EQ(Json()["categories"][2]["rows"][1]["value"], "") << "rows of a gone object read empty, never crash";
}
