#pragma once
// FZevoReceivedData: the bytes of one received datagram, handed from the receiver thread that
// copied them to the game-thread task that decodes them. It owns them alone and moves with the
// task, so queuing a datagram costs exactly one allocation, the bytes'.
#include "CoreMinimal.h"

class FZevoReceivedData
{
public:
	FZevoReceivedData() = default;

	/** A new copy of Count bytes. */
	static FZevoReceivedData Copy(const uint8* Bytes, int32 Count)
	{
		FZevoReceivedData Result;
		if (Count > 0)
		{
			Result.Bytes.Append(Bytes, Count);
		}
		return Result;
	}

	const uint8* GetData() const { return Bytes.GetData(); }
	int32 Num() const { return Bytes.Num(); }

private:
	TArray<uint8> Bytes;
};
