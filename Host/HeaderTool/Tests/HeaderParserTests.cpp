// The header tool's reading of headers: what it takes from specifiers, and what it refuses, with
// the line it names.
#include "HeaderParser.h"
#include "HeaderToolError.h"

#include <gtest/gtest.h>

namespace
{
/** A header around Body: its includes, ending with the generated one, then Body from line 3. */
std::string HeaderWith(const std::string& Body)
{
	return "#pragma once\n#include \"Test.generated.h\"\n" + Body;
}

std::string ClassWith(const std::string& Members)
{
	return HeaderWith("UCLASS()\nclass UTest : public UObject\n{\n\tGENERATED_BODY()\npublic:\n" + Members + "};\n");
}

const FReflectedType& OnlyType(const FReflectedHeader& Header)
{
	EXPECT_EQ(Header.Types.size(), 1u);
	return Header.Types.front();
}
}

TEST(HeaderParser, ReadsSpecifiersWithQuotedCommasAndParenthesesOverSeveralLinesAndComments)
{
	const FReflectedHeader Header = ParseHeader(ClassWith(
		"\tUPROPERTY(EditAnywhere, // shown\n"
		"\t\tCategory = \"A, B\",\n"
		"\t\t/* limits ) */ meta = (DisplayName = \"Size (cm, rounded)\", ClampMin = -1.5, Hidden, ToolTip = \"say \\\"hi\\\"\\n\"))\n"
		"\t// UPROPERTY(NotRead) float Commented;\n"
		"\tTArray<TObjectPtr<USkeleton>> Items;\n"), "Test");
	const FReflectedType& Type = OnlyType(Header);
	ASSERT_EQ(Type.Properties.size(), 1u);
	const FReflectedProperty& Items = Type.Properties[0];
	EXPECT_EQ(Items.Name, "Items");
	EXPECT_EQ(Items.Line, 8);
	EXPECT_EQ(Items.ObjectClass, "USkeleton");
	EXPECT_EQ(Items.Flags, std::vector<std::string>({"UP::EditAnywhere"}));
	const std::vector<std::pair<std::string, std::string>> Expected = {
		{"Category", "A, B"}, {"DisplayName", "Size (cm, rounded)"}, {"ClampMin", "-1.5"}, {"Hidden", ""}, {"ToolTip", "say \\\"hi\\\"\\n"}};
	ASSERT_EQ(Items.Meta.size(), Expected.size());
	for (size_t Index = 0; Index < Expected.size(); ++Index)
	{
		EXPECT_EQ(Items.Meta[Index].Key, Expected[Index].first);
		EXPECT_EQ(Items.Meta[Index].Value, Expected[Index].second) << "escapes stay as written, for the generated literal";
	}
}

TEST(HeaderParser, EditorOnlyBlocksKeepTheirConditionAndOtherCodeIsSkipped)
{
	const FReflectedHeader Header = ParseHeader(ClassWith(
		"#if WITH_EDITOR\n"
		"\tvoid PostEditChangeProperty(FPropertyChangedEvent& Event) override { if (Event.Property) { Count = {1}; } }\n"
		"\tUFUNCTION()\n"
		"\tTArray<FString> GetNames() const;\n"
		"#endif\n"
		"\tUFUNCTION(BlueprintPure, Category = \"X\")\n"
		"\tint32 GetCount() const { return Count; }\n"
		"\tUFUNCTION(BlueprintNativeEvent, Category = \"X\")\n"
		"\tFName Remap(FName Name, const FString& Why = TEXT(\"a, b\")) const;\n"
		"\tvirtual FName Remap_Implementation(FName Name, const FString& Why) const;\n"
		"private:\n"
		"\tUPROPERTY()\n"
		"\tint32 Count = 0;\n"), "Test");
	const FReflectedType& Type = OnlyType(Header);
	ASSERT_EQ(Type.Functions.size(), 3u);
	EXPECT_EQ(Type.Functions[0].Condition, "WITH_EDITOR");
	EXPECT_TRUE(Type.Functions[0].IsOptionsFunction());
	EXPECT_FALSE(Type.Functions[1].IsOptionsFunction());
	const FReflectedFunction& Remap = Type.Functions[2];
	EXPECT_TRUE(Remap.bNativeEvent && Remap.bConst);
	ASSERT_EQ(Remap.Parameters.size(), 2u);
	EXPECT_EQ(Remap.Parameters[1].Type, "const FString&");
	EXPECT_EQ(Remap.Parameters[1].Name, "Why");
	EXPECT_TRUE(Type.Declares("Remap_Implementation")) << "so the generated body does not declare it again";
	ASSERT_EQ(Type.Properties.size(), 1u);
	EXPECT_EQ(Type.Properties[0].Flags, std::vector<std::string>({"UP::Private"}));
	EXPECT_EQ(Type.Properties[0].Condition, "");
}

TEST(HeaderParser, MalformedOrUnsupportedDeclarationsNameTheirLine)
{
	const struct
	{
		std::string Header;
		int Line;
		std::string Message;
	} Cases[] = {
		{HeaderWith("UCLASS(Abstract\nclass UTest : public UObject {};\n"), 4, "UCLASS: expected ',' or ')' after a specifier, found 'class'"},
		{HeaderWith("UCLASS(Abstract,"), 3, "UCLASS( is not closed"},
		{ClassWith("\tUPROPERTY(EditAnywhere, Category = )\n\tint32 A;\n"), 8, "UPROPERTY: expected a value, found ')'"},
		{ClassWith("\tUPROPERTY(meta = (DisplayName \"A\"))\n\tint32 A;\n"), 8, "UPROPERTY: expected ',' or ')' after a specifier, found \"A\""},
		{ClassWith("\tUPROPERTY(Category = \"A)\n\tint32 A;\n"), 8, "string is not closed"},
		{ClassWith("\t/* open\n"), 8, "comment is not closed"},
		{ClassWith("\tUPROPERTY(EditEverywhere)\n\tint32 A;\n"), 8,
			"UPROPERTY: unknown specifier 'EditEverywhere' (this tool knows EditAnywhere, VisibleAnywhere, EditDefaultsOnly, "
			"BlueprintReadWrite, BlueprintReadOnly, Transient, Config, Category and meta)"},
		{ClassWith("\tUPROPERTY(EditAnywhere, VisibleAnywhere, Category = \"A\")\n\tint32 A;\n"), 8,
			"UPROPERTY: VisibleAnywhere cannot be combined with EditAnywhere"},
		{ClassWith("\tUPROPERTY(EditAnywhere)\n\tint32 A;\n"), 8, "UPROPERTY A: a property shown in the editor or to scripts needs a Category"},
		{ClassWith("private:\n\tUPROPERTY(BlueprintReadWrite, Category = \"A\")\n\tint32 A;\n"), 9,
			"UPROPERTY A: BlueprintReadWrite on a private member needs meta=(AllowPrivateAccess=\"true\")"},
		{ClassWith("\tUPROPERTY()\n\tint32 A() const;\n"), 8, "UPROPERTY A: a function is not reflected here"},
		{ClassWith("\tUPROPERTY()\n\tuint8 bA : 1;\n"), 8, "UPROPERTY bA: a bit field is not reflected here"},
		{ClassWith("\tUPROPERTY()\n"), 8, "UPROPERTY is not followed by a declaration"},
		{ClassWith("#if SOME_FEATURE\n\tUPROPERTY()\n\tint32 A;\n#endif\n"), 9,
			"UPROPERTY under #if SOME_FEATURE: reflected members may only depend on WITH_EDITOR or WITH_EDITORONLY_DATA"},
		{ClassWith("#if WITH_EDITOR\n#else\n\tUPROPERTY()\n\tint32 A;\n#endif\n"), 10,
			"UPROPERTY under #if WITH_EDITOR (#else branch): reflected members may only depend on WITH_EDITOR or WITH_EDITORONLY_DATA"},
		{ClassWith("#if WITH_EDITOR\n"), 8, "#if without #endif"},
		{ClassWith("\tUFUNCTION(BlueprintCallable)\n\tvoid Go();\n"), 8, "UFUNCTION Go: a function scripts can call needs a Category"},
		{ClassWith("\tUFUNCTION(BlueprintPure, Category = \"A\")\n\tvoid Go() const;\n"), 8, "UFUNCTION Go: BlueprintPure needs a return value"},
		{ClassWith("\tUFUNCTION(BlueprintNativeEvent, Category = \"A\")\n\tvirtual int32 Go();\n"), 8,
			"UFUNCTION Go: a BlueprintNativeEvent is neither virtual nor static: subclasses override Go_Implementation"},
		{HeaderWith("UPROPERTY()\nint32 Loose;\n"), 3, "UPROPERTY outside a reflected class, structure or enumeration"},
		{HeaderWith("UCLASS()\nclass UTest : public UObject\n{\npublic:\n};\n"), 3, "UCLASS UTest has no GENERATED_BODY()"},
		{HeaderWith("UCLASS(defaultconfig)\nclass UTest : public UObject\n{\n\tGENERATED_BODY()\n};\n"), 3, "UCLASS: defaultconfig needs config=<Name>"},
		{HeaderWith("UCLASS()\nclass Test : public UObject\n{\n\tGENERATED_BODY()\n};\n"), 3,
			"UCLASS Test: a reflected class's name starts with U (an object) or A (an actor)"},
		{HeaderWith("USTRUCT()\nstruct FTest : public FBase\n{\n\tGENERATED_BODY()\n};\n"), 4, "USTRUCT FTest: a reflected structure derives from nothing"},
		{HeaderWith("UENUM()\nenum class ETest : int32 { A };\n"), 3, "UENUM ETest: a reflected enumeration is an enum class of 8 bits (uint8)"},
		{HeaderWith("namespace N {\nUENUM()\nenum class ETest : uint8 { A };\n}\n"), 4,
			"UENUM: reflected types are declared outside any namespace, class or function"},
		{"#pragma once\n\nUENUM()\nenum class ETest : uint8 { A };\n", 3, "a header with reflected types includes \"Test.generated.h\" after its other includes"},
		{"#include \"Test.generated.h\"\n#include \"Other.h\"\nUENUM()\nenum class ETest : uint8 { A };\n", 1,
			"\"Test.generated.h\" must be the last #include of the header"},
		{"#include \"Test.generated.h\"\n", 1, "\"Test.generated.h\" is included, but the header declares no reflected type"},
	};
	for (const auto& Case : Cases)
	{
		try
		{
			ParseHeader(Case.Header, "Test");
			ADD_FAILURE() << "read without an error:\n" << Case.Header;
		}
		catch (const FHeaderToolError& Error)
		{
			EXPECT_EQ(Error.Line, Case.Line) << Case.Message;
			EXPECT_EQ(std::string(Error.what()), Case.Message) << Case.Header;
		}
	}
}
