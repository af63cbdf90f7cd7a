#include "CoreMinimal.h"
#include "Editor.h"

#include <gtest/gtest.h>

namespace
{
/** The editor as the engine loop runs it: GEditor set, frames ticked from the host clock. */
struct FEditorRun
{
	FEditorRun() { GEditor = &Engine; }
	~FEditorRun() { GEditor = nullptr; }
	void RunFor(double Seconds)
	{
		FHostClock::Advance(FTimespan::FromSeconds(Seconds));
		Engine.TickFromClock();
	}
	UEditorEngine Engine;
};
}

TEST(UEditorEngine, OneShotTimerAtOneSecondFiresOnceAfterOneSecondOfFrames)
{
	FEditorRun Run;
	int32 Calls = 0;
	FTimerHandle Handle;
	GEditor->GetTimerManager()->SetTimer(Handle, FTimerDelegate::CreateLambda([&] { ++Calls; }), 1.0f, false, -1.0f);

	Run.RunFor(0.6);
	EXPECT_EQ(Calls, 0);
	EXPECT_TRUE(GEditor->GetTimerManager()->IsTimerActive(Handle));
	Run.RunFor(0.5);
	EXPECT_EQ(Calls, 1);
	EXPECT_FALSE(GEditor->GetTimerManager()->IsTimerActive(Handle));
	Run.RunFor(5.0);
	EXPECT_EQ(Calls, 1);
}

TEST(UEditorEngine, ClearedTimerNeverFires)
{
	FEditorRun Run;
	int32 Calls = 0;
	FTimerHandle Handle;
	GEditor->GetTimerManager()->SetTimer(Handle, [&] { ++Calls; }, 1.0f, true);
	Run.RunFor(0.5);
	GEditor->GetTimerManager()->ClearTimer(Handle);
	EXPECT_FALSE(Handle.IsValid());
	Run.RunFor(10.0);
	EXPECT_EQ(Calls, 0);
}

TEST(UEditorEngine, CountsRedrawRequests)
{
	FEditorRun Run;
	GEditor->RedrawAllViewports();
	GEditor->RedrawAllViewports(false);
	EXPECT_EQ(GEditor->GetRedrawRequestCount(), 2);
}
