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
/** Shortest text that reads back to the same number, always with a '.' or an exponent. */
FString FormatFloat(float Value);
FString FormatDouble(double Value);
}
