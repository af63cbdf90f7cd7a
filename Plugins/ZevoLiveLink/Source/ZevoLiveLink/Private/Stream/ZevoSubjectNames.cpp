#include "ZevoSubjectNames.h"

#include "ZevoOscReader.h"

bool FZevoSubjectNames::Admit(FAnsiStringView Bytes, FName& OutName)
{
	// Looked up as text first: a name is made only for bytes that are let in.
	FString Text = ZevoOscBytesToText(Bytes);
	if (const FName* Found = Known.Find(Text))
	{
		OutName = *Found;
		return true;
	}
	if (Known.Num() >= MaxDistinctNames)
	{
		return false;
	}
	OutName = FName(Text);
	Known.Add(MoveTemp(Text), OutName);
	return true;
}
