#include "TakeReader.h"

#include "TakeLineSource.h"

#include <cmath>
#include <cstring>
#include <simdjson.h>
#include <string>
#include <unordered_map>

namespace
{
using simdjson::ondemand::array;
using simdjson::ondemand::object;
using simdjson::ondemand::value;

/** A line that is not sound: the reason, reported with the line number. */
struct FLineProblem
{
	std::string Reason;
};

[[noreturn]] void Refuse(std::string Reason)
{
	throw FLineProblem{std::move(Reason)};
}

double Number(value Value, const char* What)
{
	double Number = 0.0;
	if (Value.get_double().get(Number) != simdjson::SUCCESS || !std::isfinite(Number))
	{
		Refuse(std::string(What) + " is not a number");
	}
	return Number;
}

FString String(value Value, const char* What)
{
	std::string_view Text;
	if (Value.get_string().get(Text) != simdjson::SUCCESS)
	{
		Refuse(std::string(What) + " is not a string");
	}
	return FString(Text);
}

array Array(value Value, const char* What)
{
	array Array;
	if (Value.get_array().get(Array) != simdjson::SUCCESS)
	{
		Refuse(std::string(What) + " is not an array");
	}
	return Array;
}

/** Exactly Count numbers. */
template <size_t Count>
std::array<double, Count> Numbers(value Value, const char* What)
{
	std::array<double, Count> Out{};
	size_t Index = 0;
	for (value Element : Array(Value, What))
	{
		if (Index < Count)
		{
			Out[Index] = Number(Element, What);
		}
		++Index;
	}
	if (Index != Count)
	{
		Refuse(std::string(What) + " is not an array of " + std::to_string(Count) + " numbers");
	}
	return Out;
}

FTransform Transform(value Value)
{
	object Object;
	if (Value.get_object().get(Object) != simdjson::SUCCESS)
	{
		Refuse("a transform is not an object");
	}
	std::array<double, 4> R{};
	std::array<double, 3> T{}, S{};
	uint32 Seen = 0;
	for (auto Field : Object)
	{
		const std::string_view Key = Field.unescaped_key().value();
		if (Key == "r")
		{
			R = Numbers<4>(Field.value(), "\"r\"");
			Seen |= 1;
		}
		else if (Key == "t")
		{
			T = Numbers<3>(Field.value(), "\"t\"");
			Seen |= 2;
		}
		else if (Key == "s")
		{
			S = Numbers<3>(Field.value(), "\"s\"");
			Seen |= 4;
		}
	}
	if (Seen != 7)
	{
		Refuse("a transform lacks \"r\", \"t\" or \"s\"");
	}
	return FTransform(FQuat(R[0], R[1], R[2], R[3]), FVector(T[0], T[1], T[2]), FVector(S[0], S[1], S[2]));
}

/** "properties" holds names on a static line and values on a frame line. */
void Properties(value Value, FTakeEvent& Event)
{
	for (value Element : Array(Value, "\"properties\""))
	{
		if (Element.type().value() == simdjson::ondemand::json_type::string)
		{
			Event.PropertyNames.Add(String(Element, "a property name"));
		}
		else
		{
			Event.PropertyValues.Add(float(Number(Element, "a property value")));
		}
	}
}

/** "counts": a whole number of drops, not negative, for each reason. */
void DropCounts(value Value, FTakeEvent& Event)
{
	object Object;
	if (Value.get_object().get(Object) != simdjson::SUCCESS)
	{
		Refuse("\"counts\" is not an object");
	}
	for (auto Field : Object)
	{
		int64_t Count = 0;
		if (Field.value().get_int64().get(Count) != simdjson::SUCCESS || Count < 0)
		{
			Refuse("a drop count is not a whole number of at least zero");
		}
		Event.DropCounts.Emplace(FString(Field.unescaped_key().value()), Count);
	}
}

/** What the reader knows of a subject between its static line and its removal. */
struct FSubjectShape
{
	ETakeSubjectRole Role = ETakeSubjectRole::Animation;
	int32 NumBones = 0;
	int32 NumProperties = 0;
};

/** Which fields a line held, so that each kind can ask for its own. */
enum EField : uint32
{
	FieldTime = 1 << 0,
	FieldEvent = 1 << 1,
	FieldSource = 1 << 2,
	FieldSubject = 1 << 3,
	FieldRole = 1 << 4,
	FieldBones = 1 << 5,
	FieldParents = 1 << 6,
	FieldProperties = 1 << 7,
	FieldTransforms = 1 << 8,
	FieldFrame = 1 << 9,
	FieldLabel = 1 << 10,
	FieldTransform = 1 << 11,
	FieldAsset = 1 << 12,
	FieldPositions = 1 << 13,
	FieldCounts = 1 << 14,
};

/** What a line says beside the event's own members. */
struct FLineFields
{
	std::string Kind;
	std::string Role;
	uint32 Seen = 0;
};
}

struct FTakeReader::FImpl
{
	FTakeLineSource Lines;
	simdjson::ondemand::parser Parser;
	std::string_view LineText;
	std::unordered_map<std::string, FSubjectShape> Subjects;
	double LastTime = -INFINITY;

	/** Fills Event from the line's fields; the kind's own checks come after. */
	FLineFields ReadFields(std::string_view Line, size_t Capacity, FTakeEvent& Event);
	void ReadField(std::string_view Key, value Value, FTakeEvent& Event, FLineFields& Fields);
	void ReadListField(std::string_view Key, value Value, FTakeEvent& Event, FLineFields& Fields);
	/** Checks the line as an event of its kind, against what earlier lines said. */
	void Check(const FLineFields& Fields, FTakeEvent& Event);
};

FTakeReader::FTakeReader() : Impl(std::make_unique<FImpl>())
{
}

FTakeReader::~FTakeReader() = default;

bool FTakeReader::Open(const FString& Path, FString& OutError)
{
	return Impl->Lines.Open(Path, OutError);
}

bool FTakeReader::Next(FTakeEvent& OutEvent)
{
	FTakeLineSource::FLine Line;
	while (Impl->Lines.Next(Line))
	{
		if (Line.Text.find_first_not_of(" \t\r") == std::string_view::npos)
		{
			continue;
		}
		try
		{
			if (Line.bTooLong)
			{
				Refuse("the line is longer than any event of a take");
			}
			const FLineFields Fields = Impl->ReadFields(Line.Text, Line.Capacity, OutEvent);
			OutEvent.Line = Line.Number;
			Impl->Check(Fields, OutEvent);
			Impl->LineText = Line.Text;
			return true;
		}
		catch (const FLineProblem& Problem)
		{
			if (OnProblem)
			{
				OnProblem(FString::Printf("line %lld: %s", static_cast<long long>(Line.Number), Problem.Reason.c_str()));
			}
		}
		catch (const simdjson::simdjson_error& Error)
		{
			if (OnProblem)
			{
				// A line cut short is the usual end of a take whose writer stopped in the middle of it.
				OnProblem(Line.bLast && !Line.bEnded
						? FString::Printf("line %lld: the take ends in the middle of this line", static_cast<long long>(Line.Number))
						: FString::Printf("line %lld: not valid JSON (%s)", static_cast<long long>(Line.Number), Error.what()));
			}
		}
	}
	return false;
}

FLineFields FTakeReader::FImpl::ReadFields(std::string_view Line, size_t Capacity, FTakeEvent& Event)
{
	Event.BoneNames.Reset();
	Event.BoneParents.Reset();
	Event.PropertyNames.Reset();
	Event.PropertyValues.Reset();
	Event.Transforms.Reset();
	Event.Positions.Reset();
	Event.DropCounts.Reset();
	simdjson::ondemand::document Document = Parser.iterate(Line.data(), Line.size(), Capacity);
	object Object;
	const simdjson::error_code Error = Document.get_object().get(Object);
	if (Error == simdjson::INCORRECT_TYPE)
	{
		// The on-demand parser looks no further than the first token; whether the rest is JSON takes a full parse.
		simdjson::dom::parser Validator;
		simdjson::dom::element Root;
		Refuse(Validator.parse(Line.data(), Line.size(), false).get(Root) == simdjson::SUCCESS ? "not a JSON object" : "not valid JSON");
	}
	if (Error != simdjson::SUCCESS)
	{
		throw simdjson::simdjson_error(Error);
	}
	FLineFields Fields;
	for (auto Field : Object)
	{
		ReadField(Field.unescaped_key().value(), Field.value(), Event, Fields);
	}
	const char* Rest = nullptr;
	if (Document.current_location().get(Rest) == simdjson::SUCCESS)
	{
		Refuse("more than one JSON value on the line");
	}
	return Fields;
}

void FTakeReader::FImpl::ReadField(std::string_view Key, value Value, FTakeEvent& Event, FLineFields& Fields)
{
	// A key given twice counts once, with its last value.
	if (Key == "t")
	{
		Event.Time = Number(Value, "\"t\"");
		Fields.Seen |= FieldTime;
	}
	else if (Key == "event")
	{
		Fields.Kind = String(Value, "\"event\"").ToStdString();
		Fields.Seen |= FieldEvent;
	}
	else if (Key == "source")
	{
		Event.Source = String(Value, "\"source\"");
		Fields.Seen |= FieldSource;
	}
	else if (Key == "subject")
	{
		Event.Subject = String(Value, "\"subject\"");
		Fields.Seen |= FieldSubject;
	}
	else if (Key == "role")
	{
		Fields.Role = String(Value, "\"role\"").ToStdString();
		Fields.Seen |= FieldRole;
	}
	else if (Key == "frame")
	{
		int64_t Frame = 0;
		if (Value.get_int64().get(Frame) != simdjson::SUCCESS)
		{
			Refuse("\"frame\" is not a whole number");
		}
		Event.EngineFrame = Frame;
		Fields.Seen |= FieldFrame;
	}
	else if (Key == "label")
	{
		Event.Label = String(Value, "\"label\"");
		Fields.Seen |= FieldLabel;
	}
	else if (Key == "asset")
	{
		Event.Asset = String(Value, "\"asset\"");
		Fields.Seen |= FieldAsset;
	}
	else if (Key == "transform")
	{
		Event.ActorTransform = Transform(Value);
		Fields.Seen |= FieldTransform;
	}
	else
	{
		ReadListField(Key, Value, Event, Fields);
	}
}

void FTakeReader::FImpl::ReadListField(std::string_view Key, value Value, FTakeEvent& Event, FLineFields& Fields)
{
	if (Key == "bones")
	{
		Event.BoneNames.Reset();
		for (value Element : Array(Value, "\"bones\""))
		{
			Event.BoneNames.Add(String(Element, "a bone name"));
		}
		Fields.Seen |= FieldBones;
	}
	else if (Key == "parents")
	{
		Event.BoneParents.Reset();
		for (value Element : Array(Value, "\"parents\""))
		{
			const double Parent = Number(Element, "a bone parent");
			if (Parent != std::floor(Parent) || Parent < -1 || Parent > 1e9)
			{
				Refuse("a bone parent is not a bone index");
			}
			Event.BoneParents.Add(int32(Parent));
		}
		Fields.Seen |= FieldParents;
	}
	else if (Key == "properties")
	{
		Event.PropertyNames.Reset();
		Event.PropertyValues.Reset();
		Properties(Value, Event);
		Fields.Seen |= FieldProperties;
	}
	else if (Key == "transforms")
	{
		Event.Transforms.Reset();
		for (value Element : Array(Value, "\"transforms\""))
		{
			Event.Transforms.Add(Transform(Element));
		}
		Fields.Seen |= FieldTransforms;
	}
	else if (Key == "positions")
	{
		Event.Positions.Reset();
		for (value Element : Array(Value, "\"positions\""))
		{
			const std::array<double, 3> P = Numbers<3>(Element, "a position");
			Event.Positions.Add(FVector(P[0], P[1], P[2]));
		}
		Fields.Seen |= FieldPositions;
	}
	else if (Key == "counts")
	{
		DropCounts(Value, Event);
		Fields.Seen |= FieldCounts;
	}
	// Fields this reader does not know are left for later versions of the format.
}

namespace
{
void Require(uint32 Fields, uint32 Needed, const std::string& Kind)
{
	static const char* const Names[] = {"t", "event", "source", "subject", "role", "bones", "parents", "properties",
		"transforms", "frame", "label", "transform", "asset", "positions", "counts"};
	for (uint32 Bit = 0; Bit < std::size(Names); ++Bit)
	{
		if ((Needed & (1u << Bit)) && !(Fields & (1u << Bit)))
		{
			Refuse(Kind + " line without \"" + Names[Bit] + "\"");
		}
	}
}

std::string SubjectKey(const FTakeEvent& Event)
{
	return Event.Source.ToStdString() + '\n' + Event.Subject.ToStdString();
}

void CheckStatic(const std::string& Role, const FTakeEvent& Event, FSubjectShape& OutShape)
{
	if (Role == TakeFormat::AnimationRole)
	{
		OutShape.Role = ETakeSubjectRole::Animation;
	}
	else if (Role == TakeFormat::TransformRole)
	{
		OutShape.Role = ETakeSubjectRole::Transform;
	}
	else
	{
		Refuse("unknown role \"" + Role + "\"");
	}
	if (!Event.PropertyValues.IsEmpty())
	{
		Refuse("a property name is not a string");
	}
	if (Event.BoneParents.Num() != Event.BoneNames.Num())
	{
		Refuse("the bone parents do not match the bones");
	}
	for (const int32 Parent : Event.BoneParents)
	{
		if (Parent >= Event.BoneNames.Num())
		{
			Refuse("a bone parent is out of range");
		}
	}
	if (OutShape.Role == ETakeSubjectRole::Transform && !Event.BoneNames.IsEmpty())
	{
		Refuse("a transform subject with bones");
	}
	OutShape.NumBones = Event.BoneNames.Num();
	OutShape.NumProperties = Event.PropertyNames.Num();
}

void CheckFrame(const FTakeEvent& Event, const FSubjectShape& Shape)
{
	if (!Event.PropertyNames.IsEmpty())
	{
		Refuse("a property value is not a number");
	}
	const int32 Expected = Shape.Role == ETakeSubjectRole::Animation ? Shape.NumBones : 1;
	if (Event.Transforms.Num() != Expected)
	{
		Refuse("frame of subject \"" + Event.Subject.ToStdString() + "\" with " + std::to_string(Event.Transforms.Num())
			+ " transforms (expected " + std::to_string(Expected) + ")");
	}
	if (Event.PropertyValues.Num() != Shape.NumProperties)
	{
		Refuse("frame of subject \"" + Event.Subject.ToStdString() + "\" with " + std::to_string(Event.PropertyValues.Num())
			+ " property values (expected " + std::to_string(Shape.NumProperties) + ")");
	}
}
}

void FTakeReader::FImpl::Check(const FLineFields& Line, FTakeEvent& Event)
{
	const std::string& Kind = Line.Kind;
	const uint32 Fields = Line.Seen;
	Require(Fields, FieldEvent, "a");
	Require(Fields, FieldTime, Kind);
	if (Event.Time < LastTime)
	{
		Refuse("out of order: t=" + std::to_string(Event.Time) + " comes after t=" + std::to_string(LastTime));
	}
	if (Kind == "static")
	{
		Require(Fields, FieldSource | FieldSubject | FieldRole | FieldBones | FieldParents | FieldProperties, Kind);
		FSubjectShape Shape;
		CheckStatic(Line.Role, Event, Shape);
		Subjects[SubjectKey(Event)] = Shape;
		Event.Kind = ETakeEvent::Static;
		Event.Role = Shape.Role;
	}
	else if (Kind == "frame")
	{
		Require(Fields, FieldSource | FieldSubject | FieldTransforms | FieldProperties, Kind);
		const auto Found = Subjects.find(SubjectKey(Event));
		if (Found == Subjects.end())
		{
			Refuse("frame of subject \"" + Event.Subject.ToStdString() + "\" before its static data");
		}
		CheckFrame(Event, Found->second);
		Event.Kind = ETakeEvent::Frame;
		Event.Role = Found->second.Role;
	}
	else if (Kind == "remove")
	{
		Require(Fields, FieldSource | FieldSubject, Kind);
		Subjects.erase(SubjectKey(Event));
		Event.Kind = ETakeEvent::Remove;
	}
	else if (Kind == "actor")
	{
		Require(Fields, FieldFrame | FieldLabel | FieldTransform, Kind);
		Event.Kind = ETakeEvent::Actor;
	}
	else if (Kind == "drops")
	{
		Require(Fields, FieldSource | FieldCounts, Kind);
		Event.Kind = ETakeEvent::Drops;
	}
	else if (Kind == "pose")
	{
		Require(Fields, FieldSubject | FieldAsset | FieldBones | FieldTransforms | FieldPositions, Kind);
		if (Event.Transforms.Num() != Event.BoneNames.Num() || Event.Positions.Num() != Event.BoneNames.Num())
		{
			Refuse("pose whose bones, transforms and positions differ in number");
		}
		Event.Kind = ETakeEvent::Pose;
	}
	else
	{
		Refuse("unknown event \"" + Kind + "\"");
	}
	LastTime = Event.Time;
}

std::string_view FTakeReader::GetLineText() const
{
	return Impl->LineText;
}

const FString& FTakeReader::GetReadError() const
{
	return Impl->Lines.GetReadError();
}

uint64 FTakeReader::GetBytesRead() const
{
	return Impl->Lines.GetBytesRead();
}

uint64 FTakeReader::GetFileSize() const
{
	return Impl->Lines.GetFileSize();
}
