// The character message: an actor name, a blob of 211 little-endian floats (hips position and
// one W-first quaternion per stream bone) and up to seven big-endian property floats.
#include "Roles/LiveLinkAnimationTypes.h"
#include "ZevoCharacterFrame.h"
#include "ZevoLiveLinkSource.h"
#include "ZevoOscReader.h"
#include "ZevoStreamSkeleton.h"

void ZevoLiveLinkSource::ProcessCharacterData(const uint8* Data, int32 DataSize, int32 Offset)
{
	FZevoOscReader Reader(Data, DataSize, Offset, &LogLimiter);
	FAnsiStringView TypeTags;
	if (!Reader.ReadString(TypeTags) || TypeTags.IsEmpty() || TypeTags[0] != ',')
	{
		return;
	}

	FAnsiStringView ActorName;
	const uint8* BoneData = nullptr;
	int32 BoneValueCount = 0;
	float PropertyValues[ZevoCharacterPropertyCount] = {};
	int32 FloatCount = 0;

	bool bWalking = true;
	for (int32 TagIndex = 1; bWalking && TagIndex < TypeTags.Len(); ++TagIndex)
	{
		switch (TypeTags[TagIndex])
		{
		case 's':
			if (!Reader.ReadString(ActorName))
			{
				return;
			}
			if (ActorName.IsEmpty())
			{
				ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("Failed to parse actor name"));
				return;
			}
			break;
		case 'b':
		{
			int32 BlobSize = 0;
			if (!Reader.ReadInt32(BlobSize))
			{
				ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("Offset exceeds data size for float. Offset: %d, DataSize: %d"), Reader.GetOffset(), DataSize);
				return;
			}
			if (BlobSize < 0)
			{
				ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("Invalid Blob Size: %d. A blob size cannot be negative; message ignored."), BlobSize);
				return;
			}
			if (BlobSize > Reader.GetRemaining())
			{
				ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("Invalid Blob Size: %d. Only %d bytes remain in the datagram; message ignored."), BlobSize,
					Reader.GetRemaining());
				return;
			}
			const uint8* Payload = Reader.Skip(BlobSize);
			if (BlobSize % 4 != 0)
			{
				ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("Invalid Blob Size: %d. Must be a multiple of 4."), BlobSize);
				break;
			}
			BoneData = Payload;
			BoneValueCount = BlobSize / 4;
			break;
		}
		case 'f':
			if (!Reader.ReadFloatRun(TypeTags, TagIndex, PropertyValues, ZevoCharacterPropertyCount, FloatCount))
			{
				ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("Data out of bounds for float"));
				bWalking = false;
			}
			break;
		case 'i':
		{
			int32 Ignored = 0;
			if (!Reader.ReadInt32(Ignored))
			{
				ZEVO_LIMITED_LOG(LogLimiter, Warning, TEXT("Data out of bounds for int32"));
				bWalking = false;
			}
			break;
		}
		default:
			// Tags this stream does not send carry no bytes here: the position stays.
			break;
		}
	}

	if (BoneValueCount != ZevoCharacterBoneValueCount)
	{
		ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("Insufficient Bone Data received : %d (expected 211)"), BoneValueCount);
		return;
	}

	FLiveLinkFrameDataStruct Frame;
	Frame.InitializeWith(FLiveLinkAnimationFrameData::StaticStruct());
	FLiveLinkAnimationFrameData& Animation = *Frame.Cast<FLiveLinkAnimationFrameData>();
	Animation.Transforms = ZevoConvertCharacterBoneData(BoneData);
	Animation.PropertyValues.Append(PropertyValues, ZevoCharacterPropertyCount);
	PublishFrame(ESubjectKind::Character, ActorName, 0, MoveTemp(Frame));
}
