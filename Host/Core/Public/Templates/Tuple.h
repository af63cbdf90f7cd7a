#pragma once
// TTuple: std::tuple with the engine's Get<Index>() accessor.
#include <tuple>

template <typename... Types>
struct TTuple : std::tuple<Types...>
{
	using std::tuple<Types...>::tuple;

	template <std::size_t Index>
	auto& Get() { return std::get<Index>(*this); }
	template <std::size_t Index>
	const auto& Get() const { return std::get<Index>(*this); }
};

template <typename... Types>
TTuple(Types...) -> TTuple<Types...>;

template <typename... Types>
TTuple<std::decay_t<Types>...> MakeTuple(Types&&... Values)
{
	return TTuple<std::decay_t<Types>...>(std::forward<Types>(Values)...);
}
