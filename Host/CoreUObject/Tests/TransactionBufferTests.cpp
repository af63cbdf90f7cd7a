#include "ReflectionTestTypes.h"

#include "Logging/LogCapture.h"
#include "Misc/TransactionBuffer.h"
#include "TempProject.h"
#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

namespace
{
class TransactionBuffer : public ::testing::Test
{
protected:
	void SetUp() override { FTransactionBuffer::Get().Reset(); }
	void TearDown() override { FTransactionBuffer::Get().Reset(); }
	FTransactionBuffer& Buffer = FTransactionBuffer::Get();
};
}

TEST_F(TransactionBuffer, UndoRestoresReflectedStateButNotTransientMembers)
{
	UTestEverything Object;
	Object.Modify();
	Object.Offset = 50.f;
	Object.Rows = {{ETestShape::Capsule, "Head", ""}};
	Object.Position = FVector(9.0, 9.0, 9.0);
	Object.CachedValue = 5.f;
	ASSERT_EQ(Buffer.GetUndoCount(), 1);

	ASSERT_TRUE(Buffer.Undo());
	EXPECT_EQ(Object.Offset, 0.f);
	EXPECT_TRUE(Object.Rows.IsEmpty());
	EXPECT_EQ(Object.Position, FVector(1.0, 2.0, 3.0));
	EXPECT_EQ(Object.CachedValue, 5.f);
	EXPECT_EQ(Object.UndoNotifications, 1);
	EXPECT_EQ(Buffer.GetUndoCount(), 0);
	EXPECT_FALSE(Buffer.Undo());
}

TEST_F(TransactionBuffer, OneTransactionRecordsEachObjectOnceAndUndoesAsAWhole)
{
	UTestEverything First, Second;
	Buffer.BeginTransaction("Edit both");
	EXPECT_TRUE(First.Modify());
	First.Count = 100;
	EXPECT_FALSE(First.Modify());
	First.Count = 200;
	Buffer.BeginTransaction("Nested");
	EXPECT_TRUE(Second.Modify());
	Second.Bone = "Spine";
	Buffer.EndTransaction();
	EXPECT_TRUE(Buffer.IsTransactionActive());
	Buffer.EndTransaction();

	ASSERT_EQ(Buffer.GetUndoCount(), 1);
	EXPECT_EQ(Buffer.GetUndoTitle(), "Edit both");
	ASSERT_TRUE(Buffer.Undo());
	EXPECT_EQ(First.Count, 7);
	EXPECT_TRUE(Second.Bone.IsNone());
}

TEST_F(TransactionBuffer, EmptyTransactionsLeaveNoHistory)
{
	Buffer.BeginTransaction("Nothing");
	Buffer.EndTransaction();
	EXPECT_EQ(Buffer.GetUndoCount(), 0);
}

TEST_F(TransactionBuffer, ModifyOutsideATransactionRecordsOneOfItsOwn)
{
	UTestEverything Object;
	Object.Modify();
	Object.Count = 1;
	Object.Modify();
	Object.Count = 2;
	EXPECT_EQ(Buffer.GetUndoCount(), 2);
	Buffer.Undo();
	EXPECT_EQ(Object.Count, 1);
	Buffer.Undo();
	EXPECT_EQ(Object.Count, 7);
}

TEST_F(TransactionBuffer, ADestroyedObjectIsSkippedWithAWarning)
{
	FLogCapture Log;
	auto Object = std::make_unique<UTestEverything>();
	Object->Modify();
	Object.reset();
	EXPECT_TRUE(Buffer.Undo());
	EXPECT_EQ(Log.CountContaining("cannot be found; its changes stay", ELogVerbosity::Warning), 1);
}

TEST_F(TransactionBuffer, HistorySurvivesAFileForALaterProcess)
{
	FTempProject Project;
	UTestEverything* Asset = NewObject<UTestEverything>(CreatePackage("/Game/Undo/Asset"), UTestEverything::StaticClass(), "Asset");
	Asset->Names = {"A", "B"};
	Buffer.BeginTransaction("Edit names");
	Asset->Modify();
	Asset->Names = {"C"};
	Asset->Text = "changed";
	Buffer.EndTransaction();
	const FString File = Project.GetDir() + "Saved/Undo/History.json";
	ASSERT_TRUE(Buffer.SaveToFile(File));

	// A later process: its history comes only from the file, the asset is found by its path.
	Buffer.Reset();
	ASSERT_TRUE(Buffer.LoadFromFile(File));
	EXPECT_EQ(Buffer.GetUndoTitle(), "Edit names");
	ASSERT_TRUE(Buffer.Undo());
	EXPECT_EQ(Asset->Names, (TArray<FName>{"A", "B"}));
	EXPECT_EQ(Asset->Text, "hello");
	EXPECT_EQ(Asset->UndoNotifications, 1);
}

TEST_F(TransactionBuffer, UnreadableHistoryFilesAreReportedAndKeepTheHistory)
{
	FTempProject Project;
	UTestEverything Object;
	Object.Modify();
	const char* Files[] = {"not json", "{}", "{\"Transactions\":[{\"Title\":1}]}", "{\"Transactions\":[{\"Title\":\"t\",\"Records\":[{}]}]}"};
	FLogCapture Log;
	for (const char* Contents : Files)
	{
		Project.WriteFile("Saved/Undo/Bad.json", Contents);
		EXPECT_FALSE(Buffer.LoadFromFile(Project.GetDir() + "Saved/Undo/Bad.json")) << Contents;
	}
	EXPECT_FALSE(Buffer.LoadFromFile(Project.GetDir() + "Saved/Undo/Missing.json"));
	EXPECT_EQ(Log.CountContaining("Undo history", ELogVerbosity::Error), 5);
	EXPECT_EQ(Buffer.GetUndoCount(), 1);
}
