#pragma once
// TObjectPtr: how a class holds an object it refers to, so that reflection sees the reference
// (UPROPERTY() TObjectPtr<USkeleton> Skeleton) and the engine's garbage collector keeps the object.
// Knowingly different from the engine: there is no garbage collector and no lazy loading, so it
// is a plain pointer by another name, of the same size, which reflection reads as one.
#include <cstddef>
#include <type_traits>

template <typename T>
class TObjectPtr
{
public:
	TObjectPtr() = default;
	TObjectPtr(std::nullptr_t) {}
	template <typename U>
		requires std::is_convertible_v<U*, T*>
	TObjectPtr(U* InObject) : Object(InObject)
	{
	}
	template <typename U>
		requires std::is_convertible_v<U*, T*>
	TObjectPtr(const TObjectPtr<U>& Other) : Object(Other.Get())
	{
	}

	T* Get() const { return Object; }
	operator T*() const { return Object; }
	T* operator->() const { return Object; }
	T& operator*() const { return *Object; }

private:
	T* Object = nullptr;
};
