#pragma once
// FScopedTransaction: one undoable edit. Every Modify() while it lives joins one transaction of the
// undo history (Misc/TransactionBuffer.h); transactions opened inside it join it too.
#include "Misc/TransactionBuffer.h"

class FScopedTransaction
{
public:
	explicit FScopedTransaction(const FText& Description) { FTransactionBuffer::Get().BeginTransaction(Description.ToString()); }
	~FScopedTransaction() { FTransactionBuffer::Get().EndTransaction(); }
	FScopedTransaction(const FScopedTransaction&) = delete;
	FScopedTransaction& operator=(const FScopedTransaction&) = delete;
};
