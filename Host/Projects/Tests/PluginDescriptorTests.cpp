#include "PluginDescriptor.h"

#include <gtest/gtest.h>

TEST(FPluginDescriptor, ReadsModulesTypesPhasesAndContent)
{
	FPluginDescriptor Descriptor;
	FText Reason;
	ASSERT_TRUE(Descriptor.Read(R"({
		"FileVersion": 3, "FriendlyName": "Any", "Plugins": [{"Name": "LiveLink", "Enabled": true}],
		"CanContainContent": true,
		"Modules": [{"Name": "First", "Type": "Editor", "LoadingPhase": "PostEngineInit"}, {"Name": "Second", "Type": "runtime"}]
	})", &Reason)) << *Reason.ToString();
	EXPECT_TRUE(Descriptor.bCanContainContent);
	ASSERT_EQ(Descriptor.Modules.Num(), 2);
	EXPECT_EQ(Descriptor.Modules[0].Name, FName("First"));
	EXPECT_EQ(Descriptor.Modules[0].Type, EHostType::Editor);
	EXPECT_EQ(Descriptor.Modules[0].LoadingPhase, ELoadingPhase::PostEngineInit);
	EXPECT_EQ(Descriptor.Modules[1].Type, EHostType::Runtime) << "names compare without regard to case";
	EXPECT_EQ(Descriptor.Modules[1].LoadingPhase, ELoadingPhase::Default) << "the phase defaults to Default";
}

TEST(FPluginDescriptor, MalformedDescriptorsSayWhatIsWrongAndChangeNothing)
{
	const struct
	{
		const char* Text;
		const char* Reason;
	} Cases[] = {
		{"", "not a JSON object"},
		{"[1, 2]", "not a JSON object"},
		{R"({"FileVersion": 3, "Modules": [)", "not a JSON object"},
		{R"({"Modules": []})", "FileVersion: expected a whole number from 1 to 3"},
		{R"({"FileVersion": 4})", "FileVersion: expected a whole number from 1 to 3"},
		{R"({"FileVersion": "3"})", "FileVersion: expected a whole number from 1 to 3"},
		{R"({"FileVersion": 3, "CanContainContent": "yes"})", "CanContainContent: expected true or false"},
		{R"({"FileVersion": 3, "Modules": {"Name": "A"}})", "Modules: expected a list"},
		{R"({"FileVersion": 3, "Modules": [7]})", "Modules[0]: expected an object"},
		{R"({"FileVersion": 3, "Modules": [{"Type": "Editor"}]})", "Modules[0].Name: expected text"},
		{R"({"FileVersion": 3, "Modules": [{"Name": "", "Type": "Editor"}]})", "Modules[0].Name: expected a module name"},
		{R"({"FileVersion": 3, "Modules": [{"Name": "A", "Type": "Editor"}, {"Name": "B"}]})", "Modules[1].Type: expected text"},
		{R"({"FileVersion": 3, "Modules": [{"Name": "A", "Type": "Tool"}]})", "Modules[0].Type: 'Tool' is not a module type"},
		{R"({"FileVersion": 3, "Modules": [{"Name": "A", "Type": "Editor", "LoadingPhase": 6}]})", "Modules[0].LoadingPhase: expected text"},
		{R"({"FileVersion": 3, "Modules": [{"Name": "A", "Type": "Editor", "LoadingPhase": "Late"}]})",
			"Modules[0].LoadingPhase: 'Late' is not a loading phase"},
	};
	for (const auto& Case : Cases)
	{
		FPluginDescriptor Descriptor;
		Descriptor.bCanContainContent = true;
		FText Reason;
		EXPECT_FALSE(Descriptor.Read(Case.Text, &Reason)) << Case.Text;
		EXPECT_EQ(Reason.ToString(), FString(Case.Reason)) << Case.Text;
		EXPECT_TRUE(Descriptor.bCanContainContent && Descriptor.Modules.IsEmpty()) << Case.Text;
	}
}

TEST(FPluginDescriptor, MissingFileIsNamedInTheReason)
{
	FPluginDescriptor Descriptor;
	FText Reason;
	EXPECT_FALSE(Descriptor.Load("/no/such/Plugin.uplugin", &Reason));
	EXPECT_EQ(Reason.ToString(), FString("/no/such/Plugin.uplugin: cannot be read"));
}
