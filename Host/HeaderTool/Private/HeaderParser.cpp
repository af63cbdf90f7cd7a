#include "HeaderParser.h"

#include "HeaderTokens.h"
#include "Specifiers.h"

#include <algorithm>

bool FReflectedType::Declares(const std::string& Name) const
{
	return std::find(DeclaredNames.begin(), DeclaredNames.end(), Name) != DeclaredNames.end();
}

namespace
{
[[noreturn]] void Fail(int Line, const std::string& Message)
{
	throw FHeaderToolError(Line, Message);
}

bool IsWordToken(const FToken& Token)
{
	return Token.Kind == ETokenKind::Identifier || Token.Kind == ETokenKind::Number;
}

/** Tokens as C++ text: a blank only between two words ("const FString&", "TArray<FString>"). */
std::string JoinTokens(std::vector<FToken>::const_iterator First, std::vector<FToken>::const_iterator Last)
{
	std::string Text;
	for (auto It = First; It != Last; ++It)
	{
		if (It != First && IsWordToken(*It) && IsWordToken(*(It - 1)))
		{
			Text += ' ';
		}
		Text += It->Kind == ETokenKind::String ? "\"" + It->Text + "\"" : It->Text;
	}
	return Text;
}

/** Nesting of (), [], {} and <> while walking a declaration. */
int DepthChange(const FToken& Token)
{
	if (Token.Is("(") || Token.Is("[") || Token.Is("{") || Token.Is("<"))
	{
		return 1;
	}
	if (Token.Is(")") || Token.Is("]") || Token.Is("}") || Token.Is(">"))
	{
		return -1;
	}
	return 0;
}

/**
 * The class named as TObjectPtr<UClass> or UClass* among a member's type tokens (also inside an
 * array's), so that the generated code can name it without the class being declared in full.
 */
std::string FindObjectClass(const std::vector<FToken>& Type)
{
	for (size_t Position = 0; Position < Type.size(); ++Position)
	{
		if (Type[Position].Is("TObjectPtr") && Position + 2 < Type.size() && Type[Position + 1].Is("<")
			&& Type[Position + 2].Kind == ETokenKind::Identifier)
		{
			return Type[Position + 2].Text;
		}
		if (Type[Position].Kind == ETokenKind::Identifier && Position + 1 < Type.size() && Type[Position + 1].Is("*"))
		{
			return Type[Position].Text;
		}
	}
	return "";
}

/** One #if, #ifdef or #ifndef the parser is inside of. */
struct FCondition
{
	std::string Text;
	int Line;
	/** WITH_EDITOR or WITH_EDITORONLY_DATA, in its #if branch: reflected members may stand here. */
	bool bEditorOnly;
	/** An include guard (#ifndef X followed by #define X), which conditions nothing. */
	bool bGuard;
};

class FHeaderParser
{
public:
	FHeaderParser(const std::string& Source, const std::string& BaseName) : Tokens(TokenizeHeader(Source)) { Header.BaseName = BaseName; }

	FReflectedHeader Run()
	{
		int Depth = 0;
		while (Index < Tokens.size())
		{
			const FToken& Token = Tokens[Index];
			if (Token.Kind == ETokenKind::Directive)
			{
				HandleDirective();
			}
			else if (Token.Is("UENUM") || Token.Is("USTRUCT") || Token.Is("UCLASS"))
			{
				if (Depth != 0)
				{
					Fail(Token.Line, Token.Text + ": reflected types are declared outside any namespace, class or function");
				}
				RequireNoCondition(Token);
				FirstReflectionLine = FirstReflectionLine ? FirstReflectionLine : Token.Line;
				Token.Is("UENUM") ? ParseEnum() : ParseType(Token.Is("UCLASS"));
			}
			else if (Token.Is("UPROPERTY") || Token.Is("UFUNCTION") || Token.Is("GENERATED_BODY") || Token.Is("UMETA"))
			{
				Fail(Token.Line, Token.Text + " outside a reflected class, structure or enumeration");
			}
			else
			{
				Depth += Token.Is("{") ? 1 : Token.Is("}") ? -1 : 0;
				++Index;
			}
		}
		if (!Conditions.empty())
		{
			Fail(Conditions.back().Line, "#if without #endif");
		}
		CheckGeneratedInclude();
		return std::move(Header);
	}

private:
	const FToken& Next(int OpenLine, const std::string& What)
	{
		if (Index >= Tokens.size())
		{
			Fail(OpenLine, What + " is not closed");
		}
		return Tokens[Index++];
	}

	const FToken& Peek(int OpenLine, const std::string& What) const
	{
		if (Index >= Tokens.size())
		{
			Fail(OpenLine, What + " is not closed");
		}
		return Tokens[Index];
	}

	const FToken& Expect(const char* Text, const std::string& What)
	{
		if (Index >= Tokens.size() || !Tokens[Index].Is(Text))
		{
			const int Line = Index < Tokens.size() ? Tokens[Index].Line : Tokens.back().Line;
			Fail(Line, What + ": expected '" + Text + "'" + (Index < Tokens.size() ? ", found '" + Tokens[Index].Text + "'" : ""));
		}
		return Tokens[Index++];
	}

	std::string ExpectIdentifier(const std::string& What)
	{
		if (Index >= Tokens.size() || Tokens[Index].Kind != ETokenKind::Identifier)
		{
			Fail(Index < Tokens.size() ? Tokens[Index].Line : Tokens.back().Line, What + ": expected a name");
		}
		return Tokens[Index++].Text;
	}

	void HandleDirective()
	{
		const FToken& Token = Tokens[Index++];
		const size_t Space = Token.Text.find_first_of(" \t");
		const std::string Word = Token.Text.substr(0, Space);
		std::string Rest = Space == std::string::npos ? "" : Token.Text.substr(Token.Text.find_first_not_of(" \t", Space));
		if (Word == "if" || Word == "ifdef" || Word == "ifndef")
		{
			const bool bGuard = Word == "ifndef" && Index < Tokens.size() && Tokens[Index].Kind == ETokenKind::Directive
				&& Tokens[Index].Text == "define " + Rest;
			const bool bEditorOnly = Word == "if" && (Rest == "WITH_EDITOR" || Rest == "WITH_EDITORONLY_DATA");
			Conditions.push_back(FCondition{Token.Text, Token.Line, bEditorOnly, bGuard});
		}
		else if (Word == "else" || Word == "elif")
		{
			if (Conditions.empty())
			{
				Fail(Token.Line, "#" + Word + " without #if");
			}
			Conditions.back().bEditorOnly = false;
			Conditions.back().Text += " (#" + Word + " branch)";
		}
		else if (Word == "endif")
		{
			if (Conditions.empty())
			{
				Fail(Token.Line, "#endif without #if");
			}
			Conditions.pop_back();
		}
		else if (Word == "include")
		{
			Includes.push_back({Rest, Token.Line});
		}
	}

	/** The editor-only conditions a member stands under ("WITH_EDITOR"); any other condition is an error. */
	std::string CurrentCondition(const FToken& Macro)
	{
		std::string Condition;
		for (const FCondition& Frame : Conditions)
		{
			if (Frame.bGuard)
			{
				continue;
			}
			if (!Frame.bEditorOnly)
			{
				Fail(Macro.Line, Macro.Text + " under #" + Frame.Text + ": reflected members may only depend on WITH_EDITOR or WITH_EDITORONLY_DATA");
			}
			const std::string Name = Frame.Text.substr(3);
			Condition += (Condition.empty() ? "" : " && ") + Name;
		}
		return Condition;
	}

	void RequireNoCondition(const FToken& Macro)
	{
		if (!CurrentCondition(Macro).empty())
		{
			Fail(Macro.Line, Macro.Text + ": a reflected type is declared outside #if blocks");
		}
	}

	void ParseEnum()
	{
		const int Line = Tokens[Index++].Line;
		FReflectedEnum Enum;
		Enum.Line = Line;
		Enum.Meta = ApplyTypeSpecifiers(ReadSpecifiers(Tokens, Index, "UENUM"), "UENUM");
		Expect("enum", "UENUM");
		Expect("class", "UENUM (a reflected enumeration is an enum class of 8 bits)");
		Enum.Name = ExpectIdentifier("UENUM");
		Expect(":", "UENUM " + Enum.Name + " (a reflected enumeration is an enum class of 8 bits)");
		Enum.UnderlyingType = ExpectIdentifier("UENUM " + Enum.Name);
		if (Enum.UnderlyingType != "uint8")
		{
			Fail(Line, "UENUM " + Enum.Name + ": a reflected enumeration is an enum class of 8 bits (uint8)");
		}
		const int OpenLine = Expect("{", "UENUM " + Enum.Name).Line;
		while (!Peek(OpenLine, Enum.Name).Is("}"))
		{
			FReflectedEnumEntry Entry;
			Entry.Name = ExpectIdentifier("UENUM " + Enum.Name);
			int Depth = 0;
			for (const FToken* Token = &Next(OpenLine, Enum.Name); Depth > 0 || !(Token->Is(",") || Token->Is("}")); Token = &Next(OpenLine, Enum.Name))
			{
				if (Token->Kind == ETokenKind::Directive)
				{
					Fail(Token->Line, "UENUM " + Enum.Name + ": a preprocessor line inside a reflected enumeration");
				}
				if (Token->Is("UMETA"))
				{
					Entry.Meta = MetaFromUMeta(ReadSpecifiers(Tokens, Index, "UMETA"));
					continue;
				}
				Depth += Token->Is("(") ? 1 : Token->Is(")") ? -1 : 0;
			}
			--Index; // back to the ',' or '}'
			Enum.Entries.push_back(std::move(Entry));
			if (Tokens[Index].Is(","))
			{
				++Index;
			}
		}
		++Index;
		Expect(";", "UENUM " + Enum.Name);
		Header.Enums.push_back(std::move(Enum));
	}

	void ParseType(bool bClass)
	{
		const char* const Macro = bClass ? "UCLASS" : "USTRUCT";
		FReflectedType Type;
		Type.Line = Tokens[Index++].Line;
		const std::vector<FSpecifier> Specifiers = ReadSpecifiers(Tokens, Index, Macro);
		Expect(bClass ? "class" : "struct", Macro);
		while (Index + 1 < Tokens.size() && Tokens[Index].Kind == ETokenKind::Identifier && Tokens[Index].Text.ends_with("_API"))
		{
			++Index;
		}
		Type.Name = ExpectIdentifier(Macro);
		const std::string Where = std::string(Macro) + " " + Type.Name;
		if (Index < Tokens.size() && Tokens[Index].Is("final"))
		{
			++Index;
		}
		if (bClass)
		{
			if (Type.Name.size() < 2 || (Type.Name[0] != 'U' && Type.Name[0] != 'A'))
			{
				Fail(Type.Line, Where + ": a reflected class's name starts with U (an object) or A (an actor)");
			}
			Expect(":", Where + " (a reflected class derives from an object class)");
			Expect("public", Where + " (a reflected class derives publicly)");
			Type.Super = ExpectIdentifier(Where);
			if (!Peek(Type.Line, Where).Is("{"))
			{
				Fail(Tokens[Index].Line, Where + ": a reflected class derives from one class only");
			}
			ApplyClassSpecifiers(Specifiers, Type);
		}
		else
		{
			if (Type.Name.size() < 2 || Type.Name[0] != 'F')
			{
				Fail(Type.Line, Where + ": a reflected structure's name starts with F");
			}
			if (!Peek(Type.Line, Where).Is("{"))
			{
				Fail(Tokens[Index].Line, Where + ": a reflected structure derives from nothing");
			}
			Type.Meta = ApplyTypeSpecifiers(Specifiers, Macro);
		}
		++Index;
		ParseBody(Type, bClass);
		Expect(";", Where);
		if (Type.GeneratedBodyLine == 0)
		{
			Fail(Type.Line, Where + " has no GENERATED_BODY()");
		}
		Header.Types.push_back(std::move(Type));
	}

	/** From after the body's '{' to after its '}'; members are private by default in a class. */
	void ParseBody(FReflectedType& Type, bool bClass)
	{
		bool bPrivate = bClass;
		int Depth = 0;
		for (;;)
		{
			const FToken& Token = Next(Type.Line, Type.Name);
			if (Token.Kind == ETokenKind::Directive)
			{
				--Index;
				HandleDirective();
				continue;
			}
			if (Token.Is("{") || Token.Is("}"))
			{
				if (Token.Is("}") && Depth == 0)
				{
					return;
				}
				Depth += Token.Is("{") ? 1 : -1;
				continue;
			}
			if (Depth > 0 || Token.Kind != ETokenKind::Identifier)
			{
				continue;
			}
			if ((Token.Is("public") || Token.Is("protected") || Token.Is("private")) && Index < Tokens.size() && Tokens[Index].Is(":"))
			{
				bPrivate = Token.Is("private");
			}
			else if (Token.Is("GENERATED_BODY"))
			{
				Expect("(", "GENERATED_BODY");
				Expect(")", "GENERATED_BODY");
				if (Type.GeneratedBodyLine != 0)
				{
					Fail(Token.Line, Type.Name + " has a second GENERATED_BODY()");
				}
				Type.GeneratedBodyLine = Token.Line;
				bPrivate = bClass;
			}
			else if (Token.Is("UPROPERTY"))
			{
				--Index;
				ParseProperty(Type, bPrivate);
			}
			else if (Token.Is("UFUNCTION"))
			{
				--Index;
				ParseFunction(Type);
			}
			else if (Token.Is("UCLASS") || Token.Is("USTRUCT") || Token.Is("UENUM") || Token.Is("UMETA"))
			{
				Fail(Token.Line, Token.Text + " inside " + Type.Name + ": reflected types are not nested");
			}
			else
			{
				Type.DeclaredNames.push_back(Token.Text);
			}
		}
	}

	/** The tokens from Index up to the ';' that ends a member declaration (not included). */
	std::vector<FToken> ReadDeclaration(const FToken& Macro)
	{
		std::vector<FToken> Declaration;
		int Depth = 0;
		for (;;)
		{
			const FToken& Token = Next(Macro.Line, Macro.Text);
			if (Token.Kind == ETokenKind::Directive)
			{
				Fail(Token.Line, Macro.Text + ": a preprocessor line inside the declaration it reflects");
			}
			if (Depth == 0 && (Token.Is(";") || Token.Is("}")))
			{
				if (Token.Is("}") || Declaration.empty())
				{
					Fail(Macro.Line, Macro.Text + " is not followed by a declaration");
				}
				return Declaration;
			}
			if (!Token.Is("<") && !Token.Is(">"))
			{
				Depth += DepthChange(Token);
			}
			Declaration.push_back(Token);
			// A function defined in the class ends with its body, not with a ';'.
			if (Depth == 0 && Token.Is("}") && Macro.Is("UFUNCTION"))
			{
				return Declaration;
			}
		}
	}

	void ParseProperty(FReflectedType& Type, bool bPrivate)
	{
		const FToken& Macro = Tokens[Index++];
		FReflectedProperty Property;
		Property.Line = Macro.Line;
		const std::vector<FSpecifier> Specifiers = ReadSpecifiers(Tokens, Index, "UPROPERTY");
		const std::vector<FToken> Declaration = ReadDeclaration(Macro);
		size_t End = 0;
		for (int Depth = 0; End < Declaration.size(); ++End)
		{
			const FToken& Token = Declaration[End];
			if (Depth == 0 && (Token.Is("=") || Token.Is("{") || Token.Is("[") || Token.Is(":") || Token.Is("(")))
			{
				break;
			}
			Depth += DepthChange(Token);
		}
		if (End < 2 || Declaration[End - 1].Kind != ETokenKind::Identifier || Declaration[0].Is("static"))
		{
			Fail(Macro.Line, "UPROPERTY is not followed by a member variable (a type and a name)");
		}
		Property.Name = Declaration[End - 1].Text;
		Property.ObjectClass = FindObjectClass(std::vector<FToken>(Declaration.begin(), Declaration.begin() + End - 1));
		if (End < Declaration.size() && (Declaration[End].Is("[") || Declaration[End].Is(":") || Declaration[End].Is("(")))
		{
			const char* const Why = Declaration[End].Is("[") ? "a fixed-size array" : Declaration[End].Is(":") ? "a bit field" : "a function";
			Fail(Macro.Line, "UPROPERTY " + Property.Name + ": " + Why + " is not reflected here");
		}
		if (std::any_of(Type.Properties.begin(), Type.Properties.end(), [&](const FReflectedProperty& Known) { return Known.Name == Property.Name; }))
		{
			Fail(Macro.Line, "UPROPERTY " + Property.Name + " is declared twice in " + Type.Name);
		}
		Property.Condition = CurrentCondition(Macro);
		ApplyPropertySpecifiers(Specifiers, bPrivate, Property);
		Type.DeclaredNames.push_back(Property.Name);
		Type.Properties.push_back(std::move(Property));
	}

	void ParseFunction(FReflectedType& Type)
	{
		const FToken& Macro = Tokens[Index++];
		FReflectedFunction Function;
		Function.Line = Macro.Line;
		const std::vector<FSpecifier> Specifiers = ReadSpecifiers(Tokens, Index, "UFUNCTION");
		const std::vector<FToken> Declaration = ReadDeclaration(Macro);
		bool bVirtual = false;
		bool bStatic = false;
		size_t First = 0;
		for (; First < Declaration.size(); ++First)
		{
			const FToken& Token = Declaration[First];
			if (!(Token.Is("virtual") || Token.Is("static") || Token.Is("inline") || Token.Is("FORCEINLINE") || Token.Is("explicit")))
			{
				break;
			}
			bVirtual = bVirtual || Token.Is("virtual");
			bStatic = bStatic || Token.Is("static");
		}
		size_t Open = First;
		for (int Angle = 0; Open < Declaration.size() && !(Angle == 0 && Declaration[Open].Is("(")); ++Open)
		{
			Angle += Declaration[Open].Is("<") ? 1 : Declaration[Open].Is(">") ? -1 : 0;
		}
		if (Open >= Declaration.size() || Open < First + 2 || Declaration[Open - 1].Kind != ETokenKind::Identifier)
		{
			Fail(Macro.Line, "UFUNCTION is not followed by a function declaration (a return type, a name and parameters)");
		}
		Function.Name = Declaration[Open - 1].Text;
		Function.ReturnType = JoinTokens(Declaration.begin() + First, Declaration.begin() + Open - 1);
		const size_t Close = ReadParameters(Declaration, Open, Function);
		for (size_t Qualifier = Close + 1; Qualifier < Declaration.size() && !Declaration[Qualifier].Is("{") && !Declaration[Qualifier].Is("="); ++Qualifier)
		{
			Function.bConst = Function.bConst || Declaration[Qualifier].Is("const");
		}
		Function.Condition = CurrentCondition(Macro);
		ApplyFunctionSpecifiers(Specifiers, bVirtual, bStatic, Function);
		if (Function.bNativeEvent && !Function.Condition.empty())
		{
			Fail(Macro.Line, "UFUNCTION " + Function.Name + ": a BlueprintNativeEvent is declared outside #if blocks");
		}
		Type.DeclaredNames.push_back(Function.Name);
		Type.Functions.push_back(std::move(Function));
	}

	/** The parameters between Declaration[Open] '(' and its ')'; returns the position of the ')'. */
	size_t ReadParameters(const std::vector<FToken>& Declaration, size_t Open, FReflectedFunction& Function)
	{
		size_t Start = Open + 1;
		int Depth = 0;
		for (size_t Position = Open + 1; Position < Declaration.size(); ++Position)
		{
			const FToken& Token = Declaration[Position];
			const bool bEnd = Depth == 0 && Token.Is(")");
			if (bEnd || (Depth == 0 && Token.Is(",")))
			{
				AddParameter(Declaration, Start, Position, Function);
				Start = Position + 1;
				if (bEnd)
				{
					return Position;
				}
				continue;
			}
			Depth += DepthChange(Token);
		}
		Fail(Function.Line, "UFUNCTION " + Function.Name + ": its parameter list is not closed");
	}

	void AddParameter(const std::vector<FToken>& Declaration, size_t Start, size_t End, FReflectedFunction& Function)
	{
		for (size_t Position = Start; Position < End; ++Position)
		{
			if (Declaration[Position].Is("="))
			{
				End = Position; // the default value belongs to the declaration only
			}
		}
		if (End == Start || (End == Start + 1 && Declaration[Start].Is("void") && Function.Parameters.empty()))
		{
			return;
		}
		const bool bNamed = End - Start >= 2 && Declaration[End - 1].Kind == ETokenKind::Identifier;
		const auto Begin = Declaration.begin();
		Function.Parameters.push_back(bNamed ? FReflectedParameter{JoinTokens(Begin + Start, Begin + End - 1), Declaration[End - 1].Text}
											 : FReflectedParameter{JoinTokens(Begin + Start, Begin + End), ""});
	}

	void CheckGeneratedInclude()
	{
		const std::string Generated = "\"" + Header.BaseName + ".generated.h\"";
		const auto Found = std::find_if(Includes.begin(), Includes.end(), [&](const auto& Include) { return Include.first == Generated; });
		if (!Header.HasReflection())
		{
			if (Found != Includes.end())
			{
				Fail(Found->second, Generated + " is included, but the header declares no reflected type");
			}
			return;
		}
		if (Found == Includes.end())
		{
			Fail(FirstReflectionLine, "a header with reflected types includes " + Generated + " after its other includes");
		}
		if (Found + 1 != Includes.end())
		{
			Fail(Found->second, Generated + " must be the last #include of the header");
		}
	}

	std::vector<FToken> Tokens;
	size_t Index = 0;
	FReflectedHeader Header;
	std::vector<FCondition> Conditions;
	std::vector<std::pair<std::string, int>> Includes;
	int FirstReflectionLine = 0;
};
}

FReflectedHeader ParseHeader(const std::string& Source, const std::string& BaseName)
{
	return FHeaderParser(Source, BaseName).Run();
}
