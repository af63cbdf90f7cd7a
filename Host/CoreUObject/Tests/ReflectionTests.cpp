#include "ReflectionTestTypes.h"

#include <gtest/gtest.h>

TEST(Reflection, ListsInheritedPropertiesFirstThenOwnInDeclarationOrder)
{
	TArray<FString> Names;
	for (const FProperty* Property : UTestEverything::StaticClass()->GetProperties())
	{
		Names.Add(Property->GetName());
	}
	const TArray<FString> Expected{"BaseCount", "bFlag", "Count", "Byte", "Offset", "Precise", "Bone", "Text", "Shape", "Reference",
		"Position", "Pose", "Tint", "Names", "Rows", "Points", "CachedValue", "Secret"};
	EXPECT_EQ(Names, Expected);
	EXPECT_EQ(UTestBase::StaticClass()->GetProperties().Num(), 1);
}

TEST(Reflection, FindsPropertiesByNameIgnoringCase)
{
	UClass* Class = UTestEverything::StaticClass();
	ASSERT_NE(Class->FindPropertyByName("offset"), nullptr);
	EXPECT_EQ(Class->FindPropertyByName("offset")->GetFName(), FName("Offset"));
	EXPECT_NE(Class->FindPropertyByName("BaseCount"), nullptr);
	EXPECT_EQ(Class->FindPropertyByName("Missing"), nullptr);
	EXPECT_EQ(UClass::FindClass("TestEverything"), Class);
	EXPECT_EQ(UScriptStruct::FindStruct("TestRow"), TBaseStructure<FTestRow>::Get());
	EXPECT_EQ(UScriptStruct::FindStruct("Vector"), TBaseStructure<FVector>::Get());
}

TEST(Reflection, KeepsFlagsAndMetadataOfPropertiesAndTypes)
{
	UClass* Class = UTestEverything::StaticClass();
	const FProperty* Offset = Class->FindPropertyByName("Offset");
	EXPECT_TRUE(Offset->HasAllPropertyFlags(CPF_Edit | CPF_BlueprintVisible));
	EXPECT_FALSE(Offset->HasAnyPropertyFlags(CPF_EditConst | CPF_BlueprintReadOnly | CPF_Transient));
	EXPECT_EQ(Offset->GetMetaData("ClampMin"), "-100.0");
	EXPECT_EQ(Offset->GetMetaData("UIMax"), "100.0");
	EXPECT_FALSE(Offset->HasMetaData("Category"));
	EXPECT_EQ(Offset->GetMetaData("Category"), "");

	const FProperty* Text = Class->FindPropertyByName("Text");
	EXPECT_TRUE(Text->HasAllPropertyFlags(CPF_Edit | CPF_EditConst | CPF_BlueprintVisible | CPF_BlueprintReadOnly));
	EXPECT_TRUE(Class->FindPropertyByName("Precise")->HasAnyPropertyFlags(CPF_DisableEditOnInstance));
	EXPECT_TRUE(Class->FindPropertyByName("Secret")->HasAnyPropertyFlags(CPF_NativeAccessSpecifierPrivate));
	EXPECT_FALSE(Class->FindPropertyByName("Secret")->HasAnyPropertyFlags(CPF_Edit));
	EXPECT_TRUE(Class->FindPropertyByName("Rows")->HasMetaData("ShowOnlyInnerProperties"));

	EXPECT_EQ(Class->GetMetaData("ToolTip"), "Every kind of property");
	EXPECT_TRUE(Class->HasAnyClassFlags(CLASS_EditInlineNew));
	EXPECT_EQ(TBaseStructure<FTestRow>::Get()->GetMetaData("BlueprintType"), "true");
}

TEST(Reflection, NamesPropertiesForPeople)
{
	UClass* Class = UTestEverything::StaticClass();
	EXPECT_EQ(Class->FindPropertyByName("Offset")->GetDisplayNameText().ToString(), "Ground Offset (cm)");
	EXPECT_EQ(Class->FindPropertyByName("bFlag")->GetDisplayNameText().ToString(), "Flag");
	EXPECT_EQ(Class->FindPropertyByName("BaseCount")->GetDisplayNameText().ToString(), "Base Count");
	EXPECT_EQ(TBaseStructure<FTestRow>::Get()->FindPropertyByName("Shape")->GetDisplayNameText().ToString(), "Shape (Stream)");
}

TEST(Reflection, ReachesPrivateMembersAndOffsetsMatchTheObject)
{
	UTestEverything Object;
	const FProperty* Secret = UTestEverything::StaticClass()->FindPropertyByName("Secret");
	EXPECT_EQ(Secret->ExportValueAsText(Secret->ContainerPtrToValuePtr(&Object)), "42");
	const FProperty* Position = UTestEverything::StaticClass()->FindPropertyByName("Position");
	EXPECT_EQ(Position->ContainerPtrToValuePtr(&Object), static_cast<void*>(&Object.Position));
	EXPECT_EQ(Position->GetCPPType(), "FVector");
	EXPECT_EQ(UTestEverything::StaticClass()->FindPropertyByName("Rows")->GetCPPType(), "TArray<FTestRow>");
	EXPECT_EQ(UTestEverything::StaticClass()->FindPropertyByName("Reference")->GetCPPType(), "UTestReferenced*");
}
