// Must not compile in the engine-surface build: a plugin declares its reflection with USTRUCT and
// GENERATED_BODY, never with the host's own registration macros.
#include "CoreMinimal.h"
#include "UObject/Class.h"

struct FZevoCalibration
{
	float Scale = 1.0f;
};
ZEVO_DECLARE_STRUCT(FZevoCalibration)
