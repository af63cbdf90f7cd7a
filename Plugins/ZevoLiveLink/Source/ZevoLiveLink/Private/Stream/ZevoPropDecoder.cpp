// The prop message: type and instance number, a name and up to ten big-endian floats
// (location, X-Y-Z-W quaternion, scale), in any order; what is missing keeps its default.
#include "Roles/LiveLinkTransformTypes.h"
#include "ZevoLiveLinkSource.h"
#include "ZevoOscReader.h"
#include "ZevoOutsideText.h"

namespace
{
constexpr int32 PropFloatCount = 10;

/** Writes Value in decimal at Cursor and returns the end of the digits. */
ANSICHAR* WriteDecimal(ANSICHAR* Cursor, int32 Value)
{
	uint32 Magnitude = Value < 0 ? 0u - static_cast<uint32>(Value) : static_cast<uint32>(Value);
	ANSICHAR Digits[10];
	int32 Count = 0;
	do
	{
		Digits[Count++] = static_cast<ANSICHAR>('0' + Magnitude % 10);
		Magnitude /= 10;
	} while (Magnitude != 0);
	if (Value < 0)
	{
		*Cursor++ = '-';
	}
	while (Count > 0)
	{
		*Cursor++ = Digits[--Count];
	}
	return Cursor;
}

/** Room for the longest name a source accepts, the underscore and any number. */
struct FPropSubjectNameText
{
	ANSICHAR Bytes[ZevoMaxSubjectNameBytes + 12];
};

/**
 * "<name>_<number>", built in Text: the subject name is made for every message. A name too long
 * for it comes back alone, for the name checks to refuse.
 */
FAnsiStringView PropSubjectName(FAnsiStringView PropName, int32 PropNumber, FPropSubjectNameText& Text)
{
	if (PropName.Len() > ZevoMaxSubjectNameBytes)
	{
		return PropName;
	}
	// A message without a name leaves the view empty, with no data pointer to copy from.
	if (!PropName.IsEmpty())
	{
		FMemory::Memcpy(Text.Bytes, PropName.GetData(), PropName.Len());
	}
	ANSICHAR* Cursor = Text.Bytes + PropName.Len();
	*Cursor++ = '_';
	Cursor = WriteDecimal(Cursor, PropNumber);
	return FAnsiStringView(Text.Bytes, static_cast<int32>(Cursor - Text.Bytes));
}
}

void ZevoLiveLinkSource::ProcessPropData(const uint8* Data, int32 DataSize, int32 Offset)
{
	FZevoOscReader Reader(Data, DataSize, Offset, &LogLimiter);
	FAnsiStringView TypeTags;
	if (!Reader.ReadString(TypeTags))
	{
		return;
	}
	if (TypeTags.IsEmpty() || TypeTags[0] != ',')
	{
		ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("[Zevo Prop] Invalid TypeTags: %s"), *ZevoEscapeForLog(TypeTags, 32));
		return;
	}

	int32 PropType = 0;
	int32 PropNumber = 0;
	int32 IntCount = 0;
	FAnsiStringView PropName;
	// Location, rotation (identity), scale (one).
	float Values[PropFloatCount] = {0, 0, 0, 0, 0, 0, 1, 1, 1, 1};
	int32 FloatCount = 0;

	bool bWalking = true;
	for (int32 TagIndex = 1; bWalking && TagIndex < TypeTags.Len(); ++TagIndex)
	{
		switch (TypeTags[TagIndex])
		{
		case 'i':
		{
			int32 Value = 0;
			if (!Reader.ReadInt32(Value))
			{
				ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("[Zevo Prop] Data out of bounds for int32 at index %d"), TagIndex);
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
			if (PropName.IsEmpty())
			{
				ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("[Zevo Prop] Failed to parse prop name"));
				return;
			}
			break;
		case 'f':
			if (!Reader.ReadFloatRun(TypeTags, TagIndex, Values, PropFloatCount, FloatCount))
			{
				ZEVO_LIMITED_LOG(LogLimiter, Error, TEXT("[Zevo Prop] Data out of bounds for float at index %d"), TagIndex);
				bWalking = false;
			}
			break;
		default:
			// Blobs and every other tag are not prop arguments and carry no bytes here.
			break;
		}
	}

	FPropSubjectNameText NameText;
	const FAnsiStringView SubjectName = PropSubjectName(PropName, PropNumber, NameText);

	FLiveLinkFrameDataStruct Frame;
	Frame.InitializeWith(FLiveLinkTransformFrameData::StaticStruct());
	FLiveLinkTransformFrameData& Transform = *Frame.Cast<FLiveLinkTransformFrameData>();
	Transform.Transform = FTransform(FQuat(Values[3], Values[4], Values[5], Values[6]), FVector(Values[0], Values[1], Values[2]),
		FVector(Values[7], Values[8], Values[9]));
	Transform.PropertyValues = {static_cast<float>(PropType)};
	PublishFrame(ESubjectKind::Prop, SubjectName, PropType, MoveTemp(Frame));
}
