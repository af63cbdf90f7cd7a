// Everything the module tells the editor about its types — every class's, structure's and
// enumeration's name, flags and metadata, every property's type, flags, display name and
// metadata, every enumerator's value and display name, the options functions and config names —
// written as text and compared with a golden file. The property editor, the settings page, asset
// files and the ini file all read these; a change here is a change a user sees.
#include "Misc/FileHelper.h"
#include "UObject/ReflectedFunction.h"
#include "UObject/UnrealType.h"
#include "ZevoBoneMapping.h"
#include "ZevoLiveLinkPropComponent.h"
#include "ZevoLiveLinkSettings.h"
#include "ZevoLiveLinkSourceFactory.h"
#include "ZevoRemapAsset.h"

#include <gtest/gtest.h>

namespace
{
FString FlagNames(uint64 Flags, std::initializer_list<std::pair<uint64, const char*>> Names)
{
	FString Out;
	for (const auto& [Flag, Name] : Names)
	{
		if ((Flags & Flag) != 0)
		{
			Out += FString::Printf("%s%s", Out.IsEmpty() ? "" : "|", Name);
			Flags &= ~Flag;
		}
	}
	if (Flags != 0)
	{
		Out += FString::Printf("%sunknown 0x%llx", Out.IsEmpty() ? "" : "|", static_cast<unsigned long long>(Flags));
	}
	return Out.IsEmpty() ? FString("none") : Out;
}

FString Quoted(const FString& Text)
{
	return "\"" + Text.Replace("\n", "\\n") + "\"";
}

/**
 * A metadata map, one key a line. Keys are listed in order of their text: what a key means does
 * not depend on where it was declared, and nothing reads the maps in order.
 */
void DumpMetaData(FString& Out, const char* Indent, const TMap<FName, FString>& MetaData)
{
	TArray<FString> Keys;
	for (const auto& Pair : MetaData)
	{
		Keys.Add(Pair.Key.ToString());
	}
	Keys.Sort([](const FString& A, const FString& B) { return A.Compare(B, ESearchCase::CaseSensitive) < 0; });
	for (const FString& Key : Keys)
	{
		Out += FString::Printf("%smeta %s = %s\n", Indent, *Key, *Quoted(MetaData.FindRef(FName(*Key))));
	}
}

void DumpProperties(FString& Out, const UStruct& Type)
{
	for (const FProperty* Property : Type.GetProperties())
	{
		Out += FString::Printf("  property %s: %s\n", *Property->GetName(), *Property->GetCPPType());
		Out += FString::Printf("    flags %s\n", *FlagNames(Property->GetPropertyFlags(),
			{{CPF_Edit, "Edit"}, {CPF_EditConst, "EditConst"}, {CPF_DisableEditOnInstance, "DisableEditOnInstance"},
				{CPF_BlueprintVisible, "BlueprintVisible"}, {CPF_BlueprintReadOnly, "BlueprintReadOnly"},
				{CPF_Transient, "Transient"}, {CPF_Config, "Config"}, {CPF_NativeAccessSpecifierPrivate, "Private"}}));
		Out += FString::Printf("    display name %s\n", *Quoted(Property->GetDisplayNameText().ToString()));
		DumpMetaData(Out, "    ", Property->GetAllMetaData());
	}
}

template <typename T>
FString DumpClass()
{
	const UClass* Class = T::StaticClass();
	FString Out = FString::Printf("class %s : %s\n", *Class->GetName(), *Class->GetSuperClass()->GetName());
	// The class's own flags, as the reflection reports them through HasAnyClassFlags.
	uint64 Flags = 0;
	for (const uint64 Flag : {CLASS_Abstract, CLASS_Config, CLASS_DefaultConfig, CLASS_EditInlineNew})
	{
		Flags |= Class->HasAnyClassFlags(static_cast<uint32>(Flag)) ? Flag : 0;
	}
	Out += FString::Printf("  flags %s\n", *FlagNames(Flags,
		{{CLASS_Abstract, "Abstract"}, {CLASS_Config, "Config"}, {CLASS_DefaultConfig, "DefaultConfig"}, {CLASS_EditInlineNew, "EditInlineNew"}}));
	if constexpr (requires { T::StaticConfigName(); })
	{
		Out += FString::Printf("  config name %s\n", T::StaticConfigName());
	}
	DumpMetaData(Out, "  ", Class->GetAllMetaData());
	DumpProperties(Out, *Class);
	// Every function a property names for its drop-down must be found on the class.
	for (const FProperty* Property : Class->GetProperties())
	{
		const FString& FunctionName = Property->GetMetaData("GetOptions");
		if (!FunctionName.IsEmpty())
		{
			Out += FString::Printf("  options function %s: %s\n", *FunctionName,
				FReflectedFunctions::FindOptionsFunction(Class, FName(*FunctionName)) ? "found" : "missing");
		}
	}
	return Out;
}

FString DumpStruct(const UScriptStruct& Struct)
{
	FString Out = FString::Printf("struct %s\n", *Struct.GetName());
	DumpMetaData(Out, "  ", Struct.GetAllMetaData());
	DumpProperties(Out, Struct);
	return Out;
}

/** An enumeration keeps no list of its metadata keys; these are every key the editor reads of one. */
FString DumpEnumMetaData(const UEnum& Enum, int32 Index)
{
	FString Out;
	for (const char* Key : {"BlueprintType", "DisplayName", "Hidden", "ToolTip"})
	{
		if (Enum.HasMetaData(Key, Index))
		{
			Out += FString::Printf(", meta %s = %s", Key, *Quoted(Enum.GetMetaData(Key, Index)));
		}
	}
	return Out;
}

FString DumpEnum(const UEnum& Enum)
{
	FString Out = FString::Printf("enum %s%s\n", *Enum.GetName(), *DumpEnumMetaData(Enum, INDEX_NONE));
	for (int32 Index = 0; Index < Enum.NumEnums(); ++Index)
	{
		Out += FString::Printf("  %s = %lld, display name %s%s\n", *Enum.GetNameByIndex(Index).ToString(),
			static_cast<long long>(Enum.GetValueByIndex(Index)), *Quoted(Enum.GetDisplayNameTextByIndex(Index).ToString()),
			*DumpEnumMetaData(Enum, Index));
	}
	return Out;
}
}

TEST(ZevoLiveLinkReflection, EveryReflectedTypeIsWhatTheGoldenFileRecords)
{
	FString Dump;
	Dump += DumpEnum(*StaticEnum<EZevoBoneName>());
	Dump += DumpEnum(*StaticEnum<EZevoBoneCategory>());
	Dump += DumpStruct(*TBaseStructure<FZevoBoneMappingRow>::Get());
	Dump += DumpStruct(*TBaseStructure<FZevoLiveLinkConnectionInfo>::Get());
	Dump += DumpClass<UZevoRemapAssetBase>();
	Dump += DumpClass<UZevoRemapAsset>();
	Dump += DumpClass<UZevoLiveLinkSettings>();
	Dump += DumpClass<UZevoLiveLinkSourceFactory>();
	Dump += DumpClass<UZevoLiveLinkPropComponent>();

	const FString GoldenPath = FString(ZEVO_TESTS_DIR) / "Golden" / "ZevoLiveLinkReflection.txt";
	FString Golden;
	ASSERT_TRUE(FFileHelper::LoadFileToString(Golden, *GoldenPath)) << *GoldenPath;
	EXPECT_EQ(Dump, Golden) << "rewrite the golden file only for a change a user is meant to see";
}
