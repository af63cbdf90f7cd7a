#include "HeaderTokens.h"

#include <cctype>

namespace
{
bool IsIdentifierStart(char C)
{
	return std::isalpha(static_cast<unsigned char>(C)) || C == '_';
}

bool IsIdentifierChar(char C)
{
	return std::isalnum(static_cast<unsigned char>(C)) || C == '_';
}

class FTokenizer
{
public:
	explicit FTokenizer(const std::string& InSource) : Source(InSource) {}

	std::vector<FToken> Run()
	{
		bool bLineStart = true;
		while (Pos < Source.size())
		{
			const char C = Source[Pos];
			if (C == '\n')
			{
				++Line;
				++Pos;
				bLineStart = true;
			}
			else if (std::isspace(static_cast<unsigned char>(C)))
			{
				++Pos;
			}
			else if (StartsWith("//"))
			{
				SkipLineComment();
			}
			else if (StartsWith("/*"))
			{
				SkipBlockComment();
			}
			else if (C == '#' && bLineStart)
			{
				ReadDirective();
			}
			else
			{
				ReadToken();
				bLineStart = false;
			}
		}
		return MoveTokens();
	}

private:
	bool StartsWith(const char* Text) const { return Source.compare(Pos, std::char_traits<char>::length(Text), Text) == 0; }

	void Add(ETokenKind Kind, std::string Text, int TokenLine) { Tokens.push_back(FToken{Kind, std::move(Text), TokenLine}); }

	std::vector<FToken> MoveTokens() { return std::move(Tokens); }

	void SkipLineComment()
	{
		while (Pos < Source.size() && Source[Pos] != '\n')
		{
			++Pos;
		}
	}

	void SkipBlockComment()
	{
		const int StartLine = Line;
		const size_t End = Source.find("*/", Pos + 2);
		if (End == std::string::npos)
		{
			throw FHeaderToolError(StartLine, "comment is not closed");
		}
		for (size_t Index = Pos; Index < End; ++Index)
		{
			Line += Source[Index] == '\n';
		}
		Pos = End + 2;
	}

	/** The whole logical line, continuations joined and comments dropped. */
	void ReadDirective()
	{
		const int StartLine = Line;
		std::string Text;
		++Pos;
		while (Pos < Source.size() && Source[Pos] != '\n')
		{
			if (Source[Pos] == '\\' && Pos + 1 < Source.size() && Source[Pos + 1] == '\n')
			{
				Pos += 2;
				++Line;
				Text += ' ';
			}
			else if (StartsWith("//"))
			{
				SkipLineComment();
			}
			else if (StartsWith("/*"))
			{
				SkipBlockComment();
				Text += ' ';
			}
			else
			{
				Text += Source[Pos++];
			}
		}
		const size_t First = Text.find_first_not_of(" \t");
		const size_t Last = Text.find_last_not_of(" \t\r");
		Add(ETokenKind::Directive, First == std::string::npos ? std::string() : Text.substr(First, Last - First + 1), StartLine);
	}

	/** A quoted literal from the opening quote; returns the text between the quotes. */
	std::string ReadQuoted(char Quote, const char* What)
	{
		const int StartLine = Line;
		std::string Text;
		for (++Pos; Pos < Source.size() && Source[Pos] != Quote; ++Pos)
		{
			if (Source[Pos] == '\n')
			{
				break;
			}
			if (Source[Pos] == '\\' && Pos + 1 < Source.size())
			{
				Text += Source[Pos++];
			}
			Text += Source[Pos];
		}
		if (Pos >= Source.size() || Source[Pos] != Quote)
		{
			throw FHeaderToolError(StartLine, std::string(What) + " is not closed");
		}
		++Pos;
		return Text;
	}

	void ReadToken()
	{
		const char C = Source[Pos];
		const int TokenLine = Line;
		if (C == '"')
		{
			Add(ETokenKind::String, ReadQuoted('"', "string"), TokenLine);
		}
		else if (C == '\'')
		{
			Add(ETokenKind::Character, ReadQuoted('\'', "character literal"), TokenLine);
		}
		else if (IsIdentifierStart(C))
		{
			const size_t Start = Pos;
			while (Pos < Source.size() && IsIdentifierChar(Source[Pos]))
			{
				++Pos;
			}
			std::string Text = Source.substr(Start, Pos - Start);
			if (Pos < Source.size() && Source[Pos] == '"' && (Text == "R" || Text == "u8R" || Text == "LR" || Text == "uR" || Text == "UR"))
			{
				throw FHeaderToolError(TokenLine, "raw string literals are not read by the header tool");
			}
			Add(ETokenKind::Identifier, std::move(Text), TokenLine);
		}
		else if (std::isdigit(static_cast<unsigned char>(C)) || (C == '.' && Pos + 1 < Source.size() && std::isdigit(static_cast<unsigned char>(Source[Pos + 1]))))
		{
			const size_t Start = Pos;
			while (Pos < Source.size()
				&& (IsIdentifierChar(Source[Pos]) || Source[Pos] == '.' || (Source[Pos] == '\'' && Pos + 1 < Source.size() && IsIdentifierChar(Source[Pos + 1]))))
			{
				++Pos;
			}
			Add(ETokenKind::Number, Source.substr(Start, Pos - Start), TokenLine);
		}
		else if (StartsWith("::"))
		{
			Pos += 2;
			Add(ETokenKind::Symbol, "::", TokenLine);
		}
		else
		{
			++Pos;
			Add(ETokenKind::Symbol, std::string(1, C), TokenLine);
		}
	}

	const std::string& Source;
	size_t Pos = 0;
	int Line = 1;
	std::vector<FToken> Tokens;
};
}

std::vector<FToken> TokenizeHeader(const std::string& Source)
{
	return FTokenizer(Source).Run();
}
