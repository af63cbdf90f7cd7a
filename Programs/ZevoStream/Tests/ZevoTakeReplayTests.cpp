#include "LibloDecodedMessage.h"
#include "TempProject.h"
#include "ZevoStreamBody.h"
#include "ZevoTakeReplay.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace
{
	using FJson = nlohmann::json;

	FJson Transform(std::array<double, 4> R, std::array<double, 3> T, std::array<double, 3> S = {1, 1, 1})
	{
		return FJson{{"r", R}, {"t", T}, {"s", S}};
	}

	/** The static line the receiver writes for a subject of Role: the stream skeleton for a character. */
	std::string Static(const char* Subject, const char* Role, FJson Properties = nullptr, double Time = 0.0)
	{
		const bool bCharacter = std::string(Role) == "LiveLinkAnimationRole";
		const bool bProp = std::string(Role) == "LiveLinkTransformRole";
		FJson Bones = FJson::array(), Parents = FJson::array();
		for (int32 Bone = 0; bCharacter && Bone < ZevoStreamBody::BoneCount; ++Bone)
		{
			Bones.push_back(ZevoStreamBody::BoneNames[Bone]);
			Parents.push_back(ZevoStreamBody::BoneParents[Bone]);
		}
		if (Properties.is_null())
		{
			Properties = bCharacter ? FJson(ZevoStreamBody::PropertyNames) : bProp ? FJson({"PropType"}) : FJson::array();
		}
		return FJson{{"t", Time}, {"event", "static"}, {"source", "A1B2"}, {"subject", Subject}, {"role", Role},
			{"bones", Bones}, {"parents", Parents}, {"properties", Properties}}.dump();
	}

	const FJson SevenProperties = {0.44, 0.42, 0.09, 0.01, 0.0, -0.02, 0.005};

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

	struct FReplayed
	{
		std::vector<std::pair<double, TArray<uint8>>> Messages;
		TArray<FString> Errors;
	};

	/** The datagrams a take written as Text replays, read from a real file as zevo-stream reads it. */
	FReplayed Replay(const std::string& Text)
	{
		FTempProject Project;
		Project.WriteFile("take.jsonl", FString(Text));
		FReplayed Out;
		FZevoTakeReplay Replay;
		Replay.OnProblem = [&Out](const FString& Problem) { Out.Errors.Add(Problem); };
		FString Error;
		EXPECT_TRUE(Replay.Open(Project.GetDir() + "take.jsonl", Error)) << *Error;
		double Time;
		const TArray<uint8>* Datagram;
		while (Replay.Next(Time, Datagram))
		{
			Out.Messages.emplace_back(Time, *Datagram);
		}
		return Out;
	}
}

TEST(ZevoTakeReplay, ReplaysCharacterAndPropFramesAsTheirMessages)
{
	const FJson Characters = CharacterTransforms();
	const std::string Text = Lines({
		Static("Actor1", "LiveLinkAnimationRole"),
		Static("Big_Sword_12", "LiveLinkTransformRole"),
		Frame(0.5, "Actor1", Characters, SevenProperties),
		Frame(0.5, "Big_Sword_12", FJson::array({Transform({0.0, 0.6, 0.0, 0.8}, {1.0, 1.25, -3.0}, {0.06, 0.9, 0.12})}), {1.0}),
		R"({"t":0.6,"event":"remove","source":"A1B2","subject":"Actor1"})",
		R"({"t":0.7,"event":"pose","subject":"Actor1","asset":"/Game/A","bones":[],"transforms":[],"positions":[]})",
		"",
		Static("Actor1", "LiveLinkAnimationRole", {"UpperLegLength", "LowerLegLength", "HipToUpperLegLength"}, 0.9),
		Frame(1.0, "Actor1", Characters, {0.44, 0.42, 0.09}),
	});
	const FReplayed Recording = Replay(Text);

	EXPECT_TRUE(Recording.Errors.IsEmpty()) << *FString::Join(Recording.Errors, "; ");
	ASSERT_EQ(Recording.Messages.size(), 3u);
	EXPECT_EQ(Recording.Messages[0].first, 0.5);
	EXPECT_EQ(Recording.Messages[1].first, 0.5);
	EXPECT_EQ(Recording.Messages[2].first, 1.0);

	const FLibloDecodedMessage Character(Recording.Messages[0].second);
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

	const FLibloDecodedMessage Prop(Recording.Messages[1].second);
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

	// A subject of fewer properties sends 0 for the others, which the receiver also fills in.
	const FLibloDecodedMessage Fewer(Recording.Messages[2].second);
	ASSERT_TRUE(Fewer.IsValid());
	EXPECT_EQ(Fewer.Types, "sbfffffff");
	EXPECT_EQ(Fewer.Float(4), 0.09f);
	EXPECT_EQ(Fewer.Float(5), 0.0f);
	EXPECT_EQ(Fewer.Float(8), 0.0f);
}

TEST(ZevoTakeReplay, SkipsMalformedLinesNamingEach)
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
		{R"({"t":1,"source":"A1B2","subject":"Actor1"})", "a line without \"event\""},
		{Static("Cam", "LiveLinkCameraRole"), "unknown role \"LiveLinkCameraRole\""},
		{Frame(1.0, "Ghost", CharacterTransforms(), SevenProperties), "frame of subject \"Ghost\" before its static data"},
		{R"({"t":"soon","event":"frame","source":"A1B2","subject":"Actor1","transforms":[],"properties":[]})", "\"t\" is not a number"},
		{Frame(1.0, "Actor1", CharacterTransforms(51), SevenProperties), "with 51 transforms (expected 52)"},
		{Frame(1.0, "Actor1", BadRotation, SevenProperties), "\"r\" is not an array of 4 numbers"},
		{Frame(1.0, "Actor1", HugeValue, SevenProperties), "does not fit a 32-bit float"},
		{Frame(1.0, "Actor1", CharacterTransforms(), "none"), "\"properties\" is not an array"},
		{Frame(1.0, "Sword", Prop, {0.0}), "prop subject \"Sword\" is not Name_Number"},
		{Frame(1.0, "Sword_x", Prop, {0.0}), "prop subject \"Sword_x\" is not Name_Number"},
		{Frame(1.0, "_3", Prop, {0.0}), "prop subject \"_3\" is not Name_Number"},
		{Frame(1.0, "Box_1", Prop, FJson::array()), "with 0 property values (expected 1)"},
		{Frame(1.0, "Box_1", Prop, {1.5}), "the prop type is not a 32-bit integer"},
		{Frame(1.0, "Box_1", FJson::array(), {0.0}), "with 0 transforms (expected 1)"},
		{Frame(1.0, "Box_1", Prop, {0.0}), ""},
		{Frame(1.1, "Actor1", CharacterTransforms(), SevenProperties), ""},
	};
	std::string Text;
	for (const auto& Case : Cases)
	{
		Text += Case.Line + "\n";
	}
	const FReplayed Recording = Replay(Text);

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
	ASSERT_EQ(Recording.Messages.size(), 2u);
	EXPECT_EQ(Recording.Messages[0].first, 1.0);
	EXPECT_EQ(Recording.Messages[1].first, 1.1);
}

TEST(ZevoTakeReplay, SendsNamesAsTheBytesTheyArrivedAs)
{
	// The receiver keeps a name byte 0xE9 as U+FFE9; a real U+00E9 can only have come as UTF-8 bytes.
	const std::string Text = Lines({
		Static("Caf\xEF\xBF\xA9", "LiveLinkAnimationRole"),
		Static("Caf\xC3\xA9", "LiveLinkAnimationRole"),
		Frame(0.0, "Caf\xEF\xBF\xA9", CharacterTransforms(), SevenProperties),
		Frame(0.0, "Caf\xC3\xA9", CharacterTransforms(), SevenProperties),
	});
	const FReplayed Recording = Replay(Text);
	ASSERT_EQ(Recording.Messages.size(), 2u);
	EXPECT_EQ(FLibloDecodedMessage(Recording.Messages[0].second).String(0), "Caf\xE9");
	EXPECT_EQ(FLibloDecodedMessage(Recording.Messages[1].second).String(0), "Caf\xC3\xA9");
}
