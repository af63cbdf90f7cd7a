#pragma once
// TDelegate: a single-cast callback, bound to a function, a lambda or a method of an object, with
// extra arguments ("payload") fixed at binding time and appended after the call's own arguments.
// A method bound through a shared pointer (BindSP) holds the object weakly: once the object is
// gone the delegate reads as unbound and is never called.
// Knowingly different from the engine: there is no garbage collector, so BindUObject is BindRaw
// (the caller unbinds before the object dies), and DECLARE_DELEGATE_* declare aliases, not classes.
// Game thread only, as in the engine: a delegate has no lock.
#include "HAL/Platform.h"
#include "Templates/Function.h"
#include "Templates/SharedPointer.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <type_traits>

template <typename Signature>
class TDelegate;

template <typename RetType, typename... ParamTypes>
class TDelegate<RetType(ParamTypes...)>
{
public:
	TDelegate() = default;
	TDelegate(std::nullptr_t) {}

	template <typename FunctorType, typename... VarTypes>
	static TDelegate CreateLambda(FunctorType&& Functor, VarTypes... Vars)
	{
		TDelegate Result;
		Result.Callable = [Functor = std::forward<FunctorType>(Functor), Vars...](ParamTypes... Params) mutable -> RetType
		{ return std::invoke(Functor, std::forward<ParamTypes>(Params)..., Vars...); };
		return Result;
	}
	template <typename FunctionType, typename... VarTypes>
	static TDelegate CreateStatic(FunctionType* Function, VarTypes... Vars)
	{
		return CreateLambda(Function, std::move(Vars)...);
	}
	template <typename UserClass, typename MethodType, typename... VarTypes>
	static TDelegate CreateRaw(UserClass* Object, MethodType Method, VarTypes... Vars)
	{
		TDelegate Result;
		Result.Callable = [Object, Method, Vars...](ParamTypes... Params) mutable -> RetType
		{ return std::invoke(Method, Object, std::forward<ParamTypes>(Params)..., Vars...); };
		Result.BoundObject = Object;
		return Result;
	}
	/** Without a garbage collector a UObject binding is a raw one. */
	template <typename UserClass, typename MethodType, typename... VarTypes>
	static TDelegate CreateUObject(UserClass* Object, MethodType Method, VarTypes... Vars)
	{
		return CreateRaw(Object, Method, std::move(Vars)...);
	}
	template <typename UserClass, ESPMode Mode, typename MethodType, typename... VarTypes>
	static TDelegate CreateSP(const TSharedPtr<UserClass, Mode>& Object, MethodType Method, VarTypes... Vars)
	{
		return CreateWeak(std::weak_ptr<UserClass>(Object), Object.Get(), Method, std::move(Vars)...);
	}
	/** For an object already owned by a shared pointer (TSharedFromThis), as widgets bind themselves. */
	template <typename UserClass, typename MethodType, typename... VarTypes>
	static TDelegate CreateSP(UserClass* Object, MethodType Method, VarTypes... Vars)
	{
		using FOwner = std::remove_const_t<UserClass>;
		// Aliasing: shares the owner's count but points at UserClass, wherever its base sits.
		const std::shared_ptr<UserClass> Owned(const_cast<FOwner*>(Object)->shared_from_this(), Object);
		return CreateWeak(std::weak_ptr<UserClass>(Owned), Object, Method, std::move(Vars)...);
	}

	/**
	 * What declarative widget arguments do with (this, &Method): a weak binding when the object is
	 * owned by a shared pointer (TSharedFromThis), a raw one otherwise.
	 */
	template <typename UserClass, typename MethodType, typename... VarTypes>
	static TDelegate CreateBound(UserClass* Object, MethodType Method, VarTypes... Vars)
	{
		if constexpr (requires { Object->weak_from_this(); })
		{
			if (!Object->weak_from_this().expired())
			{
				return CreateSP(Object, Method, std::move(Vars)...);
			}
		}
		return CreateRaw(Object, Method, std::move(Vars)...);
	}

	template <typename... ArgTypes>
	void BindLambda(ArgTypes&&... Args) { *this = CreateLambda(std::forward<ArgTypes>(Args)...); }
	template <typename... ArgTypes>
	void BindStatic(ArgTypes&&... Args) { *this = CreateStatic(std::forward<ArgTypes>(Args)...); }
	template <typename... ArgTypes>
	void BindRaw(ArgTypes&&... Args) { *this = CreateRaw(std::forward<ArgTypes>(Args)...); }
	template <typename... ArgTypes>
	void BindUObject(ArgTypes&&... Args) { *this = CreateUObject(std::forward<ArgTypes>(Args)...); }
	template <typename... ArgTypes>
	void BindSP(ArgTypes&&... Args) { *this = CreateSP(std::forward<ArgTypes>(Args)...); }
	void Unbind() { *this = TDelegate(); }

	/** Bound, and the object of a shared-pointer binding still lives. */
	bool IsBound() const { return Callable && (!IsAlive || IsAlive()); }
	bool IsBoundToObject(const void* Object) const { return Object && BoundObject == Object; }

	/** Calling an unbound delegate is a programming error, as in the engine. */
	RetType Execute(ParamTypes... Params) const
	{
		if (!IsBound())
		{
			std::fprintf(stderr, "Fatal: executed an unbound delegate\n");
			std::abort();
		}
		return Callable(std::forward<ParamTypes>(Params)...);
	}
	bool ExecuteIfBound(ParamTypes... Params) const
		requires std::is_void_v<RetType>
	{
		if (!IsBound())
		{
			return false;
		}
		Callable(std::forward<ParamTypes>(Params)...);
		return true;
	}

private:
	template <typename UserClass, typename MethodType, typename... VarTypes>
	static TDelegate CreateWeak(std::weak_ptr<UserClass> Weak, const void* Object, MethodType Method, VarTypes... Vars)
	{
		TDelegate Result;
		Result.IsAlive = [Weak] { return !Weak.expired(); };
		Result.Callable = [Weak, Method, Vars...](ParamTypes... Params) mutable -> RetType
		{
			// Held for the length of the call, so the object cannot die inside its own method.
			const std::shared_ptr<UserClass> Pinned = Weak.lock();
			if (!Pinned)
			{
				// Only when the object died on another thread between IsBound and the call.
				if constexpr (std::is_default_constructible_v<RetType> || std::is_void_v<RetType>)
				{
					return RetType();
				}
				else
				{
					std::fprintf(stderr, "Fatal: executed a delegate whose object is gone\n");
					std::abort();
				}
			}
			return std::invoke(Method, Pinned.get(), std::forward<ParamTypes>(Params)..., Vars...);
		};
		Result.BoundObject = Object;
		return Result;
	}

	// Mutable so that a bound lambda may keep state between calls, as in the engine.
	mutable std::function<RetType(ParamTypes...)> Callable;
	std::function<bool()> IsAlive;
	const void* BoundObject = nullptr;
};

using FSimpleDelegate = TDelegate<void()>;

#define DECLARE_DELEGATE(DelegateName) using DelegateName = TDelegate<void()>
#define DECLARE_DELEGATE_OneParam(DelegateName, Param1) using DelegateName = TDelegate<void(Param1)>
#define DECLARE_DELEGATE_TwoParams(DelegateName, Param1, Param2) using DelegateName = TDelegate<void(Param1, Param2)>
#define DECLARE_DELEGATE_RetVal(RetValType, DelegateName) using DelegateName = TDelegate<RetValType()>

#include "Delegates/MulticastDelegate.h"
