#include "ReflectionTestTypes.h"

#include "UObject/UObjectGlobals.h"

#include <gtest/gtest.h>

namespace
{
const FProperty& Property(const char* Name)
{
	return *UTestEverything::StaticClass()->FindPropertyByName(Name);
}

FString Export(const UTestEverything& Object, const char* Name)
{
	return Property(Name).ExportValueAsText(Property(Name).ContainerPtrToValuePtr(&Object));
}

bool Import(UTestEverything& Object, const char* Name, const FString& Text)
{
	return Property(Name).ImportValueFromText(Text, Property(Name).ContainerPtrToValuePtr(&Object));
}
}

TEST(PropertyText, WritesEveryKindInTheEngineForms)
{
	UTestEverything Object;
	Object.Names = {"Hips", "None"};
	Object.Rows = {{ETestShape::Capsule, "Spine", "a"}, {}};
	Object.Points = {FVector(0.5, -1.0, 1e20)};
	const struct
	{
		const char* Property;
		const char* Text;
	} Cases[] = {
		{"bFlag", "True"},
		{"Count", "7"},
		{"Byte", "200"},
		{"Offset", "0.0"},
		{"Precise", "0.25"},
		{"Bone", "None"},
		{"Text", "hello"},
		{"Shape", "Sphere"},
		{"Reference", "None"},
		{"Position", "(X=1.0,Y=2.0,Z=3.0)"},
		{"Pose", "(Rotation=(X=0.0,Y=0.0,Z=0.0,W=1.0),Translation=(X=0.0,Y=0.0,Z=0.0),Scale3D=(X=1.0,Y=1.0,Z=1.0))"},
		{"Tint", "(R=0.0,G=0.0,B=0.0,A=1.0)"},
		{"Names", "(\"Hips\",\"None\")"},
		{"Rows", "((Shape=Capsule,Target=\"Spine\"),(Shape=Cube,Target=\"None\"))"},
		{"Points", "((X=0.5,Y=-1.0,Z=1e+20))"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(Export(Object, Case.Property), Case.Text) << Case.Property;
	}
}

TEST(PropertyText, ReadsWhatItWritesForEveryKind)
{
	const struct
	{
		const char* Property;
		const char* Text;
	} Cases[] = {
		{"bFlag", "False"},
		{"Count", "-2147483648"},
		{"Byte", "255"},
		{"Offset", "0.1"},
		{"Offset", "-3.4028235e+38"},
		{"Precise", "0.30000000000000004"},
		{"Bone", "LeftUpLeg"},
		{"Text", "a, (b) \"quoted\""},
		{"Shape", "Capsule"},
		{"Position", "(X=-0.001,Y=12345.678,Z=0.0)"},
		{"Pose", "(Rotation=(X=0.5,Y=0.5,Z=0.5,W=0.5),Translation=(X=1.0,Y=2.0,Z=3.0),Scale3D=(X=1.0,Y=1.0,Z=2.0))"},
		{"Tint", "(R=0.2,G=1.0,B=0.2,A=1.0)"},
		{"Names", "(\"a,b\",\"c)d\",\"e\\\"f\")"},
		{"Rows", "((Shape=Sphere,Target=\"RightHand\"))"},
		{"Points", "()"},
	};
	for (const auto& Case : Cases)
	{
		UTestEverything Object;
		ASSERT_TRUE(Import(Object, Case.Property, Case.Text)) << Case.Property << " " << Case.Text;
		EXPECT_EQ(Export(Object, Case.Property), Case.Text) << Case.Property;
	}
}

TEST(PropertyText, ReadsTheLenientFormsUsersType)
{
	const struct
	{
		const char* Property;
		const char* Typed;
		const char* Stored;
	} Cases[] = {
		{"bFlag", "true", "True"},
		{"bFlag", " yes ", "True"},
		{"bFlag", "0", "False"},
		{"Count", " +12 ", "12"},
		{"Offset", "150", "150.0"},
		{"Bone", "  Hips  ", "Hips"},
		{"Bone", "", "None"},
		{"Text", "  padded  ", "  padded  "},
		{"Shape", "ETestShape::Capsule", "Capsule"},
		{"Shape", "5", "Capsule"},
		{"Position", "( Y = 4 )", "(X=1.0,Y=4.0,Z=3.0)"},
		{"Position", "(z=9,x=8)", "(X=8.0,Y=2.0,Z=9.0)"},
		{"Names", "(Hips, Spine)", "(\"Hips\",\"Spine\")"},
		{"Rows", "((Target=Head))", "((Shape=Cube,Target=\"Head\"))"},
	};
	for (const auto& Case : Cases)
	{
		UTestEverything Object;
		ASSERT_TRUE(Import(Object, Case.Property, Case.Typed)) << Case.Property << " " << Case.Typed;
		EXPECT_EQ(Export(Object, Case.Property), Case.Stored) << Case.Property << " " << Case.Typed;
	}
}

TEST(PropertyText, RejectsMalformedTextAndKeepsTheValue)
{
	const struct
	{
		const char* Property;
		const char* Text;
	} Cases[] = {
		{"bFlag", "maybe"},
		{"bFlag", ""},
		{"Count", "2147483648"},
		{"Count", "1.5"},
		{"Count", "12abc"},
		{"Count", ""},
		{"Byte", "256"},
		{"Byte", "-1"},
		{"Offset", "1e39"},
		{"Offset", "nan"},
		{"Offset", "inf"},
		{"Offset", "--1"},
		{"Precise", "1e400"},
		{"Shape", "Pyramid"},
		{"Shape", "3"},
		{"Shape", "300"},
		{"Shape", ""},
		{"Reference", "/Game/Missing.Missing"},
		{"Reference", "/Game/../../etc/passwd.passwd"},
		{"Reference", "C:\\Windows"},
		{"Position", "(X=1.0,Y=2.0"},
		{"Position", "(X=1.0,,Y=2.0)"},
		{"Position", "(W=1.0)"},
		{"Position", "(X 1.0)"},
		{"Position", "X=1.0"},
		{"Position", "(X=1.0) trailing"},
		{"Pose", "(Rotation=(X=1.0)"},
		{"Names", "(\"unterminated)"},
		{"Names", "(a,b"},
		{"Names", "a,b"},
		{"Rows", "((Shape=Sphere,Target=\"A\"),(Shape=Bogus))"},
		{"Rows", "((Shape=Sphere)"},
		{"Points", "((X=1),(X=\\))"},
	};
	for (const auto& Case : Cases)
	{
		UTestEverything Object;
		Object.Names = {"Keep"};
		Object.Rows = {{ETestShape::Sphere, "Keep", ""}};
		const FString Before = Export(Object, Case.Property);
		EXPECT_FALSE(Import(Object, Case.Property, Case.Text)) << Case.Property << " " << Case.Text;
		EXPECT_EQ(Export(Object, Case.Property), Before) << Case.Property << " " << Case.Text;
	}
}

TEST(PropertyText, SkipsTransientStructFields)
{
	FTestRow Row{ETestShape::Cube, "Hips", "not saved"};
	FStructProperty Property("Row", 0, CPF_None, &TBaseStructure<FTestRow>::Get);
	EXPECT_EQ(Property.ExportValueAsText(&Row), "(Shape=Cube,Target=\"Hips\")");
}

TEST(PropertyText, WritesObjectsByPathAndReadsThemBack)
{
	UPackage* Package = CreatePackage("/Game/Text/Referenced");
	UTestReferenced* Referenced = NewObject<UTestReferenced>(Package, UTestReferenced::StaticClass(), "Referenced");
	UTestEverything Object;
	Object.Reference = Referenced;
	EXPECT_EQ(Export(Object, "Reference"), "/Game/Text/Referenced.Referenced");

	UTestEverything Other;
	ASSERT_TRUE(Import(Other, "Reference", "/Game/Text/Referenced.Referenced"));
	EXPECT_EQ(Other.Reference, Referenced);
	Other.Reference = nullptr;
	ASSERT_TRUE(Import(Other, "Reference", "TestReferenced'/Game/Text/Referenced.Referenced'"));
	EXPECT_EQ(Other.Reference, Referenced);
	ASSERT_TRUE(Import(Other, "Reference", "None"));
	EXPECT_EQ(Other.Reference, nullptr);

	// An object of another class does not fit the pointer.
	NewObject<UTestBase>(CreatePackage("/Game/Text/Wrong"), UTestEverything::StaticClass(), "Wrong");
	EXPECT_FALSE(Import(Other, "Reference", "/Game/Text/Wrong.Wrong"));
}
