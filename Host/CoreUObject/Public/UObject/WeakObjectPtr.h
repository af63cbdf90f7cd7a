#pragma once
// TWeakObjectPtr: a reference to an object that does not keep it alive and reads null once the
// object is destroyed (a later object at the same address does not revive it).
#include "UObject/Object.h"
#include "UObject/UObjectArray.h"

template <typename T = UObject>
class TWeakObjectPtr
{
public:
	TWeakObjectPtr() = default;
	TWeakObjectPtr(const T* InObject) : Object(const_cast<T*>(InObject)), SerialNumber(InObject ? InObject->GetSerialNumber() : 0) {}

	/** The object, or null when it is gone (or was never set). */
	T* Get() const { return Object && FUObjectArray::IsLive(Object, SerialNumber) ? Object : nullptr; }
	bool IsValid() const { return Get() != nullptr; }
	explicit operator bool() const { return IsValid(); }
	T* operator->() const { return Get(); }
	void Reset() { *this = TWeakObjectPtr(); }

	friend bool operator==(const TWeakObjectPtr& A, const TWeakObjectPtr& B)
	{
		return A.Object == B.Object && A.SerialNumber == B.SerialNumber;
	}

private:
	T* Object = nullptr;
	uint64 SerialNumber = 0;
};
