#pragma once
// SWidget: the base of every widget. A widget has a type name (its class, set by SNew), a
// visibility and a tool tip, its own attributes and its children. Nothing is drawn: the widget
// tree is rendered as text or JSON (Widgets/WidgetTree.h), evaluating bound attributes at that
// moment, which is what painting does in the engine.
// Game thread only.
#include "CoreMinimal.h"
#include "Widgets/DeclarativeSyntaxSupport.h"
#include "Widgets/WidgetDescription.h"

class SWidget;

/** A child with the attributes of the slot that holds it (alignment, padding, size rule). */
struct FWidgetChild
{
	TSharedPtr<SWidget> Widget;
	FWidgetDescription Slot;
};

class SWidget : public TSharedFromThis<SWidget>
{
public:
	virtual ~SWidget() = default;

	FName GetType() const { return TypeName; }

	EVisibility GetVisibility() const { return Visibility.Get(EVisibility::Visible); }
	void SetVisibility(TAttribute<EVisibility> InVisibility) { Visibility = std::move(InVisibility); }
	FText GetToolTipText() const { return ToolTipText.Get(FText()); }
	void SetToolTipText(TAttribute<FText> InToolTipText) { ToolTipText = std::move(InToolTipText); }

	/** The widget's own attributes, then its tool tip and visibility when set, all evaluated now. */
	FWidgetDescription Describe() const;
	virtual TArray<FWidgetChild> GetChildren() const { return {}; }

	// Called by SNew before Construct.
	void SetTypeName(FName InTypeName) { TypeName = InTypeName; }
	void SWidgetConstruct(const TAttribute<FText>& InToolTipText, const TAttribute<EVisibility>& InVisibility);

protected:
	virtual void DescribeAttributes(FWidgetDescription& Out) const {}

private:
	FName TypeName;
	TAttribute<EVisibility> Visibility;
	TAttribute<FText> ToolTipText;
};
