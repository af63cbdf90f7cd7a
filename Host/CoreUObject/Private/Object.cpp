#include "UObject/Object.h"

#include "Misc/TransactionBuffer.h"
#include "UObject/UObjectArray.h"
#include "UObject/UnrealType.h"

UObject::UObject() : SerialNumber(FUObjectArray::Register(this))
{
}

UObject::~UObject()
{
	FUObjectArray::Unregister(this);
	// Inner objects go first, newest first, so that none outlives its outer.
	while (!InnerObjects.IsEmpty())
	{
		InnerObjects.Pop();
	}
}

FString UObject::GetPathName() const
{
	if (!Outer)
	{
		return GetName();
	}
	const char* Separator = Outer->GetOuter() ? ":" : ".";
	return Outer->GetPathName() + Separator + GetName();
}

bool UObject::Modify()
{
	return FTransactionBuffer::Get().SaveObject(this);
}

void UObject::PostEditUndo()
{
	FPropertyChangedEvent Event(nullptr);
	PostEditChangeProperty(Event);
}

void UObject::AdoptInner(std::unique_ptr<UObject> Inner)
{
	Inner->SetOuter(this);
	InnerObjects.Add(MoveTemp(Inner));
}

TArray<UObject*> UObject::GetInnerObjects() const
{
	TArray<UObject*> Result;
	for (const std::unique_ptr<UObject>& Inner : InnerObjects)
	{
		Result.Add(Inner.get());
	}
	return Result;
}

UObject* UObject::FindInnerObject(FName InnerName) const
{
	for (const std::unique_ptr<UObject>& Inner : InnerObjects)
	{
		if (Inner->GetFName() == InnerName)
		{
			return Inner.get();
		}
	}
	return nullptr;
}

UClass* UObject::StaticClass()
{
	static UClass Class("Object", nullptr, &ZevoReflection::MakeInstance<UObject>, CLASS_None);
	return &Class;
}
