#include "Async/Async.h"
#include "CoreMinimal.h"
#include "HAL/PlatformFileManager.h"
#include "HAL/PlatformProcess.h"
#include "HAL/RunnableThread.h"
#include "HAL/ThreadSafeBool.h"
#include "HAL/ThreadSafeCounter.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "TempProject.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

TEST(FFileHelper, SavesAsciiAsBytesAndOtherTextAsUtf16WithBom)
{
	FTempProject Project;
	const FString Ascii = Project.GetDir() + "ascii.txt";
	ASSERT_TRUE(FFileHelper::SaveStringToFile("[Section]\nKey=Value\n", *Ascii));
	EXPECT_STREQ(*Project.ReadFile("ascii.txt"), "[Section]\nKey=Value\n");

	const FString Wide = Project.GetDir() + "wide.txt";
	ASSERT_TRUE(FFileHelper::SaveStringToFile("caf\xC3\xA9", *Wide));
	const FString Bytes = Project.ReadFile("wide.txt");
	ASSERT_EQ(Bytes.Len(), 10);
	EXPECT_EQ(uint8(Bytes[0]), 0xFF);
	EXPECT_EQ(uint8(Bytes[1]), 0xFE);
	FString Loaded;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Loaded, *Wide));
	EXPECT_TRUE(Loaded.Equals("caf\xC3\xA9"));
}

TEST(FFileHelper, FailedSaveLeavesThePreviousFileWhole)
{
	FTempProject Project;
	const FString Path = Project.GetDir() + "kept.txt";
	ASSERT_TRUE(FFileHelper::SaveStringToFile("old", *Path));
	EXPECT_FALSE(FFileHelper::SaveStringToFile("new", *(Project.GetDir() + "missing/dir/file.txt")));
	EXPECT_STREQ(*Project.ReadFile("kept.txt"), "old");
	FString Missing;
	EXPECT_FALSE(FFileHelper::LoadFileToString(Missing, *(Project.GetDir() + "nothing.txt")));
}

TEST(FFileHelper, RemovesOnlyTheTemporaryFilesOfProcessesThatAreGone)
{
	FTempProject Project;
	const pid_t Dead = fork();
	if (Dead == 0)
	{
		_exit(0);
	}
	waitpid(Dead, nullptr, 0);
	const FString Alive = FString::FromInt(getpid());
	const FString Gone = FString::FromInt(Dead);
	const char* const Kept[] = {"Remap.json", "notes.tmpl", "Hero.json.tmp", "Hero.json.tmp12x.3"};
	Project.WriteFile("Content/Hero/Remap.json.tmp" + Gone + ".0", "{");
	Project.WriteFile("Saved/Undo/Remap.json.tmp" + Gone + ".17", "{");
	Project.WriteFile("Content/Hero/Remap.json.tmp" + Alive + ".0", "{");
	for (const char* Name : Kept)
	{
		Project.WriteFile(FString("Content/") + Name, "x");
	}

	EXPECT_EQ(FFileHelper::RemoveStaleTemporaryFiles(Project.GetDir()), 2);
	EXPECT_FALSE(FPaths::FileExists(Project.GetDir() + "Content/Hero/Remap.json.tmp" + Gone + ".0"));
	EXPECT_TRUE(FPaths::FileExists(Project.GetDir() + "Content/Hero/Remap.json.tmp" + Alive + ".0")) << "its writer still runs";
	for (const char* Name : Kept)
	{
		EXPECT_TRUE(FPaths::FileExists(Project.GetDir() + "Content/" + Name)) << Name;
	}
}

TEST(FGameThread, WakesAWaitingLoopAsSoonAsATaskIsQueued)
{
	FGameThread::DiscardTasks();
	int32 Ran = 0;
	std::thread Producer([&Ran] {
		FPlatformProcess::Sleep(0.02f);
		AsyncTask(ENamedThreads::GameThread, [&Ran] { ++Ran; });
	});
	EXPECT_TRUE(FGameThread::WaitForTasks(10.0));
	EXPECT_EQ(FGameThread::PumpTasks(), 1);
	EXPECT_EQ(Ran, 1);
	Producer.join();
	EXPECT_TRUE(IsInGameThread());
}

TEST(FHostClock, AdvancesBothClocks)
{
	const FDateTime Before = FDateTime::UtcNow();
	const double BeforeSeconds = FPlatformTime::Seconds();
	FHostClock::Advance(FTimespan::FromSeconds(6.0));
	EXPECT_GE((FDateTime::UtcNow() - Before).GetTotalSeconds(), 6.0);
	EXPECT_GE(FPlatformTime::Seconds() - BeforeSeconds, 6.0);
	FHostClock::ResetAdvance();
}

namespace
{
class FCountingRunnable : public FRunnable
{
public:
	uint32 Run() override
	{
		while (!bStop)
		{
			++Loops;
			FPlatformProcess::Sleep(0.001f);
		}
		return 0;
	}
	void Stop() override { bStop.AtomicSet(true); }
	FThreadSafeBool bStop;
	std::atomic<int32> Loops{0};
};
}

TEST(FRunnableThread, RunsUntilStoppedAndWaits)
{
	FCountingRunnable Runnable;
	FRunnableThread* Thread = FRunnableThread::Create(&Runnable, "Counting", 128 * 1024, TPri_AboveNormal);
	ASSERT_NE(Thread, nullptr);
	while (Runnable.Loops.load() < 3)
	{
		FPlatformProcess::Sleep(0.001f);
	}
	Thread->Kill(true);
	delete Thread;
	EXPECT_GE(Runnable.Loops.load(), 3);
}
