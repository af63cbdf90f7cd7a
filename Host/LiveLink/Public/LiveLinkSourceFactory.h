#pragma once
// ULiveLinkSourceFactory: an entry of the Live Link window's "add source" menu. The window shows
// the factory's name and tool tip; choosing a sub-panel entry shows the panel the factory builds,
// which hands each source it creates, with its connection string, to the callback it was given.
// The host also creates sources from saved connection strings through CreateSource.
// The panel is a widget of the editor; here it is only declared, so Live Link stays below the editor.
#include "Delegates/Delegate.h"
#include "ILiveLinkSource.h"
#include "UObject/Object.h"

class SWidget;

class ULiveLinkSourceFactory : public UObject
{
	ZEVO_CLASS(ULiveLinkSourceFactory, UObject)

public:
	enum class EMenuType
	{
		/** Choosing the entry shows the creation panel. */
		SubPanel,
		/** Choosing the entry creates a source at once. */
		MenuEntry,
		Disabled,
	};

	/** Receives a new source and its connection string. */
	DECLARE_DELEGATE_TwoParams(FOnLiveLinkSourceCreated, TSharedPtr<ILiveLinkSource>, FString);

	virtual FText GetSourceDisplayName() const = 0;
	virtual FText GetSourceTooltip() const = 0;
	virtual EMenuType GetMenuType() const { return EMenuType::Disabled; }
	/** The sub-panel; empty when the factory has none. */
	virtual TSharedPtr<SWidget> BuildCreationPanel(FOnLiveLinkSourceCreated OnLiveLinkSourceCreated) const { return nullptr; }
	/** A source for the connection string, or empty when the string is not one this factory reads. */
	virtual TSharedPtr<ILiveLinkSource> CreateSource(const FString& ConnectionString) const = 0;
};
