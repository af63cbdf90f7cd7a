#include "DetailWidgetRow.h"

FDetailWidgetRow& FDetailWidgetDecl::operator[](TSharedPtr<SWidget> InWidget)
{
	Widget = std::move(InWidget);
	return Owner;
}

FDetailWidgetDecl& FDetailWidgetDecl::MinDesiredWidth(float InWidth)
{
	Layout.Add("MinDesiredWidth", double(InWidth));
	return *this;
}

FDetailWidgetDecl& FDetailWidgetDecl::MaxDesiredWidth(float InWidth)
{
	Layout.Add("MaxDesiredWidth", double(InWidth));
	return *this;
}

FDetailWidgetDecl& FDetailWidgetDecl::HAlign(EHorizontalAlignment InAlignment)
{
	Layout.Add("HAlign", InAlignment);
	return *this;
}

FDetailWidgetDecl& FDetailWidgetDecl::VAlign(EVerticalAlignment InAlignment)
{
	Layout.Add("VAlign", InAlignment);
	return *this;
}
