#pragma once
// IModularFeature: the base of every interface published through IModularFeatures.

class IModularFeature
{
public:
	virtual ~IModularFeature() = default;
};
