#include "PropertyHandle.h"

#include "ScopedTransaction.h"
#include "UObject/WeakObjectPtr.h"

#include <cmath>
#include <cstdlib>
#include <vector>

namespace
{
template <typename T>
bool IsSameValue(const T& A, const T& B)
{
	return A == B;
}

/** Texts differ by letter case too (FString's == ignores it). */
bool IsSameValue(const FString& A, const FString& B)
{
	return A.Equals(B, ESearchCase::CaseSensitive);
}

/** One step from a container to a value: a member or field, or an element of the array before it. */
struct FPropertyStep
{
	FProperty* Property;
	/** Set for an element step: the array that holds the element. */
	const FArrayProperty* Array = nullptr;
	int32 Index = INDEX_NONE;
};

class FPropertyHandle : public IPropertyHandle, public IPropertyHandleArray
{
public:
	FPropertyHandle(TArray<TWeakObjectPtr<UObject>> InObjects, TArray<FPropertyStep> InSteps)
		: Objects(MoveTemp(InObjects)), Steps(MoveTemp(InSteps))
	{
	}

	bool IsValidHandle() const override
	{
		TArray<UObject*> Live;
		GetOuterObjects(Live);
		return !Steps.IsEmpty() && !Live.IsEmpty();
	}

	FProperty* GetProperty() const override { return Steps.IsEmpty() ? nullptr : Steps.Last().Property; }
	FProperty* GetMemberProperty() const override { return Steps.IsEmpty() ? nullptr : Steps[0].Property; }

	FText GetPropertyDisplayName() const override
	{
		if (Steps.IsEmpty())
		{
			return FText::GetEmpty();
		}
		const FPropertyStep& Last = Steps.Last();
		return Last.Array ? FText::FromString(FString::Printf("Index [ %d ]", Last.Index)) : Last.Property->GetDisplayNameText();
	}

	FString GetPropertyPath() const override
	{
		FString Path;
		for (const FPropertyStep& Step : Steps)
		{
			if (Step.Array)
			{
				Path += FString::Printf("[%d]", Step.Index);
			}
			else
			{
				Path += (Path.IsEmpty() ? "" : ".") + Step.Property->GetName();
			}
		}
		return Path;
	}

	int32 GetIndexInArray() const override { return Steps.IsEmpty() ? INDEX_NONE : Steps.Last().Index; }

	bool HasMetaData(FName Key) const override { return MetaDataProperty() && MetaDataProperty()->HasMetaData(Key); }

	const FString& GetMetaData(FName Key) const override
	{
		static const FString Empty;
		return MetaDataProperty() ? MetaDataProperty()->GetMetaData(Key) : Empty;
	}

	void GetOuterObjects(TArray<UObject*>& OutObjects) const override
	{
		OutObjects.Reset();
		for (const TWeakObjectPtr<UObject>& Object : Objects)
		{
			if (UObject* Live = Object.Get())
			{
				OutObjects.Add(Live);
			}
		}
	}

	TSharedPtr<IPropertyHandle> GetParentHandle() const override
	{
		if (Steps.Num() < 2)
		{
			return nullptr;
		}
		TArray<FPropertyStep> Parent = Steps;
		Parent.Pop();
		return MakeShared<FPropertyHandle>(Objects, MoveTemp(Parent));
	}

	TSharedPtr<IPropertyHandle> GetChildHandle(FName ChildName) const override
	{
		const auto* Struct = dynamic_cast<const FStructProperty*>(GetProperty());
		FProperty* Field = Struct ? Struct->GetStruct()->FindPropertyByName(ChildName) : nullptr;
		if (!Field)
		{
			return nullptr;
		}
		TArray<FPropertyStep> Child = Steps;
		Child.Add({Field});
		return MakeShared<FPropertyHandle>(Objects, MoveTemp(Child));
	}

	FPropertyAccess::Result GetNumElements(uint32& OutNumElements) const override
	{
		const auto* Array = dynamic_cast<const FArrayProperty*>(GetProperty());
		if (!Array)
		{
			return FPropertyAccess::Fail;
		}
		return ReadEach(OutNumElements, [Array](const void* Value) { return static_cast<uint32>(Array->Num(Value)); });
	}

	TSharedRef<IPropertyHandle> GetElement(int32 Index) const override
	{
		auto* Array = dynamic_cast<FArrayProperty*>(GetProperty());
		TArray<FPropertyStep> Element = Steps;
		if (Array)
		{
			Element.Add({Array->GetInner(), Array, Index});
		}
		else
		{
			Element.Empty();
		}
		return MakeShared<FPropertyHandle>(Objects, MoveTemp(Element));
	}

	TSharedPtr<IPropertyHandleArray> AsArray() override
	{
		if (!dynamic_cast<FArrayProperty*>(GetProperty()))
		{
			return nullptr;
		}
		return TSharedPtr<IPropertyHandleArray>(std::static_pointer_cast<FPropertyHandle>(AsShared()));
	}

	FPropertyAccess::Result GetValue(bool& OutValue) const override { return ReadTyped<FBoolProperty>(OutValue); }
	FPropertyAccess::Result GetValue(int32& OutValue) const override { return ReadTyped<FIntProperty>(OutValue); }
	FPropertyAccess::Result GetValue(float& OutValue) const override { return ReadTyped<FFloatProperty>(OutValue); }
	FPropertyAccess::Result GetValue(double& OutValue) const override { return ReadTyped<FDoubleProperty>(OutValue); }
	FPropertyAccess::Result GetValue(FName& OutValue) const override { return ReadTyped<FNameProperty>(OutValue); }
	FPropertyAccess::Result GetValue(FString& OutValue) const override { return ReadTyped<FStrProperty>(OutValue); }

	FPropertyAccess::Result GetValue(uint8& OutValue) const override
	{
		if (!dynamic_cast<const FByteProperty*>(GetProperty()) && !dynamic_cast<const FEnumProperty*>(GetProperty()))
		{
			return FPropertyAccess::Fail;
		}
		return ReadEach(OutValue, [](const void* Value) { return *static_cast<const uint8*>(Value); });
	}

	FPropertyAccess::Result GetValue(FVector& OutValue) const override
	{
		const auto* Struct = dynamic_cast<const FStructProperty*>(GetProperty());
		if (!Struct || Struct->GetStruct() != TBaseStructure<FVector>::Get())
		{
			return FPropertyAccess::Fail;
		}
		return ReadEach(OutValue, [](const void* Value) { return *static_cast<const FVector*>(Value); });
	}

	FPropertyAccess::Result GetValue(UObject*& OutValue) const override
	{
		const auto* Object = dynamic_cast<const FObjectProperty*>(GetProperty());
		if (!Object)
		{
			return FPropertyAccess::Fail;
		}
		return ReadEach(OutValue, [Object](const void* Value) { return Object->GetObjectPropertyValue(Value); });
	}

	FPropertyAccess::Result GetValueAsFormattedString(FString& OutValue) const override
	{
		const FProperty* Property = GetProperty();
		if (!Property)
		{
			return FPropertyAccess::Fail;
		}
		return ReadEach(OutValue, [Property](const void* Value) { return Property->ExportValueAsText(Value); });
	}

	FPropertyAccess::Result SetValueFromFormattedString(const FString& InValue) override
	{
		FProperty* Property = GetProperty();
		TArray<UObject*> Live;
		GetOuterObjects(Live);
		if (!Property || Live.IsEmpty() || IsReadOnly())
		{
			return FPropertyAccess::Fail;
		}
		// An object may bring its state up to date before the change; then read and check the
		// value for every object before changing any.
		for (UObject* Object : Live)
		{
			Object->PreEditChange(GetMemberProperty());
		}
		TArray<FString> Values;
		for (UObject* Object : Live)
		{
			void* Value = ResolveValue(Object);
			if (!Value)
			{
				return FPropertyAccess::Fail;
			}
			FString NewValue;
			if (!ImportClamped(*Property, InValue, Value, NewValue))
			{
				return FPropertyAccess::Fail;
			}
			Values.Add(MoveTemp(NewValue));
		}
		FScopedTransaction Transaction(FText::FromString("Edit " + GetPropertyDisplayName().ToString()));
		for (int32 Index = 0; Index < Live.Num(); ++Index)
		{
			Live[Index]->Modify();
			Property->ImportValueFromText(Values[Index], ResolveValue(Live[Index]));
			FPropertyChangedEvent Event(Property, GetMemberProperty(), EPropertyChangeType::ValueSet);
			Live[Index]->PostEditChangeProperty(Event);
		}
		return FPropertyAccess::Success;
	}

	FPropertyAccess::Result AddItem() override
	{
		return EditArray(EPropertyChangeType::ArrayAdd, "Add", [](const FArrayProperty& Array, void* Value) {
			return Array.InsertElement(Value, Array.Num(Value));
		});
	}

	FPropertyAccess::Result DeleteItem(int32 Index) override
	{
		return EditArray(EPropertyChangeType::ArrayRemove, "Delete", [Index](const FArrayProperty& Array, void* Value) {
			return Array.RemoveElement(Value, Index);
		});
	}

	void MarkHiddenByCustomization() override { bHiddenByCustomization = true; }
	bool IsHiddenByCustomization() const override { return bHiddenByCustomization; }

private:
	/** An element answers metadata questions with its array's metadata, as the engine does. */
	const FProperty* MetaDataProperty() const
	{
		if (Steps.IsEmpty())
		{
			return nullptr;
		}
		return Steps.Last().Array ? Steps.Last().Array : Steps.Last().Property;
	}

	bool IsReadOnly() const
	{
		for (const FPropertyStep& Step : Steps)
		{
			if (Step.Property->HasAnyPropertyFlags(CPF_EditConst))
			{
				return true;
			}
		}
		return false;
	}

	/** The value inside Object, or null when the object lacks the member or an index is out of range. */
	void* ResolveValue(UObject* Object) const
	{
		if (Steps.IsEmpty() || !Object->GetClass()->GetProperties().Contains(Steps[0].Property))
		{
			return nullptr;
		}
		void* Value = Object;
		for (const FPropertyStep& Step : Steps)
		{
			Value = Step.Array ? Step.Array->GetElementPtr(Value, Step.Index) : Step.Property->ContainerPtrToValuePtr(Value);
			if (!Value)
			{
				return nullptr;
			}
		}
		return Value;
	}

	/** Reads one value per live object: Success when all agree, MultipleValues when not. */
	template <typename T, typename ReadFunction>
	FPropertyAccess::Result ReadEach(T& OutValue, ReadFunction Read) const
	{
		TArray<UObject*> Live;
		GetOuterObjects(Live);
		if (Live.IsEmpty())
		{
			return FPropertyAccess::Fail;
		}
		for (int32 Index = 0; Index < Live.Num(); ++Index)
		{
			const void* Value = ResolveValue(Live[Index]);
			if (!Value)
			{
				return FPropertyAccess::Fail;
			}
			T Next = Read(Value);
			if (Index == 0)
			{
				OutValue = Next;
			}
			else if (!IsSameValue(Next, OutValue))
			{
				return FPropertyAccess::MultipleValues;
			}
		}
		return FPropertyAccess::Success;
	}

	template <typename PropertyType, typename T>
	FPropertyAccess::Result ReadTyped(T& OutValue) const
	{
		if (!dynamic_cast<const PropertyType*>(GetProperty()))
		{
			return FPropertyAccess::Fail;
		}
		return ReadEach(OutValue, [](const void* Value) { return *static_cast<const T*>(Value); });
	}

	/**
	 * Reads Text over a copy of the current value (so a struct's unnamed fields stay), clamps
	 * numbers, and gives the result's text; false when the text does not read.
	 */
	static bool ImportClamped(const FProperty& Property, const FString& Text, const void* Current, FString& OutValue)
	{
		static const FName ClampMin("ClampMin");
		static const FName ClampMax("ClampMax");
		std::vector<std::max_align_t> Storage((Property.GetSize() + sizeof(std::max_align_t) - 1) / sizeof(std::max_align_t));
		void* Value = Storage.data();
		Property.InitializeValue(Value);
		Property.CopyValue(Value, Current);
		const bool bRead = Property.ImportValueFromText(Text, Value);
		const auto* Numeric = dynamic_cast<const FNumericProperty*>(&Property);
		if (bRead && Numeric && !dynamic_cast<const FEnumProperty*>(&Property))
		{
			double Number = Numeric->GetValueAsDouble(Value);
			if (Property.HasMetaData(ClampMin))
			{
				Number = std::fmax(Number, FCString::Atod(*Property.GetMetaData(ClampMin)));
			}
			if (Property.HasMetaData(ClampMax))
			{
				Number = std::fmin(Number, FCString::Atod(*Property.GetMetaData(ClampMax)));
			}
			Numeric->SetValueFromDouble(Value, Number);
		}
		if (bRead)
		{
			OutValue = Property.ExportValueAsText(Value);
		}
		Property.DestroyValue(Value);
		return bRead;
	}

	template <typename EditFunction>
	FPropertyAccess::Result EditArray(EPropertyChangeType::Type ChangeType, const char* Verb, EditFunction Edit)
	{
		auto* Array = dynamic_cast<FArrayProperty*>(GetProperty());
		TArray<UObject*> Live;
		GetOuterObjects(Live);
		if (!Array || Live.IsEmpty() || IsReadOnly())
		{
			return FPropertyAccess::Fail;
		}
		FScopedTransaction Transaction(FText::FromString(FString::Printf("%s %s element", Verb, *GetPropertyDisplayName().ToString())));
		FPropertyAccess::Result Result = FPropertyAccess::Success;
		for (UObject* Object : Live)
		{
			Object->PreEditChange(GetMemberProperty());
			void* Value = ResolveValue(Object);
			if (!Value)
			{
				Result = FPropertyAccess::Fail;
				continue;
			}
			Object->Modify();
			if (!Edit(*Array, Value))
			{
				Result = FPropertyAccess::Fail;
				continue;
			}
			FPropertyChangedEvent Event(Array, GetMemberProperty(), ChangeType);
			Object->PostEditChangeProperty(Event);
		}
		return Result;
	}

	TArray<TWeakObjectPtr<UObject>> Objects;
	TArray<FPropertyStep> Steps;
	bool bHiddenByCustomization = false;
};

TArray<TWeakObjectPtr<UObject>> ToWeak(const TArray<UObject*>& Objects)
{
	TArray<TWeakObjectPtr<UObject>> Weak;
	for (UObject* Object : Objects)
	{
		Weak.Add(Object);
	}
	return Weak;
}
}

TSharedRef<IPropertyHandle> FPropertyHandles::ForMember(const TArray<UObject*>& Objects, FName MemberName)
{
	FProperty* Member = !Objects.IsEmpty() && Objects[0] ? Objects[0]->GetClass()->FindPropertyByName(MemberName) : nullptr;
	TArray<FPropertyStep> Steps;
	if (Member)
	{
		Steps.Add({Member});
	}
	return MakeShared<FPropertyHandle>(ToWeak(Objects), MoveTemp(Steps));
}

TSharedPtr<IPropertyHandle> FPropertyHandles::FromPath(const TArray<UObject*>& Objects, const FString& Path, FString* OutError)
{
	auto Fail = [OutError](const FString& Error) -> TSharedPtr<IPropertyHandle> {
		if (OutError)
		{
			*OutError = Error;
		}
		return nullptr;
	};
	if (Objects.IsEmpty() || !Objects[0])
	{
		return Fail("no objects to edit");
	}
	TArray<FPropertyStep> Steps;
	const UStruct* Scope = Objects[0]->GetClass();
	const char* Cursor = *Path;
	while (*Cursor)
	{
		if (*Cursor == '[')
		{
			auto* Array = Steps.IsEmpty() ? nullptr : dynamic_cast<FArrayProperty*>(Steps.Last().Property);
			char* End = nullptr;
			const long Index = std::strtol(Cursor + 1, &End, 10);
			if (!Array || End == Cursor + 1 || *End != ']' || Index < 0 || Index > INT32_MAX)
			{
				return Fail(FString::Printf("'%s' has no element at '%s'", *Path, Cursor));
			}
			Steps.Add({Array->GetInner(), Array, static_cast<int32>(Index)});
			Cursor = End + 1;
		}
		else
		{
			if (*Cursor == '.' && !Steps.IsEmpty())
			{
				++Cursor;
			}
			const char* Start = Cursor;
			while (*Cursor && *Cursor != '.' && *Cursor != '[')
			{
				++Cursor;
			}
			const FString Name(Start, static_cast<int32>(Cursor - Start));
			if (!Steps.IsEmpty())
			{
				const auto* Struct = dynamic_cast<const FStructProperty*>(Steps.Last().Property);
				Scope = Struct ? Struct->GetStruct() : nullptr;
			}
			FProperty* Property = Scope && !Name.IsEmpty() ? Scope->FindPropertyByName(FName(Name)) : nullptr;
			if (!Property)
			{
				return Fail(FString::Printf("'%s' names no property '%s'", *Path, *Name));
			}
			Steps.Add({Property});
		}
	}
	if (Steps.IsEmpty())
	{
		return Fail("the property path is empty");
	}
	return MakeShared<FPropertyHandle>(ToWeak(Objects), MoveTemp(Steps));
}
