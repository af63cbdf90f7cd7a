#include "Logging/LogCapture.h"
#include "Misc/FileHelper.h"
#include "PropertyHandle.h"
#include "TempProject.h"
#include "UObject/UnrealType.h"
#include "ZevoLiveLinkSettings.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace
{
const char* const IniPath = "Saved/Config/ZevoLiveLink.ini";
const char* const Section = "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n";

FString ReadGoldenIni()
{
	FString Text;
	const std::filesystem::path Golden = std::filesystem::path(ZEVO_TESTS_DIR) / "Golden" / "ZevoLiveLink.ini";
	EXPECT_TRUE(FFileHelper::LoadFileToString(Text, Golden.c_str())) << Golden;
	return Text;
}

FIPv4Endpoint Endpoint(const char* Text)
{
	FIPv4Endpoint Result;
	EXPECT_TRUE(FIPv4Endpoint::Parse(Text, Result)) << Text;
	return Result;
}

std::string Describe(const TArray<FZevoLiveLinkConnectionInfo>& Connections)
{
	std::string Text;
	for (const FZevoLiveLinkConnectionInfo& Connection : Connections)
	{
		Text += *FString::Printf("%s:%d:%s ", *Connection.IPAddress, Connection.Port, Connection.bEnabled ? "on" : "off");
	}
	return Text;
}

// The settings object is the process's class default object: every test starts it afresh.
class ZevoLiveLinkSettingsTest : public testing::Test
{
protected:
	void SetUp() override
	{
		Settings->bAutoConnectOnStartup = true;
		Settings->bRememberLastConnection = true;
		Settings->SavedConnections.Empty();
	}

	FString Ini() const { return Project.ReadFile(IniPath); }
	bool IniExists() const { return std::filesystem::exists(*(Project.GetDir() + IniPath)); }
	FString IniFullPath() const { return Project.GetDir() + IniPath; }
	void LoadFrom(const FString& Text)
	{
		Project.WriteFile(IniPath, Text);
		Settings->LoadConnectionsFromConfig();
	}

	FTempProject Project;
	FLogCapture Log;
	UZevoLiveLinkSettings* Settings = UZevoLiveLinkSettings::Get();
};
}

TEST_F(ZevoLiveLinkSettingsTest, WritesTheDocumentedFileByteForByte)
{
	Settings->AddOrUpdateConnection(Endpoint("127.0.0.1:7777"));
	EXPECT_STREQ(*Ini(), *ReadGoldenIni());
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Created config directory: " + Project.GetDir() + "Saved/Config", ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Saving to: " + IniFullPath(), ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Saved 1 connections to " + IniFullPath(), ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Added new connection: 127.0.0.1:7777 (Total: 1)", ELogVerbosity::Log), 1);
}

TEST_F(ZevoLiveLinkSettingsTest, GoldenFileKeepsLoading)
{
	Settings->bAutoConnectOnStartup = false;
	Settings->bRememberLastConnection = false;
	Settings->SavedConnections.Add({"10.1.1.1", 1, false});
	LoadFrom(ReadGoldenIni());
	EXPECT_TRUE(Settings->bAutoConnectOnStartup);
	EXPECT_TRUE(Settings->bRememberLastConnection);
	EXPECT_EQ(Describe(Settings->SavedConnections), "127.0.0.1:7777:on ");
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Loading from: " + IniFullPath(), ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Loaded connection: 127.0.0.1:7777 (Enabled: 1)", ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Loaded 1 connections from config", ELogVerbosity::Log), 1);
}

TEST_F(ZevoLiveLinkSettingsTest, ReadsConnectionLinesByPosition)
{
	struct FCase
	{
		const char* Line;
		const char* Expected;  // as Describe prints the list
	};
	const FCase Cases[] = {
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=False)", "10.0.0.5:9000:off "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=true)", "10.0.0.5:9000:on "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=True )", "10.0.0.5:9000:off "},
		{"+SavedConnections=(10.0.0.5,9000,True)", "10.0.0.5:9000:on "},
		{"+savedconnections=(ipaddress=\"10.0.0.5\",port=9000,benabled=TRUE)", "10.0.0.5:9000:on "},
		{"+SavedConnections=", "127.0.0.1:7777:off "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\")", "127.0.0.1:7777:off "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000)", "10.0.0.5:7777:off "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port=abc,bEnabled=True)", "10.0.0.5:0:on "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port= -12x,bEnabled=True)", "10.0.0.5:-12:on "},
		{"+SavedConnections=(IPAddress=\"10.0.0.5\",Port=70000,bEnabled=True)", "10.0.0.5:70000:on "},
		{"+SavedConnections=(IPAddress=\"my\"\"host\",Port=1,bEnabled=True)", "myhost:1:on "},
		{" +SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=True)", ""},
		{"; +SavedConnections=(IPAddress=\"10.0.0.5\",Port=9000,bEnabled=True)", ""},
	};
	for (const FCase& Case : Cases)
	{
		LoadFrom(FString(Section) + Case.Line + "\n");
		EXPECT_EQ(Describe(Settings->SavedConnections), Case.Expected) << Case.Line;
	}
}

TEST_F(ZevoLiveLinkSettingsTest, ReadsSwitchesFromAnyLineThatStartsWithTheirKey)
{
	struct FCase
	{
		const char* Line;
		bool bBefore;
		bool bAfter;
	};
	const FCase Cases[] = {
		{"bAutoConnectOnStartup=TRUE", false, true},
		{"bautoconnectonstartup=true", false, true},
		{"bAutoConnectOnStartup=Untrue", false, true},  // any value containing the four letters
		{"bAutoConnectOnStartup=1", true, false},
		{"bAutoConnectOnStartup=yes", true, false},
		{"bAutoConnectOnStartup=False", true, false},
		{" bAutoConnectOnStartup=False", true, true},  // not trimmed: not a switch line
		{"bAutoConnect=False", true, true},
	};
	for (const FCase& Case : Cases)
	{
		Settings->bAutoConnectOnStartup = Case.bBefore;
		Settings->bRememberLastConnection = Case.bBefore;
		LoadFrom(FString(Section) + Case.Line + "\r\n");
		EXPECT_EQ(Settings->bAutoConnectOnStartup, Case.bAfter) << Case.Line;
		EXPECT_EQ(Settings->bRememberLastConnection, Case.bBefore) << "the other switch has no line: " << Case.Line;
	}
}

TEST_F(ZevoLiveLinkSettingsTest, FileWithOnlyTheSectionKeepsSwitchesAndEmptiesTheList)
{
	Settings->bAutoConnectOnStartup = false;
	Settings->SavedConnections.Add({"10.0.0.5", 9000, true});
	LoadFrom(Section);
	EXPECT_FALSE(Settings->bAutoConnectOnStartup);
	EXPECT_TRUE(Settings->bRememberLastConnection);
	EXPECT_TRUE(Settings->SavedConnections.IsEmpty());
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Loaded 0 connections from config"), 1);
}

TEST_F(ZevoLiveLinkSettingsTest, MissingFileKeepsEverything)
{
	Settings->bRememberLastConnection = false;
	Settings->SavedConnections.Add({"10.0.0.5", 9000, true});
	Settings->LoadConnectionsFromConfig();
	EXPECT_FALSE(Settings->bRememberLastConnection);
	EXPECT_EQ(Describe(Settings->SavedConnections), "10.0.0.5:9000:on ");
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Config file not found, using defaults", ELogVerbosity::Log), 1);
}

TEST_F(ZevoLiveLinkSettingsTest, SavedFileReadsBackTheSameSwitchesAndList)
{
	Settings->bAutoConnectOnStartup = false;
	Settings->SavedConnections = {{"192.168.0.20", 9000, false}, {"10.0.0.5", 70000, true}, {"127.0.0.1", 7777, true}};
	Settings->SaveConnectionsToConfig();
	EXPECT_STREQ(*Ini(), "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\n"
						 "bAutoConnectOnStartup=False\n"
						 "bRememberLastConnection=True\n"
						 "+SavedConnections=(IPAddress=\"192.168.0.20\",Port=9000,bEnabled=False)\n"
						 "+SavedConnections=(IPAddress=\"10.0.0.5\",Port=70000,bEnabled=True)\n"
						 "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=7777,bEnabled=True)\n");

	Settings->bAutoConnectOnStartup = true;
	Settings->bRememberLastConnection = false;
	Settings->SavedConnections.Empty();
	Settings->LoadConnectionsFromConfig();
	EXPECT_FALSE(Settings->bAutoConnectOnStartup);
	EXPECT_TRUE(Settings->bRememberLastConnection);
	EXPECT_EQ(Describe(Settings->SavedConnections), "192.168.0.20:9000:off 10.0.0.5:70000:on 127.0.0.1:7777:on ");
}

TEST_F(ZevoLiveLinkSettingsTest, AddingAKnownEndpointTurnsItBackOnInsteadOfAddingIt)
{
	Settings->SavedConnections = {{"10.0.0.5", 9000, false}};
	Settings->AddOrUpdateConnection(Endpoint("10.0.0.5:9000"));
	EXPECT_EQ(Describe(Settings->SavedConnections), "10.0.0.5:9000:on ");
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Updated existing connection: 10.0.0.5:9000", ELogVerbosity::Log), 1);

	Settings->AddOrUpdateConnection(Endpoint("10.0.0.5:9001"));
	EXPECT_EQ(Describe(Settings->SavedConnections), "10.0.0.5:9000:on 10.0.0.5:9001:on ");
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Added new connection: 10.0.0.5:9001 (Total: 2)"), 1);
	EXPECT_TRUE(Ini().Contains("+SavedConnections=(IPAddress=\"10.0.0.5\",Port=9001,bEnabled=True)\n"));
}

TEST_F(ZevoLiveLinkSettingsTest, RememberOffLeavesListAndFileAloneButSettingsEditsStillSave)
{
	Settings->bRememberLastConnection = false;
	Settings->AddOrUpdateConnection(Endpoint("10.0.0.5:9000"));
	EXPECT_TRUE(Settings->SavedConnections.IsEmpty());
	EXPECT_FALSE(IniExists());
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Remember connections disabled, not saving", ELogVerbosity::Log), 1);

	FPropertyChangedEvent Event(UZevoLiveLinkSettings::StaticClass()->FindPropertyByName("bAutoConnectOnStartup"), EPropertyChangeType::ValueSet);
	Settings->bAutoConnectOnStartup = false;
	Settings->PostEditChangeProperty(Event);
	EXPECT_TRUE(Ini().Contains("bAutoConnectOnStartup=False\nbRememberLastConnection=False\n"));
}

TEST_F(ZevoLiveLinkSettingsTest, RemoveTakesTheLaterOfTwoIdenticalEntries)
{
	Settings->bRememberLastConnection = false;  // removal does not ask
	Settings->SavedConnections = {{"10.0.0.5", 9000, true}, {"10.0.0.6", 9000, true}, {"10.0.0.5", 9000, false}};
	Settings->RemoveConnection(Endpoint("10.0.0.5:9000"));
	EXPECT_EQ(Describe(Settings->SavedConnections), "10.0.0.5:9000:on 10.0.0.6:9000:on ");
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Removed connection: 10.0.0.5:9000 (Remaining: 2)", ELogVerbosity::Log), 1);
	EXPECT_TRUE(IniExists());

	std::filesystem::remove(*IniFullPath());
	Settings->RemoveConnection(Endpoint("10.0.0.5:9001"));
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Connection not found to remove: 10.0.0.5:9001", ELogVerbosity::Warning), 1);
	EXPECT_FALSE(IniExists()) << "nothing is written when nothing was removed";
}

TEST_F(ZevoLiveLinkSettingsTest, ClearEmptiesTheListAndTheFile)
{
	Settings->SavedConnections = {{"10.0.0.5", 9000, true}};
	Settings->ClearAllConnections();
	EXPECT_TRUE(Settings->SavedConnections.IsEmpty());
	EXPECT_STREQ(*Ini(), "[/Script/ZevoLiveLink.ZevoLiveLinkSettings]\nbAutoConnectOnStartup=True\nbRememberLastConnection=True\n");
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Cleared all connections", ELogVerbosity::Log), 1);
}

TEST_F(ZevoLiveLinkSettingsTest, EnabledEndpointsSkipDisabledEntriesAndAddressesThatDoNotParse)
{
	EXPECT_TRUE(Settings->GetEnabledEndpoints().IsEmpty());
	EXPECT_EQ(Log.Count("[Zevo LiveLink] No saved connections found", ELogVerbosity::Log), 1);

	Settings->SavedConnections = {
		{"10.0.0.5", 9000, true}, {"10.0.0.6", 9000, false}, {"server.local", 9000, true}, {"10.0.0.7", 70000, true}};
	const TArray<FIPv4Endpoint> Endpoints = Settings->GetEnabledEndpoints();
	EXPECT_EQ(Endpoints, (TArray<FIPv4Endpoint>{Endpoint("10.0.0.5:9000"), Endpoint("10.0.0.7:4464")}));
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Found saved connection: 10.0.0.5:9000", ELogVerbosity::Log), 1);
	EXPECT_EQ(Log.CountContaining("\"server.local\"", ELogVerbosity::Warning), 1);
}

TEST_F(ZevoLiveLinkSettingsTest, DefaultEndpointIsTheFirstEntryEvenWhenDisabled)
{
	EXPECT_EQ(Settings->GetDefaultEndpoint(), Endpoint("127.0.0.1:7777"));
	Settings->SavedConnections = {{"10.0.0.6", 9000, false}, {"10.0.0.5", 9000, true}};
	EXPECT_EQ(Settings->GetDefaultEndpoint(), Endpoint("10.0.0.6:9000"));
	Settings->SavedConnections = {{"10.0.0.256", 9000, true}, {"10.0.0.5", 9000, true}};
	EXPECT_EQ(Settings->GetDefaultEndpoint(), Endpoint("127.0.0.1:7777"));
	EXPECT_EQ(Log.Num(), 0);
}

TEST_F(ZevoLiveLinkSettingsTest, FailedSaveIsAnErrorAndKeepsTheValues)
{
	Project.WriteFile("Saved/Config", "a file where the folder should be");
	Settings->AddOrUpdateConnection(Endpoint("10.0.0.5:9000"));
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Failed to save config file: " + IniFullPath(), ELogVerbosity::Error), 1);
	EXPECT_EQ(Describe(Settings->SavedConnections), "10.0.0.5:9000:on ");
	EXPECT_STREQ(*Project.ReadFile("Saved/Config"), "a file where the folder should be");
}

// What memory holds before the start-up load (the host's defaults here) never replaces the file:
// the first change of a run, whoever makes it, starts from what the file holds.
TEST_F(ZevoLiveLinkSettingsTest, TheFirstChangeOfARunStartsFromTheFile)
{
	const FString Header = FString(Section) + "bAutoConnectOnStartup=False\nbRememberLastConnection=True\n";
	const FString First = "+SavedConnections=(IPAddress=\"10.0.0.1\",Port=9001,bEnabled=True)\n";
	const FString Second = "+SavedConnections=(IPAddress=\"10.0.0.2\",Port=9002,bEnabled=False)\n";
	const auto EditOnSettingsPage = [](const char* Path, const char* Value) {
		const TSharedPtr<IPropertyHandle> Handle = FPropertyHandles::FromPath({UZevoLiveLinkSettings::Get()}, Path);
		ASSERT_TRUE(Handle) << Path;
		if (Value)
		{
			EXPECT_EQ(Handle->SetValueFromFormattedString(Value), FPropertyAccess::Success) << Path;
		}
		else
		{
			EXPECT_EQ(Handle->AsArray()->AddItem(), FPropertyAccess::Success) << Path;
		}
	};
	struct FCase
	{
		const char* What;
		std::function<void()> Change;
		FString Expected;
	};
	const FCase Cases[] = {
		{"panel or command adds", [this] { Settings->AddOrUpdateConnection(Endpoint("127.0.0.1:7777")); },
			Header + First + Second + "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=7777,bEnabled=True)\n"},
		{"panel turns a saved one on", [this] { Settings->AddOrUpdateConnection(Endpoint("10.0.0.2:9002")); },
			Header + First + "+SavedConnections=(IPAddress=\"10.0.0.2\",Port=9002,bEnabled=True)\n"},
		{"a source is deleted", [this] { Settings->RemoveConnection(Endpoint("10.0.0.1:9001")); }, Header + Second},
		{"clear keeps the switches", [this] { Settings->ClearAllConnections(); }, Header},
		{"page edits a switch", [&] { EditOnSettingsPage("bRememberLastConnection", "False"); },
			FString(Section) + "bAutoConnectOnStartup=False\nbRememberLastConnection=False\n" + First + Second},
		{"page edits a saved port", [&] { EditOnSettingsPage("SavedConnections[1].Port", "9005"); },
			Header + First + "+SavedConnections=(IPAddress=\"10.0.0.2\",Port=9005,bEnabled=False)\n"},
		{"page adds a row", [&] { EditOnSettingsPage("SavedConnections", nullptr); },
			Header + First + Second + "+SavedConnections=(IPAddress=\"127.0.0.1\",Port=7777,bEnabled=True)\n"},
	};
	for (const FCase& Case : Cases)
	{
		// A run of its own: a fresh project whose file nothing has read yet.
		const FTempProject Run;
		Run.WriteFile(IniPath, Header + First + Second);
		SetUp();
		Case.Change();
		EXPECT_STREQ(*Run.ReadFile(IniPath), *Case.Expected) << Case.What;
	}
}

TEST_F(ZevoLiveLinkSettingsTest, TheFirstAddOfARunObeysTheFilesRememberSwitch)
{
	const FString Saved = FString(Section) + "bAutoConnectOnStartup=True\nbRememberLastConnection=False\n"
											 "+SavedConnections=(IPAddress=\"10.0.0.1\",Port=9001,bEnabled=True)\n";
	Project.WriteFile(IniPath, Saved);
	Settings->AddOrUpdateConnection(Endpoint("127.0.0.1:7777"));
	EXPECT_STREQ(*Ini(), *Saved) << "not rewritten, least of all with the switch on";
	EXPECT_FALSE(Settings->bRememberLastConnection);
	EXPECT_EQ(Log.Count("[Zevo LiveLink] Remember connections disabled, not saving", ELogVerbosity::Log), 1);

	// Read once: later changes start from memory, as every change is saved at once.
	Settings->bRememberLastConnection = true;
	Settings->AddOrUpdateConnection(Endpoint("127.0.0.1:7777"));
	EXPECT_EQ(Log.CountContaining("Loading from"), 1);
	EXPECT_EQ(Describe(Settings->SavedConnections), "10.0.0.1:9001:on 127.0.0.1:7777:on ");
}
