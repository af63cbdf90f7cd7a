#pragma once
// The undo history: a list of transactions, each holding, for every object changed in it, the
// object's reflected, non-transient state from before the change (written as property text).
// Undo restores the newest transaction and calls each object's PostEditUndo. The history can be
// written to a file and read back, so that a later process can undo the edit of an earlier one;
// objects are then found again by their paths (assets load on demand).
// Game thread only, as the editor's undo is; there is no lock.
#include "UObject/WeakObjectPtr.h"

class FTransactionBuffer
{
public:
	/** The process's undo history. */
	static FTransactionBuffer& Get();

	/** Opens a transaction; nested calls join the open one (FScopedTransaction calls these). */
	void BeginTransaction(const FString& Title);
	/** Closes the outermost level; a transaction that recorded nothing is dropped. */
	void EndTransaction();
	bool IsTransactionActive() const { return OpenDepth > 0; }

	/**
	 * Records Object's state in the open transaction, unless the transaction has it already
	 * (UObject::Modify). Without an open transaction, records a transaction of its own.
	 * False when nothing was recorded (already recorded, or an undo is restoring objects).
	 */
	bool SaveObject(UObject* Object);

	/** Transactions that can be undone. */
	int32 GetUndoCount() const { return Transactions.Num(); }
	/** The title of the newest transaction, empty when there is none. */
	FString GetUndoTitle() const;
	/**
	 * Restores the newest transaction and removes it. An object that can no longer be found is
	 * skipped with a warning, a value that no longer reads keeps the current one. False when there
	 * is nothing to undo or a transaction is open.
	 */
	bool Undo();
	void Reset();

	/** Writes the whole history (atomically). */
	bool SaveToFile(const FString& Filename) const;
	/** Replaces the history with the file's; false, with an error naming the file, when it cannot be read. */
	bool LoadFromFile(const FString& Filename);

	/** At most this many transactions are kept; the oldest go first. */
	static constexpr int32 MaxTransactions = 100;

private:
	struct FObjectRecord
	{
		FString ObjectPath;
		/** Unset for records read from a file: the object is found by its path. */
		TWeakObjectPtr<UObject> Object;
		TArray<TPair<FName, FString>> Properties;
	};

	struct FTransaction
	{
		FString Title;
		TArray<FObjectRecord> Records;
	};

	static FObjectRecord Capture(UObject* Object);
	static void Restore(UObject* Object, const FObjectRecord& Record);

	TArray<FTransaction> Transactions;
	FTransaction Open;
	int32 OpenDepth = 0;
	bool bUndoing = false;
};
