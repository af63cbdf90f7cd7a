#include "JsonWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace
{
/** The length of the valid UTF-8 sequence at the start of Text, or 0 when it is not one. */
size_t ValidSequenceLength(std::string_view Text)
{
	const auto Byte = [&](size_t Index) { return static_cast<unsigned char>(Text[Index]); };
	const unsigned char Lead = Byte(0);
	size_t Length = Lead < 0x80 ? 1 : Lead >= 0xC2 && Lead <= 0xDF ? 2 : Lead >= 0xE0 && Lead <= 0xEF ? 3 : Lead >= 0xF0 && Lead <= 0xF4 ? 4 : 0;
	if (Length == 0 || Length > Text.size())
	{
		return 0;
	}
	for (size_t Index = 1; Index < Length; ++Index)
	{
		if ((Byte(Index) & 0xC0) != 0x80)
		{
			return 0;
		}
	}
	// Overlong three- and four-byte forms, UTF-16 surrogates and code points above U+10FFFF.
	const unsigned char Second = Length > 1 ? Byte(1) : 0;
	if ((Lead == 0xE0 && Second < 0xA0) || (Lead == 0xED && Second >= 0xA0) || (Lead == 0xF0 && Second < 0x90) || (Lead == 0xF4 && Second >= 0x90))
	{
		return 0;
	}
	return Length;
}
}

void FJsonWriter::Separate()
{
	if (bAfterKey)
	{
		bAfterKey = false;
		return;
	}
	if (!bFirst)
	{
		Out += ',';
	}
	bFirst = false;
}

void FJsonWriter::Key(std::string_view Name)
{
	Separate();
	Out += '"';
	Out += Name;
	Out += "\":";
	bAfterKey = true;
}

void FJsonWriter::String(std::string_view Text)
{
	Separate();
	AppendEscaped(Text);
}

void FJsonWriter::Integer(long long Value)
{
	Separate();
	char Buffer[24];
	const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value);
	Out.append(Buffer, Result.ptr);
}

void FJsonWriter::Number(double Value, int Decimals)
{
	Separate();
	if (!std::isfinite(Value))
	{
		Out += "null";
		return;
	}
	char Buffer[64];
	const auto Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::fixed, Decimals);
	// A value too large for the buffer in fixed form is no position anyone can look at.
	if (Result.ec == std::errc())
	{
		Out.append(Buffer, Result.ptr);
	}
	else
	{
		Out += "null";
	}
}

void FJsonWriter::AppendEscaped(std::string_view Text)
{
	static const char Hex[] = "0123456789abcdef";
	Out += '"';
	// Most text (bone names, labels) is plain ASCII: copied whole.
	const bool bPlain = std::all_of(Text.begin(), Text.end(), [](char C) {
		const unsigned char Byte = static_cast<unsigned char>(C);
		return Byte >= 0x20 && Byte < 0x80 && Byte != '"' && Byte != '\\';
	});
	if (bPlain)
	{
		Out += Text;
		Out += '"';
		return;
	}
	for (size_t At = 0; At < Text.size();)
	{
		const unsigned char Byte = static_cast<unsigned char>(Text[At]);
		if (Byte == '"' || Byte == '\\')
		{
			Out += '\\';
			Out += static_cast<char>(Byte);
			++At;
		}
		else if (Byte < 0x20)
		{
			Out += "\\u00";
			Out += Hex[Byte >> 4];
			Out += Hex[Byte & 15];
			++At;
		}
		else if (const size_t Length = ValidSequenceLength(Text.substr(At)))
		{
			Out.append(Text.substr(At, Length));
			At += Length;
		}
		else
		{
			Out += "\xEF\xBF\xBD";
			++At;
		}
	}
	Out += '"';
}
