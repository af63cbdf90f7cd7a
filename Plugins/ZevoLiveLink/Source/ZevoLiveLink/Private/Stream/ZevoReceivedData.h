#pragma once
// FZevoReceivedData: the bytes of one received datagram, shared between the receiver thread that
// copied them and the game-thread task that decodes them. One allocation holds the count and the
// bytes, so queuing a datagram costs exactly one allocation.
#include "CoreMinimal.h"

#include <cstring>
#include <memory>

class FZevoReceivedData
{
public:
	FZevoReceivedData() = default;

	/** A new shared copy of Count bytes. */
	static FZevoReceivedData Copy(const uint8* Bytes, int32 Count)
	{
		FZevoReceivedData Result;
		if (Count > 0)
		{
			std::shared_ptr<uint8[]> Copied = std::make_shared_for_overwrite<uint8[]>(static_cast<size_t>(Count));
			std::memcpy(Copied.get(), Bytes, static_cast<size_t>(Count));
			Result.Bytes = MoveTemp(Copied);
			Result.Count = Count;
		}
		return Result;
	}

	const uint8* GetData() const { return Bytes.get(); }
	int32 Num() const { return Count; }

private:
	std::shared_ptr<const uint8[]> Bytes;
	int32 Count = 0;
};
