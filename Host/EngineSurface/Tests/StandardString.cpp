// Must not compile in the engine-surface build: the engine's text is FString, not std::string.
#include "CoreMinimal.h"

FString Greeting(const FString& Name)
{
	const std::string Text = std::string("Hello, ") + *Name;
	return FString(Text.c_str());
}
