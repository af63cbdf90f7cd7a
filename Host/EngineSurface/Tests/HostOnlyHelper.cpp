// Must not compile in the engine-surface build: the engine has no FCString::EqualsIgnoreCase
// (it compares with a string view's Equals(..., ESearchCase::IgnoreCase)).
#include "CoreMinimal.h"
#include "Misc/CString.h"

bool IsHips(const FString& BoneName)
{
	return FCString::EqualsIgnoreCase(*BoneName, "hips");
}
