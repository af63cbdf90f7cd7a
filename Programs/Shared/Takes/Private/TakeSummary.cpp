#include "TakeSummary.h"

#include "TakeProgress.h"
#include "TakeReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <unordered_map>

double FTakeSubjectSummary::NominalRate() const
{
	std::vector<double> Steps;
	Steps.reserve(FrameTimes.size());
	for (size_t Index = 1; Index < FrameTimes.size(); ++Index)
	{
		if (FrameTimes[Index] > FrameTimes[Index - 1])
		{
			Steps.push_back(FrameTimes[Index] - FrameTimes[Index - 1]);
		}
	}
	if (Steps.empty())
	{
		return 0.0;
	}
	std::nth_element(Steps.begin(), Steps.begin() + Steps.size() / 2, Steps.end());
	return std::max(1.0, std::round(1.0 / Steps[Steps.size() / 2]));
}

std::vector<const FTakeSubjectSummary*> FTakeSummary::FindSubjects(const FString& Name) const
{
	std::vector<const FTakeSubjectSummary*> Found;
	for (const FTakeSubjectSummary& Subject : Subjects)
	{
		if (Subject.Subject.Equals(Name, ESearchCase::CaseSensitive))
		{
			Found.push_back(&Subject);
		}
	}
	return Found;
}

std::vector<FTakeGap> FindTakeGaps(const FTakeSubjectSummary& Subject)
{
	std::vector<FTakeGap> Gaps;
	const double Rate = Subject.NominalRate();
	if (Rate <= 0.0)
	{
		return Gaps;
	}
	const double Longest = 1.5 / Rate;
	for (size_t Index = 1; Index < Subject.FrameTimes.size(); ++Index)
	{
		const double Seconds = Subject.FrameTimes[Index] - Subject.FrameTimes[Index - 1];
		if (Seconds > Longest)
		{
			Gaps.push_back({Subject.FrameTimes[Index - 1], Seconds});
		}
	}
	return Gaps;
}

namespace
{
const char* const LegPropertyNames[3] = {"UpperLegLength", "LowerLegLength", "HipToUpperLegLength"};

std::array<int32, 3> FindLegProperties(const FTakeEvent& Static)
{
	std::array<int32, 3> Found = {-1, -1, -1};
	for (int32 Index = 0; Index < Static.PropertyNames.Num(); ++Index)
	{
		for (int32 Leg = 0; Leg < 3; ++Leg)
		{
			Found[Leg] = Static.PropertyNames[Index] == LegPropertyNames[Leg] ? Index : Found[Leg];
		}
	}
	return Found;
}

void ReadLegLengths(const FTakeEvent& Frame, const std::array<int32, 3>& Properties, FTakeSubjectSummary& Subject)
{
	if (Subject.bHasLegLengths || Properties[0] < 0 || Properties[1] < 0 || Properties[2] < 0)
	{
		return;
	}
	for (int32 Leg = 0; Leg < 3; ++Leg)
	{
		Subject.LegLengths[Leg] = Frame.PropertyValues[Properties[Leg]];
	}
	Subject.bHasLegLengths = Subject.LegLengths[0] > 0.f && Subject.LegLengths[1] > 0.f && Subject.LegLengths[2] > 0.f;
}
}

bool SummarizeTake(FTakeReader& Reader, FTakeSummary& OutSummary, FTakeProgress* Progress)
{
	TFunction<void(const FString&)> Told = Reader.OnProblem;
	Reader.OnProblem = [&OutSummary, &Told](const FString& Problem) {
		++OutSummary.Problems;
		if (Told)
		{
			Told(Problem);
		}
	};
	std::unordered_map<std::string, size_t> SubjectIndex;
	// Where each subject's static data put the leg lengths among its properties (-1: not there).
	std::unordered_map<std::string, std::array<int32, 3>> LegProperties;
	FTakeEvent Event;
	while (Reader.Next(Event))
	{
		if (Progress)
		{
			Progress->Update(Reader.GetBytesRead(), Reader.GetFileSize());
		}
		OutSummary.First = OutSummary.Lines == 0 ? Event.Time : OutSummary.First;
		OutSummary.Last = Event.Time;
		++OutSummary.Lines;
		if (Event.Kind == ETakeEvent::Pose)
		{
			++OutSummary.Poses;
		}
		else if (Event.Kind == ETakeEvent::Actor)
		{
			++OutSummary.ActorPlacements;
		}
		else if (Event.Kind == ETakeEvent::Static || Event.Kind == ETakeEvent::Frame)
		{
			const std::string Key = Event.Source.ToStdString() + '\n' + Event.Subject.ToStdString();
			const auto [Found, bNew] = SubjectIndex.emplace(Key, OutSummary.Subjects.size());
			if (bNew)
			{
				OutSummary.Subjects.emplace_back();
				OutSummary.Subjects.back().Source = Event.Source;
				OutSummary.Subjects.back().Subject = Event.Subject;
			}
			FTakeSubjectSummary& Subject = OutSummary.Subjects[Found->second];
			Subject.Role = Event.Role;
			if (Event.Kind == ETakeEvent::Static)
			{
				++Subject.StaticLines;
				Subject.NumBones = Event.BoneNames.Num();
				LegProperties[Key] = FindLegProperties(Event);
			}
			else
			{
				Subject.FrameTimes.push_back(Event.Time);
				ReadLegLengths(Event, LegProperties[Key], Subject);
			}
		}
	}
	Reader.OnProblem = Told;
	return Reader.GetReadError().IsEmpty();
}
