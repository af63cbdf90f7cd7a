// Must not compile in the engine-surface build: the engine's log takes a TEXT("...") format.
#include "CoreMinimal.h"

void LogConnection(int32 Port)
{
	UE_LOG(LogTemp, Log, "Listening on port %d", Port);
}
