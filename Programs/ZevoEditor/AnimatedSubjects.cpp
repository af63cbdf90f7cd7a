#include "AnimatedSubjects.h"

#include "AssetArgument.h"
#include "ILiveLinkClient.h"
#include "RetargetedMesh.h"
#include "TakeWriter.h"
#include "ZevoRemapAssetBase.h"

namespace
{
/** Splits at the last '=': asset paths never hold one, a subject's name might. */
bool SplitArgument(const std::string& Argument, std::string& OutSubject, std::string& OutAsset)
{
	const size_t Equals = Argument.rfind('=');
	if (Equals == std::string::npos)
	{
		return false;
	}
	OutSubject = Argument.substr(0, Equals);
	OutAsset = Argument.substr(Equals + 1);
	return !OutSubject.empty() && !OutAsset.empty();
}
}

struct FAnimatedSubjects::FAnimatedMesh
{
	FName Subject;
	FString AssetPath;
	std::unique_ptr<FRetargetedMesh> Mesh;
	int64 PosesBuilt = 0;
};

CLI::Validator FAnimatedSubjects::ArgumentValidator()
{
	return CLI::Validator(
		[](std::string& Text) -> std::string {
			std::string Subject, Asset;
			return SplitArgument(Text, Subject, Asset)
				? std::string()
				: "\"" + Text + "\" is not SUBJECT=ASSET, e.g. Actor1=/Game/Characters/Mannequin_Remap";
		},
		"SUBJECT=ASSET");
}

FAnimatedSubjects::FAnimatedSubjects(ILiveLinkClient& InClient) : Client(InClient)
{
}

FAnimatedSubjects::~FAnimatedSubjects() = default;

bool FAnimatedSubjects::Add(FName Subject, const std::string& AssetText, FString& OutError)
{
	FAssetPathArgument Path;
	UZevoRemapAssetBase* Asset = FAssetPathArgument::Parse(AssetText, Path, OutError) ? LoadRemapAsset(Path, OutError) : nullptr;
	if (!Asset)
	{
		return false;
	}
	std::unique_ptr<FRetargetedMesh> Mesh = FRetargetedMesh::Create(*Asset, OutError);
	if (!Mesh)
	{
		return false;
	}
	Meshes.push_back(std::make_unique<FAnimatedMesh>(FAnimatedMesh{Subject, Asset->GetPathName(), MoveTemp(Mesh)}));
	return true;
}

bool FAnimatedSubjects::AddArgument(const std::string& Argument, FString& OutError)
{
	std::string Subject, Asset;
	SplitArgument(Argument, Subject, Asset);
	if (!Add(FName(Subject.c_str()), Asset, OutError))
	{
		OutError = FString::Printf("--animate %s: %s", Argument.c_str(), *OutError);
		return false;
	}
	return true;
}

void FAnimatedSubjects::Tick(double DeltaSeconds)
{
	for (const std::unique_ptr<FAnimatedMesh>& Animated : Meshes)
	{
		FLiveLinkSubjectFrameData Frame;
		if (!Client.EvaluateFrame_AnyThread(Animated->Subject, ULiveLinkAnimationRole::StaticClass(), Frame))
		{
			continue;
		}
		const FLiveLinkSkeletonStaticData* Skeleton = Frame.StaticData.Cast<FLiveLinkSkeletonStaticData>();
		const FLiveLinkAnimationFrameData* Animation = Frame.FrameData.Cast<FLiveLinkAnimationFrameData>();
		if (!Skeleton || !Animation)
		{
			continue;
		}
		Animated->Mesh->Build(float(DeltaSeconds), *Skeleton, *Animation);
		++Animated->PosesBuilt;
		if (Take)
		{
			Take->RecordPose(Animated->Subject, Animated->AssetPath, Animated->Mesh->GetPose());
		}
	}
}

TArray<FAnimatedSubjectStatus> FAnimatedSubjects::GetStatuses() const
{
	TArray<FAnimatedSubjectStatus> Statuses;
	for (const std::unique_ptr<FAnimatedMesh>& Mesh : Meshes)
	{
		Statuses.Add({Mesh->Subject, Mesh->AssetPath, Mesh->PosesBuilt, &Mesh->Mesh->GetAsset(),
			Mesh->PosesBuilt > 0 ? &Mesh->Mesh->GetPose() : nullptr});
	}
	return Statuses;
}
