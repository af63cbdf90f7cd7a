#pragma once
// IModularFeatures: a registry of feature implementations by feature name, through which a module
// finds a service of another without linking to it (the Live Link client is found this way).
// Implementations of one feature keep their registration order. Any thread: one lock guards the
// registry.
#include "Containers/Array.h"
#include "Containers/Map.h"
#include "Features/IModularFeature.h"
#include "UObject/NameTypes.h"

#include <mutex>

class IModularFeatures
{
public:
	static IModularFeatures& Get();

	void RegisterModularFeature(FName Type, IModularFeature* ModularFeature);
	void UnregisterModularFeature(FName Type, IModularFeature* ModularFeature);

	int32 GetModularFeatureImplementationCount(FName Type) const;
	/** The implementation at Index in registration order, or null. */
	IModularFeature* GetModularFeatureImplementation(FName Type, int32 Index) const;
	bool IsModularFeatureAvailable(FName Type) const { return GetModularFeatureImplementationCount(Type) > 0; }
	/** The first implementation; asking for an unavailable feature is a fatal error. */
	template <typename TModularFeature>
	TModularFeature& GetModularFeature(FName Type) const
	{
		return static_cast<TModularFeature&>(GetFirstChecked(Type));
	}

private:
	IModularFeature& GetFirstChecked(FName Type) const;

	mutable std::mutex Lock;
	TMap<FName, TArray<IModularFeature*>> Features; // guarded by Lock
};
