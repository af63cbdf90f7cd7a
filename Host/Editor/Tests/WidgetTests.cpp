#include "CoreMinimal.h"
#include "Styling/AppStyle.h"
#include "Styling/CoreStyle.h"
#include "Widgets/Colors/SColorBlock.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SCompoundWidget.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"
#include "Widgets/WidgetTree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{
/** A small form as a plugin would write one: a label, a field and a button bound to its own methods. */
class STestForm : public SCompoundWidget
{
public:
	SLATE_BEGIN_ARGS(STestForm) {}
	SLATE_END_ARGS()

	void Construct(const FArguments& InArgs)
	{
		ChildSlot
		[
			SNew(SBox)
			.WidthOverride(250)
			[
				SNew(SVerticalBox)
				+ SVerticalBox::Slot()
				.AutoHeight()
				[
					SNew(SHorizontalBox)
					+ SHorizontalBox::Slot().FillWidth(0.5f).HAlign(HAlign_Left)
					[
						SNew(STextBlock).Text(FText::FromString("Name"))
					]
					+ SHorizontalBox::Slot().FillWidth(0.5f)
					[
						SAssignNew(Field, SEditableTextBox)
						.Text(FText::FromString("first"))
						.OnTextCommitted(this, &STestForm::OnCommitted)
					]
				]
				+ SVerticalBox::Slot()
				.AutoHeight()
				.HAlign(HAlign_Right)
				[
					SNew(SButton)
					.OnClicked(this, &STestForm::OnOk)
					[
						SNew(STextBlock).Text(FText::FromString("Ok"))
					]
				]
			]
		];
	}

	FReply OnOk()
	{
		if (TSharedPtr<SEditableTextBox> Pinned = Field.Pin())
		{
			Confirmed.Add(Pinned->GetText().ToString());
		}
		return FReply::Handled();
	}
	void OnCommitted(const FText& Text, ETextCommit::Type CommitType) { Commits.Add(FString::Printf("%s/%d", *Text.ToString(), int(CommitType))); }

	TWeakPtr<SEditableTextBox> Field;
	TArray<FString> Confirmed;
	TArray<FString> Commits;
};

struct FSource
{
	float Fraction = 0.25f;
	FLinearColor Color{1.f, 0.f, 0.f, 1.f};
	bool bShown = true;
	FText Label() const { return FText::FromString(FString::Printf("%d%%", int(Fraction * 100))); }
};
}

TEST(Widgets, DeclarativeTreeRendersAsIndentedTextWithSlots)
{
	const TSharedPtr<STestForm> Form = SNew(STestForm);
	EXPECT_STREQ(*FWidgetTree::RenderText(Form),
		"STestForm\n"
		"  SBox WidthOverride=250.0\n"
		"    SVerticalBox\n"
		"      [AutoHeight=true] SHorizontalBox\n"
		"        [FillWidth=0.5 HAlign=\"Left\"] STextBlock Text=\"Name\"\n"
		"        [FillWidth=0.5] SEditableTextBox Text=\"first\"\n"
		"      [AutoHeight=true HAlign=\"Right\"] SButton\n"
		"        STextBlock Text=\"Ok\"\n");
}

TEST(Widgets, BoundAttributesFollowTheirSourceInEveryRendering)
{
	FSource Source;
	const TSharedPtr<SOverlay> Bar = SNew(SOverlay)
		+ SOverlay::Slot()
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot().FillWidth(TAttribute<float>::CreateLambda([&] { return Source.Fraction; }))
			[
				SNew(SColorBlock).Color_Lambda([&] { return Source.Color; })
			]
			+ SHorizontalBox::Slot().FillWidth(TAttribute<float>::CreateLambda([&] { return 1.f - Source.Fraction; }))
		]
		+ SOverlay::Slot().HAlign(HAlign_Center).VAlign(VAlign_Center).Padding(FMargin(8.f, 6.f))
		[
			SNew(STextBlock)
			.Text(&Source, &FSource::Label)
			.Font(FCoreStyle::GetDefaultFontStyle("Bold", 10))
			.ColorAndOpacity(FLinearColor::White)
			.ShadowOffset(FVector2D(1, 1))
			.Visibility_Lambda([&] { return Source.bShown ? EVisibility::Visible : EVisibility::Collapsed; })
		];

	auto Json = [&] { return nlohmann::json::parse(*FWidgetTree::RenderJson(Bar)); };
	nlohmann::json Before = Json();
	const nlohmann::json& Label = Before["children"][1];
	EXPECT_EQ(Label["attributes"]["Text"], "25%");
	EXPECT_EQ(Label["attributes"]["Font"]["Typeface"], "Bold");
	EXPECT_EQ(Label["attributes"]["Font"]["Size"], 10);
	EXPECT_EQ(Label["attributes"]["Visibility"], "Visible");
	EXPECT_EQ(Label["slot"]["Padding"], nlohmann::json({8, 6, 8, 6}));
	EXPECT_EQ(Before["children"][0]["children"][0]["slot"]["FillWidth"], 0.25);
	EXPECT_EQ(Before["children"][0]["children"][1]["type"], nullptr) << "an empty slot still takes its share";

	Source.Fraction = 0.75f;
	Source.Color = FLinearColor(0.f, 1.f, 0.f, 1.f);
	Source.bShown = false;
	nlohmann::json After = Json();
	EXPECT_EQ(After["children"][1]["attributes"]["Text"], "75%");
	EXPECT_EQ(After["children"][1]["attributes"]["Visibility"], "Collapsed");
	EXPECT_EQ(After["children"][0]["children"][0]["slot"]["FillWidth"], 0.75);
	EXPECT_EQ(After["children"][0]["children"][1]["slot"]["FillWidth"], 0.25);
	EXPECT_EQ(After["children"][0]["children"][0]["attributes"]["Color"], nlohmann::json({0, 1, 0, 1}));
	EXPECT_NE(FWidgetTree::RenderText(Bar).Find("Text=\"75%\""), INDEX_NONE);
}

TEST(Widgets, TextCommitReportsItsKindAndButtonClicksReachTheOwner)
{
	const TSharedPtr<STestForm> Form = SNew(STestForm);
	const TSharedPtr<SEditableTextBox> Field = Form->Field.Pin();
	ASSERT_TRUE(Field);
	EXPECT_EQ(FWidgetTree::Find<SEditableTextBox>(Form), Field);

	const struct
	{
		const char* Typed;
		ETextCommit::Type Kind;
		const char* Reported;
	} Cases[] = {
		{"enter", ETextCommit::OnEnter, "enter/1"},
		{"focus", ETextCommit::OnUserMovedFocus, "focus/2"},
		{"", ETextCommit::OnCleared, "/3"},
		{"plain", ETextCommit::Default, "plain/0"},
	};
	for (const auto& Case : Cases)
	{
		Field->CommitText(FText::FromString(Case.Typed), Case.Kind);
		EXPECT_STREQ(*Form->Commits.Last(), Case.Reported);
		EXPECT_STREQ(*Field->GetText().ToString(), Case.Typed);
	}

	const TSharedPtr<SButton> Ok = FWidgetTree::Find<SButton>(Form, "Ok");
	ASSERT_TRUE(Ok);
	EXPECT_TRUE(Ok->Click().IsEventHandled());
	EXPECT_EQ(Form->Confirmed, (TArray<FString>{"plain"}));
	EXPECT_FALSE((SNew(SButton))->Click().IsEventHandled());
}

TEST(Widgets, OwnerBoundHandlersDoNotKeepTheirWidgetAlive)
{
	TSharedPtr<STestForm> Form = SNew(STestForm);
	const TSharedPtr<SButton> Ok = FWidgetTree::Find<SButton>(Form, "Ok");
	const TWeakPtr<STestForm> Weak = Form;
	Form.Reset();
	EXPECT_FALSE(Weak.IsValid());
	EXPECT_FALSE(Ok->Click().IsEventHandled()) << "the button outlived its panel; the click goes nowhere";
}

TEST(Widgets, EditorFontsComeFromNamedStyles)
{
	EXPECT_EQ(FAppStyle::GetFontStyle("PropertyWindow.BoldFont").TypefaceFontName, FName("Bold"));
	EXPECT_EQ(FAppStyle::GetFontStyle("PropertyWindow.NormalFont").StyleName, FName("PropertyWindow.NormalFont"));
}
