#include "Features/IModularFeatures.h"

#include "Logging/LogMacros.h"

#include <cstdlib>

IModularFeatures& IModularFeatures::Get()
{
	static IModularFeatures Registry;
	return Registry;
}

void IModularFeatures::RegisterModularFeature(FName Type, IModularFeature* ModularFeature)
{
	if (!ModularFeature)
	{
		return;
	}
	std::lock_guard Guard(Lock);
	Features.FindOrAdd(Type).AddUnique(ModularFeature);
}

void IModularFeatures::UnregisterModularFeature(FName Type, IModularFeature* ModularFeature)
{
	std::lock_guard Guard(Lock);
	if (TArray<IModularFeature*>* Implementations = Features.Find(Type))
	{
		Implementations->Remove(ModularFeature);
	}
}

int32 IModularFeatures::GetModularFeatureImplementationCount(FName Type) const
{
	std::lock_guard Guard(Lock);
	const TArray<IModularFeature*>* Implementations = Features.Find(Type);
	return Implementations ? Implementations->Num() : 0;
}

IModularFeature* IModularFeatures::GetModularFeatureImplementation(FName Type, int32 Index) const
{
	std::lock_guard Guard(Lock);
	const TArray<IModularFeature*>* Implementations = Features.Find(Type);
	return Implementations && Implementations->IsValidIndex(Index) ? (*Implementations)[Index] : nullptr;
}

IModularFeature& IModularFeatures::GetFirstChecked(FName Type) const
{
	IModularFeature* First = GetModularFeatureImplementation(Type, 0);
	if (!First)
	{
		UE_LOG(LogTemp, Fatal, "ModularFeatures: No implementation of feature '%s' is registered", *Type.ToString());
		std::abort();
	}
	return *First;
}
