#pragma once
// The engine's shared and weak references over the standard ones. Every mode counts atomically,
// so ESPMode only documents intent here.
#include <memory>

enum class ESPMode
{
	NotThreadSafe,
	ThreadSafe,
};

template <typename T, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedPtr : public std::shared_ptr<T>
{
public:
	using std::shared_ptr<T>::shared_ptr;
	TSharedPtr() = default;
	TSharedPtr(std::shared_ptr<T> Other) : std::shared_ptr<T>(std::move(Other)) {}
	template <typename U, ESPMode M>
	TSharedPtr(const TSharedPtr<U, M>& Other) : std::shared_ptr<T>(Other) {}

	bool IsValid() const { return this->get() != nullptr; }
	T* Get() const { return this->get(); }
	void Reset() { this->reset(); }
	T& ToSharedRef() const { return *this->get(); }
};

template <typename T, ESPMode Mode = ESPMode::ThreadSafe>
using TSharedRef = TSharedPtr<T, Mode>;

template <typename T, ESPMode Mode = ESPMode::ThreadSafe>
class TWeakPtr : public std::weak_ptr<T>
{
public:
	using std::weak_ptr<T>::weak_ptr;
	TWeakPtr() = default;
	template <typename U, ESPMode M>
	TWeakPtr(const TSharedPtr<U, M>& Shared) : std::weak_ptr<T>(Shared) {}

	TSharedPtr<T, Mode> Pin() const { return TSharedPtr<T, Mode>(this->lock()); }
	bool IsValid() const { return !this->expired(); }
	void Reset() { this->reset(); }
};

template <typename T, ESPMode Mode = ESPMode::ThreadSafe, typename... ArgTypes>
TSharedPtr<T, Mode> MakeShared(ArgTypes&&... Args)
{
	return TSharedPtr<T, Mode>(std::make_shared<T>(std::forward<ArgTypes>(Args)...));
}

template <typename T, ESPMode Mode = ESPMode::ThreadSafe>
TSharedPtr<T, Mode> MakeShareable(T* Object)
{
	return TSharedPtr<T, Mode>(std::shared_ptr<T>(Object));
}

template <typename T, ESPMode Mode = ESPMode::ThreadSafe>
class TSharedFromThis : public std::enable_shared_from_this<T>
{
public:
	TSharedPtr<T, Mode> AsShared() { return TSharedPtr<T, Mode>(this->shared_from_this()); }
	TWeakPtr<T, Mode> AsWeak() { return TWeakPtr<T, Mode>(this->weak_from_this()); }
};

template <typename To, typename From, ESPMode Mode>
TSharedPtr<To, Mode> StaticCastSharedPtr(const TSharedPtr<From, Mode>& Pointer)
{
	return TSharedPtr<To, Mode>(std::static_pointer_cast<To>(Pointer));
}
