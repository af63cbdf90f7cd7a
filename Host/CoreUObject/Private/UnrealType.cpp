#include "UObject/UnrealType.h"

#include "PropertyText.h"
#include "UObject/UObjectGlobals.h"

#include <charconv>
#include <cstdlib>
#include <cmath>
#include <limits>

using namespace PropertyText;

namespace
{
bool IsUpper(char C)
{
	return C >= 'A' && C <= 'Z';
}

bool IsLower(char C)
{
	return C >= 'a' && C <= 'z';
}

/** "bUseHipCorrection" -> "Use Hip Correction", "IPAddress" -> "IP Address", "Spine01" -> "Spine 01". */
FString NameToDisplayString(const FString& Name, bool bIsBool)
{
	FString Source = Name;
	if (bIsBool && Source.Len() > 1 && Source[0] == 'b' && IsUpper(Source[1]))
	{
		Source = Source.RightChop(1);
	}
	FString Out;
	for (int32 Index = 0; Index < Source.Len(); ++Index)
	{
		const char C = Source[Index] == '_' ? ' ' : Source[Index];
		if (Index > 0 && C != ' ' && Out.Len() > 0 && Out[Out.Len() - 1] != ' ')
		{
			const char Previous = Source[Index - 1];
			const bool bNextLower = Index + 1 < Source.Len() && IsLower(Source[Index + 1]);
			const bool bWordStart = (IsUpper(C) && (IsLower(Previous) || FChar::IsDigit(Previous)))
				|| (IsUpper(C) && IsUpper(Previous) && bNextLower)
				|| (FChar::IsDigit(C) && !FChar::IsDigit(Previous));
			if (bWordStart)
			{
				Out += ' ';
			}
		}
		Out += C;
	}
	return Out;
}

template <typename NumberType>
const char* ReadNumber(const char* Buffer, NumberType& Out)
{
	Buffer = SkipBlanks(Buffer);
	if (*Buffer == '+')
	{
		++Buffer;
	}
	const char* End = Buffer + std::char_traits<char>::length(Buffer);
	if constexpr (std::is_floating_point_v<NumberType>)
	{
		NumberType Value = 0;
		const auto Result = std::from_chars(Buffer, End, Value);
		if (Result.ec != std::errc() || !std::isfinite(Value))
		{
			return nullptr;
		}
		Out = Value;
		return Result.ptr;
	}
	else
	{
		int64 Value = 0;
		const auto Result = std::from_chars(Buffer, End, Value);
		if (Result.ec != std::errc() || Value < std::numeric_limits<NumberType>::min() || Value > std::numeric_limits<NumberType>::max())
		{
			return nullptr;
		}
		Out = static_cast<NumberType>(Value);
		return Result.ptr;
	}
}

/** Scratch memory holding one constructed value of a property. */
class FScratchValue
{
public:
	explicit FScratchValue(const FProperty& InProperty)
		: Property(InProperty), Memory(static_cast<uint8*>(::operator new(InProperty.GetSize(), std::align_val_t(alignof(std::max_align_t)))))
	{
		Property.InitializeValue(Memory);
	}
	~FScratchValue()
	{
		Property.DestroyValue(Memory);
		::operator delete(Memory, std::align_val_t(alignof(std::max_align_t)));
	}
	FScratchValue(const FScratchValue&) = delete;
	FScratchValue& operator=(const FScratchValue&) = delete;
	void* Get() const { return Memory; }

private:
	const FProperty& Property;
	uint8* Memory;
};
}

FProperty::FProperty(FName InName, int32 InOffset, uint64 InFlags, const FValueOps& InOps)
	: Name(InName), Offset(InOffset), PropertyFlags(InFlags), Ops(InOps)
{
}

FText FProperty::GetDisplayNameText() const
{
	static const FName DisplayName("DisplayName");
	if (HasMetaData(DisplayName))
	{
		return FText::FromString(GetMetaData(DisplayName));
	}
	return FText::FromString(NameToDisplayString(GetName(), dynamic_cast<const FBoolProperty*>(this) != nullptr));
}

FString FProperty::ExportValueAsText(const void* Value) const
{
	FString Out;
	ExportTextItem(Out, Value, PPF_None);
	return Out;
}

bool FProperty::ImportValueFromText(const FString& Text, void* Value) const
{
	FScratchValue Scratch(*this);
	CopyValue(Scratch.Get(), Value);
	const char* End = ImportText(*Text, Scratch.Get(), PPF_None);
	if (!End || *SkipBlanks(End) != '\0')
	{
		return false;
	}
	CopyValue(Value, Scratch.Get());
	return true;
}

FBoolProperty::FBoolProperty(FName InName, int32 InOffset, uint64 InFlags) : FProperty(InName, InOffset, InFlags, GetValueOps<bool>())
{
}

void FBoolProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	Out += *static_cast<const bool*>(Value) ? "True" : "False";
}

const char* FBoolProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	FString Token;
	const char* End = ReadIdentifier(SkipBlanks(Buffer), Token);
	if (Token == "True" || Token == "Yes" || Token == "1")
	{
		*static_cast<bool*>(Value) = true;
		return End;
	}
	if (Token == "False" || Token == "No" || Token == "0")
	{
		*static_cast<bool*>(Value) = false;
		return End;
	}
	return nullptr;
}

template <typename NumberType>
TNumericProperty<NumberType>::TNumericProperty(FName InName, int32 InOffset, uint64 InFlags)
	: FNumericProperty(InName, InOffset, InFlags, GetValueOps<NumberType>())
{
}

template <typename NumberType>
FString TNumericProperty<NumberType>::GetCPPType() const
{
	if constexpr (std::is_same_v<NumberType, int32>)
	{
		return "int32";
	}
	else if constexpr (std::is_same_v<NumberType, uint8>)
	{
		return "uint8";
	}
	else if constexpr (std::is_same_v<NumberType, float>)
	{
		return "float";
	}
	else
	{
		return "double";
	}
}

template <typename NumberType>
void TNumericProperty<NumberType>::SetValueFromDouble(void* Value, double NewValue) const
{
	if constexpr (std::is_integral_v<NumberType>)
	{
		// Out-of-range doubles do not convert to integers; saturate first.
		NewValue = std::trunc(std::isnan(NewValue) ? 0.0 : NewValue);
		NewValue = std::fmax(NewValue, static_cast<double>(std::numeric_limits<NumberType>::min()));
		NewValue = std::fmin(NewValue, static_cast<double>(std::numeric_limits<NumberType>::max()));
	}
	*static_cast<NumberType*>(Value) = static_cast<NumberType>(NewValue);
}

template <typename NumberType>
void TNumericProperty<NumberType>::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	const NumberType Number = *static_cast<const NumberType*>(Value);
	if constexpr (std::is_same_v<NumberType, float>)
	{
		Out += FormatFloat(Number);
	}
	else if constexpr (std::is_same_v<NumberType, double>)
	{
		Out += FormatDouble(Number);
	}
	else
	{
		Out += FString::FromInt(Number);
	}
}

template <typename NumberType>
const char* TNumericProperty<NumberType>::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	return ReadNumber(Buffer, *static_cast<NumberType*>(Value));
}

template class TNumericProperty<int32>;
template class TNumericProperty<uint8>;
template class TNumericProperty<float>;
template class TNumericProperty<double>;

FNameProperty::FNameProperty(FName InName, int32 InOffset, uint64 InFlags) : FProperty(InName, InOffset, InFlags, GetValueOps<FName>())
{
}

void FNameProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	const FString Text = static_cast<const FName*>(Value)->ToString();
	if (PortFlags & PPF_Delimited)
	{
		AppendQuoted(Out, Text);
	}
	else
	{
		Out += Text;
	}
}

const char* FNameProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	FString Text;
	const char* End = ReadText(SkipBlanks(Buffer), Text, true);
	if (End)
	{
		*static_cast<FName*>(Value) = FName(Text);
	}
	return End;
}

FStrProperty::FStrProperty(FName InName, int32 InOffset, uint64 InFlags) : FProperty(InName, InOffset, InFlags, GetValueOps<FString>())
{
}

void FStrProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	if (PortFlags & PPF_Delimited)
	{
		AppendQuoted(Out, *static_cast<const FString*>(Value));
	}
	else
	{
		Out += *static_cast<const FString*>(Value);
	}
}

const char* FStrProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	// Undelimited, a string is the whole text, blanks and all.
	const bool bDelimited = (PortFlags & PPF_Delimited) != 0;
	return ReadText(bDelimited ? SkipBlanks(Buffer) : Buffer, *static_cast<FString*>(Value), bDelimited);
}

FEnumProperty::FEnumProperty(FName InName, int32 InOffset, uint64 InFlags, UEnum* (*InGetEnum)())
	: FNumericProperty(InName, InOffset, InFlags, GetValueOps<uint8>()), GetEnumFn(InGetEnum)
{
}

void FEnumProperty::SetValueFromDouble(void* Value, double NewValue) const
{
	*static_cast<uint8*>(Value) = static_cast<uint8>(std::fmin(std::fmax(std::trunc(NewValue), 0.0), 255.0));
}

void FEnumProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	const int64 Number = *static_cast<const uint8*>(Value);
	const FString Name = GetEnum()->GetNameStringByValue(Number);
	// A value without a name still round-trips, as its number.
	Out += Name.IsEmpty() ? FString::FromInt(Number) : Name;
}

const char* FEnumProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	Buffer = SkipBlanks(Buffer);
	if (FChar::IsDigit(*Buffer))
	{
		uint8 Number = 0;
		const char* End = ReadNumber(Buffer, Number);
		if (End && GetEnum()->GetIndexByValue(Number) != INDEX_NONE)
		{
			*static_cast<uint8*>(Value) = Number;
			return End;
		}
		return nullptr;
	}
	FString Token;
	const char* End = ReadIdentifier(Buffer, Token);
	FString Left, Right;
	if (Token.Split("::", &Left, &Right, ESearchCase::CaseSensitive, ESearchDir::FromEnd))
	{
		Token = Right;
	}
	const int64 Number = Token.IsEmpty() ? INDEX_NONE : GetEnum()->GetValueByName(FName(Token));
	if (Number < 0 || Number > 255)
	{
		return nullptr;
	}
	*static_cast<uint8*>(Value) = static_cast<uint8>(Number);
	return End;
}

FObjectProperty::FObjectProperty(FName InName, int32 InOffset, uint64 InFlags, UClass* (*InGetClass)())
	: FProperty(InName, InOffset, InFlags, GetValueOps<UObject*>()), GetClass(InGetClass)
{
}

FObjectProperty::FObjectProperty(FName InName, int32 InOffset, uint64 InFlags, FName InClassName)
	: FProperty(InName, InOffset, InFlags, GetValueOps<UObject*>()), ClassName(InClassName)
{
}

UClass* FObjectProperty::GetPropertyClass() const
{
	if (GetClass)
	{
		return GetClass();
	}
	UClass* Class = UClass::FindClass(ClassName);
	if (!Class)
	{
		UE_LOG(LogTemp, Fatal, "Property %s points to objects of the class %s, which no loaded module declares", *GetName(), *ClassName.ToString());
		std::abort();
	}
	return Class;
}

FString FObjectProperty::GetCPPType() const
{
	// Actors carry the prefix A in C++, every other object U.
	static const FName ActorName("Actor");
	const UClass* Class = GetPropertyClass();
	const char* Prefix = "U";
	for (const UClass* Ancestor = Class; Ancestor; Ancestor = Ancestor->GetSuperClass())
	{
		Prefix = Ancestor->GetFName() == ActorName ? "A" : Prefix;
	}
	return FString(Prefix) + Class->GetName() + "*";
}

void FObjectProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	const UObject* Object = GetObjectPropertyValue(Value);
	Out += Object ? Object->GetPathName() : FString("None");
}

const char* FObjectProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	FString Path;
	const char* End = ReadText(SkipBlanks(Buffer), Path, true);
	if (!End)
	{
		return nullptr;
	}
	// The engine's long form Class'/Path.Name' reads as the path inside the quotes.
	const int32 Quote = Path.Find("'", ESearchCase::CaseSensitive);
	if (Quote != INDEX_NONE && Path.EndsWith("'") && Path.Len() > Quote + 1)
	{
		Path = Path.Mid(Quote + 1, Path.Len() - Quote - 2);
	}
	if (Path.IsEmpty() || Path == "None")
	{
		SetObjectPropertyValue(Value, nullptr);
		return End;
	}
	UObject* Object = StaticLoadObject(GetPropertyClass(), nullptr, Path);
	if (!Object)
	{
		return nullptr;
	}
	SetObjectPropertyValue(Value, Object);
	return End;
}

FStructProperty::FStructProperty(FName InName, int32 InOffset, uint64 InFlags, UScriptStruct* (*InGetStruct)())
	: FProperty(InName, InOffset, InFlags, InGetStruct()->GetOps()), GetStructFn(InGetStruct)
{
}

void FStructProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	Out += '(';
	bool bFirst = true;
	for (const FProperty* Field : GetStruct()->GetProperties())
	{
		if (Field->HasAnyPropertyFlags(CPF_Transient))
		{
			continue;
		}
		if (!bFirst)
		{
			Out += ',';
		}
		bFirst = false;
		Out += Field->GetName();
		Out += '=';
		Field->ExportTextItem(Out, Field->ContainerPtrToValuePtr(Value), PPF_Delimited);
	}
	Out += ')';
}

const char* FStructProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	return ReadParenthesizedList(Buffer, [this, Value](const char* Item) -> const char* {
		FString FieldName;
		Item = SkipBlanks(ReadIdentifier(Item, FieldName));
		const FProperty* Field = FieldName.IsEmpty() ? nullptr : GetStruct()->FindPropertyByName(FName(FieldName));
		if (!Field || *Item != '=')
		{
			return nullptr;
		}
		return Field->ImportText(Item + 1, Field->ContainerPtrToValuePtr(Value), PPF_Delimited);
	});
}

FArrayProperty::FArrayProperty(FName InName, int32 InOffset, uint64 InFlags, const FValueOps& InOps, std::unique_ptr<FProperty> InInner,
	const FArrayOps& InArrayOps)
	: FProperty(InName, InOffset, InFlags, InOps), Inner(MoveTemp(InInner)), ArrayOps(InArrayOps)
{
}

void* FArrayProperty::GetElementPtr(void* Array, int32 Index) const
{
	return Index >= 0 && Index < Num(Array) ? ArrayOps.GetElement(Array, Index) : nullptr;
}

bool FArrayProperty::InsertElement(void* Array, int32 Index) const
{
	if (Index < 0 || Index > Num(Array))
	{
		return false;
	}
	ArrayOps.Insert(Array, Index);
	return true;
}

bool FArrayProperty::RemoveElement(void* Array, int32 Index) const
{
	if (Index < 0 || Index >= Num(Array))
	{
		return false;
	}
	ArrayOps.RemoveAt(Array, Index);
	return true;
}

void FArrayProperty::ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const
{
	Out += '(';
	const int32 Count = Num(Value);
	for (int32 Index = 0; Index < Count; ++Index)
	{
		if (Index > 0)
		{
			Out += ',';
		}
		Inner->ExportTextItem(Out, GetElementPtr(Value, Index), PPF_Delimited);
	}
	Out += ')';
}

const char* FArrayProperty::ImportText(const char* Buffer, void* Value, uint32 PortFlags) const
{
	// A value that is not a list leaves the array as it was.
	if (*SkipBlanks(Buffer) != '(')
	{
		return nullptr;
	}
	SetNum(Value, 0);
	return ReadParenthesizedList(Buffer, [this, Value](const char* Item) {
		const int32 Index = Num(Value);
		SetNum(Value, Index + 1);
		return Inner->ImportText(Item, GetElementPtr(Value, Index), PPF_Delimited);
	});
}
