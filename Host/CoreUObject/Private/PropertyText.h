#pragma once
// Reading and writing the pieces of property text: blanks, quoted strings and bare tokens.
#include "Containers/UnrealString.h"

namespace PropertyText
{
const char* SkipBlanks(const char* Buffer);
/** Appends Text in double quotes, with quotes, backslashes and control characters escaped. */
void AppendQuoted(FString& Out, const FString& Text);
/** Reads a quoted string at Buffer (which starts with '"'); null when it is not closed. */
const char* ReadQuoted(const char* Buffer, FString& Out);
/** Reads up to the next ',' or ')' (or the end), without trailing blanks. */
const char* ReadDelimitedToken(const char* Buffer, FString& Out);
/** A quoted string, or a bare token ending at ',' or ')'; undelimited, the rest of the text. */
const char* ReadText(const char* Buffer, FString& Out, bool bDelimited);
/** Letters, digits, '_' and ':' (identifiers and "Enum::Value"). */
const char* ReadIdentifier(const char* Buffer, FString& Out);
/** Reads "(item, item, ...)" at Buffer, blanks allowed around each part; ReadItem reads one item
 *  and returns where it ended, or null to fail the list. Returns the end of the list or null. */
template <typename ItemReader>
const char* ReadParenthesizedList(const char* Buffer, ItemReader&& ReadItem)
{
	Buffer = SkipBlanks(Buffer);
	if (*Buffer != '(')
	{
		return nullptr;
	}
	Buffer = SkipBlanks(Buffer + 1);
	if (*Buffer == ')')
	{
		return Buffer + 1;
	}
	for (;;)
	{
		Buffer = ReadItem(SkipBlanks(Buffer));
		if (!Buffer)
		{
			return nullptr;
		}
		Buffer = SkipBlanks(Buffer);
		if (*Buffer == ')')
		{
			return Buffer + 1;
		}
		if (*Buffer != ',')
		{
			return nullptr;
		}
		++Buffer;
	}
}
/** Shortest text that reads back to the same number, always with a '.' or an exponent. */
FString FormatFloat(float Value);
FString FormatDouble(double Value);
}
