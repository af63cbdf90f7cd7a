#pragma once
// Reflected properties: where a member lives in its owner, its flags and metadata, and how its
// value is written and read as text in the engine's forms:
//   bool True/False, numbers, names and strings as they are (quoted inside structs and arrays),
//   enum values by name, objects by path ("/Game/Foo/Bar.Bar", None when null),
//   structs (X=1.0,Y=2.0,Z=3.0), arrays (a,b,c).
// Also the event the property editor sends after it changed a property.
#include "UObject/Class.h"
#include "UObject/Object.h"
#include "UObject/ReflectedEnum.h"

#include <memory>

/** Property flags; the specifier shorthands in namespace UP combine them as the engine's specifiers do. */
enum EPropertyFlags : uint64
{
	CPF_None = 0,
	/** Shown in the property editor. */
	CPF_Edit = 1ull << 0,
	/** Shown but not editable. */
	CPF_EditConst = 1ull << 1,
	/** Editable on class defaults only. */
	CPF_DisableEditOnInstance = 1ull << 2,
	CPF_BlueprintVisible = 1ull << 3,
	CPF_BlueprintReadOnly = 1ull << 4,
	/** Not saved, not recorded for undo. */
	CPF_Transient = 1ull << 5,
	CPF_Config = 1ull << 6,
	/** A private member reflected only so that it is saved and referenced ("reflected only"). */
	CPF_NativeAccessSpecifierPrivate = 1ull << 7,
};

namespace UP
{
inline constexpr uint64 EditAnywhere = CPF_Edit;
inline constexpr uint64 VisibleAnywhere = CPF_Edit | CPF_EditConst;
inline constexpr uint64 EditDefaultsOnly = CPF_Edit | CPF_DisableEditOnInstance;
inline constexpr uint64 BlueprintReadWrite = CPF_BlueprintVisible;
inline constexpr uint64 BlueprintReadOnly = CPF_BlueprintVisible | CPF_BlueprintReadOnly;
inline constexpr uint64 Transient = CPF_Transient;
inline constexpr uint64 Config = CPF_Config;
inline constexpr uint64 Private = CPF_NativeAccessSpecifierPrivate;
}

/** How a value is written: PPF_Delimited quotes names and strings, as inside structs and arrays. */
enum EPropertyPortFlags : uint32
{
	PPF_None = 0,
	PPF_Delimited = 1u << 0,
};

/** A reflected member of a class or structure (or the element of an array property). */
class FProperty : public FReflectionMetaData
{
public:
	FProperty(FName InName, int32 InOffset, uint64 InFlags, const FValueOps& InOps);
	virtual ~FProperty() = default;
	FProperty(const FProperty&) = delete;
	FProperty& operator=(const FProperty&) = delete;

	FName GetFName() const { return Name; }
	FString GetName() const { return Name.ToString(); }
	/** "DisplayName" metadata, else the name spelled for people ("bUseHipCorrection" -> "Use Hip Correction"). */
	FText GetDisplayNameText() const;
	/** The C++ type as written in code ("float", "FName", "TArray<FZevoBoneMappingRow>"). */
	virtual FString GetCPPType() const = 0;

	uint64 GetPropertyFlags() const { return PropertyFlags; }
	bool HasAnyPropertyFlags(uint64 Flags) const { return (PropertyFlags & Flags) != 0; }
	bool HasAllPropertyFlags(uint64 Flags) const { return (PropertyFlags & Flags) == Flags; }

	/** Byte offset of the value inside its owner (0 for an array's element). */
	int32 GetOffset() const { return Offset; }
	void* ContainerPtrToValuePtr(void* Container) const { return static_cast<uint8*>(Container) + Offset; }
	const void* ContainerPtrToValuePtr(const void* Container) const { return static_cast<const uint8*>(Container) + Offset; }

	int32 GetSize() const { return Ops.Size; }
	void InitializeValue(void* Value) const { Ops.Construct(Value); }
	void DestroyValue(void* Value) const { Ops.Destruct(Value); }
	void CopyValue(void* Dest, const void* Source) const { Ops.Copy(Dest, Source); }

	/** Appends the value's text. */
	virtual void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const = 0;
	/**
	 * Reads a value from the start of Buffer (leading blanks skipped). Returns the position after
	 * what it read, or null when the text is not a value of this property (Value may then be
	 * partly written: callers import into a scratch value, as ImportValueFromText does).
	 */
	virtual const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const = 0;

	FString ExportValueAsText(const void* Value) const;
	/** Reads the whole text (surrounding blanks allowed); on failure Value is left unchanged. */
	bool ImportValueFromText(const FString& Text, void* Value) const;

private:
	FName Name;
	int32 Offset;
	uint64 PropertyFlags;
	const FValueOps& Ops;
};

/** An integer or floating-point property; the property editor clamps through it. */
class FNumericProperty : public FProperty
{
public:
	using FProperty::FProperty;
	virtual bool IsFloatingPoint() const = 0;
	virtual double GetValueAsDouble(const void* Value) const = 0;
	/** Stores the value converted to the property's type (rounded toward zero for integers). */
	virtual void SetValueFromDouble(void* Value, double NewValue) const = 0;
};

class FBoolProperty : public FProperty
{
public:
	FBoolProperty(FName InName, int32 InOffset, uint64 InFlags);
	FString GetCPPType() const override { return "bool"; }
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;
};

/** int32, uint8, float and double share one implementation. */
template <typename NumberType>
class TNumericProperty : public FNumericProperty
{
public:
	TNumericProperty(FName InName, int32 InOffset, uint64 InFlags);
	FString GetCPPType() const override;
	bool IsFloatingPoint() const override { return std::is_floating_point_v<NumberType>; }
	double GetValueAsDouble(const void* Value) const override { return static_cast<double>(*static_cast<const NumberType*>(Value)); }
	void SetValueFromDouble(void* Value, double NewValue) const override;
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;
};

using FIntProperty = TNumericProperty<int32>;
using FByteProperty = TNumericProperty<uint8>;
using FFloatProperty = TNumericProperty<float>;
using FDoubleProperty = TNumericProperty<double>;

/** Reads "None" and the empty text as NAME_None. */
class FNameProperty : public FProperty
{
public:
	FNameProperty(FName InName, int32 InOffset, uint64 InFlags);
	FString GetCPPType() const override { return "FName"; }
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;
};

class FStrProperty : public FProperty
{
public:
	FStrProperty(FName InName, int32 InOffset, uint64 InFlags);
	FString GetCPPType() const override { return "FString"; }
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;
};

/** An 8-bit enumeration, written as the value's name ("LeftHip"); "EEnum::LeftHip" reads too. */
class FEnumProperty : public FNumericProperty
{
public:
	FEnumProperty(FName InName, int32 InOffset, uint64 InFlags, UEnum* (*InGetEnum)());
	UEnum* GetEnum() const { return GetEnumFn(); }
	FString GetCPPType() const override { return GetEnum()->GetName(); }
	bool IsFloatingPoint() const override { return false; }
	double GetValueAsDouble(const void* Value) const override { return *static_cast<const uint8*>(Value); }
	void SetValueFromDouble(void* Value, double NewValue) const override;
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;

private:
	UEnum* (*GetEnumFn)();
};

/**
 * A pointer to an object of a class, written as the object's path. Reading a path finds or loads
 * the object (LoadObject) and fails when it is missing or of another class.
 * Knowingly different from the engine: a TObjectPtr<T> member is the same property as a T* one,
 * and its C++ type reads "T*".
 */
class FObjectProperty : public FProperty
{
public:
	FObjectProperty(FName InName, int32 InOffset, uint64 InFlags, UClass* (*InGetClass)());
	/**
	 * The class given by its reflected name ("Skeleton"), found when first asked for: a header
	 * that only declares the class (class USkeleton;) can reflect a pointer to it.
	 */
	FObjectProperty(FName InName, int32 InOffset, uint64 InFlags, FName InClassName);
	/** A class named but never declared is a fatal error: the module that declares it is not loaded. */
	UClass* GetPropertyClass() const;
	FString GetCPPType() const override;
	UObject* GetObjectPropertyValue(const void* Value) const { return *static_cast<UObject* const*>(Value); }
	void SetObjectPropertyValue(void* Value, UObject* Object) const { *static_cast<UObject**>(Value) = Object; }
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;

private:
	UClass* (*GetClass)() = nullptr;
	FName ClassName;
};

/** A structure value; reading leaves fields that the text does not name as they were. */
class FStructProperty : public FProperty
{
public:
	FStructProperty(FName InName, int32 InOffset, uint64 InFlags, UScriptStruct* (*InGetStruct)());
	UScriptStruct* GetStruct() const { return GetStructFn(); }
	FString GetCPPType() const override { return "F" + GetStruct()->GetName(); }
	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;

private:
	UScriptStruct* (*GetStructFn)();
};

/** How to reach the elements of one TArray<E> in raw memory. */
struct FArrayOps
{
	int32 (*Num)(const void* Array);
	void (*SetNum)(void* Array, int32 Count);
	void* (*GetElement)(void* Array, int32 Index);
	void (*Insert)(void* Array, int32 Index);
	void (*RemoveAt)(void* Array, int32 Index);
};

template <typename ElementType>
const FArrayOps& GetArrayOps()
{
	using ArrayType = TArray<ElementType>;
	static const FArrayOps Ops{
		[](const void* Array) { return static_cast<const ArrayType*>(Array)->Num(); },
		[](void* Array, int32 Count) { static_cast<ArrayType*>(Array)->SetNum(Count); },
		[](void* Array, int32 Index) -> void* { return &(*static_cast<ArrayType*>(Array))[Index]; },
		[](void* Array, int32 Index) { static_cast<ArrayType*>(Array)->Insert(ElementType{}, Index); },
		[](void* Array, int32 Index) { static_cast<ArrayType*>(Array)->RemoveAt(Index); },
	};
	return Ops;
}

/** A TArray of any other kind of property; the inner property has the array's name. */
class FArrayProperty : public FProperty
{
public:
	FArrayProperty(FName InName, int32 InOffset, uint64 InFlags, const FValueOps& InOps, std::unique_ptr<FProperty> InInner,
		const FArrayOps& InArrayOps);
	FProperty* GetInner() const { return Inner.get(); }
	FString GetCPPType() const override { return "TArray<" + Inner->GetCPPType() + ">"; }

	int32 Num(const void* Array) const { return ArrayOps.Num(Array); }
	void SetNum(void* Array, int32 Count) const { ArrayOps.SetNum(Array, Count); }
	/** Null when the index is out of range. */
	void* GetElementPtr(void* Array, int32 Index) const;
	const void* GetElementPtr(const void* Array, int32 Index) const { return GetElementPtr(const_cast<void*>(Array), Index); }
	/** Inserts a default element; false when Index is beyond the end. */
	bool InsertElement(void* Array, int32 Index) const;
	bool RemoveElement(void* Array, int32 Index) const;

	void ExportTextItem(FString& Out, const void* Value, uint32 PortFlags) const override;
	const char* ImportText(const char* Buffer, void* Value, uint32 PortFlags) const override;

private:
	std::unique_ptr<FProperty> Inner;
	const FArrayOps& ArrayOps;
};

/** The property kind for a member's C++ type; ZEVO_PROPERTY calls it. */
namespace ZevoReflection
{
template <typename T>
struct TIsArray : std::false_type
{
};
template <typename E>
struct TIsArray<TArray<E>> : std::true_type
{
	using ElementType = E;
};

/** The object class a member points to: T for T* and TObjectPtr<T>, void for anything else. */
template <typename T>
struct TPointee
{
	using Type = void;
};
template <typename T>
struct TPointee<T*>
{
	using Type = T;
};
template <typename T>
struct TPointee<TObjectPtr<T>>
{
	using Type = T;
};

template <typename T>
std::unique_ptr<FProperty> MakeProperty(FName Name, int32 Offset, uint64 Flags)
{
	if constexpr (std::is_same_v<T, bool>)
	{
		return std::make_unique<FBoolProperty>(Name, Offset, Flags);
	}
	else if constexpr (std::is_same_v<T, int32> || std::is_same_v<T, uint8> || std::is_same_v<T, float> || std::is_same_v<T, double>)
	{
		return std::make_unique<TNumericProperty<T>>(Name, Offset, Flags);
	}
	else if constexpr (std::is_same_v<T, FName>)
	{
		return std::make_unique<FNameProperty>(Name, Offset, Flags);
	}
	else if constexpr (std::is_same_v<T, FString>)
	{
		return std::make_unique<FStrProperty>(Name, Offset, Flags);
	}
	else if constexpr (std::is_enum_v<T>)
	{
		static_assert(sizeof(T) == 1, "Reflected enumerations are 8-bit");
		return std::make_unique<FEnumProperty>(Name, Offset, Flags, &StaticEnum<T>);
	}
	else if constexpr (!std::is_void_v<typename TPointee<T>::Type>)
	{
		using ObjectType = typename TPointee<T>::Type;
		static_assert(std::is_base_of_v<UObject, ObjectType>, "Reflected pointers point to objects");
		static_assert(sizeof(T) == sizeof(ObjectType*), "An object pointer is read as a plain pointer");
		return std::make_unique<FObjectProperty>(Name, Offset, Flags, &ObjectType::StaticClass);
	}
	else if constexpr (TIsArray<T>::value)
	{
		using ElementType = typename TIsArray<T>::ElementType;
		return std::make_unique<FArrayProperty>(
			Name, Offset, Flags, GetValueOps<T>(), MakeProperty<ElementType>(Name, 0, Flags), GetArrayOps<ElementType>());
	}
	else
	{
		static_assert(std::is_class_v<T>, "Not a reflectable type");
		return std::make_unique<FStructProperty>(Name, Offset, Flags, &TBaseStructure<T>::Get);
	}
}

/** A pointer to objects of the class of that reflected name, or an array of such pointers. */
template <typename T>
std::unique_ptr<FProperty> MakeObjectProperty(FName Name, int32 Offset, uint64 Flags, FName ClassName)
{
	if constexpr (TIsArray<T>::value)
	{
		using ElementType = typename TIsArray<T>::ElementType;
		return std::make_unique<FArrayProperty>(
			Name, Offset, Flags, GetValueOps<T>(), MakeObjectProperty<ElementType>(Name, 0, Flags, ClassName), GetArrayOps<ElementType>());
	}
	else
	{
		static_assert(!std::is_void_v<typename TPointee<T>::Type>, "Not an object pointer");
		static_assert(sizeof(T) == sizeof(UObject*), "An object pointer is read as a plain pointer");
		return std::make_unique<FObjectProperty>(Name, Offset, Flags, ClassName);
	}
}
}

namespace EPropertyChangeType
{
enum Type : uint32
{
	Unspecified = 1 << 0,
	ArrayAdd = 1 << 1,
	ArrayRemove = 1 << 2,
	ArrayClear = 1 << 3,
	ValueSet = 1 << 4,
	Duplicate = 1 << 5,
	Interactive = 1 << 6,
	Redirected = 1 << 7,
};
}

/** Property is the innermost property that changed; MemberProperty the member of the edited object that holds it. */
struct FPropertyChangedEvent
{
	explicit FPropertyChangedEvent(FProperty* InProperty, uint32 InChangeType = EPropertyChangeType::Unspecified)
		: Property(InProperty), MemberProperty(InProperty), ChangeType(InChangeType) {}
	FPropertyChangedEvent(FProperty* InProperty, FProperty* InMemberProperty, uint32 InChangeType)
		: Property(InProperty), MemberProperty(InMemberProperty), ChangeType(InChangeType) {}

	FName GetPropertyName() const { return Property ? Property->GetFName() : NAME_None; }
	FName GetMemberPropertyName() const { return MemberProperty ? MemberProperty->GetFName() : NAME_None; }

	FProperty* Property;
	FProperty* MemberProperty;
	uint32 ChangeType;
};
