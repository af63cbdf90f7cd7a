// The header tool's output, compiled: the test types of Reflected/ are read by the tool when this
// program builds, and their reflection must be what their macros say.
#include "HeaderToolTarget.h"
#include "HeaderToolTestTypes.h"
#include "UObject/ReflectedFunction.h"
#include "UObject/UnrealType.h"

#include <gtest/gtest.h>

FName UHeaderToolBase::Rename_Implementation(FName Name, int32 Times) const
{
	return Name;
}

FName UHeaderToolDerived::Rename_Implementation(FName Name, int32 Times) const
{
	return FName(*FString::Printf("%s x%d", *Name.ToString(), Times));
}

namespace
{
const FProperty& PropertyOf(const UStruct& Type, const char* Name)
{
	static const FBoolProperty Missing("Missing", 0, CPF_None);
	const FProperty* Property = Type.FindPropertyByName(Name);
	EXPECT_NE(Property, nullptr) << Name;
	return Property ? *Property : Missing;
}
}

TEST(HeaderToolGenerated, EnumerationsKeepTheirEntriesValuesAndMetadata)
{
	const UEnum* Shape = StaticEnum<EHeaderToolShape>();
	ASSERT_EQ(Shape, FindEnum("EHeaderToolShape"));
	EXPECT_EQ(Shape->GetMetaData("BlueprintType"), "true");
	ASSERT_EQ(Shape->NumEnums(), 3);
	EXPECT_EQ(Shape->GetValueByIndex(1), 4);
	EXPECT_EQ(Shape->GetDisplayNameTextByValue(0).ToString(), FString("Box (6 faces, square)"));
	EXPECT_EQ(Shape->GetMetaData("ToolTip", 1), FString("Round, \"smooth\""));
	EXPECT_TRUE(Shape->HasMetaData("Hidden", 2));
	EXPECT_EQ(Shape->GetMetaData("Hidden", 2), FString());
	EXPECT_FALSE(Shape->HasMetaData("Hidden", 0));
}

TEST(HeaderToolGenerated, StructuresKeepTheirPropertiesAndMetadata)
{
	const UScriptStruct* Row = FHeaderToolRow::StaticStruct();
	ASSERT_EQ(Row, TBaseStructure<FHeaderToolRow>::Get());
	EXPECT_EQ(Row->GetName(), FString("HeaderToolRow"));
	EXPECT_EQ(Row->GetMetaData("ToolTip"), FString("A row, with commas"));
	ASSERT_EQ(Row->GetProperties().Num(), 2);
	const FProperty& Shape = PropertyOf(*Row, "Shape");
	EXPECT_EQ(Shape.GetCPPType(), FString("EHeaderToolShape"));
	EXPECT_EQ(Shape.GetDisplayNameText().ToString(), FString("Shape (kind)"));
	EXPECT_EQ(Shape.GetMetaData("Category"), FString("Rows|Inner"));
	const FProperty& Label = PropertyOf(*Row, "Label");
	EXPECT_EQ(Label.GetPropertyFlags(), uint64(CPF_Edit | CPF_EditConst));
	EXPECT_EQ(Label.GetMetaData("Category"), FString("Rows")) << "an unquoted value reads as its text";
}

TEST(HeaderToolGenerated, ClassesKeepFlagsConfigNameMetadataAndProperties)
{
	const UClass* Base = UHeaderToolBase::StaticClass();
	EXPECT_EQ(Base->GetSuperClass(), UObject::StaticClass());
	EXPECT_TRUE(Base->HasAnyClassFlags(CLASS_Config) && Base->HasAnyClassFlags(CLASS_DefaultConfig));
	EXPECT_FALSE(Base->HasAnyClassFlags(CLASS_Abstract | CLASS_EditInlineNew));
	EXPECT_STREQ(UHeaderToolBase::StaticConfigName(), "HeaderToolTests");
	EXPECT_EQ(Base->GetMetaData("DisplayName"), FString("Header, Tool (Test)"));
	EXPECT_EQ(Base->GetMetaData("ToolTip"), FString("First line\nSecond line"));
	EXPECT_EQ(UClass::FindClass("HeaderToolBase"), Base) << "registered by name when the program loads";

	const FProperty& Offset = PropertyOf(*Base, "Offset");
	EXPECT_EQ(Offset.GetPropertyFlags(), uint64(CPF_Edit | CPF_BlueprintVisible));
	EXPECT_EQ(Offset.GetMetaData("Category"), FString("Main"));
	EXPECT_EQ(Offset.GetMetaData("ClampMin"), FString("-100"));
	EXPECT_EQ(Offset.GetMetaData("ClampMax"), FString("100.0"));
	EXPECT_EQ(Offset.GetMetaData("UIMin"), FString("a, b (c)"));

	const FProperty& Rows = PropertyOf(*Base, "Rows");
	EXPECT_EQ(Rows.GetCPPType(), FString("TArray<FHeaderToolRow>"));
	EXPECT_TRUE(Rows.HasAllPropertyFlags(CPF_Edit | CPF_Config));
	EXPECT_TRUE(Rows.HasMetaData("ShowOnlyInnerProperties"));

	const auto& Target = static_cast<const FObjectProperty&>(PropertyOf(*Base, "Target"));
	EXPECT_EQ(Target.GetPropertyClass(), UHeaderToolTarget::StaticClass()) << "found by name, declared elsewhere";
	EXPECT_EQ(Target.GetCPPType(), FString("UHeaderToolTarget*"));
	EXPECT_EQ(Target.GetPropertyFlags(), uint64(CPF_None));

	const FProperty& Secret = PropertyOf(*Base, "Secret");
	EXPECT_EQ(Secret.GetPropertyFlags(), uint64(CPF_Edit | CPF_EditConst | CPF_NativeAccessSpecifierPrivate));
	UHeaderToolBase Object;
	EXPECT_EQ(*static_cast<const int32*>(Secret.ContainerPtrToValuePtr(&Object)), Object.GetSecret());
	EXPECT_EQ(Base->FindPropertyByName("NotReflected"), nullptr);
}

TEST(HeaderToolGenerated, EditorOnlyMembersAreReflectedExactlyWhenTheyAreCompiled)
{
	const UClass* Base = UHeaderToolBase::StaticClass();
#if WITH_EDITORONLY_DATA
	EXPECT_NE(Base->FindPropertyByName("bEditorOnly"), nullptr);
#else
	EXPECT_EQ(Base->FindPropertyByName("bEditorOnly"), nullptr);
#endif
#if WITH_EDITOR
	EXPECT_NE(FReflectedFunctions::FindOptionsFunction(Base, "GetEditorChoices"), nullptr);
#else
	EXPECT_EQ(FReflectedFunctions::FindOptionsFunction(Base, "GetEditorChoices"), nullptr);
#endif
}

TEST(HeaderToolGenerated, SubclassesInheritPropertiesAndOverrideNativeEvents)
{
	const UClass* Derived = UHeaderToolDerived::StaticClass();
	EXPECT_TRUE(Derived->IsChildOf(UHeaderToolBase::StaticClass()));
	EXPECT_TRUE(Derived->HasAnyClassFlags(CLASS_EditInlineNew));
	EXPECT_NE(Derived->FindPropertyByName("Offset"), nullptr);

	UHeaderToolBase Base;
	UHeaderToolDerived Object;
	const UHeaderToolBase& AsBase = Object;
	EXPECT_EQ(Base.Rename("Hips", 2), FName("Hips"));
	EXPECT_EQ(AsBase.Rename("Hips", 2), FName("Hips x2")) << "the event calls the subclass's implementation";
	EXPECT_EQ(Object.GetClass(), Derived);
}

TEST(HeaderToolGenerated, OptionsFunctionsAreFoundByNameOnTheClassAndItsSubclasses)
{
	const FOptionsFunction Choices = FReflectedFunctions::FindOptionsFunction(UHeaderToolDerived::StaticClass(), "GetChoices");
	ASSERT_NE(Choices, nullptr);
	UHeaderToolDerived Object;
	EXPECT_EQ(Choices(Object), TArray<FString>({"One, two", "Three"}));
}
