#include "ZevoRecordingReader.h"

#include "ZevoCharacterMessage.h"
#include "ZevoPropMessage.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <nlohmann/json.hpp>

namespace
{
	using FJson = nlohmann::json;

	enum class ESubjectRole
	{
		Character,
		Prop,
	};

	/** A malformed line: the reason, to be reported with the line number. */
	struct FLineError
	{
		std::string Reason;
	};

	const FJson& Field(const FJson& Object, const char* Name)
	{
		const auto Found = Object.find(Name);
		if (Found == Object.end())
		{
			throw FLineError{std::string("no \"") + Name + "\""};
		}
		return *Found;
	}

	std::string StringField(const FJson& Object, const char* Name)
	{
		const FJson& Value = Field(Object, Name);
		if (!Value.is_string())
		{
			throw FLineError{std::string("\"") + Name + "\" is not a string"};
		}
		return Value.get<std::string>();
	}

	double NumberValue(const FJson& Value, const char* What)
	{
		if (!Value.is_number())
		{
			throw FLineError{std::string(What) + " is not a number"};
		}
		return Value.get<double>();
	}

	/** A value sent as a 32-bit float: it must fit one. */
	float FloatValue(const FJson& Value, const char* What)
	{
		const double Number = NumberValue(Value, What);
		if (!(std::abs(Number) <= std::numeric_limits<float>::max()))
		{
			throw FLineError{std::string(What) + " does not fit a 32-bit float"};
		}
		return static_cast<float>(Number);
	}

	/** Exactly Count numbers under Name of Object. */
	std::array<float, 4> FloatArray(const FJson& Object, const char* Name, size_t Count)
	{
		const FJson& Value = Field(Object, Name);
		if (!Value.is_array() || Value.size() != Count)
		{
			throw FLineError{std::string("\"") + Name + "\" is not an array of " + std::to_string(Count) + " numbers"};
		}
		std::array<float, 4> Out{};
		for (size_t Index = 0; Index < Count; ++Index)
		{
			Out[Index] = FloatValue(Value[Index], Name);
		}
		return Out;
	}

	struct FRecordedTransform
	{
		FQuat Rotation;
		FVector Translation;
		FVector Scale;
	};

	FRecordedTransform TransformValue(const FJson& Value)
	{
		if (!Value.is_object())
		{
			throw FLineError{"a transform is not an object"};
		}
		const auto R = FloatArray(Value, "r", 4);
		const auto T = FloatArray(Value, "t", 3);
		const auto S = FloatArray(Value, "s", 3);
		return {FQuat(R[0], R[1], R[2], R[3]), FVector(T[0], T[1], T[2]), FVector(S[0], S[1], S[2])};
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

	class FRecordingParser
	{
	public:
		void ReadLine(int32 LineNumber, std::string_view Line)
		{
			if (Line.find_first_not_of(" \t\r") == std::string_view::npos)
			{
				return;
			}
			try
			{
				const FJson Event = FJson::parse(Line, nullptr, /*allow_exceptions=*/false);
				if (!Event.is_object())
				{
					throw FLineError{Event.is_discarded() ? "not valid JSON" : "not a JSON object"};
				}
				ReadEvent(Event);
			}
			catch (const FLineError& Error)
			{
				Recording.Errors.Add(FString::Printf("line %d: %s", LineNumber, Error.Reason.c_str()));
			}
			catch (const FJson::exception& Error)
			{
				Recording.Errors.Add(FString::Printf("line %d: %s", LineNumber, Error.what()));
			}
		}

		FZevoRecording Recording;

	private:
		void ReadEvent(const FJson& Event)
		{
			const std::string Kind = StringField(Event, "event");
			if (Kind != "static" && Kind != "frame")
			{
				return;
			}
			const double Time = NumberValue(Field(Event, "t"), "\"t\"");
			if (!std::isfinite(Time))
			{
				throw FLineError{"\"t\" is out of range"};
			}
			const std::string Subject = StringField(Event, "subject");
			// Subjects are keyed by source and name, as the receiving client keys them.
			const FJson& Source = Field(Event, "source");
			const FString Key = FString(Source.dump()) + "\n" + FString(Subject);

			if (Kind == "static")
			{
				const std::string Role = StringField(Event, "role");
				if (Role == "LiveLinkAnimationRole")
				{
					Roles.Add(Key, ESubjectRole::Character);
				}
				else if (Role == "LiveLinkTransformRole")
				{
					Roles.Add(Key, ESubjectRole::Prop);
				}
				else
				{
					throw FLineError{"unknown role \"" + Role + "\""};
				}
				return;
			}

			const ESubjectRole* Role = Roles.Find(Key);
			if (Role == nullptr)
			{
				throw FLineError{"frame of subject \"" + Subject + "\" before its static data"};
			}
			const FJson& Transforms = Field(Event, "transforms");
			const FJson& Properties = Field(Event, "properties");
			if (!Transforms.is_array() || !Properties.is_array())
			{
				throw FLineError{"\"transforms\" and \"properties\" must be arrays"};
			}
			FZevoReplayMessage Message;
			Message.Time = Time;
			if (*Role == ESubjectRole::Character)
			{
				Message.Datagram = CharacterMessage(Subject, Transforms, Properties);
			}
			else
			{
				Message.Datagram = PropMessage(Subject, Transforms, Properties);
			}
			Recording.Messages.Add(MoveTemp(Message));
		}

		TArray<uint8> CharacterMessage(const std::string& Subject, const FJson& Transforms, const FJson& Properties)
		{
			if (Transforms.size() != ZevoStreamBody::BoneCount)
			{
				throw FLineError{"character frame with " + std::to_string(Transforms.size()) + " transforms (expected 52)"};
			}
			FZevoCharacterFrame Frame;
			Frame.ActorName = StreamBytes(Subject, "the subject");
			if (Frame.ActorName.IsEmpty())
			{
				throw FLineError{"character subject without a name"};
			}
			for (int32 Bone = 0; Bone < ZevoStreamBody::BoneCount; ++Bone)
			{
				const FRecordedTransform Transform = TransformValue(Transforms[Bone]);
				Frame.Rotations[Bone] = Transform.Rotation;
				if (Bone == 0)
				{
					Frame.HipsPosition = Transform.Translation;
				}
			}
			// The receiver fills properties it was not sent with 0, so padding with 0 gives the same frame.
			for (size_t Index = 0; Index < Frame.Properties.size() && Index < Properties.size(); ++Index)
			{
				Frame.Properties[Index] = FloatValue(Properties[Index], "a property");
			}
			return WriteZevoCharacterMessage(Writer, Frame);
		}

		TArray<uint8> PropMessage(const std::string& Subject, const FJson& Transforms, const FJson& Properties)
		{
			if (Transforms.size() != 1)
			{
				throw FLineError{"prop frame with " + std::to_string(Transforms.size()) + " transforms (expected 1)"};
			}
			FZevoPropFrame Frame;
			const size_t Underscore = Subject.rfind('_');
			const char* NumberBegin = Subject.data() + (Underscore == std::string::npos ? 0 : Underscore + 1);
			const char* NumberEnd = Subject.data() + Subject.size();
			const auto [End, Result] = std::from_chars(NumberBegin, NumberEnd, Frame.Number);
			if (Underscore == std::string::npos || Underscore == 0 || Result != std::errc() || End != NumberEnd
				|| NumberBegin == NumberEnd)
			{
				throw FLineError{"prop subject \"" + Subject + "\" is not Name_Number"};
			}
			Frame.Name = StreamBytes(Subject.substr(0, Underscore), "the prop name");
			if (Properties.empty())
			{
				throw FLineError{"prop frame without its type property"};
			}
			const double Type = NumberValue(Properties[0], "the prop type");
			if (Type != std::floor(Type) || Type < std::numeric_limits<int32>::min() || Type > std::numeric_limits<int32>::max())
			{
				throw FLineError{"the prop type is not a 32-bit integer"};
			}
			Frame.Type = static_cast<int32>(Type);
			const FRecordedTransform Transform = TransformValue(Transforms[0]);
			Frame.Location = Transform.Translation;
			Frame.Rotation = Transform.Rotation;
			Frame.Scale = Transform.Scale;
			return WriteZevoPropMessage(Writer, Frame);
		}

		TMap<FString, ESubjectRole> Roles;
		FOscMessageWriter Writer;
	};
}

bool ZevoRecordingReader::LoadFile(const FString& Path, FZevoRecording& OutRecording, FString& OutError)
{
	std::error_code Error;
	if (std::filesystem::is_directory(*Path, Error))
	{
		OutError = FString::Printf("cannot read %s: it is a folder", *Path);
		return false;
	}
	std::ifstream File(*Path, std::ios::binary);
	if (!File)
	{
		OutError = FString::Printf("cannot read %s: %s", *Path, std::strerror(errno));
		return false;
	}
	FRecordingParser Parser;
	std::string Line;
	int32 LineNumber = 0;
	while (std::getline(File, Line))
	{
		Parser.ReadLine(++LineNumber, Line);
	}
	if (File.bad())
	{
		OutError = FString::Printf("cannot read %s: read error after line %d", *Path, LineNumber);
		return false;
	}
	OutRecording = MoveTemp(Parser.Recording);
	return true;
}

FZevoRecording ZevoRecordingReader::Parse(const FString& Text)
{
	FRecordingParser Parser;
	const std::string& Bytes = Text.ToStdString();
	int32 LineNumber = 0;
	for (size_t Start = 0; Start < Bytes.size();)
	{
		const size_t End = std::min(Bytes.find('\n', Start), Bytes.size());
		Parser.ReadLine(++LineNumber, std::string_view(Bytes).substr(Start, End - Start));
		Start = End + 1;
	}
	return MoveTemp(Parser.Recording);
}
