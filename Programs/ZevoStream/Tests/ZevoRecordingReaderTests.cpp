#include "LibloDecodedMessage.h"
#include "TempProject.h"
#include "ZevoRecordingReader.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{
	using FJson = nlohmann::json;

	FJson Transform(std::array<double, 4> R, std::array<double, 3> T, std::array<double, 3> S = {1, 1, 1})
	{
		return FJson{{"r", R}, {"t", T}, {"s", S}};
	}

	std::string Static(const char* Subject, const char* Role)
	{
		return FJson{{"t", 0.0}, {"event", "static"}, {"source", "A1B2"}, {"subject", Subject}, {"role", Role},
			{"bones", FJson::array()}, {"parents", FJson::array()}, {"properties", FJson::array()}}.dump();
	}

	std::string Frame(double Time, const char* Subject, const FJson& Transforms, const FJson& Properties)
	{
		return FJson{{"t", Time}, {"event", "frame"}, {"source", "A1B2"}, {"subject", Subject},
			{"transforms", Transforms}, {"properties", Properties}}.dump();
	}

	/** A character frame with a different rotation per bone: bone k turns k/100 rad about a tilted axis. */
	FJson CharacterTransforms(int32 Count = 52)
	{
		FJson Transforms = FJson::array();
		for (int32 Bone = 0; Bone < Count; ++Bone)
		{
			const double Half = 0.005 * Bone;
			const double Axis = std::sqrt(1.0 / 3.0) * std::sin(Half);
			Transforms.push_back(Transform({Axis, -Axis, Axis, std::cos(Half)}, {Bone == 0 ? 0.25 : 0.0, Bone == 0 ? 0.97 : 0.1, Bone == 0 ? -1.5 : 0.0}));
		}
		return Transforms;
	}

	std::string Lines(std::initializer_list<std::string> Items)
	{
		std::string Text;
		for (const std::string& Item : Items)
		{
			Text += Item + "\n";
		}
		return Text;
	}
}

TEST(ZevoRecordingReader, ReplaysCharacterAndPropFramesAsTheirMessages)
{
	const FJson Characters = CharacterTransforms();
	const std::string Text = Lines({
		Static("Actor1", "LiveLinkAnimationRole"),
		Static("Big_Sword_12", "LiveLinkTransformRole"),
		Frame(0.5, "Actor1", Characters, {0.44, 0.42, 0.09, 0.01, 0.0, -0.02, 0.005}),
		Frame(0.5, "Big_Sword_12", FJson::array({Transform({0.0, 0.6, 0.0, 0.8}, {1.0, 1.25, -3.0}, {0.06, 0.9, 0.12})}), {1.0}),
		R"({"t":0.6,"event":"remove","source":"A1B2","subject":"Actor1"})",
		R"({"t":0.7,"event":"marker","note":"a kind of event added later"})",
		"",
		Frame(1.0, "Actor1", Characters, {0.44, 0.42, 0.09}),
	});
	const FZevoRecording Recording = ZevoRecordingReader::Parse(FString(Text));

	EXPECT_TRUE(Recording.Errors.IsEmpty()) << *FString::Join(Recording.Errors, "; ");
	ASSERT_EQ(Recording.Messages.Num(), 3);
	EXPECT_EQ(Recording.Messages[0].Time, 0.5);
	EXPECT_EQ(Recording.Messages[1].Time, 0.5);
	EXPECT_EQ(Recording.Messages[2].Time, 1.0);

	const FLibloDecodedMessage Character(Recording.Messages[0].Datagram);
	ASSERT_TRUE(Character.IsValid());
	EXPECT_EQ(Character.Address, "/ZEVO/Stream/Motion/Unreal/Local");
	EXPECT_EQ(Character.Types, "sbfffffff");
	EXPECT_EQ(Character.String(0), "Actor1");
	const std::vector<float> Blob = Character.LittleEndianFloats(1);
	ASSERT_EQ(Blob.size(), 211u);
	EXPECT_EQ(Blob[0], 0.25f);
	EXPECT_EQ(Blob[1], 0.97f);
	EXPECT_EQ(Blob[2], -1.5f);
	for (int32 Bone = 0; Bone < 52; ++Bone)
	{
		const FJson& R = Characters[Bone]["r"];
		const size_t First = 3 + 4 * Bone;
		EXPECT_EQ(Blob[First], R[3].get<float>()) << "W first, bone " << Bone;
		EXPECT_EQ(Blob[First + 1], R[0].get<float>()) << "bone " << Bone;
		EXPECT_EQ(Blob[First + 2], R[1].get<float>()) << "bone " << Bone;
		EXPECT_EQ(Blob[First + 3], R[2].get<float>()) << "bone " << Bone;
	}
	const float Properties[] = {0.44f, 0.42f, 0.09f, 0.01f, 0.0f, -0.02f, 0.005f};
	for (int32 Index = 0; Index < 7; ++Index)
	{
		EXPECT_EQ(Character.Float(2 + Index), Properties[Index]);
	}

	const FLibloDecodedMessage Prop(Recording.Messages[1].Datagram);
	ASSERT_TRUE(Prop.IsValid());
	EXPECT_EQ(Prop.Address, "/ZEVO/Stream/Motion/Unreal/Props");
	EXPECT_EQ(Prop.Types, "iisffffffffff");
	EXPECT_EQ(Prop.Int(0), 1);
	EXPECT_EQ(Prop.Int(1), 12);
	EXPECT_EQ(Prop.String(2), "Big_Sword");
	const float Values[] = {1.f, 1.25f, -3.f, 0.f, 0.6f, 0.f, 0.8f, 0.06f, 0.9f, 0.12f};
	for (int32 Index = 0; Index < 10; ++Index)
	{
		EXPECT_EQ(Prop.Float(3 + Index), Values[Index]) << "float " << Index;
	}

	// Properties the frame did not hold go out as 0, which the receiver also fills in.
	const FLibloDecodedMessage Fewer(Recording.Messages[2].Datagram);
	ASSERT_TRUE(Fewer.IsValid());
	EXPECT_EQ(Fewer.Types, "sbfffffff");
	EXPECT_EQ(Fewer.Float(4), 0.09f);
	EXPECT_EQ(Fewer.Float(5), 0.0f);
	EXPECT_EQ(Fewer.Float(8), 0.0f);
}

TEST(ZevoRecordingReader, SkipsMalformedLinesNamingEach)
{
	const FJson Prop = FJson::array({Transform({0, 0, 0, 1}, {0, 1, 0})});
	FJson BadRotation = CharacterTransforms();
	BadRotation[7]["r"] = {0, 0, 1};
	FJson HugeValue = CharacterTransforms();
	HugeValue[0]["t"][1] = 1e39;
	const struct
	{
		std::string Line;
		std::string Error;  // empty: the line is fine
	} Cases[] = {
		{Static("Actor1", "LiveLinkAnimationRole"), ""},
		{Static("Sword", "LiveLinkTransformRole"), ""},
		{Static("Sword_x", "LiveLinkTransformRole"), ""},
		{Static("_3", "LiveLinkTransformRole"), ""},
		{Static("Box_1", "LiveLinkTransformRole"), ""},
		{"this is not json", "not valid JSON"},
		{"[1, 2]", "not a JSON object"},
		{R"({"t":1,"source":"A1B2","subject":"Actor1"})", "no \"event\""},
		{Static("Cam", "LiveLinkCameraRole"), "unknown role \"LiveLinkCameraRole\""},
		{Frame(1.0, "Ghost", CharacterTransforms(), {0.4}), "frame of subject \"Ghost\" before its static data"},
		{R"({"t":"soon","event":"frame","source":"A1B2","subject":"Actor1","transforms":[],"properties":[]})", "\"t\" is not a number"},
		{Frame(1.0, "Actor1", CharacterTransforms(51), {0.4}), "character frame with 51 transforms (expected 52)"},
		{Frame(1.0, "Actor1", BadRotation, {0.4}), "\"r\" is not an array of 4 numbers"},
		{Frame(1.0, "Actor1", HugeValue, {0.4}), "does not fit a 32-bit float"},
		{Frame(1.0, "Actor1", CharacterTransforms(), "none"), "must be arrays"},
		{Frame(1.0, "Sword", Prop, {0.0}), "prop subject \"Sword\" is not Name_Number"},
		{Frame(1.0, "Sword_x", Prop, {0.0}), "prop subject \"Sword_x\" is not Name_Number"},
		{Frame(1.0, "_3", Prop, {0.0}), "prop subject \"_3\" is not Name_Number"},
		{Frame(1.0, "Box_1", Prop, FJson::array()), "prop frame without its type property"},
		{Frame(1.0, "Box_1", Prop, {1.5}), "the prop type is not a 32-bit integer"},
		{Frame(1.0, "Box_1", FJson::array(), {0.0}), "prop frame with 0 transforms (expected 1)"},
		{Frame(1.0, "Box_1", Prop, {0.0}), ""},
		{Frame(1.1, "Actor1", CharacterTransforms(), {0.4}), ""},
	};
	std::string Text;
	for (const auto& Case : Cases)
	{
		Text += Case.Line + "\n";
	}
	const FZevoRecording Recording = ZevoRecordingReader::Parse(FString(Text));

	int32 ErrorIndex = 0;
	for (int32 Index = 0; Index < int32(std::size(Cases)); ++Index)
	{
		if (Cases[Index].Error.empty())
		{
			continue;
		}
		ASSERT_LT(ErrorIndex, Recording.Errors.Num()) << "no error for line " << Index + 1;
		const FString& Error = Recording.Errors[ErrorIndex];
		EXPECT_TRUE(Error.StartsWith(FString::Printf("line %d: ", Index + 1), ESearchCase::CaseSensitive)
			&& Error.Contains(FString(Cases[Index].Error), ESearchCase::CaseSensitive))
			<< *Error << " / expected line " << Index + 1 << ": " << Cases[Index].Error;
		++ErrorIndex;
	}
	EXPECT_EQ(ErrorIndex, Recording.Errors.Num());
	ASSERT_EQ(Recording.Messages.Num(), 2);
	EXPECT_EQ(Recording.Messages[0].Time, 1.0);
	EXPECT_EQ(Recording.Messages[1].Time, 1.1);
}

TEST(ZevoRecordingReader, SendsNamesAsTheBytesTheyArrivedAs)
{
	// The receiver keeps a name byte 0xE9 as U+FFE9; a real U+00E9 can only have come as UTF-8 bytes.
	const std::string Text = Lines({
		Static("Caf\xEF\xBF\xA9", "LiveLinkAnimationRole"),
		Static("Caf\xC3\xA9", "LiveLinkAnimationRole"),
		Frame(0.0, "Caf\xEF\xBF\xA9", CharacterTransforms(), {0.4}),
		Frame(0.0, "Caf\xC3\xA9", CharacterTransforms(), {0.4}),
	});
	const FZevoRecording Recording = ZevoRecordingReader::Parse(FString(Text));
	ASSERT_EQ(Recording.Messages.Num(), 2);
	EXPECT_EQ(FLibloDecodedMessage(Recording.Messages[0].Datagram).String(0), "Caf\xE9");
	EXPECT_EQ(FLibloDecodedMessage(Recording.Messages[1].Datagram).String(0), "Caf\xC3\xA9");
}

TEST(ZevoRecordingReader, ReadsFilesAndRefusesWhatCannotBeRead)
{
	FTempProject Project;
	Project.WriteFile("take.jsonl", FString(Lines({Static("Box_1", "LiveLinkTransformRole"),
		Frame(0.25, "Box_1", FJson::array({Transform({0, 0, 0, 1}, {0, 1, 0})}), {0.0}), "{broken"})));

	FZevoRecording Recording;
	FString Error;
	ASSERT_TRUE(ZevoRecordingReader::LoadFile(Project.GetDir() + "take.jsonl", Recording, Error)) << *Error;
	EXPECT_EQ(Recording.Messages.Num(), 1);
	ASSERT_EQ(Recording.Errors.Num(), 1);
	EXPECT_TRUE(Recording.Errors[0].StartsWith("line 3: "));

	for (const FString& Unreadable : {Project.GetDir() + "missing.jsonl", Project.GetDir()})
	{
		Error.Empty();
		EXPECT_FALSE(ZevoRecordingReader::LoadFile(Unreadable, Recording, Error)) << *Unreadable;
		EXPECT_TRUE(Error.Contains(Unreadable)) << *Error;
	}
}
