#pragma once
// A class the test types point to: HeaderToolTestTypes.h only declares it.
#include "UObject/Object.h"
#include "HeaderToolTarget.generated.h"

UCLASS()
class UHeaderToolTarget : public UObject
{
	GENERATED_BODY()
};
