// Must not compile in the engine-surface build: %s takes TCHAR text, and a narrow literal is not.
#include "CoreMinimal.h"

FString DescribeSocket(bool bValid)
{
	return FString::Printf(TEXT("Socket: %s"), bValid ? "Valid" : "Null");
}
