#pragma once
// Declarative construction of widgets, as in the engine:
//   SNew(SButton).OnClicked(this, &SMyPanel::OnOkClicked)[ SNew(STextBlock).Text(OkText) ]
//   SAssignNew(TextBox, SEditableTextBox).Text(InitialText)
//   SNew(SVerticalBox) + SVerticalBox::Slot().AutoHeight()[ ... ]
// A widget declares its arguments between SLATE_BEGIN_ARGS and SLATE_END_ARGS and receives them in
// Construct(const FArguments&). An attribute argument takes a value, a TAttribute, an object and a
// const method (bound weakly when the object is shared-owned), or a lambda (Name_Lambda).
#include "CoreMinimal.h"
#include "Layout/Visibility.h"
#include "Misc/Attribute.h"

class SWidget;

#define SLATE_ATTRIBUTE(AttrType, AttrName) \
	TAttribute<AttrType> _##AttrName; \
	WidgetArgsType& AttrName(TAttribute<AttrType> InAttribute) \
	{ \
		_##AttrName = std::move(InAttribute); \
		return this->Me(); \
	} \
	template <typename UserClass, typename MethodType, typename... VarTypes> \
	WidgetArgsType& AttrName(UserClass* InUserObject, MethodType InMethod, VarTypes... Vars) \
	{ \
		_##AttrName = TAttribute<AttrType>::Create(TDelegate<AttrType()>::CreateBound(InUserObject, InMethod, std::move(Vars)...)); \
		return this->Me(); \
	} \
	template <typename FunctorType> \
	WidgetArgsType& AttrName##_Lambda(FunctorType&& InFunctor) \
	{ \
		_##AttrName = TAttribute<AttrType>::CreateLambda(std::forward<FunctorType>(InFunctor)); \
		return this->Me(); \
	}

#define SLATE_ARGUMENT(ArgType, ArgName) \
	ArgType _##ArgName{}; \
	WidgetArgsType& ArgName(ArgType InArg) \
	{ \
		_##ArgName = std::move(InArg); \
		return this->Me(); \
	}

#define SLATE_EVENT(DelegateName, EventName) \
	DelegateName _##EventName; \
	WidgetArgsType& EventName(const DelegateName& InDelegate) \
	{ \
		_##EventName = InDelegate; \
		return this->Me(); \
	} \
	template <typename UserClass, typename MethodType, typename... VarTypes> \
	WidgetArgsType& EventName(UserClass* InUserObject, MethodType InMethod, VarTypes... Vars) \
	{ \
		_##EventName = DelegateName::CreateBound(InUserObject, InMethod, std::move(Vars)...); \
		return this->Me(); \
	} \
	template <typename FunctorType> \
	WidgetArgsType& EventName##_Lambda(FunctorType&& InFunctor) \
	{ \
		_##EventName = DelegateName::CreateLambda(std::forward<FunctorType>(InFunctor)); \
		return this->Me(); \
	}

/** The widget's one unnamed child: Widget[ SNew(...) ]. */
#define SLATE_DEFAULT_SLOT(DeclarationType, SlotName) \
	TSharedPtr<SWidget> _##SlotName; \
	WidgetArgsType& operator[](TSharedPtr<SWidget> InChild) \
	{ \
		_##SlotName = std::move(InChild); \
		return this->Me(); \
	}

/** Children added with Widget + Widget::Slot()...[ child ]. */
#define SLATE_SUPPORTS_SLOT(SlotType) \
	TArray<SlotType> _Slots; \
	WidgetArgsType& operator+(const SlotType& InSlot) \
	{ \
		_Slots.Add(InSlot); \
		return this->Me(); \
	}

/** Arguments every widget takes. */
template <typename InWidgetArgsType>
struct TSlateBaseNamedArgs
{
	using WidgetArgsType = InWidgetArgsType;
	WidgetArgsType& Me() { return static_cast<WidgetArgsType&>(*this); }

	SLATE_ATTRIBUTE(FText, ToolTipText)
	SLATE_ATTRIBUTE(EVisibility, Visibility)
};

#define SLATE_BEGIN_ARGS(WidgetType) \
public: \
	struct FArguments : public TSlateBaseNamedArgs<FArguments> \
	{ \
		using WidgetArgsType = FArguments; \
		FArguments()

#define SLATE_END_ARGS() \
	};

/** What SNew builds: the new widget, given its arguments by operator<<=. */
template <typename WidgetType>
class TSlateDecl
{
public:
	TSlateDecl(const char* InTypeName, TSharedPtr<WidgetType> InWidget) : Widget(std::move(InWidget))
	{
		Widget->SetTypeName(FName(InTypeName));
	}
	template <typename PointerType>
	TSlateDecl&& Expose(PointerType& OutPointer) &&
	{
		OutPointer = Widget;
		return std::move(*this);
	}
	TSharedPtr<WidgetType> operator<<=(const typename WidgetType::FArguments& InArgs) &&
	{
		Widget->SWidgetConstruct(InArgs._ToolTipText, InArgs._Visibility);
		Widget->Construct(InArgs);
		return Widget;
	}

private:
	TSharedPtr<WidgetType> Widget;
};

#define SNew(WidgetType, ...) TSlateDecl<WidgetType>(#WidgetType, MakeShared<WidgetType>(__VA_ARGS__)) <<= WidgetType::FArguments()
#define SAssignNew(ExposeAs, WidgetType, ...) \
	TSlateDecl<WidgetType>(#WidgetType, MakeShared<WidgetType>(__VA_ARGS__)).Expose(ExposeAs) <<= WidgetType::FArguments()
