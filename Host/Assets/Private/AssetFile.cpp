#include "AssetFile.h"

#include "HAL/PlatformFileManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"
#include "UObject/UnrealType.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>

using FJson = nlohmann::ordered_json;

namespace
{
/** Where a value sits, for error lines: "Properties.LegBones[2].TargetBone". */
struct FFieldContext
{
	const FString& Source;
	FString Field;

	void Error(const char* Problem, const FString& Detail = FString()) const
	{
		UE_LOG(LogTemp, Error, "%s: %s: %s%s", *Source, *Field, Problem, *Detail);
	}
	FFieldContext Child(const FString& Name) const { return FFieldContext{Source, Field + "." + Name}; }
	FFieldContext Element(int32 Index) const { return FFieldContext{Source, Field + FString::Printf("[%d]", Index)}; }
};

/** A float written by its shortest text, so that 0.1f is saved as 0.1, not 0.100000001490116. */
double FloatForJson(float Value)
{
	char Text[32];
	const auto Result = std::to_chars(Text, Text + sizeof(Text), Value);
	double Widened = Value;
	std::from_chars(Text, Result.ptr, Widened);
	return Widened;
}

FJson ValueToJson(const FProperty& Property, const void* Value)
{
	if (dynamic_cast<const FBoolProperty*>(&Property))
	{
		return *static_cast<const bool*>(Value);
	}
	if (dynamic_cast<const FIntProperty*>(&Property))
	{
		return *static_cast<const int32*>(Value);
	}
	if (dynamic_cast<const FByteProperty*>(&Property))
	{
		return *static_cast<const uint8*>(Value);
	}
	if (dynamic_cast<const FFloatProperty*>(&Property))
	{
		return FloatForJson(*static_cast<const float*>(Value));
	}
	if (dynamic_cast<const FDoubleProperty*>(&Property))
	{
		return *static_cast<const double*>(Value);
	}
	if (const auto* Object = dynamic_cast<const FObjectProperty*>(&Property))
	{
		const UObject* Referenced = Object->GetObjectPropertyValue(Value);
		return Referenced ? FJson(Referenced->GetPathName().ToStdString()) : FJson(nullptr);
	}
	if (const auto* Struct = dynamic_cast<const FStructProperty*>(&Property))
	{
		FJson Fields = FJson::object();
		for (const FProperty* Field : Struct->GetStruct()->GetProperties())
		{
			if (!Field->HasAnyPropertyFlags(CPF_Transient))
			{
				Fields[Field->GetName().ToStdString()] = ValueToJson(*Field, Field->ContainerPtrToValuePtr(Value));
			}
		}
		return Fields;
	}
	if (const auto* Array = dynamic_cast<const FArrayProperty*>(&Property))
	{
		FJson Elements = FJson::array();
		for (int32 Index = 0; Index < Array->Num(Value); ++Index)
		{
			Elements.push_back(ValueToJson(*Array->GetInner(), Array->GetElementPtr(Value, Index)));
		}
		return Elements;
	}
	// Names, strings and enumerations: their text.
	return Property.ExportValueAsText(Value).ToStdString();
}

const char* JsonTypeName(const FJson& Json)
{
	return Json.type_name();
}

void ValueFromJson(const FProperty& Property, const FJson& Json, void* Value, const FFieldContext& Context);

void NumberFromJson(const FNumericProperty& Numeric, const FJson& Json, void* Value, const FFieldContext& Context)
{
	if (!Json.is_number())
	{
		return Context.Error("expected a number, found ", JsonTypeName(Json));
	}
	if (!Numeric.IsFloatingPoint() && !Json.is_number_integer())
	{
		return Context.Error("expected a whole number for ", Numeric.GetCPPType());
	}
	// Range checks through the text form, which rejects what does not fit the type.
	if (!Numeric.ImportValueFromText(FString(Json.dump()), Value))
	{
		Context.Error("number out of range for ", Numeric.GetCPPType());
	}
}

void StructFromJson(const FStructProperty& Struct, const FJson& Json, void* Value, const FFieldContext& Context)
{
	if (!Json.is_object())
	{
		return Context.Error("expected an object, found ", JsonTypeName(Json));
	}
	for (const auto& [Key, FieldJson] : Json.items())
	{
		const FProperty* Field = Struct.GetStruct()->FindPropertyByName(FName(Key.c_str()));
		if (!Field || Field->HasAnyPropertyFlags(CPF_Transient))
		{
			Context.Child(FString(Key)).Error("no such field in ", Struct.GetCPPType());
			continue;
		}
		ValueFromJson(*Field, FieldJson, Field->ContainerPtrToValuePtr(Value), Context.Child(Field->GetName()));
	}
}

void ArrayFromJson(const FArrayProperty& Array, const FJson& Json, void* Value, const FFieldContext& Context)
{
	if (!Json.is_array())
	{
		return Context.Error("expected an array, found ", JsonTypeName(Json));
	}
	Array.SetNum(Value, static_cast<int32>(Json.size()));
	for (int32 Index = 0; Index < static_cast<int32>(Json.size()); ++Index)
	{
		ValueFromJson(*Array.GetInner(), Json[Index], Array.GetElementPtr(Value, Index), Context.Element(Index));
	}
}

/** Names, strings, enumerations and object paths: text. */
void TextFromJson(const FProperty& Property, const FJson& Json, void* Value, const FFieldContext& Context)
{
	if (!Json.is_string())
	{
		return Context.Error("expected a string, found ", JsonTypeName(Json));
	}
	const FString Text(Json.get<std::string>());
	if (!Property.ImportValueFromText(Text, Value))
	{
		Context.Error("cannot read as ", Property.GetCPPType() + ": '" + Text + "'");
	}
}

/** Reads Json into Value; reports every problem at its field and keeps what could not be read. */
void ValueFromJson(const FProperty& Property, const FJson& Json, void* Value, const FFieldContext& Context)
{
	if (dynamic_cast<const FBoolProperty*>(&Property))
	{
		if (!Json.is_boolean())
		{
			return Context.Error("expected true or false, found ", JsonTypeName(Json));
		}
		*static_cast<bool*>(Value) = Json.get<bool>();
	}
	else if (const auto* Numeric = dynamic_cast<const FNumericProperty*>(&Property); Numeric && !dynamic_cast<const FEnumProperty*>(&Property))
	{
		NumberFromJson(*Numeric, Json, Value, Context);
	}
	else if (const auto* Struct = dynamic_cast<const FStructProperty*>(&Property))
	{
		StructFromJson(*Struct, Json, Value, Context);
	}
	else if (const auto* Array = dynamic_cast<const FArrayProperty*>(&Property))
	{
		ArrayFromJson(*Array, Json, Value, Context);
	}
	else if (dynamic_cast<const FObjectProperty*>(&Property) && Json.is_null())
	{
		static_cast<const FObjectProperty&>(Property).SetObjectPropertyValue(Value, nullptr);
	}
	else
	{
		TextFromJson(Property, Json, Value, Context);
	}
}

void ReadProperties(const FJson& File, const UClass& Class, UObject* Object, const FString& SourceName)
{
	const FFieldContext Properties{SourceName, "Properties"};
	if (!File.contains("Properties"))
	{
		return;
	}
	if (!File["Properties"].is_object())
	{
		Properties.Error("expected an object, found ", JsonTypeName(File["Properties"]));
		return;
	}
	for (const auto& [Key, Json] : File["Properties"].items())
	{
		const FProperty* Property = Class.FindPropertyByName(FName(Key.c_str()));
		if (!Property || Property->HasAnyPropertyFlags(CPF_Transient))
		{
			Properties.Child(FString(Key)).Error("no such saved property in class ", Class.GetName());
			continue;
		}
		ValueFromJson(*Property, Json, Property->ContainerPtrToValuePtr(Object), Properties.Child(Property->GetName()));
	}
}

UObject* LoadAssetForLoadObject(UPackage* Package, FName ObjectName, const FString& Filename)
{
	return FAssetFile::LoadFromFile(Filename, Package, ObjectName);
}

[[maybe_unused]] const bool bLoaderInstalled = (SetAssetLoader(&LoadAssetForLoadObject), true);
}

FString FAssetFile::ToJson(const UObject& Object)
{
	FJson Properties = FJson::object();
	for (const FProperty* Property : Object.GetClass()->GetProperties())
	{
		if (!Property->HasAnyPropertyFlags(CPF_Transient))
		{
			Properties[Property->GetName().ToStdString()] = ValueToJson(*Property, Property->ContainerPtrToValuePtr(&Object));
		}
	}
	const FJson File = {{"Class", Object.GetClass()->GetName().ToStdString()}, {"Properties", Properties}};
	return FString(File.dump(1, '\t', false, nlohmann::ordered_json::error_handler_t::replace) + "\n");
}

bool FAssetFile::SaveObject(const UObject& Object)
{
	const UObject* Package = Object.GetOuter();
	FString Filename;
	if (!Package || !Package->IsA<UPackage>()
		|| !FPackageName::TryConvertLongPackageNameToFilename(Package->GetName(), Filename))
	{
		UE_LOG(LogTemp, Error, "Cannot save %s: it is not an asset of a package under a mount point such as /Game/", *Object.GetPathName());
		return false;
	}
	// Only the object named after its package loads from the package's file.
	const FString AssetName = FPackageName::GetLongPackageAssetName(Package->GetName());
	if (!Object.GetName().Equals(AssetName, ESearchCase::IgnoreCase))
	{
		UE_LOG(LogTemp, Error, "Cannot save %s: an asset takes the name of its package, as %s.%s", *Object.GetPathName(),
			*Package->GetName(), *AssetName);
		return false;
	}
	return SaveObjectToFile(Object, Filename);
}

bool FAssetFile::SaveObjectToFile(const UObject& Object, const FString& Filename)
{
	FPlatformFileManager::Get().GetPlatformFile().CreateDirectoryTree(*FPaths::GetPath(Filename));
	if (!FFileHelper::SaveStringToFile(ToJson(Object), *Filename, FFileHelper::EEncodingOptions::ForceUTF8WithoutBOM))
	{
		UE_LOG(LogTemp, Error, "Failed to save %s to %s", *Object.GetPathName(), *Filename);
		return false;
	}
	return true;
}

UObject* FAssetFile::LoadFromString(const FString& Text, const FString& SourceName, UObject* Outer, FName ObjectName)
{
	FJson File;
	try
	{
		File = FJson::parse(Text.ToStdString());
	}
	catch (const nlohmann::json::exception& Error)
	{
		UE_LOG(LogTemp, Error, "%s: not valid JSON: %s", *SourceName, Error.what());
		return nullptr;
	}
	const FFieldContext Root{SourceName, "Class"};
	if (!File.is_object() || !File.contains("Class") || !File["Class"].is_string())
	{
		Root.Error("missing: an asset file is an object with the string \"Class\"");
		return nullptr;
	}
	const FString ClassName(File["Class"].get<std::string>());
	UClass* Class = UClass::FindClass(FName(ClassName));
	if (!Class || Class->HasAnyClassFlags(CLASS_Abstract))
	{
		Root.Error(Class ? "abstract class " : "unknown class ", "'" + ClassName + "'");
		return nullptr;
	}
	UObject* Object = StaticConstructObject(Class, UObject::StaticClass(), Outer, ObjectName);
	if (!Object)
	{
		return nullptr;
	}
	// The object sits in its package before its references load, so that a reference back to it
	// finds it instead of loading it again.
	ReadProperties(File, *Class, Object, SourceName);
	Object->PostLoad();
	return Object;
}

UObject* FAssetFile::LoadFromFile(const FString& Filename, UObject* Outer, FName ObjectName)
{
	FString Text;
	if (!FFileHelper::LoadFileToString(Text, *Filename))
	{
		UE_LOG(LogTemp, Error, "%s: cannot be read", *Filename);
		return nullptr;
	}
	return LoadFromString(Text, Filename, Outer, ObjectName);
}
