#include "Misc/TransactionBuffer.h"

#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/UnrealType.h"

#include <nlohmann/json.hpp>

using FJson = nlohmann::ordered_json;

FTransactionBuffer& FTransactionBuffer::Get()
{
	static FTransactionBuffer Buffer;
	return Buffer;
}

void FTransactionBuffer::BeginTransaction(const FString& Title)
{
	if (OpenDepth++ == 0)
	{
		Open = FTransaction{Title, {}};
	}
}

void FTransactionBuffer::EndTransaction()
{
	if (OpenDepth == 0 || --OpenDepth > 0)
	{
		return;
	}
	if (!Open.Records.IsEmpty())
	{
		Transactions.Add(MoveTemp(Open));
		if (Transactions.Num() > MaxTransactions)
		{
			Transactions.RemoveAt(0);
		}
	}
	Open = FTransaction();
}

bool FTransactionBuffer::SaveObject(UObject* Object)
{
	if (!Object || bUndoing)
	{
		return false;
	}
	if (!IsTransactionActive())
	{
		BeginTransaction(FString::Printf("Modify %s", *Object->GetName()));
		SaveObject(Object);
		EndTransaction();
		return true;
	}
	const TWeakObjectPtr<UObject> Weak(Object);
	if (Open.Records.ContainsByPredicate([&Weak](const FObjectRecord& Record) { return Record.Object == Weak; }))
	{
		return false;
	}
	Open.Records.Add(Capture(Object));
	return true;
}

FString FTransactionBuffer::GetUndoTitle() const
{
	return Transactions.IsEmpty() ? FString() : Transactions.Last().Title;
}

FTransactionBuffer::FObjectRecord FTransactionBuffer::Capture(UObject* Object)
{
	FObjectRecord Record{Object->GetPathName(), Object, {}};
	for (const FProperty* Property : Object->GetClass()->GetProperties())
	{
		if (!Property->HasAnyPropertyFlags(CPF_Transient))
		{
			Record.Properties.Add({Property->GetFName(), Property->ExportValueAsText(Property->ContainerPtrToValuePtr(Object))});
		}
	}
	return Record;
}

void FTransactionBuffer::Restore(UObject* Object, const FObjectRecord& Record)
{
	for (const TPair<FName, FString>& Saved : Record.Properties)
	{
		const FProperty* Property = Object->GetClass()->FindPropertyByName(Saved.Key);
		if (!Property || !Property->ImportValueFromText(Saved.Value, Property->ContainerPtrToValuePtr(Object)))
		{
			UE_LOG(LogTemp, Warning, "Undo: %s keeps its current %s (the recorded value '%s' no longer applies)", *Record.ObjectPath,
				*Saved.Key.ToString(), *Saved.Value);
		}
	}
}

bool FTransactionBuffer::Undo()
{
	if (Transactions.IsEmpty() || IsTransactionActive())
	{
		return false;
	}
	const FTransaction Transaction = Transactions.Pop();
	bUndoing = true;
	TArray<UObject*> Restored;
	for (int32 Index = Transaction.Records.Num() - 1; Index >= 0; --Index)
	{
		const FObjectRecord& Record = Transaction.Records[Index];
		UObject* Object = Record.Object.Get();
		if (!Object)
		{
			Object = StaticLoadObject(nullptr, nullptr, Record.ObjectPath);
		}
		if (!Object)
		{
			UE_LOG(LogTemp, Warning, "Undo: %s cannot be found; its changes stay", *Record.ObjectPath);
			continue;
		}
		Restore(Object, Record);
		Restored.Add(Object);
	}
	for (UObject* Object : Restored)
	{
		Object->PostEditUndo();
	}
	bUndoing = false;
	return true;
}

void FTransactionBuffer::Reset()
{
	Transactions.Empty();
	Open = FTransaction();
	OpenDepth = 0;
}

bool FTransactionBuffer::SaveToFile(const FString& Filename) const
{
	FJson History = FJson::array();
	for (const FTransaction& Transaction : Transactions)
	{
		FJson Records = FJson::array();
		for (const FObjectRecord& Record : Transaction.Records)
		{
			FJson Properties = FJson::object();
			for (const TPair<FName, FString>& Saved : Record.Properties)
			{
				Properties[Saved.Key.ToString().ToStdString()] = Saved.Value.ToStdString();
			}
			Records.push_back({{"Object", Record.ObjectPath.ToStdString()}, {"Properties", Properties}});
		}
		History.push_back({{"Title", Transaction.Title.ToStdString()}, {"Records", Records}});
	}
	const FJson File = {{"Transactions", History}};
	FPlatformFileManager::Get().GetPlatformFile().CreateDirectoryTree(*FPaths::GetPath(Filename));
	return FFileHelper::SaveStringToFile(FString(File.dump(1, '\t', false, nlohmann::ordered_json::error_handler_t::replace)), *Filename, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM);
}

bool FTransactionBuffer::LoadFromFile(const FString& Filename)
{
	FString Text;
	if (!FFileHelper::LoadFileToString(Text, *Filename))
	{
		UE_LOG(LogTemp, Error, "Undo history %s cannot be read", *Filename);
		return false;
	}
	TArray<FTransaction> Loaded;
	try
	{
		const FJson File = FJson::parse(Text.ToStdString());
		for (const FJson& Transaction : File.at("Transactions"))
		{
			FTransaction& Read = Loaded.Emplace_GetRef();
			Read.Title = FString(Transaction.at("Title").get<std::string>());
			for (const FJson& Record : Transaction.at("Records"))
			{
				FObjectRecord& ReadRecord = Read.Records.Emplace_GetRef();
				ReadRecord.ObjectPath = FString(Record.at("Object").get<std::string>());
				for (const auto& [Key, Value] : Record.at("Properties").items())
				{
					ReadRecord.Properties.Add({FName(Key.c_str()), FString(Value.get<std::string>())});
				}
			}
		}
	}
	catch (const nlohmann::json::exception& Error)
	{
		UE_LOG(LogTemp, Error, "Undo history %s is not valid: %s", *Filename, Error.what());
		return false;
	}
	Reset();
	Transactions = MoveTemp(Loaded);
	if (Transactions.Num() > MaxTransactions)
	{
		Transactions.RemoveAt(0, Transactions.Num() - MaxTransactions);
	}
	return true;
}
