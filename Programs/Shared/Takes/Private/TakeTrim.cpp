#include "TakeTrim.h"

#include "ExportFile.h"
#include "Misc/Paths.h"
#include "TakeProgress.h"
#include "TakeReader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace
{
/** The latest static line of each subject present, in the order the subjects came. */
class FPresentSubjects
{
public:
	void Note(const FTakeEvent& Event, std::string_view Line)
	{
		const std::string Key = Event.Source.ToStdString() + '\n' + Event.Subject.ToStdString();
		const auto Found = std::find_if(Lines.begin(), Lines.end(), [&Key](const auto& Entry) { return Entry.first == Key; });
		if (Event.Kind == ETakeEvent::Remove && Found != Lines.end())
		{
			Lines.erase(Found);
		}
		else if (Event.Kind == ETakeEvent::Static && Found != Lines.end())
		{
			Found->second = Line;
		}
		else if (Event.Kind == ETakeEvent::Static)
		{
			Lines.emplace_back(Key, std::string(Line));
		}
	}

	const std::vector<std::pair<std::string, std::string>>& Get() const { return Lines; }

private:
	std::vector<std::pair<std::string, std::string>> Lines;
};
}

bool TrimTake(const FString& TakePath, double From, double To, const FString& OutputPath, TFunction<void(const FString&)> OnProblem,
	FTakeTrimResult& OutResult, FString& OutError)
{
	FTakeReader Reader;
	Reader.OnProblem = OnProblem;
	if (!Reader.Open(TakePath, OutError))
	{
		return false;
	}
	FExportFile Output(OutputPath);
	std::FILE* File = std::fopen(*Output.GetTemporaryPath(), "wb");
	if (!File)
	{
		OutError = FString::Printf("cannot write %s: %s", *OutputPath, std::strerror(errno));
		return false;
	}
	FTakeProgress Progress("Cutting " + FPaths::GetCleanFilename(TakePath));
	FPresentSubjects Present;
	bool bWritten = true;
	const auto Put = [&](std::string_view Line) {
		bWritten = bWritten && std::fwrite(Line.data(), 1, Line.size(), File) == Line.size() && std::fputc('\n', File) != EOF;
	};
	FTakeEvent Event;
	while (Reader.Next(Event) && Event.Time <= To)
	{
		Progress.Update(Reader.GetBytesRead(), Reader.GetFileSize());
		if (Event.Time < From)
		{
			Present.Note(Event, Reader.GetLineText());
			continue;
		}
		if (OutResult.Lines == 0)
		{
			for (const auto& [Key, Line] : Present.Get())
			{
				Put(Line);
				++OutResult.CarriedStaticLines;
			}
		}
		Put(Reader.GetLineText());
		++OutResult.Lines;
	}
	bWritten = std::fclose(File) == 0 && bWritten;
	if (!Reader.GetReadError().IsEmpty())
	{
		OutError = Reader.GetReadError();
		return false;
	}
	if (!bWritten)
	{
		OutError = FString::Printf("cannot write %s: %s", *OutputPath, std::strerror(errno));
		return false;
	}
	if (OutResult.Lines == 0)
	{
		OutError = FString::Printf("%s has no lines from %g s to %g s", *TakePath, From, To);
		return false;
	}
	return Output.Commit(OutError);
}
