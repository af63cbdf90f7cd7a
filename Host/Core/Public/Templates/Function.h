#pragma once
// TFunction (copyable) and TUniqueFunction (move-only). TUniqueFunction keeps callables of up to
// InlineSize bytes inside itself, so queuing a task with a few captured handles allocates nothing.
#include "HAL/Platform.h"

#include <functional>
#include <new>
#include <type_traits>

template <typename Signature>
using TFunction = std::function<Signature>;

template <typename Signature>
class TUniqueFunction;

template <typename ReturnType, typename... ArgTypes>
class TUniqueFunction<ReturnType(ArgTypes...)>
{
	static constexpr size_t InlineSize = 96;

	struct FOps
	{
		ReturnType (*Call)(void*, ArgTypes&&...);
		void (*MoveTo)(void* From, void* To);
		void (*Destroy)(void*);
	};

	template <typename F>
	static constexpr bool bFitsInline = sizeof(F) <= InlineSize && alignof(F) <= alignof(std::max_align_t);

	template <typename F>
	static const FOps* OpsFor()
	{
		if constexpr (bFitsInline<F>)
		{
			static const FOps Ops{
				[](void* S, ArgTypes&&... A) -> ReturnType { return (*static_cast<F*>(S))(std::forward<ArgTypes>(A)...); },
				[](void* From, void* To) { new (To) F(std::move(*static_cast<F*>(From))); static_cast<F*>(From)->~F(); },
				[](void* S) { static_cast<F*>(S)->~F(); }};
			return &Ops;
		}
		else
		{
			static const FOps Ops{
				[](void* S, ArgTypes&&... A) -> ReturnType { return (**static_cast<F**>(S))(std::forward<ArgTypes>(A)...); },
				[](void* From, void* To) { *static_cast<F**>(To) = *static_cast<F**>(From); },
				[](void* S) { delete *static_cast<F**>(S); }};
			return &Ops;
		}
	}

public:
	TUniqueFunction() = default;
	TUniqueFunction(std::nullptr_t) {}
	template <typename F>
		requires(!std::is_same_v<std::decay_t<F>, TUniqueFunction> && std::is_invocable_r_v<ReturnType, F&, ArgTypes...>)
	TUniqueFunction(F&& Callable)
	{
		using Stored = std::decay_t<F>;
		if constexpr (bFitsInline<Stored>)
		{
			new (Storage) Stored(std::forward<F>(Callable));
		}
		else
		{
			*reinterpret_cast<Stored**>(Storage) = new Stored(std::forward<F>(Callable));
		}
		Ops = OpsFor<Stored>();
	}
	TUniqueFunction(TUniqueFunction&& Other) noexcept { MoveFrom(Other); }
	TUniqueFunction& operator=(TUniqueFunction&& Other) noexcept
	{
		if (this != &Other)
		{
			Reset();
			MoveFrom(Other);
		}
		return *this;
	}
	TUniqueFunction(const TUniqueFunction&) = delete;
	TUniqueFunction& operator=(const TUniqueFunction&) = delete;
	~TUniqueFunction() { Reset(); }

	explicit operator bool() const { return Ops != nullptr; }
	ReturnType operator()(ArgTypes... Args) { return Ops->Call(Storage, std::forward<ArgTypes>(Args)...); }
	void Reset()
	{
		if (Ops)
		{
			Ops->Destroy(Storage);
			Ops = nullptr;
		}
	}

private:
	void MoveFrom(TUniqueFunction& Other)
	{
		if (Other.Ops)
		{
			Other.Ops->MoveTo(Other.Storage, Storage);
			Ops = Other.Ops;
			Other.Ops = nullptr;
		}
	}

	alignas(std::max_align_t) unsigned char Storage[InlineSize];
	const FOps* Ops = nullptr;
};
