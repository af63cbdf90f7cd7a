#include "BonePose.h"
#include "LiveLinkClient.h"
#include "TakeWriter.h"
#include "LiveLinkTestData.h"
#include "Logging/LogCapture.h"
#include "TempProject.h"
#include "UObject/UObjectGlobals.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <numbers>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>
#include <vector>

namespace
{
std::vector<nlohmann::json> ReadLines(const FTempProject& Project, const char* File)
{
	std::vector<nlohmann::json> Lines;
	std::istringstream Text(Project.ReadFile(File).ToStdString());
	for (std::string Line; std::getline(Text, Line);)
	{
		Lines.push_back(nlohmann::json::parse(Line));
	}
	return Lines;
}
}

TEST(FTakeWriter, WritesStaticFrameAndRemoveLinesThatReadBackExactly)
{
	FTempProject Project;
	FLiveLinkClient Client;
	const TSharedPtr<FTakeWriter> Take = MakeShared<FTakeWriter>(Project.GetDir() + "take.jsonl");
	ASSERT_TRUE(Take->IsOpen());
	Client.SetObserver(Take);
	const FGuid Source = Client.AddSource(MakeShared<FScriptedSource>());

	const FQuat Rotation = FQuat(FVector(1.0, 2.0, 3.0).GetSafeNormal(), 0.1);
	const FVector Location(1.0 / 3.0, -2.5e-7, 12345.678901234567);
	FLiveLinkFrameDataStruct Frame = MakeAnimationFrame(2, 0.0, {0.1f, -3.0f});
	Frame.Cast<FLiveLinkAnimationFrameData>()->Transforms[1] = FTransform(Rotation, Location, FVector(1.0, 2.0, 0.5));

	Client.PushSubjectStaticData_AnyThread({Source, "Actor"}, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(2, {"Speed", "Height"}));
	Client.PushSubjectFrameData_AnyThread({Source, "Actor"}, MoveTemp(Frame));
	Client.PushSubjectFrameData_AnyThread({Source, "Ghost"}, MakeAnimationFrame(2, 0.0));  // refused: not recorded
	Client.PushSubjectStaticData_AnyThread({Source, "Prop_1"}, ULiveLinkTransformRole::StaticClass(), MakeTransformStatic());
	Client.PushSubjectFrameData_AnyThread({Source, "Prop_1"}, MakeTransformFrame(FTransform(FVector(4.0, 5.0, 6.0))));
	Client.RemoveSubject_AnyThread({Source, "Actor"});
	Client.RemoveSubject_AnyThread({Source, "Actor"});  // already gone: not recorded
	Take->Flush();

	const std::vector<nlohmann::json> Lines = ReadLines(Project, "take.jsonl");
	ASSERT_EQ(Lines.size(), 5u);
	const std::string SourceHex = Source.ToString().ToStdString();
	ASSERT_EQ(SourceHex.size(), 32u);

	const nlohmann::json& Static = Lines[0];
	EXPECT_EQ(Static["event"], "static");
	EXPECT_EQ(Static["source"], SourceHex);
	EXPECT_EQ(Static["subject"], "Actor");
	EXPECT_EQ(Static["role"], "LiveLinkAnimationRole");
	EXPECT_EQ(Static["bones"], nlohmann::json({"Bone0", "Bone1"}));
	EXPECT_EQ(Static["parents"], nlohmann::json({-1, 0}));
	EXPECT_EQ(Static["properties"], nlohmann::json({"Speed", "Height"}));

	const nlohmann::json& Animation = Lines[1];
	EXPECT_EQ(Animation["event"], "frame");
	ASSERT_EQ(Animation["transforms"].size(), 2u);
	const nlohmann::json& Bone = Animation["transforms"][1];
	EXPECT_EQ(Bone["r"], nlohmann::json({Rotation.X, Rotation.Y, Rotation.Z, Rotation.W}));
	EXPECT_EQ(Bone["t"], nlohmann::json({Location.X, Location.Y, Location.Z}));
	EXPECT_EQ(Bone["s"], nlohmann::json({1.0, 2.0, 0.5}));
	EXPECT_EQ(Animation["properties"][0].get<float>(), 0.1f);
	EXPECT_EQ(Animation["properties"][1].get<float>(), -3.0f);

	EXPECT_EQ(Lines[2]["role"], "LiveLinkTransformRole");
	EXPECT_EQ(Lines[2]["bones"], nlohmann::json::array());
	ASSERT_EQ(Lines[3]["transforms"].size(), 1u);
	EXPECT_EQ(Lines[3]["transforms"][0]["t"], nlohmann::json({4.0, 5.0, 6.0}));

	EXPECT_EQ(Lines[4], nlohmann::json({{"t", Lines[4]["t"]}, {"event", "remove"}, {"source", SourceHex}, {"subject", "Actor"}}));
	for (size_t Index = 1; Index < Lines.size(); ++Index)
	{
		EXPECT_GE(Lines[Index]["t"].get<double>(), Lines[Index - 1]["t"].get<double>());
	}
}

TEST(FTakeWriter, KeepsEachSubjectsStaticDataAheadOfItsFramesAcrossThreads)
{
	FTempProject Project;
	constexpr int32 Pushers = 4;
	constexpr int32 FramesEach = 300;  // more than one write's worth
	{
		FLiveLinkClient Client;
		Client.SetObserver(MakeShared<FTakeWriter>(Project.GetDir() + "take.jsonl"));
		const FGuid Source = Client.AddSource(MakeShared<FScriptedSource>());
		std::vector<std::thread> Threads;
		for (int32 Index = 0; Index < Pushers; ++Index)
		{
			Threads.emplace_back([&Client, Source, Index] {
				const FLiveLinkSubjectKey Key(Source, FName(*FString::Printf("Actor%d", Index)));
				Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(2));
				for (int32 Frame = 0; Frame < FramesEach; ++Frame)
				{
					Client.PushSubjectFrameData_AnyThread(Key, MakeAnimationFrame(2, Frame));
				}
			});
		}
		for (std::thread& Thread : Threads)
		{
			Thread.join();
		}
	}  // the client lets go of the writer, which writes the rest

	TMap<FString, int32> FramesSeen;
	for (const nlohmann::json& Line : ReadLines(Project, "take.jsonl"))
	{
		const FString Subject(Line["subject"].get<std::string>());
		if (Line["event"] == "static")
		{
			EXPECT_FALSE(FramesSeen.Contains(Subject));
			FramesSeen.Add(Subject, 0);
			continue;
		}
		ASSERT_TRUE(FramesSeen.Contains(Subject)) << "frame of " << *Subject << " before its static data";
		EXPECT_EQ(Line["transforms"][0]["t"][0].get<double>(), FramesSeen[Subject]) << "frames out of order";
		++FramesSeen[Subject];
	}
	ASSERT_EQ(FramesSeen.Num(), Pushers);
	for (const auto& Pair : FramesSeen)
	{
		EXPECT_EQ(Pair.Value, FramesEach);
	}
}

TEST(FTakeWriter, UnwritableFileIsReportedAndRecordsNothing)
{
	FTempProject Project;
	FLogCapture Log;
	const FString Path = Project.GetDir() + "missing/take.jsonl";
	FTakeWriter Take(Path);
	EXPECT_FALSE(Take.IsOpen());
	EXPECT_EQ(Log.CountContaining(*("Cannot create the take file " + Path), ELogVerbosity::Error), 1);
	Take.OnSubjectRemoved({FGuid(1, 2, 3, 4), "Actor"});
	Take.Flush();
}

TEST(FTakeWriter, LinesStayValidJsonForAnyNameOrNumber)
{
	FTempProject Project;
	{
		FTakeWriter Take(Project.GetDir() + "take.jsonl");
		Take.OnSubjectRemoved({FGuid(1, 2, 3, 4), FName("Bad\xFF\xFEName \"quoted\"")});
		Take.OnFrameDataPushed({FGuid(1, 2, 3, 4), "Prop_1"},
			MakeTransformFrame(FTransform(FVector(std::nan(""), std::numeric_limits<double>::infinity(), 1.5))));
	}
	const std::vector<nlohmann::json> Lines = ReadLines(Project, "take.jsonl");
	ASSERT_EQ(Lines.size(), 2u);
	EXPECT_EQ(Lines[0]["source"], "00000001000000020000000300000004");
	EXPECT_NE(Lines[0]["subject"].get<std::string>().find("Name \"quoted\""), std::string::npos);
	EXPECT_EQ(Lines[1]["transforms"][0]["t"], nlohmann::json({nullptr, nullptr, 1.5}));
}

TEST(FTakeWriter, WritesAPoseWithItsBonesComponentSpacePositions)
{
	FTempProject Project;
	USkeleton* Skeleton = NewObject<USkeleton>();
	FReferenceSkeletonModifier Modifier(Skeleton->GetMutableReferenceSkeleton());
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("pelvis"), INDEX_NONE), FTransform(FVector(0, 0, 90))));
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("thigh_l"), 0), FTransform(FVector(10, 0, 0))));
	ASSERT_TRUE(Modifier.Add(FMeshBoneInfo(FName("calf_l"), 1), FTransform(FVector(0, 0, -45))));
	const FBoneContainer Bones(Skeleton);
	FCompactPose Pose(Bones);
	// A quarter turn of the thigh about Y swings the calf's downward offset onto -X.
	Pose[1].SetRotation(FQuat(FVector(0, 1, 0), std::numbers::pi / 2));
	{
		FTakeWriter Take(Project.GetDir() + "take.jsonl");
		Take.RecordPose("Actor1", "/Game/Hero_Remap.Hero_Remap", Pose);
	}
	const std::vector<nlohmann::json> Lines = ReadLines(Project, "take.jsonl");
	ASSERT_EQ(Lines.size(), 1u);
	const nlohmann::json& Line = Lines[0];
	EXPECT_EQ(Line["event"], "pose");
	EXPECT_FALSE(Line.contains("source"));
	EXPECT_EQ(Line["subject"], "Actor1");
	EXPECT_EQ(Line["asset"], "/Game/Hero_Remap.Hero_Remap");
	EXPECT_EQ(Line["bones"], nlohmann::json({"pelvis", "thigh_l", "calf_l"}));
	ASSERT_EQ(Line["transforms"].size(), 3u);
	EXPECT_EQ(Line["transforms"][2]["t"], nlohmann::json({0.0, 0.0, -45.0}));
	ASSERT_EQ(Line["positions"].size(), 3u);
	const std::vector<double> Calf = Line["positions"][2];
	EXPECT_TRUE(FVector(Calf[0], Calf[1], Calf[2]).Equals(FVector(-35, 0, 90), 1e-9)) << Line["positions"].dump();
	EXPECT_EQ(Line["positions"][1], nlohmann::json({10.0, 0.0, 90.0}));
}

TEST(FTakeWriter, AWriteThatFailsFailsTheTakeSayingWhereItStops)
{
	// /dev/full takes the file open and refuses every write, as a full disk does.
	FLogCapture Log;
	FTakeWriter Take("/dev/full");
	ASSERT_TRUE(Take.IsOpen());
	Take.OnSubjectRemoved({FGuid(1, 2, 3, 4), "Actor"});
	EXPECT_FALSE(Take.Finish());
	EXPECT_TRUE(Take.GetError().StartsWith("Failed to write the take /dev/full: ")) << *Take.GetError();
	EXPECT_TRUE(Take.GetError().EndsWith("; it stops after line 0 (0.000 s recorded)")) << *Take.GetError();
	EXPECT_EQ(Log.Count(Take.GetError(), ELogVerbosity::Error), 1);
}

TEST(FTakeWriter, ATakeFileRemovedWhileWrittenFailsTheTake)
{
	FTempProject Project;
	const FString Path = Project.GetDir() + "take.jsonl";
	FTakeWriter Take(Path);
	Take.OnSubjectRemoved({FGuid(1, 2, 3, 4), "Actor"});
	Take.Flush();
	ASSERT_EQ(std::remove(*Path), 0);
	Take.OnSubjectRemoved({FGuid(1, 2, 3, 4), "Actor"});
	EXPECT_FALSE(Take.Finish());
	EXPECT_TRUE(Take.GetError().Contains("the file was removed or replaced while it was written; it stops after line 1 ("))
		<< *Take.GetError();
}
