#pragma once
// TAttribute: a value that is either fixed or computed by a bound getter each time it is read.
// Widgets hold their properties as attributes, so a bound text or colour follows its source
// without anyone refreshing the widget. An attribute whose getter's object died keeps its last value.
#include "Delegates/Delegate.h"

#include <type_traits>

template <typename ObjectType>
class TAttribute
{
public:
	using FGetter = TDelegate<ObjectType()>;

	/** Unset: widgets use their default. */
	TAttribute() = default;
	template <typename OtherType>
		requires(!std::is_same_v<std::decay_t<OtherType>, TAttribute> && std::is_constructible_v<ObjectType, const OtherType&>)
	TAttribute(const OtherType& InValue) : Value(InValue), bIsSet(true) {}
	/** Bound to a const method of an object: weakly when the object is shared-owned, else raw. */
	template <typename SourceType, typename MethodType>
		requires std::is_member_function_pointer_v<MethodType>
	TAttribute(SourceType* InObject, MethodType InMethod) : TAttribute(Create(FGetter::CreateBound(InObject, InMethod))) {}

	static TAttribute Create(FGetter InGetter)
	{
		TAttribute Attribute;
		Attribute.Getter = std::move(InGetter);
		Attribute.bIsSet = true;
		return Attribute;
	}
	template <typename FunctorType>
	static TAttribute CreateLambda(FunctorType&& Functor)
	{
		return Create(FGetter::CreateLambda(std::forward<FunctorType>(Functor)));
	}

	/** The value now: a bound attribute calls its getter. */
	const ObjectType& Get() const
	{
		if (Getter.IsBound())
		{
			Value = Getter.Execute();
		}
		return Value;
	}
	ObjectType Get(const ObjectType& DefaultValue) const { return bIsSet ? Get() : DefaultValue; }

	void Set(const ObjectType& InValue)
	{
		Getter.Unbind();
		Value = InValue;
		bIsSet = true;
	}
	bool IsSet() const { return bIsSet; }
	bool IsBound() const { return Getter.IsBound(); }

private:
	mutable ObjectType Value{};
	FGetter Getter;
	bool bIsSet = false;
};
