#include "Styling/AppStyle.h"

#include "Logging/LogMacros.h"

FSlateFontInfo FAppStyle::GetFontStyle(FName PropertyName)
{
	if (PropertyName == FName("PropertyWindow.NormalFont"))
	{
		return FSlateFontInfo("Regular", 8.f, PropertyName);
	}
	if (PropertyName == FName("PropertyWindow.BoldFont"))
	{
		return FSlateFontInfo("Bold", 8.f, PropertyName);
	}
	UE_LOG(LogTemp, Warning, "Unable to find font style '%s'", *PropertyName.ToString());
	return FSlateFontInfo();
}
