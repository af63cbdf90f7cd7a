#include "ZevoSubjectNames.h"

#include "ZevoOscReader.h"

bool FZevoSubjectNames::Find(FAnsiStringView Bytes, FName& OutName) const
{
	// Looked up as text: a name is made only for bytes that are let in.
	if (const FName* Found = Known.Find(ZevoOscBytesToText(Bytes)))
	{
		OutName = *Found;
		return true;
	}
	return false;
}

bool FZevoSubjectNames::Add(FAnsiStringView Bytes, FName& OutName)
{
	if (Known.Num() >= MaxDistinctNames)
	{
		return false;
	}
	FString Text = ZevoOscBytesToText(Bytes);
	OutName = FName(Text);
	Known.Add(MoveTemp(Text), OutName);
	return true;
}
