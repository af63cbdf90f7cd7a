// The prop message: type and instance number, a name and up to ten big-endian floats
// (location, X-Y-Z-W quaternion, scale), in any order; what is missing keeps its default.
#include "Roles/LiveLinkTransformTypes.h"
#include "ZevoLiveLinkSource.h"
#include "ZevoOscReader.h"

#include <charconv>
#include <cstring>

namespace
{
constexpr int32 PropFloatCount = 10;

/** "<name>_<number>", built on the stack: the subject name is made for every message. */
FName PropSubjectName(std::string_view PropName, int32 PropNumber)
{
	char Text[64];
	if (PropName.size() + 12 <= sizeof(Text))
	{
		// A message without a name leaves the view empty, with no data pointer to copy from.
		if (!PropName.empty())
		{
			std::memcpy(Text, PropName.data(), PropName.size());
		}
		char* Cursor = Text + PropName.size();
		*Cursor++ = '_';
		Cursor = std::to_chars(Cursor, Text + sizeof(Text), PropNumber).ptr;
		const std::string_view Ascii(Text, static_cast<size_t>(Cursor - Text));
		return ZevoOscBytesToName(Ascii);
	}
	return FName(FString::Printf("%s_%d", *ZevoOscBytesToText(PropName), PropNumber));
}
}

void ZevoLiveLinkSource::ProcessPropData(const uint8* Data, int32 DataSize, int32 Offset)
{
	FZevoOscReader Reader(Data, DataSize, Offset);
	std::string_view TypeTags;
	if (!Reader.ReadString(TypeTags))
	{
		return;
	}
	if (TypeTags.empty() || TypeTags[0] != ',')
	{
		UE_LOG(LogTemp, Error, "[Zevo Prop] Invalid TypeTags: %s", *ZevoOscBytesToText(TypeTags));
		return;
	}

	int32 PropType = 0;
	int32 PropNumber = 0;
	int32 IntCount = 0;
	std::string_view PropName;
	// Location, rotation (identity), scale (one).
	float Values[PropFloatCount] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1};
	int32 FloatCount = 0;

	bool bWalking = true;
	for (size_t TagIndex = 1; bWalking && TagIndex < TypeTags.size(); ++TagIndex)
	{
		switch (TypeTags[TagIndex])
		{
		case 'i':
		{
			int32 Value = 0;
			if (!Reader.ReadInt32(Value))
			{
				UE_LOG(LogTemp, Error, "[Zevo Prop] Data out of bounds for int32 at index %d", static_cast<int32>(TagIndex));
				bWalking = false;
				break;
			}
			if (IntCount == 0)
			{
				PropType = Value;
			}
			else if (IntCount == 1)
			{
				PropNumber = Value;
			}
			++IntCount;
			break;
		}
		case 's':
			if (!Reader.ReadString(PropName))
			{
				return;
			}
			if (PropName.empty())
			{
				UE_LOG(LogTemp, Error, "[Zevo Prop] Failed to parse prop name");
				return;
			}
			break;
		case 'f':
			if (!Reader.ReadFloatRun(TypeTags, TagIndex, Values, PropFloatCount, FloatCount))
			{
				UE_LOG(LogTemp, Error, "[Zevo Prop] Data out of bounds for float at index %d", static_cast<int32>(TagIndex));
				bWalking = false;
			}
			break;
		default:
			// Blobs and every other tag are not prop arguments and carry no bytes here.
			break;
		}
	}

	const FName SubjectName = PropSubjectName(PropName, PropNumber);

	FLiveLinkFrameDataStruct Frame;
	FLiveLinkTransformFrameData& Transform = Frame.InitializeWith<FLiveLinkTransformFrameData>();
	Transform.Transform = FTransform(FQuat(Values[3], Values[4], Values[5], Values[6]), FVector(Values[0], Values[1], Values[2]),
		FVector(Values[7], Values[8], Values[9]));
	Transform.PropertyValues = {static_cast<float>(PropType)};
	PublishFrame(ESubjectKind::Prop, SubjectName, PropType, MoveTemp(Frame));
}
