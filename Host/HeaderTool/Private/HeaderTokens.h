#pragma once
// A C++ header as the header tool reads it: a list of tokens with their line numbers. Comments
// are dropped, string literals keep their text as written between the quotes (escapes and all,
// so that the generated code spells them the same), and each preprocessor line is one token.
#include "HeaderToolError.h"

#include <string>
#include <vector>

enum class ETokenKind
{
	Identifier,
	Number,
	String,
	Character,
	Symbol,
	/** A preprocessor line without its '#': "include \"Foo.generated.h\"", "if WITH_EDITOR". */
	Directive,
};

struct FToken
{
	ETokenKind Kind;
	std::string Text;
	int Line;

	bool Is(const char* Symbol) const { return (Kind == ETokenKind::Symbol || Kind == ETokenKind::Identifier) && Text == Symbol; }
};

/** The tokens of Source; an unterminated comment, string or character is an FHeaderToolError. */
std::vector<FToken> TokenizeHeader(const std::string& Source);
