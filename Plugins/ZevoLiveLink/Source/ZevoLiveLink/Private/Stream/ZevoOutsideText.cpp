#include "ZevoOutsideText.h"

namespace
{
bool IsControlByte(ANSICHAR Character)
{
	const uint8 Byte = static_cast<uint8>(Character);
	return Byte < 0x20 || Byte == 0x7F;
}
}

EZevoNameProblem ZevoFindNameProblem(FAnsiStringView Bytes)
{
	if (Bytes.Len() > ZevoMaxSubjectNameBytes)
	{
		return EZevoNameProblem::TooLong;
	}
	for (const ANSICHAR Character : Bytes)
	{
		if (IsControlByte(Character))
		{
			return EZevoNameProblem::ControlByte;
		}
	}
	return EZevoNameProblem::None;
}

FString ZevoEscapeForLog(FAnsiStringView Bytes, int32 MaxBytes)
{
	const int32 Shown = FMath::Min(Bytes.Len(), FMath::Max(MaxBytes, 0));
	FString Text;
	Text.Reserve(Shown + 16);
	for (int32 Index = 0; Index < Shown; ++Index)
	{
		const uint8 Byte = static_cast<uint8>(Bytes[Index]);
		if (Byte == '\\')
		{
			Text += TEXT("\\\\");
		}
		else if (Byte >= 0x20 && Byte < 0x7F)
		{
			Text.AppendChar(static_cast<TCHAR>(Byte));
		}
		else
		{
			Text += FString::Printf(TEXT("\\x%02X"), Byte);
		}
	}
	if (Shown < Bytes.Len())
	{
		Text += FString::Printf(TEXT("... (%d bytes)"), Bytes.Len());
	}
	return Text;
}
