#pragma once
// IDetailCustomization: lays out the whole details panel of a class (registered with
// FPropertyEditorModule::RegisterCustomClassLayout). One instance serves one panel layout.
class IDetailLayoutBuilder;

class IDetailCustomization
{
public:
	virtual ~IDetailCustomization() = default;
	virtual void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) = 0;
};
