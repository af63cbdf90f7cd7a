#include "ZevoTakeReplay.h"

#include "ZevoCharacterMessage.h"
#include "ZevoPropMessage.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace
{
	/** A frame that cannot travel as a message: the reason. */
	struct FLineError
	{
		std::string Reason;
	};

	/** A value sent as a 32-bit float: it must fit one. */
	float FloatValue(double Number, const char* What)
	{
		if (!(std::abs(Number) <= std::numeric_limits<float>::max()))
		{
			throw FLineError{std::string(What) + " does not fit a 32-bit float"};
		}
		return static_cast<float>(Number);
	}

	FQuat FloatQuat(const FQuat& Q, const char* What)
	{
		return FQuat(FloatValue(Q.X, What), FloatValue(Q.Y, What), FloatValue(Q.Z, What), FloatValue(Q.W, What));
	}

	FVector FloatVector(const FVector& V, const char* What)
	{
		return FVector(FloatValue(V.X, What), FloatValue(V.Y, What), FloatValue(V.Z, What));
	}

	/**
	 * The bytes a name travelled as. The receiver reads each byte of a name as one character and
	 * keeps bytes 0x80-0xFF as U+FF80-U+FFFF; mapping those back gives the original bytes, so a
	 * replayed subject gets the very name it had. A zero byte cannot travel in a name.
	 */
	std::string StreamBytes(const std::string& Text, const char* What)
	{
		if (Text.find('\0') != std::string::npos)
		{
			throw FLineError{std::string(What) + " holds a zero byte"};
		}
		std::string Out;
		Out.reserve(Text.size());
		for (size_t Index = 0; Index < Text.size(); ++Index)
		{
			const auto Byte = static_cast<uint8>(Text[Index]);
			// U+FF80..U+FFFF is EF BE 80..EF BF BF in UTF-8.
			if (Byte == 0xEF && Index + 2 < Text.size())
			{
				const auto Second = static_cast<uint8>(Text[Index + 1]);
				const auto Third = static_cast<uint8>(Text[Index + 2]);
				if ((Second == 0xBE || Second == 0xBF) && (Third & 0xC0) == 0x80)
				{
					Out += static_cast<char>(0x80 | ((Second & 0x01) << 6) | (Third & 0x3F));
					Index += 2;
					continue;
				}
			}
			Out += static_cast<char>(Byte);
		}
		return Out;
	}


	const TArray<uint8>& CharacterMessage(FOscMessageWriter& Writer, const FTakeEvent& Frame)
	{
		if (Frame.Transforms.Num() != ZevoStreamBody::BoneCount)
		{
			throw FLineError{"character frame with " + std::to_string(Frame.Transforms.Num()) + " transforms (expected 52)"};
		}
		FZevoCharacterFrame Message;
		Message.ActorName = StreamBytes(Frame.Subject.ToStdString(), "the subject");
		if (Message.ActorName.IsEmpty())
		{
			throw FLineError{"character subject without a name"};
		}
		for (int32 Bone = 0; Bone < ZevoStreamBody::BoneCount; ++Bone)
		{
			Message.Rotations[Bone] = FloatQuat(Frame.Transforms[Bone].GetRotation(), "\"r\"");
		}
		Message.HipsPosition = FloatVector(Frame.Transforms[0].GetTranslation(), "\"t\"");
		// The receiver fills properties it was not sent with 0, so padding with 0 gives the same frame.
		for (int32 Index = 0; Index < int32(Message.Properties.size()) && Index < Frame.PropertyValues.Num(); ++Index)
		{
			Message.Properties[Index] = Frame.PropertyValues[Index];
		}
		return WriteZevoCharacterMessage(Writer, Message);
	}

	const TArray<uint8>& PropMessage(FOscMessageWriter& Writer, const FTakeEvent& Frame)
	{
		const std::string& Subject = Frame.Subject.ToStdString();
		FZevoPropFrame Message;
		const size_t Underscore = Subject.rfind('_');
		const char* NumberBegin = Subject.data() + (Underscore == std::string::npos ? 0 : Underscore + 1);
		const char* NumberEnd = Subject.data() + Subject.size();
		const auto [End, Result] = std::from_chars(NumberBegin, NumberEnd, Message.Number);
		if (Underscore == std::string::npos || Underscore == 0 || Result != std::errc() || End != NumberEnd
			|| NumberBegin == NumberEnd)
		{
			throw FLineError{"prop subject \"" + Subject + "\" is not Name_Number"};
		}
		Message.Name = StreamBytes(Subject.substr(0, Underscore), "the prop name");
		if (Frame.PropertyValues.IsEmpty())
		{
			throw FLineError{"prop frame without its type property"};
		}
		const double Type = Frame.PropertyValues[0];
		if (Type != std::floor(Type) || Type < std::numeric_limits<int32>::min() || Type > std::numeric_limits<int32>::max())
		{
			throw FLineError{"the prop type is not a 32-bit integer"};
		}
		Message.Type = static_cast<int32>(Type);
		const FTransform& Transform = Frame.Transforms[0];
		Message.Location = FloatVector(Transform.GetTranslation(), "\"t\"");
		Message.Rotation = FloatQuat(Transform.GetRotation(), "\"r\"");
		Message.Scale = FloatVector(Transform.GetScale3D(), "\"s\"");
		return WriteZevoPropMessage(Writer, Message);
	}
}

bool FZevoTakeReplay::Open(const FString& Path, FString& OutError)
{
	Reader.OnProblem = [this](const FString& Problem) {
		if (OnProblem)
		{
			OnProblem(Problem);
		}
	};
	return Reader.Open(Path, OutError);
}

bool FZevoTakeReplay::Next(double& OutTime, const TArray<uint8>*& OutDatagram)
{
	while (Reader.Next(Event))
	{
		if (Event.Kind != ETakeEvent::Frame)
		{
			continue;
		}
		try
		{
			OutDatagram = Event.Role == ETakeSubjectRole::Animation ? &CharacterMessage(Writer, Event) : &PropMessage(Writer, Event);
			OutTime = Event.Time;
			return true;
		}
		catch (const FLineError& Error)
		{
			if (OnProblem)
			{
				OnProblem(FString::Printf("line %lld: %s", static_cast<long long>(Event.Line), Error.Reason.c_str()));
			}
		}
	}
	return false;
}
