#include "PropertyText.h"

#include <charconv>

namespace PropertyText
{
const char* SkipBlanks(const char* Buffer)
{
	while (*Buffer && FChar::IsWhitespace(*Buffer))
	{
		++Buffer;
	}
	return Buffer;
}

void AppendQuoted(FString& Out, const FString& Text)
{
	Out += '"';
	for (int32 Index = 0; Index < Text.Len(); ++Index)
	{
		const char C = Text[Index];
		switch (C)
		{
		case '"': Out += "\\\""; break;
		case '\\': Out += "\\\\"; break;
		case '\n': Out += "\\n"; break;
		case '\r': Out += "\\r"; break;
		case '\t': Out += "\\t"; break;
		default: Out += C; break;
		}
	}
	Out += '"';
}

const char* ReadQuoted(const char* Buffer, FString& Out)
{
	Out.Empty();
	++Buffer;
	while (*Buffer && *Buffer != '"')
	{
		if (*Buffer == '\\')
		{
			++Buffer;
			switch (*Buffer)
			{
			case '\0': return nullptr;
			case 'n': Out += '\n'; break;
			case 'r': Out += '\r'; break;
			case 't': Out += '\t'; break;
			default: Out += *Buffer; break;
			}
		}
		else
		{
			Out += *Buffer;
		}
		++Buffer;
	}
	return *Buffer == '"' ? Buffer + 1 : nullptr;
}

const char* ReadDelimitedToken(const char* Buffer, FString& Out)
{
	const char* Start = Buffer;
	while (*Buffer && *Buffer != ',' && *Buffer != ')')
	{
		++Buffer;
	}
	const char* End = Buffer;
	while (End > Start && FChar::IsWhitespace(End[-1]))
	{
		--End;
	}
	Out = FString(Start, static_cast<int32>(End - Start));
	return Buffer;
}

const char* ReadText(const char* Buffer, FString& Out, bool bDelimited)
{
	if (*Buffer == '"')
	{
		return ReadQuoted(Buffer, Out);
	}
	if (bDelimited)
	{
		return ReadDelimitedToken(Buffer, Out);
	}
	Out = FString(Buffer);
	return Buffer + Out.Len();
}

const char* ReadIdentifier(const char* Buffer, FString& Out)
{
	const char* Start = Buffer;
	while ((*Buffer >= 'a' && *Buffer <= 'z') || (*Buffer >= 'A' && *Buffer <= 'Z') || FChar::IsDigit(*Buffer) || *Buffer == '_'
		|| *Buffer == ':')
	{
		++Buffer;
	}
	Out = FString(Start, static_cast<int32>(Buffer - Start));
	return Buffer;
}

template <typename T>
static FString FormatShortest(T Value)
{
	char Text[64];
	const auto Result = std::to_chars(Text, Text + sizeof(Text), Value);
	FString Out(Text, static_cast<int32>(Result.ptr - Text));
	if (!Out.Contains(".") && !Out.Contains("e") && !Out.Contains("n"))
	{
		Out += ".0";
	}
	return Out;
}

FString FormatFloat(float Value)
{
	return FormatShortest(Value);
}

FString FormatDouble(double Value)
{
	return FormatShortest(Value);
}
}
