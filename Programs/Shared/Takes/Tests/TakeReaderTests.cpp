#include "LiveLinkClient.h"
#include "LiveLinkTestData.h"
#include "TakeLines.h"
#include "TakeReader.h"
#include "TakeWriter.h"
#include "TempProject.h"

#include <gtest/gtest.h>
#include <vector>

using namespace TakeLines;

namespace
{
struct FReadTake
{
	std::vector<FTakeEvent> Events;
	std::vector<FString> Problems;
};

FReadTake ReadTake(const FString& Path)
{
	FReadTake Take;
	FTakeReader Reader;
	Reader.OnProblem = [&Take](const FString& Problem) { Take.Problems.push_back(Problem); };
	FString Error;
	EXPECT_TRUE(Reader.Open(Path, Error)) << *Error;
	FTakeEvent Event;
	while (Reader.Next(Event))
	{
		Take.Events.push_back(Event);
	}
	EXPECT_TRUE(Reader.GetReadError().IsEmpty()) << *Reader.GetReadError();
	return Take;
}
}

TEST(TakeReader, ReadsBackWhatTheWriterWrote)
{
	FTempProject Project;
	const FQuat Rotation = FQuat(FVector(1.0, 2.0, 3.0).GetSafeNormal(), 0.1);
	const FVector Location(1.0 / 3.0, -2.5e-7, 12345.678901234567);
	{
		FLiveLinkClient Client;
		const TSharedPtr<FTakeWriter> Take = MakeShared<FTakeWriter>(Project.GetDir() + "take.jsonl");
		Client.SetObserver(Take);
		const FGuid Source = Client.AddSource(MakeShared<FScriptedSource>());
		FLiveLinkFrameDataStruct Frame = MakeAnimationFrame(2, 0.0, {0.1f, -3.0f});
		Frame.Cast<FLiveLinkAnimationFrameData>()->Transforms[1] = FTransform(Rotation, Location, FVector(1.0, 2.0, 0.5));
		Client.PushSubjectStaticData_AnyThread({Source, "Actor"}, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(2, {"Speed", "Height"}));
		Client.PushSubjectFrameData_AnyThread({Source, "Actor"}, MoveTemp(Frame));
		Client.RemoveSubject_AnyThread({Source, "Actor"});
		Take->RecordActorTransform(7, "Prop Follower", FTransform(Rotation, Location));
		Take->RecordSourceDrops(Source, {{"queue full", 12}, {"bad \"name\"", 3}});
		Client.SetObserver(nullptr);
		ASSERT_TRUE(Take->Finish()) << *Take->GetError();
	}
	const FReadTake Take = ReadTake(Project.GetDir() + "take.jsonl");
	EXPECT_TRUE(Take.Problems.empty());
	ASSERT_EQ(Take.Events.size(), 5u);
	const FTakeEvent& Static = Take.Events[0];
	EXPECT_EQ(Static.Kind, ETakeEvent::Static);
	EXPECT_EQ(Static.Role, ETakeSubjectRole::Animation);
	EXPECT_EQ(Static.Subject, "Actor");
	EXPECT_EQ(Static.BoneNames, TArray<FString>({"Bone0", "Bone1"}));
	EXPECT_EQ(Static.BoneParents, TArray<int32>({-1, 0}));
	EXPECT_EQ(Static.PropertyNames, TArray<FString>({"Speed", "Height"}));
	const FTakeEvent& Frame = Take.Events[1];
	EXPECT_EQ(Frame.Kind, ETakeEvent::Frame);
	EXPECT_EQ(Frame.Line, 2);
	ASSERT_EQ(Frame.Transforms.Num(), 2);
	EXPECT_EQ(Frame.Transforms[1].GetRotation(), Rotation) << "numbers read back exactly";
	EXPECT_EQ(Frame.Transforms[1].GetTranslation(), Location);
	EXPECT_EQ(Frame.Transforms[1].GetScale3D(), FVector(1.0, 2.0, 0.5));
	EXPECT_EQ(Frame.PropertyValues, TArray<float>({0.1f, -3.0f}));
	EXPECT_EQ(Take.Events[2].Kind, ETakeEvent::Remove);
	const FTakeEvent& Actor = Take.Events[3];
	EXPECT_EQ(Actor.Kind, ETakeEvent::Actor);
	EXPECT_EQ(Actor.EngineFrame, 7);
	EXPECT_EQ(Actor.Label, "Prop Follower");
	EXPECT_EQ(Actor.ActorTransform.GetTranslation(), Location);
	EXPECT_LE(Take.Events[0].Time, Take.Events[3].Time);
	const FTakeEvent& Drops = Take.Events[4];
	EXPECT_EQ(Drops.Kind, ETakeEvent::Drops);
	EXPECT_EQ(Drops.Source, Static.Source);
	ASSERT_EQ(Drops.DropCounts.Num(), 2);
	EXPECT_EQ(Drops.DropCounts[0].Key, "queue full");
	EXPECT_EQ(Drops.DropCounts[0].Value, 12);
	EXPECT_EQ(Drops.DropCounts[1].Key, "bad \"name\"");
	EXPECT_EQ(Drops.DropCounts[1].Value, 3);
}

TEST(TakeReader, SkipsUnsoundLinesNamingEach)
{
	const FJson Prop = FJson::array({Transform({0, 0, 0, 1}, {0, 1, 0})});
	FJson BadRotation = CharacterTransforms();
	BadRotation[7]["r"] = {0, 0, 1};
	FJson NullValue = CharacterTransforms();
	NullValue[3]["t"][1] = nullptr;
	const FJson SixProperties = {0.44, 0.42, 0.09, 0.0, 0.0, 0.0};
	const struct
	{
		std::string Line;
		std::string Problem;  // empty: the line is sound
	} Cases[] = {
		{CharacterStatic("Actor1"), ""},
		{Static("Box_1", "LiveLinkTransformRole", FJson::array(), FJson::array(), {"PropType"}), ""},
		{"", ""},
		{"this is not json", "not valid JSON"},
		{R"({"t":1,"event":)", "not valid JSON"},
		{"[1, 2]", "not a JSON object"},
		{R"({"t":1,"source":"A1B2","subject":"Actor1"})", "a line without \"event\""},
		{R"({"event":"remove","source":"A1B2","subject":"Actor1"})", "remove line without \"t\""},
		{Static("Cam", "LiveLinkCameraRole"), "unknown role \"LiveLinkCameraRole\""},
		{Static("Bent", "LiveLinkAnimationRole", {"A", "B"}, {-1}), "the bone parents do not match the bones"},
		{Static("Loop", "LiveLinkAnimationRole", {"A", "B"}, {-1, 2}), "a bone parent is out of range"},
		{Frame(1.0, "Ghost", CharacterTransforms(), CharacterProperties()), "frame of subject \"Ghost\" before its static data"},
		{R"({"t":"soon","event":"frame","source":"A1B2","subject":"Actor1","transforms":[],"properties":[]})", "\"t\" is not a number"},
		{Frame(1.0, "Actor1", CharacterTransforms(0.01, 51), CharacterProperties()), "with 51 transforms (expected 52)"},
		{Frame(1.0, "Actor1", CharacterTransforms(), SixProperties), "with 6 property values (expected 7)"},
		{Frame(1.0, "Actor1", BadRotation, CharacterProperties()), "\"r\" is not an array of 4 numbers"},
		{Frame(1.0, "Actor1", NullValue, CharacterProperties()), "\"t\" is not a number"},
		{Frame(1.0, "Actor1", CharacterTransforms(), "none"), "\"properties\" is not an array"},
		{Frame(1.0, "Box_1", FJson::array(), {0.0}), "with 0 transforms (expected 1)"},
		{R"({"t":1.0,"event":"marker","note":"a kind of event added later"})", "unknown event \"marker\""},
		{R"({"t":1.0,"event":"drops","source":"A1B2","counts":{"queue full":12}})", ""},
		{R"({"t":1.0,"event":"drops","source":"A1B2"})", "drops line without \"counts\""},
		{R"({"t":1.0,"event":"drops","source":"A1B2","counts":{"queue full":-1}})", "a drop count is not a whole number"},
		{R"({"t":1.0,"event":"remove","source":"A1B2","subject":"Box_1"} {"t":1.0})", "more than one JSON value"},
		{Frame(1.0, "Box_1", Prop, {0.0}), ""},  // the removal above was refused, so Box_1 is still there
		{Frame(1.5, "Actor1", CharacterTransforms(), CharacterProperties()), ""},
		{Frame(1.2, "Actor1", CharacterTransforms(), CharacterProperties()), "out of order: t=1.200000 comes after t=1.500000"},
		{Frame(1.6, "Actor1", CharacterTransforms(), CharacterProperties()), ""},
		{R"({"t":1.7,"event":"frame","source":"A1B2","subject":"Actor1","transf)", "the take ends in the middle of this line"},
	};
	std::string Text;
	for (const auto& Case : Cases)
	{
		Text += Case.Line + "\n";
	}
	Text.pop_back();  // the last line is cut off before its end
	FTempProject Project;
	Project.WriteFile("take.jsonl", FString(Text));
	const FReadTake Take = ReadTake(Project.GetDir() + "take.jsonl");

	size_t Problem = 0;
	size_t Sound = 0;
	for (size_t Index = 0; Index < std::size(Cases); ++Index)
	{
		if (Cases[Index].Problem.empty())
		{
			Sound += Cases[Index].Line.empty() ? 0 : 1;
			continue;
		}
		ASSERT_LT(Problem, Take.Problems.size()) << "no problem for line " << Index + 1;
		const FString& Reported = Take.Problems[Problem++];
		EXPECT_TRUE(Reported.StartsWith(FString::Printf("line %zu: ", Index + 1), ESearchCase::CaseSensitive)
			&& Reported.Contains(FString(Cases[Index].Problem), ESearchCase::CaseSensitive))
			<< *Reported << " / expected line " << Index + 1 << ": " << Cases[Index].Problem;
	}
	EXPECT_EQ(Problem, Take.Problems.size());
	ASSERT_EQ(Take.Events.size(), Sound);
	EXPECT_EQ(Take.Events.back().Time, 1.6);
}

TEST(TakeReader, LoadsATakeOfTheFirstRecorder)
{
	// Written by `zevo-editor run --record` before takes had a library of their own: a stream of one
	// actor and one prop, an actor of the level, and the poses --animate built.
	const FReadTake Take = ReadTake(ZEVO_TESTS_DIR "/Golden/FirstRecorder.jsonl");
	EXPECT_TRUE(Take.Problems.empty()) << *Take.Problems.front();
	int32 Counts[5] = {};
	for (const FTakeEvent& Event : Take.Events)
	{
		++Counts[int(Event.Kind)];
	}
	EXPECT_EQ(Counts[int(ETakeEvent::Static)], 2);
	EXPECT_EQ(Counts[int(ETakeEvent::Frame)], 6);
	EXPECT_EQ(Counts[int(ETakeEvent::Actor)], 65);
	EXPECT_EQ(Counts[int(ETakeEvent::Pose)], 12);
	const auto Character = std::find_if(Take.Events.begin(), Take.Events.end(),
		[](const FTakeEvent& Event) { return Event.Kind == ETakeEvent::Frame && Event.Role == ETakeSubjectRole::Animation; });
	ASSERT_NE(Character, Take.Events.end());
	EXPECT_EQ(Character->Transforms.Num(), 52);
	EXPECT_EQ(Character->PropertyValues.Num(), 7);
}

TEST(TakeReader, RefusesWhatCannotBeRead)
{
	FTempProject Project;
	for (const FString& Unreadable : {Project.GetDir() + "missing.jsonl", Project.GetDir()})
	{
		FTakeReader Reader;
		FString Error;
		EXPECT_FALSE(Reader.Open(Unreadable, Error)) << *Unreadable;
		EXPECT_TRUE(Error.StartsWith("cannot read " + Unreadable)) << *Error;
	}
}
