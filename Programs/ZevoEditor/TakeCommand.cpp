#include "TakeCommand.h"

#include "AnimationExport.h"
#include "AssetArgument.h"
#include "BvhExport.h"
#include "EditorProject.h"
#include "ExitCodes.h"
#include "TakeProgress.h"
#include "TakeReader.h"
#include "TakeSummary.h"
#include "TakeTrim.h"

#include <cstdio>

namespace
{
/** Prints the first problems of a take as they come, and at the end how many more there were. */
class FProblemPrinter
{
public:
	static constexpr int64 Shown = 20;

	explicit FProblemPrinter(std::string InTake) : Take(std::move(InTake)) {}
	~FProblemPrinter()
	{
		if (Count > Shown)
		{
			std::fprintf(stderr, "zevo-editor: %s: %lld more lines skipped\n", Take.c_str(), static_cast<long long>(Count - Shown));
		}
	}

	TFunction<void(const FString&)> Sink()
	{
		return [this](const FString& Problem) {
			if (++Count <= Shown)
			{
				std::fprintf(stderr, "zevo-editor: %s: %s (skipped)\n", Take.c_str(), *Problem);
			}
		};
	}

private:
	std::string Take;
	int64 Count = 0;
};

const char* RoleName(ETakeSubjectRole Role)
{
	return Role == ETakeSubjectRole::Animation ? "character" : "prop";
}

void PrintSubject(const FTakeSubjectSummary& Subject)
{
	std::printf("  %s (%s, source %s): %lld frames over %.3f s", *Subject.Subject, RoleName(Subject.Role), *Subject.Source,
		static_cast<long long>(Subject.NumFrames()), Subject.Duration());
	if (Subject.NominalRate() > 0.0)
	{
		std::printf(" at %g Hz", Subject.NominalRate());
	}
	const std::vector<FTakeGap> Gaps = FindTakeGaps(Subject);
	std::printf(", %zu gap%s", Gaps.size(), Gaps.size() == 1 ? "" : "s");
	for (size_t Index = 0; Index < Gaps.size() && Index < 3; ++Index)
	{
		std::printf("%s%.3f s at t=%.3f", Index == 0 ? ": " : ", ", Gaps[Index].Seconds, Gaps[Index].Start);
	}
	std::printf("%s\n", Gaps.size() > 3 ? ", ..." : "");
}

void PrintResult(const char* What, const std::string& File, const FTakeExportResult& Result)
{
	std::printf("%s %s: %lld frames, %.3f s", What, File.c_str(), static_cast<long long>(Result.Frames), Result.Seconds);
	if (Result.Rate > 0.0)
	{
		std::printf(" at %g Hz", Result.Rate);
	}
	std::printf("\n");
}
}

FTakeCommand::FTakeCommand(CLI::App& App)
{
	Command = App.add_subcommand("take", "Inspect, cut and export takes recorded by run --record");
	Command->require_subcommand(1, 1);

	InfoCommand = Command->add_subcommand("info", "Print a take's subjects with their roles, frames, duration, rate and gaps");
	InfoCommand->add_option("take", TakeFile, "The take")->required()->check(CLI::ExistingFile);

	TrimCommand = Command->add_subcommand("trim", "Cut the lines from --from to --to seconds (the take's own clock) into a new take");
	TrimCommand->add_option("take", TakeFile, "The take")->required()->check(CLI::ExistingFile);
	TrimCommand->add_option("--from", From, "Start of the cut, in seconds")->required()->check(CLI::NonNegativeNumber);
	TrimCommand->add_option("--to", To, "End of the cut, in seconds")->required()->check(CLI::NonNegativeNumber);
	TrimCommand->add_option("-o,--output", OutputFile, "The new take")->required();

	ExportCommand = Command->add_subcommand("export", "Export a character subject as a BVH motion, or retargeted as glTF or FBX");
	ExportCommand->add_option("take", TakeFile, "The take")->required()->check(CLI::ExistingFile);
	ExportCommand->add_option("--subject", Subject, "The character subject")->required();
	CLI::Option* Bvh = ExportCommand->add_option("--bvh", BvhFile, "Write the stream skeleton's motion to this BVH file");
	ExportCommand->add_option("--rate", Rate, "Frames per second of the BVH (default: the take's)")->check(CLI::Range(1.0, 1000.0))->needs(Bvh);
	CLI::Option* Remap = ExportCommand->add_option("--remap", RemapAsset, "Retarget through this remap asset, e.g. /Game/Characters/Mannequin_Remap");
	CLI::Option* Gltf = ExportCommand->add_option("--gltf", GltfFile, "Write the retargeted animation to this glTF binary (.glb)")->needs(Remap);
	CLI::Option* Fbx = ExportCommand->add_option("--fbx", FbxFile, "Write the retargeted animation to this FBX file")->needs(Remap);
	ExportCommand->add_option("--project", ProjectDir, "The project folder that holds the remap asset")->check(CLI::ExistingDirectory);
	Bvh->excludes(Remap)->excludes(Gltf)->excludes(Fbx);
	Gltf->excludes(Fbx);
}

int FTakeCommand::Execute()
{
	if (InfoCommand->parsed())
	{
		return Info();
	}
	return TrimCommand->parsed() ? Trim() : Export();
}

int FTakeCommand::Info()
{
	FTakeReader Reader;
	FProblemPrinter Problems(TakeFile);
	Reader.OnProblem = Problems.Sink();
	FString Error;
	FTakeSummary Summary;
	{
		FTakeProgress Progress("Reading " + FString(TakeFile));  // gone before the summary is printed
		if (!Reader.Open(FString(TakeFile), Error) || !SummarizeTake(Reader, Summary, &Progress))
		{
			std::fprintf(stderr, "zevo-editor: %s\n", Error.IsEmpty() ? *Reader.GetReadError() : *Error);
			return ExitFailure;
		}
	}
	std::printf("%s: %lld lines, %.3f s (t=%.3f to t=%.3f)", TakeFile.c_str(), static_cast<long long>(Summary.Lines),
		Summary.Last - Summary.First, Summary.First, Summary.Last);
	std::printf(Summary.Problems > 0 ? ", %lld lines skipped\n" : "\n", static_cast<long long>(Summary.Problems));
	std::printf("subjects: %zu\n", Summary.Subjects.size());
	for (const FTakeSubjectSummary& Subject : Summary.Subjects)
	{
		PrintSubject(Subject);
	}
	std::printf("poses: %lld, actor placements: %lld\n", static_cast<long long>(Summary.Poses), static_cast<long long>(Summary.ActorPlacements));
	return ExitSuccess;
}

int FTakeCommand::Trim()
{
	if (To < From)
	{
		std::fprintf(stderr, "zevo-editor: --to (%g) comes before --from (%g)\n", To, From);
		return ExitUsageError;
	}
	FProblemPrinter Problems(TakeFile);
	FTakeTrimResult Result;
	FString Error;
	if (!TrimTake(FString(TakeFile), From, To, FString(OutputFile), Problems.Sink(), Result, Error))
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Error);
		return ExitFailure;
	}
	std::printf("Wrote %s: %lld lines from %g s to %g s, after %lld static lines of the subjects present at %g s\n", OutputFile.c_str(),
		static_cast<long long>(Result.Lines), From, To, static_cast<long long>(Result.CarriedStaticLines), From);
	return ExitSuccess;
}

int FTakeCommand::Export()
{
	if (BvhFile.empty() && GltfFile.empty() && FbxFile.empty())
	{
		std::fprintf(stderr, "zevo-editor: take export needs --bvh, or --remap with --gltf or --fbx\n");
		return ExitUsageError;
	}
	// The project holds the remap asset; the plugins' content (the default T-pose skeleton) is there
	// for any project, the current folder included.
	if (!OpenProject(ProjectDir.empty() ? "." : ProjectDir))
	{
		return ExitFailure;
	}
	FProblemPrinter Problems(TakeFile);
	const std::string& Output = !BvhFile.empty() ? BvhFile : !GltfFile.empty() ? GltfFile : FbxFile;
	const FTakeExportRequest Request{FString(TakeFile), FString(Subject), FString(Output), Problems.Sink()};
	FTakeExportResult Result;
	FString Error;
	bool bExported;
	if (!BvhFile.empty())
	{
		bExported = ExportTakeToBvh(Request, Rate, Result, Error);
	}
	else
	{
		FAssetPathArgument Path;
		UZevoRemapAssetBase* Asset = FAssetPathArgument::Parse(RemapAsset, Path, Error) ? LoadRemapAsset(Path, Error) : nullptr;
		if (!Asset)
		{
			std::fprintf(stderr, "zevo-editor: --remap %s: %s\n", RemapAsset.c_str(), *Error);
			return ExitFailure;
		}
		bExported = ExportTakeToAnimationFile(Request, *Asset, GltfFile.empty() ? EAnimationFileFormat::Fbx : EAnimationFileFormat::Gltf, Result, Error);
	}
	if (!bExported)
	{
		std::fprintf(stderr, "zevo-editor: %s\n", *Error);
		return ExitFailure;
	}
	PrintResult("Wrote", Output, Result);
	return ExitSuccess;
}
