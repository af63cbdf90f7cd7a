#include "DisplayText.h"

FString ToDisplayText(const FString& Text, int32 MaxBytes)
{
	int32 Kept = Text.Len();
	if (Kept > MaxBytes)
	{
		Kept = MaxBytes;
		// Back to the start of a UTF-8 sequence, so the cut never splits a character.
		while (Kept > 0 && (static_cast<uint8>(Text[Kept]) & 0xC0) == 0x80)
		{
			--Kept;
		}
	}
	FString Display;
	for (int32 Index = 0; Index < Kept; ++Index)
	{
		const uint8 Byte = static_cast<uint8>(Text[Index]);
		// C1 controls (U+0080 to U+009F) arrive as 0xC2 followed by 0x80 to 0x9F.
		const uint8 Next = Index + 1 < Kept ? static_cast<uint8>(Text[Index + 1]) : 0;
		const bool bC1 = Byte == 0xC2 && Next >= 0x80 && Next <= 0x9F;
		if (Byte < 0x20 || Byte == 0x7F)
		{
			Display += FString::Printf("\\x%02X", Byte);
		}
		else if (bC1)
		{
			Display += FString::Printf("\\x%02X", Next);
			++Index;
		}
		else
		{
			Display.AppendChar(Text[Index]);
		}
	}
	if (Kept < Text.Len())
	{
		Display += FString::Printf("...(%d bytes)", Text.Len());
	}
	return Display;
}
