#pragma once
// UDeveloperSettings: the base of a settings object that the editor shows as one page of its
// settings, filed under a container, a category and a section.
#include "UObject/Object.h"

class UDeveloperSettings : public UObject
{
	ZEVO_CLASS(UDeveloperSettings, UObject)

public:
	/** The settings window the page belongs to: "Project". */
	virtual FName GetContainerName() const { return "Project"; }
	/** The group of pages: "Game" unless a subclass files itself elsewhere. */
	virtual FName GetCategoryName() const { return "Game"; }
	/** The page itself: the class's name. */
	virtual FName GetSectionName() const { return GetClass()->GetFName(); }
};
