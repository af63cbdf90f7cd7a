#include "Specifiers.h"

#include <algorithm>
#include <strings.h>

namespace
{
[[noreturn]] void Fail(int Line, const std::string& Message)
{
	throw FHeaderToolError(Line, Message);
}

bool NameIs(const std::string& Name, const char* Expected)
{
	return strcasecmp(Name.c_str(), Expected) == 0;
}

/** Reads one list from the tokens, keeping the position and the macro's name for its messages. */
class FSpecifierReader
{
public:
	FSpecifierReader(const std::vector<FToken>& InTokens, size_t& InIndex, const char* InMacro) : Tokens(InTokens), Index(InIndex), Macro(InMacro) {}

	std::vector<FSpecifier> ReadList()
	{
		const int OpenLine = Expect("(").Line;
		std::vector<FSpecifier> Specifiers;
		while (!Peek(OpenLine).Is(")"))
		{
			Specifiers.push_back(ReadSpecifier(OpenLine));
			if (!Peek(OpenLine).Is(")"))
			{
				ExpectComma(OpenLine);
			}
		}
		++Index;
		return Specifiers;
	}

private:
	const FToken& Peek(int OpenLine) const
	{
		if (Index >= Tokens.size())
		{
			Fail(OpenLine, std::string(Macro) + "( is not closed");
		}
		const FToken& Token = Tokens[Index];
		if (Token.Kind == ETokenKind::Directive)
		{
			Fail(Token.Line, std::string("a preprocessor line inside ") + Macro + "(...)");
		}
		return Token;
	}

	const FToken& Expect(const char* Symbol)
	{
		if (Index >= Tokens.size() || !Tokens[Index].Is(Symbol))
		{
			const int Line = Index < Tokens.size() ? Tokens[Index].Line : (Tokens.empty() ? 1 : Tokens.back().Line);
			Fail(Line, std::string(Macro) + ": expected '" + Symbol + "'" + Found());
		}
		return Tokens[Index++];
	}

	void ExpectComma(int OpenLine)
	{
		const FToken& Token = Peek(OpenLine);
		if (!Token.Is(","))
		{
			Fail(Token.Line, std::string(Macro) + ": expected ',' or ')' after a specifier" + Found());
		}
		++Index;
	}

	std::string Found() const
	{
		if (Index >= Tokens.size())
		{
			return ", found the end of the file";
		}
		const FToken& Token = Tokens[Index];
		return Token.Kind == ETokenKind::String ? ", found \"" + Token.Text + "\"" : ", found '" + Token.Text + "'";
	}

	std::string ReadName(int OpenLine, const char* What)
	{
		const FToken& Token = Peek(OpenLine);
		if (Token.Kind != ETokenKind::Identifier)
		{
			Fail(Token.Line, std::string(Macro) + ": expected " + What + Found());
		}
		++Index;
		return Token.Text;
	}

	/** A string, a name or a number (with its sign), as the text of a C++ string literal. */
	std::string ReadValue(int OpenLine)
	{
		const FToken& Token = Peek(OpenLine);
		if (Token.Kind == ETokenKind::String || Token.Kind == ETokenKind::Identifier || Token.Kind == ETokenKind::Number)
		{
			++Index;
			return Token.Text;
		}
		if (Token.Is("-") && Index + 1 < Tokens.size() && Tokens[Index + 1].Kind == ETokenKind::Number)
		{
			Index += 2;
			return "-" + Tokens[Index - 1].Text;
		}
		Fail(Token.Line, std::string(Macro) + ": expected a value" + Found());
	}

	FSpecifier ReadSpecifier(int OpenLine)
	{
		FSpecifier Specifier;
		Specifier.Line = Peek(OpenLine).Line;
		Specifier.Name = ReadName(OpenLine, "a specifier");
		if (!Peek(OpenLine).Is("="))
		{
			return Specifier;
		}
		++Index;
		Specifier.bHasValue = true;
		if (NameIs(Specifier.Name, "meta"))
		{
			Specifier.Meta = ReadMeta();
		}
		else if (Peek(OpenLine).Is("("))
		{
			const int ListLine = Tokens[Index++].Line;
			while (!Peek(ListLine).Is(")"))
			{
				Specifier.Values.push_back(ReadValue(ListLine));
				if (!Peek(ListLine).Is(")"))
				{
					ExpectComma(ListLine);
				}
			}
			++Index;
		}
		else
		{
			Specifier.Values.push_back(ReadValue(OpenLine));
		}
		return Specifier;
	}

	std::vector<FMetaEntry> ReadMeta()
	{
		const int MetaLine = Expect("(").Line;
		std::vector<FMetaEntry> Meta;
		while (!Peek(MetaLine).Is(")"))
		{
			FMetaEntry Entry{ReadName(MetaLine, "a metadata key"), ""};
			if (Peek(MetaLine).Is("="))
			{
				++Index;
				Entry.Value = ReadValue(MetaLine);
			}
			Meta.push_back(std::move(Entry));
			if (!Peek(MetaLine).Is(")"))
			{
				ExpectComma(MetaLine);
			}
		}
		++Index;
		return Meta;
	}

	const std::vector<FToken>& Tokens;
	size_t& Index;
	const char* Macro;
};

enum class EArity
{
	/** A bare name. */
	None,
	/** Name=Value. */
	One,
	/** Name=Value or Name=(A, B, ...). */
	List,
	/** meta=(...). */
	Meta,
};

/** The specifier's meaning once its value has been checked against its arity. */
void CheckArity(const FSpecifier& Specifier, EArity Arity, const char* Macro)
{
	const std::string Where = std::string(Macro) + ": " + Specifier.Name;
	if (Arity == EArity::None && Specifier.bHasValue)
	{
		Fail(Specifier.Line, Where + " takes no value");
	}
	if (Arity != EArity::None && !Specifier.bHasValue)
	{
		Fail(Specifier.Line, Where + " needs a value");
	}
	if (Arity == EArity::One && Specifier.Values.size() != 1)
	{
		Fail(Specifier.Line, Where + " takes one value");
	}
}

[[noreturn]] void FailUnknown(const FSpecifier& Specifier, const char* Macro, const char* Known)
{
	Fail(Specifier.Line, std::string(Macro) + ": unknown specifier '" + Specifier.Name + "' (this tool knows " + Known + ")");
}

void AppendMeta(std::vector<FMetaEntry>& Meta, const FSpecifier& Specifier, const char* Macro)
{
	CheckArity(Specifier, EArity::Meta, Macro);
	Meta.insert(Meta.end(), Specifier.Meta.begin(), Specifier.Meta.end());
}

bool HasMeta(const std::vector<FMetaEntry>& Meta, const char* Key)
{
	return std::any_of(Meta.begin(), Meta.end(), [&](const FMetaEntry& Entry) { return NameIs(Entry.Key, Key); });
}
}

std::vector<FSpecifier> ReadSpecifiers(const std::vector<FToken>& Tokens, size_t& Index, const char* Macro)
{
	return FSpecifierReader(Tokens, Index, Macro).ReadList();
}

std::vector<FMetaEntry> MetaFromUMeta(const std::vector<FSpecifier>& Specifiers)
{
	std::vector<FMetaEntry> Meta;
	for (const FSpecifier& Specifier : Specifiers)
	{
		CheckArity(Specifier, Specifier.bHasValue ? EArity::One : EArity::None, "UMETA");
		Meta.push_back(FMetaEntry{Specifier.Name, Specifier.bHasValue ? Specifier.Values[0] : ""});
	}
	return Meta;
}

std::vector<FMetaEntry> ApplyTypeSpecifiers(const std::vector<FSpecifier>& Specifiers, const char* Macro)
{
	std::vector<FMetaEntry> Meta;
	for (const FSpecifier& Specifier : Specifiers)
	{
		if (NameIs(Specifier.Name, "BlueprintType"))
		{
			CheckArity(Specifier, EArity::None, Macro);
			Meta.push_back(FMetaEntry{"BlueprintType", "true"});
		}
		else if (NameIs(Specifier.Name, "meta"))
		{
			AppendMeta(Meta, Specifier, Macro);
		}
		else
		{
			FailUnknown(Specifier, Macro, "BlueprintType and meta");
		}
	}
	return Meta;
}

void ApplyClassSpecifiers(const std::vector<FSpecifier>& Specifiers, FReflectedType& Class)
{
	const char* const Macro = "UCLASS";
	const FSpecifier* DefaultConfig = nullptr;
	for (const FSpecifier& Specifier : Specifiers)
	{
		const std::string& Name = Specifier.Name;
		const bool bFlag = NameIs(Name, "Abstract") || NameIs(Name, "EditInlineNew") || NameIs(Name, "defaultconfig");
		const bool bMetaFlag = NameIs(Name, "BlueprintType") || NameIs(Name, "Blueprintable");
		if (bFlag || bMetaFlag)
		{
			CheckArity(Specifier, EArity::None, Macro);
		}
		if (NameIs(Name, "Abstract"))
		{
			Class.ClassFlags.push_back("CLASS_Abstract");
		}
		else if (NameIs(Name, "EditInlineNew"))
		{
			Class.ClassFlags.push_back("CLASS_EditInlineNew");
		}
		else if (NameIs(Name, "defaultconfig"))
		{
			Class.ClassFlags.push_back("CLASS_DefaultConfig");
			DefaultConfig = &Specifier;
		}
		else if (NameIs(Name, "config"))
		{
			CheckArity(Specifier, EArity::One, Macro);
			Class.ClassFlags.push_back("CLASS_Config");
			Class.ConfigName = Specifier.Values[0];
			Class.Meta.push_back(FMetaEntry{"Config", Class.ConfigName});
		}
		else if (bMetaFlag)
		{
			Class.Meta.push_back(FMetaEntry{NameIs(Name, "Blueprintable") ? "IsBlueprintBase" : "BlueprintType", "true"});
		}
		else if (NameIs(Name, "ClassGroup"))
		{
			CheckArity(Specifier, EArity::List, Macro);
			std::string Groups;
			for (const std::string& Group : Specifier.Values)
			{
				Groups += (Groups.empty() ? "" : " ") + Group;
			}
			Class.Meta.push_back(FMetaEntry{"ClassGroupNames", Groups});
		}
		else if (NameIs(Name, "meta"))
		{
			AppendMeta(Class.Meta, Specifier, Macro);
		}
		else
		{
			FailUnknown(Specifier, Macro, "Abstract, EditInlineNew, config, defaultconfig, BlueprintType, Blueprintable, ClassGroup and meta");
		}
	}
	if (DefaultConfig && Class.ConfigName.empty())
	{
		Fail(DefaultConfig->Line, "UCLASS: defaultconfig needs config=<Name>");
	}
}

void ApplyPropertySpecifiers(const std::vector<FSpecifier>& Specifiers, bool bPrivate, FReflectedProperty& Property)
{
	const char* const Macro = "UPROPERTY";
	// Each specifier's flag shorthand, and the group of which at most one may be given.
	const struct
	{
		const char* Name;
		const char* Flag;
		int Group;
	} Simple[] = {
		{"EditAnywhere", "UP::EditAnywhere", 1},
		{"VisibleAnywhere", "UP::VisibleAnywhere", 1},
		{"EditDefaultsOnly", "UP::EditDefaultsOnly", 1},
		{"BlueprintReadWrite", "UP::BlueprintReadWrite", 2},
		{"BlueprintReadOnly", "UP::BlueprintReadOnly", 2},
		{"Transient", "UP::Transient", 0},
		{"Config", "UP::Config", 0},
	};
	std::string GroupSpecifier[3];
	for (const FSpecifier& Specifier : Specifiers)
	{
		const auto Found = std::find_if(std::begin(Simple), std::end(Simple), [&](const auto& Entry) { return NameIs(Specifier.Name, Entry.Name); });
		if (Found != std::end(Simple))
		{
			CheckArity(Specifier, EArity::None, Macro);
			if (Found->Group != 0 && !GroupSpecifier[Found->Group].empty())
			{
				Fail(Specifier.Line, std::string(Macro) + ": " + Specifier.Name + " cannot be combined with " + GroupSpecifier[Found->Group]);
			}
			GroupSpecifier[Found->Group] = Specifier.Name;
			Property.Flags.push_back(Found->Flag);
		}
		else if (NameIs(Specifier.Name, "Category"))
		{
			CheckArity(Specifier, EArity::One, Macro);
			Property.Meta.push_back(FMetaEntry{"Category", Specifier.Values[0]});
		}
		else if (NameIs(Specifier.Name, "meta"))
		{
			AppendMeta(Property.Meta, Specifier, Macro);
		}
		else
		{
			FailUnknown(Specifier, Macro,
				"EditAnywhere, VisibleAnywhere, EditDefaultsOnly, BlueprintReadWrite, BlueprintReadOnly, Transient, Config, Category and meta");
		}
	}
	const std::string Where = std::string(Macro) + " " + Property.Name + ": ";
	if ((!GroupSpecifier[1].empty() || !GroupSpecifier[2].empty()) && !HasMeta(Property.Meta, "Category"))
	{
		Fail(Property.Line, Where + "a property shown in the editor or to scripts needs a Category");
	}
	if (bPrivate)
	{
		if (!GroupSpecifier[2].empty() && !HasMeta(Property.Meta, "AllowPrivateAccess"))
		{
			Fail(Property.Line, Where + GroupSpecifier[2] + " on a private member needs meta=(AllowPrivateAccess=\"true\")");
		}
		Property.Flags.push_back("UP::Private");
	}
}

void ApplyFunctionSpecifiers(const std::vector<FSpecifier>& Specifiers, bool bVirtual, bool bStatic, FReflectedFunction& Function)
{
	const char* const Macro = "UFUNCTION";
	bool bScript = false;
	bool bPure = false;
	bool bCategory = false;
	for (const FSpecifier& Specifier : Specifiers)
	{
		const std::string& Name = Specifier.Name;
		if (NameIs(Name, "BlueprintCallable") || NameIs(Name, "BlueprintPure") || NameIs(Name, "BlueprintNativeEvent"))
		{
			CheckArity(Specifier, EArity::None, Macro);
			bScript = true;
			bPure = bPure || NameIs(Name, "BlueprintPure");
			Function.bNativeEvent = Function.bNativeEvent || NameIs(Name, "BlueprintNativeEvent");
		}
		else if (NameIs(Name, "Category"))
		{
			CheckArity(Specifier, EArity::One, Macro);
			bCategory = true;
		}
		else if (NameIs(Name, "meta"))
		{
			// A function's metadata serves scripts, which this host does not run.
			CheckArity(Specifier, EArity::Meta, Macro);
		}
		else
		{
			FailUnknown(Specifier, Macro, "BlueprintCallable, BlueprintPure, BlueprintNativeEvent, Category and meta");
		}
	}
	const std::string Where = std::string(Macro) + " " + Function.Name + ": ";
	if (bScript && !bCategory)
	{
		Fail(Function.Line, Where + "a function scripts can call needs a Category");
	}
	if (bPure && Function.ReturnType == "void")
	{
		Fail(Function.Line, Where + "BlueprintPure needs a return value");
	}
	if (Function.bNativeEvent && (bVirtual || bStatic))
	{
		Fail(Function.Line, Where + "a BlueprintNativeEvent is neither virtual nor static: subclasses override " + Function.Name + "_Implementation");
	}
}
