#pragma once
// The parenthesised specifier list of a reflection macro, read from the tokens after the macro's
// name, and its meaning for each kind of declaration: UCLASS, USTRUCT, UENUM, UMETA, UPROPERTY and
// UFUNCTION accept the specifiers the host's reflection has a use for, with the engine's rules
// for combining them; anything else is an FHeaderToolError naming the specifier.
#include "HeaderTokens.h"
#include "ReflectedHeader.h"

/** One specifier: a name alone, Name=Value, Name=(A, B) or meta=(Key=Value, ...). */
struct FSpecifier
{
	std::string Name;
	int Line = 0;
	/** Literal text of each value, ready for a C++ string literal; empty for a bare name. */
	std::vector<std::string> Values;
	bool bHasValue = false;
	/** The pairs of a meta=(...) specifier. */
	std::vector<FMetaEntry> Meta;
};

/**
 * Reads "(...)" starting at Tokens[Index] (the token after the macro's name) and leaves Index
 * after the closing parenthesis. Macro names the macro in error messages.
 */
std::vector<FSpecifier> ReadSpecifiers(const std::vector<FToken>& Tokens, size_t& Index, const char* Macro);

/** UMETA(...): every specifier is a metadata pair (a bare name has the empty value). */
std::vector<FMetaEntry> MetaFromUMeta(const std::vector<FSpecifier>& Specifiers);

/** UENUM or USTRUCT: BlueprintType and meta. */
std::vector<FMetaEntry> ApplyTypeSpecifiers(const std::vector<FSpecifier>& Specifiers, const char* Macro);

/** UCLASS: fills the class's flags, metadata and config name. */
void ApplyClassSpecifiers(const std::vector<FSpecifier>& Specifiers, FReflectedType& Class);

/** UPROPERTY: fills the property's flags and metadata; bPrivate is the member's access. */
void ApplyPropertySpecifiers(const std::vector<FSpecifier>& Specifiers, bool bPrivate, FReflectedProperty& Property);

/** UFUNCTION: checks the specifiers against the declaration and marks native events. */
void ApplyFunctionSpecifiers(const std::vector<FSpecifier>& Specifiers, bool bVirtual, bool bStatic, FReflectedFunction& Function);
