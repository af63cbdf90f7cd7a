#include "Editor/SZevoLiveLinkSourceFactory.h"
#include "FreeUdpPort.h"
#include "Logging/LogCapture.h"
#include "TempProject.h"
#include "Widgets/Input/SButton.h"
#include "Widgets/Input/SEditableTextBox.h"
#include "Widgets/WidgetTree.h"
#include "ZevoLiveLinkSettings.h"
#include "Stream/ZevoLiveLinkSource.h"
#include "ZevoLiveLinkSourceFactory.h"

#include <gtest/gtest.h>

namespace
{
FIPv4Endpoint Endpoint(const char* Text)
{
	FIPv4Endpoint Result;
	EXPECT_TRUE(FIPv4Endpoint::Parse(Text, Result)) << Text;
	return Result;
}

// The creation panel as the Live Link window shows it, with the sources it hands over.
class ZevoLiveLinkSourceFactoryTest : public testing::Test
{
protected:
	void SetUp() override
	{
		Settings->bAutoConnectOnStartup = true;
		Settings->bRememberLastConnection = true;
		Settings->SavedConnections.Empty();
	}
	void TearDown() override { Settings->SavedConnections.Empty(); }

	void OpenPanel()
	{
		Panel = Factory->BuildCreationPanel(ULiveLinkSourceFactory::FOnLiveLinkSourceCreated::CreateLambda(
			[this](TSharedPtr<ILiveLinkSource> Source, FString ConnectionString) {
				Created.Add(Source);
				ConnectionStrings.Add(ConnectionString);
			}));
		ASSERT_TRUE(Panel);
		TextBox = FWidgetTree::Find<SEditableTextBox>(Panel);
		OkButton = FWidgetTree::Find<SButton>(Panel, "Ok");
		ASSERT_TRUE(TextBox && OkButton);
	}
	FString FieldText() const { return TextBox->GetText().ToString(); }
	FIPv4Endpoint CreatedEndpoint(int32 Index) const { return static_cast<ZevoLiveLinkSource&>(*Created[Index]).GetEndpoint(); }

	FTempProject Project;
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
	const UZevoLiveLinkSourceFactory* Factory = GetDefault<UZevoLiveLinkSourceFactory>();
	TSharedPtr<SWidget> Panel;
	TSharedPtr<SEditableTextBox> TextBox;
	TSharedPtr<SButton> OkButton;
	TArray<TSharedPtr<ILiveLinkSource>> Created;
	TArray<FString> ConnectionStrings;
};
}

TEST_F(ZevoLiveLinkSourceFactoryTest, NamesItselfAndOffersAPanel)
{
	EXPECT_EQ(Factory->GetSourceDisplayName().ToString(), FString("Zevo LiveLink"));
	EXPECT_EQ(Factory->GetSourceDisplayName().GetNamespace(), FString("ZevoLiveLinkSource"));
	EXPECT_EQ(Factory->GetSourceTooltip().ToString(), FString("Creates a connection to Zevo Stream"));
	EXPECT_EQ(Factory->GetMenuType(), ULiveLinkSourceFactory::EMenuType::SubPanel);
	OpenPanel();
	EXPECT_TRUE(FWidgetTree::Find<SWidget>(Panel, "PortNumber"));
}

TEST_F(ZevoLiveLinkSourceFactoryTest, OpensOnTheRememberedEndpointOrOnAnyAddress)
{
	struct FCase
	{
		bool bRemember;
		const char* Saved; // nullptr: no saved connection
		const char* Expected;
	};
	const FCase Cases[] = {
		{true, nullptr, "127.0.0.1:7777"},
		{true, "10.1.2.3", "10.1.2.3:9001"},
		{false, nullptr, "0.0.0.0:7777"},
		{false, "10.1.2.3", "0.0.0.0:7777"},
	};
	for (const FCase& Case : Cases)
	{
		Settings->bRememberLastConnection = Case.bRemember;
		Settings->SavedConnections.Empty();
		if (Case.Saved)
		{
			Settings->SavedConnections.Add(FZevoLiveLinkConnectionInfo{Case.Saved, 9001, false});
		}
		OpenPanel();
		EXPECT_EQ(FieldText(), FString(Case.Expected)) << Case.bRemember << " " << (Case.Saved ? Case.Saved : "none");
	}
}

TEST_F(ZevoLiveLinkSourceFactoryTest, EnterOnGarbageConfirmsTheCorrectedEndpoint)
{
	OpenPanel();
	TextBox->CommitText(FText::FromString("not an endpoint"), ETextCommit::OnEnter);
	EXPECT_EQ(FieldText(), FString("0.0.0.0:8000"));
	ASSERT_EQ(Created.Num(), 1);
	EXPECT_EQ(ConnectionStrings[0], FString("0.0.0.0:8000"));
	EXPECT_EQ(CreatedEndpoint(0), Endpoint("0.0.0.0:8000"));
	ASSERT_EQ(Settings->SavedConnections.Num(), 1);
	EXPECT_EQ(Settings->SavedConnections[0].Port, 8000);
}

TEST_F(ZevoLiveLinkSourceFactoryTest, OtherCommitsOnlyValidate)
{
	OpenPanel();
	TextBox->CommitText(FText::FromString("127.0.0.1:0"), ETextCommit::OnUserMovedFocus);
	EXPECT_EQ(FieldText(), FString("127.0.0.1:0"));
	TextBox->CommitText(FText::FromString("127.0.0.1:99999"), ETextCommit::OnCleared);
	EXPECT_EQ(FieldText(), FString("0.0.0.0:8000")) << "a port out of range is corrected too";
	EXPECT_EQ(Created.Num(), 0);
	EXPECT_EQ(Settings->SavedConnections.Num(), 0);
	EXPECT_FALSE(Project.ReadFile("Saved/Config/ZevoLiveLink.ini").Contains("8000"));
}

TEST_F(ZevoLiveLinkSourceFactoryTest, ConfirmingTwiceGivesTwoSourcesAndOneSavedEntry)
{
	OpenPanel();
	TextBox->CommitText(FText::FromString("127.0.0.1:0"), ETextCommit::OnUserMovedFocus);
	EXPECT_TRUE(OkButton->Click().IsEventHandled());
	EXPECT_TRUE(OkButton->Click().IsEventHandled());
	ASSERT_EQ(Created.Num(), 2);
	EXPECT_NE(Created[0], Created[1]);
	EXPECT_EQ(ConnectionStrings, (TArray<FString>{"127.0.0.1:0", "127.0.0.1:0"}));
	EXPECT_EQ(Settings->SavedConnections.Num(), 1);
	EXPECT_TRUE(Project.ReadFile("Saved/Config/ZevoLiveLink.ini").Contains("Port=0"));
}

TEST_F(ZevoLiveLinkSourceFactoryTest, ConfirmingWithRememberingOffSavesNothing)
{
	Settings->bRememberLastConnection = false;
	OpenPanel();
	TextBox->SetText(FText::FromString("127.0.0.1:0"));
	OkButton->Click();
	EXPECT_EQ(Created.Num(), 1);
	EXPECT_EQ(Settings->SavedConnections.Num(), 0);
}

TEST_F(ZevoLiveLinkSourceFactoryTest, ButtonWithUnparseableTextDoesNothingButIsHandled)
{
	OpenPanel();
	TextBox->SetText(FText::FromString("127.0.0.1"));
	FLogCapture Log;
	EXPECT_TRUE(OkButton->Click().IsEventHandled());
	EXPECT_EQ(Created.Num(), 0);
	EXPECT_EQ(Log.Num(), 0);
}

TEST_F(ZevoLiveLinkSourceFactoryTest, CreateSourceReadsAConnectionStringWithoutSavingIt)
{
	FLogCapture Log;
	const TSharedPtr<ILiveLinkSource> Source = Factory->CreateSource("10.0.0.5:9000");
	ASSERT_TRUE(Source);
	EXPECT_EQ(static_cast<ZevoLiveLinkSource&>(*Source).GetEndpoint(), Endpoint("10.0.0.5:9000"));
	EXPECT_EQ(Log.Count("CreateSource Called", ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("Parsed IP: 10.0.0.5, Port: 9000", ELogVerbosity::Log), 1);
	EXPECT_EQ(Settings->SavedConnections.Num(), 0);

	for (const char* Invalid : {"10.0.0.5", "10.0.0.5:", "", "10.0.0.5:port"})
	{
		EXPECT_FALSE(Factory->CreateSource(Invalid)) << Invalid;
		EXPECT_EQ(Log.Count(FString::Printf("Invalid ConnectionString: %s", Invalid), ELogVerbosity::Error), 1) << Invalid;
	}
}

// A source listens on its port on every address, so a second one for that port could never
// receive: the panel refuses it before saving anything, the factory refuses its connection string.
TEST_F(ZevoLiveLinkSourceFactoryTest, APortThisEditorListensOnGetsNoSecondSource)
{
	const FString Port = FString::Printf("%d", FreeUdpPort());
	const FString Listened = "127.0.0.1:" + Port;
	OpenPanel();
	TextBox->CommitText(FText::FromString(Listened), ETextCommit::OnEnter);
	ASSERT_EQ(Created.Num(), 1);
	ASSERT_TRUE(Created[0]->IsSourceStillValid());
	const FString Saved = Project.ReadFile("Saved/Config/ZevoLiveLink.ini");

	FLogCapture Log;
	for (const FString& Text : {Listened, "10.0.0.5:" + Port})
	{
		const FString Refusal = "[Zevo LiveLink] Not creating a second source for " + Text + ": the source for " + Listened +
			" already listens on port " + Port;
		OpenPanel();
		TextBox->CommitText(FText::FromString(Text), ETextCommit::OnEnter);
		EXPECT_TRUE(OkButton->Click().IsEventHandled());
		EXPECT_FALSE(Factory->CreateSource(Text)) << *Text;
		EXPECT_EQ(Log.Count(Refusal, ELogVerbosity::Error), 3) << *Text;
	}
	EXPECT_EQ(Created.Num(), 1);
	EXPECT_EQ(Settings->SavedConnections.Num(), 1) << "a refused confirm saves nothing";
	EXPECT_STREQ(*Project.ReadFile("Saved/Config/ZevoLiveLink.ini"), *Saved);

	// Once the client has deleted the source, its port is free again.
	Created.Empty();
	const TSharedPtr<ILiveLinkSource> Again = Factory->CreateSource(Listened);
	ASSERT_TRUE(Again);
	EXPECT_TRUE(Again->IsSourceStillValid());
}
