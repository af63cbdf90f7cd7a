#include "LiveLinkClient.h"
#include "LiveLinkTestData.h"
#include "Logging/LogCapture.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace
{
struct FClientWithSource
{
	FLiveLinkClient Client;
	TSharedPtr<FScriptedSource> Source = MakeShared<FScriptedSource>();
	FGuid SourceGuid = Client.AddSource(Source);

	FLiveLinkSubjectKey Key(const char* Name) const { return FLiveLinkSubjectKey(SourceGuid, FName(Name)); }
};
}

TEST(FLiveLinkClient, AddSourceHandsTheSourceItsClientAndGuid)
{
	FClientWithSource Fixture;
	EXPECT_TRUE(Fixture.SourceGuid.IsValid());
	EXPECT_EQ(Fixture.Source->Client, &Fixture.Client);
	EXPECT_EQ(Fixture.Source->SourceGuid, Fixture.SourceGuid);
	EXPECT_EQ(Fixture.Client.GetSources(), TArray<FGuid>{Fixture.SourceGuid});
	EXPECT_STREQ(*Fixture.Client.GetSourceMachineName(Fixture.SourceGuid).ToString(), "test-machine");

	const FGuid Second = Fixture.Client.AddSource(MakeShared<FScriptedSource>());
	EXPECT_FALSE(Second == Fixture.SourceGuid);
	EXPECT_FALSE(Fixture.Client.AddSource(nullptr).IsValid());
	EXPECT_EQ(Fixture.Client.GetSources().Num(), 2);
}

TEST(FLiveLinkClient, DropsFramesUntilTheSubjectHasStaticData)
{
	FClientWithSource Fixture;
	Fixture.Client.PushSubjectFrameData_AnyThread(Fixture.Key("Actor"), MakeAnimationFrame(3, 1.0));
	EXPECT_TRUE(Fixture.Client.GetSubjects(true, true).IsEmpty());

	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("Actor"), ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(3));
	FLiveLinkSubjectFrameData Frame;
	EXPECT_FALSE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Frame))
		<< "a subject without a frame has nothing to evaluate";

	Fixture.Client.PushSubjectFrameData_AnyThread(Fixture.Key("Actor"), MakeAnimationFrame(3, 2.0));
	ASSERT_TRUE(Fixture.Client.EvaluateFrame_AnyThread("actor", ULiveLinkAnimationRole::StaticClass(), Frame));
	ASSERT_NE(Frame.FrameData.Cast<FLiveLinkAnimationFrameData>(), nullptr);
	EXPECT_EQ(Frame.FrameData.Cast<FLiveLinkAnimationFrameData>()->Transforms[2].GetTranslation().X, 2.0);
	EXPECT_EQ(Frame.StaticData.Cast<FLiveLinkSkeletonStaticData>()->BoneNames.Num(), 3);
}

TEST(FLiveLinkClient, EvaluationSharesTheLatestFrameInsteadOfCopyingIt)
{
	FClientWithSource Fixture;
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("Actor"), ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(52));
	Fixture.Client.PushSubjectFrameData_AnyThread(Fixture.Key("Actor"), MakeAnimationFrame(52, 1.0));
	FLiveLinkSubjectFrameData First;
	FLiveLinkSubjectFrameData Second;
	ASSERT_TRUE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), First));
	ASSERT_TRUE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Second));
	EXPECT_EQ(First.FrameData.GetBaseData(), Second.FrameData.GetBaseData());

	// A reader keeps its frame whole while newer frames replace it in the client.
	Fixture.Client.PushSubjectFrameData_AnyThread(Fixture.Key("Actor"), MakeAnimationFrame(52, 5.0));
	EXPECT_EQ(First.FrameData.Cast<FLiveLinkAnimationFrameData>()->Transforms[0].GetTranslation().X, 1.0);
}

TEST(FLiveLinkClient, EvaluatesOnlyForTheSubjectsRoleOrAParentOfIt)
{
	FClientWithSource Fixture;
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("Actor"), ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(2));
	Fixture.Client.PushSubjectFrameData_AnyThread(Fixture.Key("Actor"), MakeAnimationFrame(2, 1.0));
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("Prop_1"), ULiveLinkTransformRole::StaticClass(), MakeTransformStatic());
	Fixture.Client.PushSubjectFrameData_AnyThread(Fixture.Key("Prop_1"), MakeTransformFrame(FTransform(FVector(1, 2, 3))));

	struct FCase
	{
		const char* Subject;
		UClass* AskedRole;
		bool bExpected;
	};
	const FCase Cases[] = {
		{"Actor", ULiveLinkAnimationRole::StaticClass(), true},
		{"Actor", ULiveLinkBasicRole::StaticClass(), true},
		{"Actor", ULiveLinkTransformRole::StaticClass(), false},
		{"Prop_1", ULiveLinkTransformRole::StaticClass(), true},
		{"Prop_1", ULiveLinkAnimationRole::StaticClass(), false},
		{"Prop_1", nullptr, false},
		{"Nobody", ULiveLinkTransformRole::StaticClass(), false},
	};
	for (const FCase& Case : Cases)
	{
		FLiveLinkSubjectFrameData Frame;
		EXPECT_EQ(Fixture.Client.EvaluateFrame_AnyThread(Case.Subject, Case.AskedRole, Frame), Case.bExpected)
			<< Case.Subject << " as " << (Case.AskedRole ? *Case.AskedRole->GetName() : "null");
	}
	EXPECT_EQ(Fixture.Client.GetSubjectRole_AnyThread(Fixture.Key("Prop_1")).Get(), ULiveLinkTransformRole::StaticClass());
	EXPECT_EQ(Fixture.Client.GetSubjectRole_AnyThread(Fixture.Key("Nobody")).Get(), nullptr);
}

TEST(FLiveLinkClient, RemovedSubjectComesBackWithItsNextStaticData)
{
	FClientWithSource Fixture;
	const FLiveLinkSubjectKey Key = Fixture.Key("Actor");
	Fixture.Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(2));
	Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeAnimationFrame(2, 1.0));
	Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeAnimationFrame(2, 1.0));

	Fixture.Client.RemoveSubject_AnyThread(Key);
	EXPECT_TRUE(Fixture.Client.GetSubjects(true, true).IsEmpty());
	Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeAnimationFrame(2, 1.0));
	FLiveLinkSubjectFrameData Frame;
	EXPECT_FALSE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Frame));

	// Re-created with another skeleton: the old frame counter and frame are gone.
	Fixture.Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(4));
	EXPECT_FALSE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Frame));
	Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeAnimationFrame(4, 3.0));
	const TArray<FLiveLinkSubjectStatus> Statuses = Fixture.Client.GetSubjectStatuses();
	ASSERT_EQ(Statuses.Num(), 1);
	EXPECT_EQ(Statuses[0].FramesReceived, 1);
	EXPECT_EQ(Statuses[0].Role.Get(), ULiveLinkAnimationRole::StaticClass());
}

TEST(FLiveLinkClient, ManyRemovalsKeepTheOthersInCreationOrderAndFindable)
{
	FClientWithSource Fixture;
	constexpr int32 Count = 2000;
	const auto Name = [](int32 Index) { return FName(*FString::Printf("Actor%d", Index)); };
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Fixture.Client.PushSubjectStaticData_AnyThread({Fixture.SourceGuid, Name(Index)}, ULiveLinkTransformRole::StaticClass(),
			MakeTransformStatic());
	}
	// Three in four go, as a sweep removes them: one call each, the table compacting on the way.
	for (int32 Index = 0; Index < Count; ++Index)
	{
		if (Index % 4 != 0)
		{
			Fixture.Client.RemoveSubject_AnyThread({Fixture.SourceGuid, Name(Index)});
		}
	}
	Fixture.Client.PushSubjectStaticData_AnyThread({Fixture.SourceGuid, Name(1)}, ULiveLinkTransformRole::StaticClass(), MakeTransformStatic());

	const TArray<FLiveLinkSubjectKey> Left = Fixture.Client.GetSubjects(true, true);
	ASSERT_EQ(Left.Num(), Count / 4 + 1);
	for (int32 Index = 0; Index < Count / 4; ++Index)
	{
		ASSERT_EQ(Left[Index].SubjectName, Name(Index * 4));
	}
	EXPECT_EQ(Left.Last().SubjectName, Name(1)) << "a subject made anew comes last";
	for (int32 Index = 0; Index < Count; Index += 4)
	{
		Fixture.Client.PushSubjectFrameData_AnyThread({Fixture.SourceGuid, Name(Index)}, MakeTransformFrame(FTransform(FVector(Index, 0, 0))));
	}
	FLiveLinkSubjectFrameData Frame;
	ASSERT_TRUE(Fixture.Client.EvaluateFrame_AnyThread(Name(1996), ULiveLinkTransformRole::StaticClass(), Frame));
	EXPECT_EQ(Frame.FrameData.Cast<FLiveLinkTransformFrameData>()->Transform.GetTranslation().X, 1996.0);
	EXPECT_FALSE(Fixture.Client.EvaluateFrame_AnyThread(Name(1997), ULiveLinkTransformRole::StaticClass(), Frame));
	EXPECT_EQ(Fixture.Client.GetSubjectRole_AnyThread({Fixture.SourceGuid, Name(1998)}).Get(), nullptr);
}

TEST(FLiveLinkClient, RefusesMalformedStaticDataAndFrames)
{
	FClientWithSource Fixture;
	FLogCapture Log;
	FLiveLinkStaticDataStruct MismatchedParents = MakeSkeleton(3);
	MismatchedParents.Cast<FLiveLinkSkeletonStaticData>()->BoneParents.Pop();
	FLiveLinkStaticDataStruct ParentOutOfRange = MakeSkeleton(3);
	ParentOutOfRange.Cast<FLiveLinkSkeletonStaticData>()->BoneParents[1] = 3;

	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("A"), ULiveLinkAnimationRole::StaticClass(), MoveTemp(MismatchedParents));
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("B"), ULiveLinkAnimationRole::StaticClass(), MoveTemp(ParentOutOfRange));
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("C"), ULiveLinkAnimationRole::StaticClass(), MakeTransformStatic());
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("D"), ULiveLinkTransformRole::StaticClass(), FLiveLinkStaticDataStruct());
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("E"), nullptr, MakeSkeleton(1));
	EXPECT_TRUE(Fixture.Client.GetSubjects(true, true).IsEmpty());
	EXPECT_EQ(Log.CountContaining("static data refused", ELogVerbosity::Warning), 5);

	const FLiveLinkSubjectKey Actor = Fixture.Key("Actor");
	Fixture.Client.PushSubjectStaticData_AnyThread(Actor, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(3, {"Speed"}));
	Fixture.Client.PushSubjectFrameData_AnyThread(Actor, MakeAnimationFrame(2, 1.0, {0.5f}));  // a bone short
	Fixture.Client.PushSubjectFrameData_AnyThread(Actor, MakeAnimationFrame(3, 1.0));          // no property value
	Fixture.Client.PushSubjectFrameData_AnyThread(Actor, MakeTransformFrame(FTransform()));    // wrong kind
	Fixture.Client.PushSubjectFrameData_AnyThread(Actor, FLiveLinkFrameDataStruct());          // empty
	FLiveLinkSubjectFrameData Frame;
	EXPECT_FALSE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Frame));
	EXPECT_EQ(Log.CountContaining("frame dropped", ELogVerbosity::Warning), 1) << "one warning per subject, not per frame";

	Fixture.Client.PushSubjectFrameData_AnyThread(Actor, MakeAnimationFrame(3, 1.0, {0.5f}));
	EXPECT_TRUE(Fixture.Client.EvaluateFrame_AnyThread("Actor", ULiveLinkAnimationRole::StaticClass(), Frame));
	const TArray<FLiveLinkSubjectStatus> Statuses = Fixture.Client.GetSubjectStatuses();
	ASSERT_EQ(Statuses.Num(), 1);
	EXPECT_EQ(Statuses[0].FramesReceived, 1);
	EXPECT_EQ(Statuses[0].FramesDropped, 4) << "every refused frame counts, although only the first is logged";
}

TEST(FLiveLinkClient, EvaluatesBySubjectKeyWhenTwoSourcesShareASubjectName)
{
	FClientWithSource Fixture;
	const FGuid Other = Fixture.Client.AddSource(MakeShared<FScriptedSource>());
	const FLiveLinkSubjectKey First = Fixture.Key("Actor");
	const FLiveLinkSubjectKey Second(Other, "Actor");
	for (const FLiveLinkSubjectKey& Key : {First, Second})
	{
		Fixture.Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(2));
	}
	Fixture.Client.PushSubjectFrameData_AnyThread(First, MakeAnimationFrame(2, 1.0));
	Fixture.Client.PushSubjectFrameData_AnyThread(Second, MakeAnimationFrame(2, 7.0));

	FLiveLinkSubjectFrameData Frame;
	ASSERT_TRUE(Fixture.Client.EvaluateFrameFromSource_AnyThread(Second, ULiveLinkAnimationRole::StaticClass(), Frame));
	EXPECT_EQ(Frame.FrameData.Cast<FLiveLinkAnimationFrameData>()->Transforms[1].GetTranslation().X, 7.0);
	EXPECT_FALSE(Fixture.Client.EvaluateFrameFromSource_AnyThread(Second, ULiveLinkTransformRole::StaticClass(), Frame));
	EXPECT_FALSE(Fixture.Client.EvaluateFrameFromSource_AnyThread(Fixture.Key("Nobody"), ULiveLinkAnimationRole::StaticClass(), Frame));
}

TEST(FLiveLinkClient, RemoveSourceShutsItDownForgetsItsSubjectsAndDeletesIt)
{
	FClientWithSource Fixture;
	const FGuid Other = Fixture.Client.AddSource(MakeShared<FScriptedSource>());
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("Actor"), ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(1));
	Fixture.Client.PushSubjectStaticData_AnyThread({Other, "Actor"}, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(1));
	const TWeakPtr<FScriptedSource> Watch = Fixture.Source;
	Fixture.Source.Reset();

	Fixture.Client.RemoveSource(Fixture.SourceGuid);
	EXPECT_FALSE(Watch.IsValid()) << "the client held the only reference";
	EXPECT_EQ(Fixture.Client.GetSources(), TArray<FGuid>{Other});
	const TArray<FLiveLinkSubjectKey> Left = Fixture.Client.GetSubjects(true, true);
	ASSERT_EQ(Left.Num(), 1);
	EXPECT_EQ(Left[0].Source, Other);

	// Late traffic of the removed source does not bring its subjects back.
	Fixture.Client.PushSubjectStaticData_AnyThread(Fixture.Key("Actor"), ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(1));
	EXPECT_EQ(Fixture.Client.GetSubjects(true, true).Num(), 1);
}

TEST(FLiveLinkClient, SourceNotReadyToShutDownIsAskedAgainOnTick)
{
	FLiveLinkClient Client;
	TSharedPtr<FScriptedSource> Source = MakeShared<FScriptedSource>();
	Source->RefusedShutdownRequests = 1;
	const FGuid Guid = Client.AddSource(Source);
	const TWeakPtr<FScriptedSource> Watch = Source;
	Source.Reset();

	Client.RemoveSource(Guid);
	EXPECT_TRUE(Client.GetSources().IsEmpty());
	ASSERT_TRUE(Watch.IsValid());
	EXPECT_EQ(Watch.Pin()->ShutdownRequests.load(), 1);
	Client.Tick();
	EXPECT_FALSE(Watch.IsValid());
}

TEST(FLiveLinkClient, ShutdownRemovesEverySource)
{
	FLiveLinkClient Client;
	TArray<TWeakPtr<FScriptedSource>> Watches;
	for (int32 Index = 0; Index < 3; ++Index)
	{
		TSharedPtr<FScriptedSource> Source = MakeShared<FScriptedSource>();
		Watches.Add(Source);
		const FGuid Guid = Client.AddSource(Source);
		Client.PushSubjectStaticData_AnyThread({Guid, "Actor"}, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(1));
	}
	Client.Shutdown();
	EXPECT_TRUE(Client.GetSources().IsEmpty());
	EXPECT_TRUE(Client.GetSubjects(true, true).IsEmpty());
	for (const TWeakPtr<FScriptedSource>& Watch : Watches)
	{
		EXPECT_FALSE(Watch.IsValid());
	}
}

TEST(FLiveLinkClient, ExitingEditorAsksEverySourceAtOnce)
{
	// Each source holds its answer until all of them have been asked (or a generous bound passes):
	// only sources asked at the same time all see the full count.
	constexpr int32 Count = 40;
	struct FWaitingSource : FScriptedSource
	{
		std::atomic<int32>* Asked = nullptr;
		bool bSawEveryone = false;
		bool RequestSourceShutdown() override
		{
			++*Asked;
			const double Until = FPlatformTime::Seconds() + 10.0;
			while (Asked->load() < Count && FPlatformTime::Seconds() < Until)
			{
				std::this_thread::yield();
			}
			bSawEveryone = Asked->load() == Count;
			return FScriptedSource::RequestSourceShutdown();
		}
	};
	std::atomic<int32> Asked{0};
	TArray<TSharedPtr<FWaitingSource>> Sources;
	FLiveLinkClient Client;
	for (int32 Index = 0; Index < Count; ++Index)
	{
		Sources.Add(MakeShared<FWaitingSource>());
		Sources.Last()->Asked = &Asked;
		Client.AddSource(Sources.Last());
	}
	GIsRequestingExit = true;
	Client.Shutdown();
	GIsRequestingExit = false;
	EXPECT_TRUE(Client.GetSources().IsEmpty());
	for (const TSharedPtr<FWaitingSource>& Source : Sources)
	{
		EXPECT_TRUE(Source->bSawEveryone);
		EXPECT_EQ(Source->ShutdownRequests.load(), 1);
		EXPECT_EQ(Source.use_count(), 1) << "the client let go of it";
	}
}

TEST(FLiveLinkClient, AcceptsPushesRemovalsAndReadsFromManyThreadsAtOnce)
{
	FClientWithSource Fixture;
	constexpr int32 Pushers = 4;
	constexpr int32 FramesEach = 500;
	std::atomic<bool> bDone{false};
	std::vector<std::thread> Threads;
	for (int32 Index = 0; Index < Pushers; ++Index)
	{
		Threads.emplace_back([&Fixture, Index] {
			const FLiveLinkSubjectKey Key(Fixture.SourceGuid, FName(*FString::Printf("Actor%d", Index)));
			Fixture.Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkAnimationRole::StaticClass(), MakeSkeleton(8));
			for (int32 Frame = 0; Frame < FramesEach; ++Frame)
			{
				Fixture.Client.PushSubjectFrameData_AnyThread(Key, MakeAnimationFrame(8, Frame));
			}
		});
	}
	// A sweep that keeps removing and re-creating a subject of its own, and a reader.
	Threads.emplace_back([&Fixture, &bDone] {
		const FLiveLinkSubjectKey Key(Fixture.SourceGuid, "Churn");
		while (!bDone)
		{
			Fixture.Client.PushSubjectStaticData_AnyThread(Key, ULiveLinkTransformRole::StaticClass(), MakeTransformStatic());
			Fixture.Client.RemoveSubject_AnyThread(Key);
		}
	});
	Threads.emplace_back([&Fixture, &bDone] {
		while (!bDone)
		{
			FLiveLinkSubjectFrameData Frame;
			if (Fixture.Client.EvaluateFrame_AnyThread("Actor0", ULiveLinkAnimationRole::StaticClass(), Frame))
			{
				EXPECT_EQ(Frame.FrameData.Cast<FLiveLinkAnimationFrameData>()->Transforms.Num(), 8);
			}
			Fixture.Client.GetSubjectStatuses();
		}
	});
	for (int32 Index = 0; Index < Pushers; ++Index)
	{
		Threads[Index].join();
	}
	bDone = true;
	for (size_t Index = Pushers; Index < Threads.size(); ++Index)
	{
		Threads[Index].join();
	}

	int32 Actors = 0;
	for (const FLiveLinkSubjectStatus& Status : Fixture.Client.GetSubjectStatuses())
	{
		if (Status.Key.SubjectName != FName("Churn"))
		{
			++Actors;
			EXPECT_EQ(Status.FramesReceived, FramesEach) << *Status.Key.SubjectName.ToString();
		}
	}
	EXPECT_EQ(Actors, Pushers);
	FLiveLinkSubjectFrameData Last;
	ASSERT_TRUE(Fixture.Client.EvaluateFrame_AnyThread("Actor3", ULiveLinkAnimationRole::StaticClass(), Last));
	EXPECT_EQ(Last.FrameData.Cast<FLiveLinkAnimationFrameData>()->Transforms[0].GetTranslation().X, FramesEach - 1);
}

TEST(FLiveLinkDataStruct, IsFilledThroughTheScriptStructOfItsDataType)
{
	FLiveLinkFrameDataStruct Frame;
	Frame.InitializeWith(FLiveLinkAnimationFrameData::StaticStruct());
	ASSERT_NE(Frame.Cast<FLiveLinkAnimationFrameData>(), nullptr);
	EXPECT_TRUE(Frame.Cast<FLiveLinkAnimationFrameData>()->Transforms.IsEmpty());
	EXPECT_EQ(Frame.Cast<FLiveLinkTransformFrameData>(), nullptr);

	// Static data cannot fill a frame: the struct is left empty rather than holding the wrong kind.
	Frame.InitializeWith(FLiveLinkSkeletonStaticData::StaticStruct());
	EXPECT_FALSE(Frame.IsValid());
	EXPECT_EQ(FLiveLinkTransformFrameData::StaticStruct(), FLiveLinkTransformFrameData::StaticStruct());
	EXPECT_NE(FLiveLinkTransformFrameData::StaticStruct(), FLiveLinkAnimationFrameData::StaticStruct());
}
