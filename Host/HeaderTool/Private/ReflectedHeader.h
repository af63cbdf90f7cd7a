#pragma once
// What the header tool learns from one header: its reflected enumerations, structures and
// classes, their specifiers turned into the flags and metadata the host's reflection records,
// and where each type's GENERATED_BODY() stands.
#include <string>
#include <vector>

/** A metadata pair; the value is C++ string-literal text, escapes as written in the header. */
struct FMetaEntry
{
	std::string Key;
	std::string Value;
};

struct FReflectedEnumEntry
{
	std::string Name;
	std::vector<FMetaEntry> Meta;
};

struct FReflectedEnum
{
	std::string Name;
	/** As written after the colon ("uint8"), so that the generated forward declaration matches. */
	std::string UnderlyingType;
	int Line = 0;
	std::vector<FMetaEntry> Meta;
	std::vector<FReflectedEnumEntry> Entries;
};

struct FReflectedProperty
{
	std::string Name;
	int Line = 0;
	/** Flag shorthands of the host's reflection ("UP::EditAnywhere"); empty for none. */
	std::vector<std::string> Flags;
	std::vector<FMetaEntry> Meta;
	/** The editor-only condition the member is declared under ("WITH_EDITORONLY_DATA"); empty for none. */
	std::string Condition;
	/** The class a pointer member points to ("USkeleton" for TObjectPtr<USkeleton> or USkeleton*); empty for others. */
	std::string ObjectClass;
};

struct FReflectedParameter
{
	std::string Type;
	std::string Name;
};

struct FReflectedFunction
{
	std::string Name;
	std::string ReturnType;
	std::vector<FReflectedParameter> Parameters;
	int Line = 0;
	bool bConst = false;
	bool bNativeEvent = false;
	std::string Condition;

	/** The editor calls it by name for a property's drop-down ("GetOptions" metadata). */
	bool IsOptionsFunction() const { return bConst && Parameters.empty() && ReturnType == "TArray<FString>"; }
};

/** A reflected structure or class. */
struct FReflectedType
{
	std::string Name;
	/** The class's first base; empty for a structure. */
	std::string Super;
	int Line = 0;
	/** The line of GENERATED_BODY(), which names the body macro; 0 when it is missing. */
	int GeneratedBodyLine = 0;
	/** Class flags of the host's reflection ("CLASS_Abstract"). */
	std::vector<std::string> ClassFlags;
	std::vector<FMetaEntry> Meta;
	/** The config=Name of a class; empty for none. */
	std::string ConfigName;
	std::vector<FReflectedProperty> Properties;
	std::vector<FReflectedFunction> Functions;
	/** Names the body declares itself, so that the body macro does not declare them again. */
	std::vector<std::string> DeclaredNames;

	bool IsClass() const { return !Super.empty(); }
	bool Declares(const std::string& Name) const;
};

struct FReflectedHeader
{
	/** The header's file name without its folder and extension ("ZevoRemapAssetBase"). */
	std::string BaseName;
	std::vector<FReflectedEnum> Enums;
	std::vector<FReflectedType> Types;

	bool HasReflection() const { return !Enums.empty() || !Types.empty(); }
};
