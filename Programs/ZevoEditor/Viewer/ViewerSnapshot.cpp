#include "ViewerSnapshot.h"

#include "BonePose.h"
#include "Components/StaticMeshComponent.h"
#include "Engine/StaticMesh.h"
#include "Roles/LiveLinkAnimationTypes.h"
#include "Roles/LiveLinkTransformTypes.h"
#include "UObject/ReflectedEnum.h"
#include "UObject/UObjectGlobals.h"
#include "ViewerStateJson.h"
#include "ZevoBoneMapping.h"
#include "ZevoLiveLinkPropComponent.h"
#include "ZevoLiveLinkSourceDrops.h"
#include "ZevoRemapAssetBase.h"

namespace
{
// The stream is metres with Y up; the viewer draws what the engine sees: centimetres, Z up (the
// conversion of the remap asset and the prop component).
FVector StreamToEnginePosition(const FVector& P)
{
	return FVector(-100.0 * P.X, 100.0 * P.Z, 100.0 * P.Y);
}

FVector EngineToStreamPosition(const FVector& P)
{
	return FVector(-0.01 * P.X, 0.01 * P.Z, 0.01 * P.Y);
}

const char* const TPoseSkeletonPath = "/ZevoLiveLink/Zevo_TPose_Skeleton.Zevo_TPose_Skeleton";

FQuat StreamToEngineRotation(const FQuat& Q)
{
	return FQuat(-Q.X, Q.Z, Q.Y, Q.W);
}

/** Component-space transforms from local ones; ParentOf(Index) is INDEX_NONE for a root. */
template <typename ParentFunction>
TArray<FTransform> ToComponentSpace(const TArray<FTransform>& Local, ParentFunction ParentOf)
{
	TArray<FTransform> Component;
	Component.SetNum(Local.Num());
	for (int32 Index = 0; Index < Local.Num(); ++Index)
	{
		const int32 Parent = ParentOf(Index);
		if (Parent == INDEX_NONE)
		{
			Component[Index] = Local[Index];
		}
		else if (Parent < Index)
		{
			Component[Index] = Local[Index] * Component[Parent];
		}
		else
		{
			// A parent listed after its child: walk the chain (never in a well-formed skeleton).
			FTransform Result = Local[Index];
			for (int32 Up = Parent; Up != INDEX_NONE; Up = ParentOf(Up))
			{
				Result = Result * Local[Up];
			}
			Component[Index] = Result;
		}
	}
	return Component;
}

/** The frame's local rotations on the T-pose's bone offsets (added to any translation the frame carries). */
std::vector<FViewerBone> StreamBones(const FLiveLinkSkeletonStaticData& Skeleton, const FLiveLinkAnimationFrameData& Frame,
	const TArray<FVector>& RestOffsets)
{
	TArray<FTransform> Local = Frame.Transforms;
	for (int32 Index = 0; Index < Local.Num() && Index < RestOffsets.Num(); ++Index)
	{
		Local[Index].SetTranslation(Local[Index].GetTranslation() + RestOffsets[Index]);
	}
	const TArray<FTransform> Component = ToComponentSpace(Local, [&](int32 Index) { return Skeleton.BoneParents[Index]; });
	std::vector<FViewerBone> Bones(Component.Num());
	for (int32 Index = 0; Index < Component.Num(); ++Index)
	{
		Bones[Index] = {Skeleton.BoneNames[Index], Skeleton.BoneParents[Index], StreamToEnginePosition(Component[Index].GetTranslation()),
			StreamToEngineRotation(Component[Index].GetRotation())};
	}
	return Bones;
}

/** The prop as the prop component draws it: PropType 1 a sphere, any other a box; the scale is its size in metres. */
FViewerShape StreamProp(const FLiveLinkTransformFrameData& Frame)
{
	const FVector Scale = Frame.Transform.GetScale3D();
	const bool bSphere = !Frame.PropertyValues.IsEmpty() && static_cast<int32>(Frame.PropertyValues[0]) == 1;
	return {bSphere, StreamToEnginePosition(Frame.Transform.GetLocation()), StreamToEngineRotation(Frame.Transform.GetRotation()),
		FVector(100.0 * Scale.X, 100.0 * Scale.Z, 100.0 * Scale.Y)};
}

std::vector<FViewerBone> ReferenceBones(const FReferenceSkeleton& Reference, const TArray<FTransform>& Local)
{
	const TArray<FTransform> Component = ToComponentSpace(Local, [&](int32 Index) { return Reference.GetParentIndex(Index); });
	std::vector<FViewerBone> Bones(Component.Num());
	for (int32 Index = 0; Index < Component.Num(); ++Index)
	{
		Bones[Index] = {Reference.GetBoneName(Index), Reference.GetParentIndex(Index), Component[Index].GetTranslation(), Component[Index].GetRotation()};
	}
	return Bones;
}

FString RoleName(UClass* Role)
{
	if (!Role)
	{
		return "None";
	}
	return Role->IsChildOf(ULiveLinkAnimationRole::StaticClass()) ? "Animation"
		: Role->IsChildOf(ULiveLinkTransformRole::StaticClass())   ? "Transform"
																	 : Role->GetName();
}

/** The engine's basic sphere is drawn as a sphere; every other mesh as the box of its bounds. */
FViewerShape MeshShape(const UStaticMeshComponent& Component, const UStaticMesh& Mesh)
{
	const FTransform World = Component.GetComponentTransform();
	const FBoxSphereBounds Bounds = Mesh.GetBounds();
	const FVector Scale = World.GetScale3D();
	const bool bSphere = Mesh.GetName() == "Sphere";
	const double Diameter = 2.0 * Bounds.SphereRadius * Scale.Y;
	return {bSphere, World.TransformPosition(Bounds.Origin), World.GetRotation(),
		bSphere ? FVector(Diameter, Diameter, Diameter) : 2.0 * Bounds.BoxExtent * Scale};
}

FViewerActor TakeActor(const AActor& Actor)
{
	FViewerActor Viewed;
	const FTransform World = Actor.GetActorTransform();
	Viewed.Label = Actor.GetActorLabel();
	Viewed.Position = World.GetTranslation();
	Viewed.Rotation = World.GetRotation();
	for (UActorComponent* Component : Actor.GetComponents())
	{
		if (const UZevoLiveLinkPropComponent* Prop = Cast<UZevoLiveLinkPropComponent>(Component))
		{
			Viewed.Follows = Prop->SubjectName;
			Viewed.bReceiving = Prop->IsReceivingData();
		}
		const UStaticMeshComponent* Mesh = Cast<UStaticMeshComponent>(Component);
		if (Mesh && Mesh->GetStaticMesh())
		{
			Viewed.Shapes.push_back(MeshShape(*Mesh, *Mesh->GetStaticMesh()));
		}
	}
	return Viewed;
}
}

std::shared_ptr<const FViewerState> FViewerSnapshot::Take(const FLiveLinkClient& Client, const TArray<AActor*>& Actors,
	const TArray<FAnimatedSubjectStatus>& Animated, double RunSeconds, int64 EngineFrame)
{
	auto State = std::make_shared<FViewerState>();
	State->RunSeconds = RunSeconds;
	State->EngineFrame = EngineFrame;
	const double Now = FPlatformTime::Seconds();
	TakeSubjects(Client, Now, *State);
	TakeTargets(Animated, Now, *State);
	State->Actors.reserve(Actors.Num());
	for (const AActor* Actor : Actors)
	{
		State->Actors.push_back(TakeActor(*Actor));
	}
	return State;
}

void FViewerSnapshot::TakeSubjects(const FLiveLinkClient& Client, double Now, FViewerState& State)
{
	TMap<FGuid, FString> Machines;
	for (const FGuid& Source : Client.GetSources())
	{
		FViewerSource Viewed{Client.GetSourceType(Source).ToString(), Client.GetSourceMachineName(Source).ToString(),
			Client.GetSourceStatus(Source).ToString()};
		FZevoSourceDropCounts Drops;
		if (ZevoGetSourceDropCounts(Source, Drops))
		{
			Viewed.Dropped = Drops.ToString();
		}
		Machines.Add(Source, Viewed.Machine);
		State.Sources.push_back(MoveTemp(Viewed));
	}
	TMap<FLiveLinkSubjectKey, FSubjectHistory> StillThere;
	for (const FLiveLinkSubjectStatus& Status : Client.GetSubjectStatuses())
	{
		FViewerSubject& Viewed = State.Subjects.emplace_back();
		Viewed.Name = Status.Key.SubjectName;
		Viewed.Source = Machines.FindRef(Status.Key.Source);
		Viewed.Role = RoleName(Status.Role.Get());
		Viewed.Dropped = Status.FramesDropped;
		FSubjectHistory* Found = Subjects.Find(Status.Key);
		FSubjectHistory& History = StillThere.Add(Status.Key, Found ? MoveTemp(*Found) : FSubjectHistory());
		FSubjectFrameTiming& Timing = History.Timing;
		FLiveLinkSubjectFrameData Frame;
		if (Client.EvaluateFrameFromSource_AnyThread(Status.Key, Status.Role, Frame))
		{
			const double FrameTime = Frame.FrameData.GetBaseData()->WorldTime.Time;
			Timing.Observe(Status.FramesReceived, FrameTime, Now);
			Viewed.SecondsSinceLastFrame = Now - FrameTime;
			const FLiveLinkSkeletonStaticData* Skeleton = Frame.StaticData.Cast<FLiveLinkSkeletonStaticData>();
			const FLiveLinkAnimationFrameData* Animation = Frame.FrameData.Cast<FLiveLinkAnimationFrameData>();
			const FLiveLinkTransformFrameData* Transform = Frame.FrameData.Cast<FLiveLinkTransformFrameData>();
			if (Skeleton && Animation)
			{
				Viewed.Bones = StreamBones(*Skeleton, *Animation, FindOrMakeRestOffsets(History, Frame));
			}
			else if (Transform)
			{
				Viewed.bHasProp = true;
				Viewed.Prop = StreamProp(*Transform);
			}
		}
		Viewed.FramesPerSecond = Timing.GetFramesPerSecond();
		Viewed.Late = Timing.GetLateFrames();
	}
	// Subjects that went away take their history with them.
	Subjects = MoveTemp(StillThere);
}

const TArray<FVector>& FViewerSnapshot::FindOrMakeRestOffsets(FSubjectHistory& History, const FLiveLinkSubjectFrameData& Frame)
{
	if (History.Skeleton.GetBaseData() == Frame.StaticData.GetBaseData())
	{
		return History.RestOffsets;
	}
	if (!TPoseJoints)
	{
		TPoseJoints.emplace();
		const USkeleton* TPose = LoadObject<USkeleton>(nullptr, TPoseSkeletonPath);
		if (!TPose)
		{
			UE_LOG(LogTemp, Warning, "Viewer: no T-pose skeleton at %s: stream skeletons are drawn without bone lengths", TPoseSkeletonPath);
		}
		const FReferenceSkeleton* Reference = TPose ? &TPose->GetReferenceSkeleton() : nullptr;
		for (int32 Index = 0; Reference && Index < Reference->GetNum(); ++Index)
		{
			TPoseJoints->Add(Reference->GetBoneName(Index), EngineToStreamPosition(Reference->GetComponentSpaceTransform(Index).GetTranslation()));
		}
	}
	// The T-pose skeleton is named after the stream bone identifiers, which spell the toes
	// "LeftToe" where the stream spells them "LeftToes".
	const auto FindJoint = [this](FName StreamName) {
		const FVector* Found = TPoseJoints->Find(StreamName);
		const FString Name = StreamName.ToString();
		return Found || !Name.EndsWith("s") ? Found : TPoseJoints->Find(FName(*Name.LeftChop(1)));
	};
	const FLiveLinkSkeletonStaticData& Skeleton = *Frame.StaticData.Cast<FLiveLinkSkeletonStaticData>();
	History.Skeleton = Frame.StaticData.Share();
	History.RestOffsets.Init(FVector::ZeroVector, Skeleton.BoneNames.Num());
	for (int32 Index = 0; Index < Skeleton.BoneNames.Num(); ++Index)
	{
		const int32 Parent = Skeleton.BoneParents[Index];
		const FVector* Joint = FindJoint(Skeleton.BoneNames[Index]);
		const FVector* ParentJoint = Parent == INDEX_NONE ? nullptr : FindJoint(Skeleton.BoneNames[Parent]);
		if (Joint && ParentJoint)
		{
			History.RestOffsets[Index] = *Joint - *ParentJoint;
		}
	}
	return History.RestOffsets;
}

void FViewerSnapshot::TakeTargets(const TArray<FAnimatedSubjectStatus>& Animated, double Now, FViewerState& State)
{
	PoseRates.SetNum(Animated.Num());
	for (int32 Index = 0; Index < Animated.Num(); ++Index)
	{
		const FAnimatedSubjectStatus& Mesh = Animated[Index];
		PoseRates[Index].Observe(Mesh.PosesBuilt, Now);
		FViewerTarget& Viewed = State.Targets.emplace_back();
		Viewed.Subject = Mesh.Subject;
		Viewed.Asset = Mesh.Asset;
		Viewed.PosesPerSecond = PoseRates[Index].GetPerSecond();
		const USkeleton* Skeleton = Mesh.RemapAsset ? Mesh.RemapAsset->TargetSkeleton : nullptr;
		if (Mesh.RemapAsset)
		{
			Viewed.Mapping = FindOrMakeMapping(*Mesh.RemapAsset);
		}
		if (Skeleton)
		{
			Viewed.Skeleton = Skeleton->GetPathName();
			Viewed.PreviewMesh = FindOrMakePreviewMesh(*Skeleton);
		}
		if (Mesh.Pose)
		{
			Viewed.Bones = ReferenceBones(Mesh.Pose->GetBoneContainer().GetReferenceSkeleton(), Mesh.Pose->GetBones());
		}
	}
}

std::shared_ptr<const FViewerMapping> FViewerSnapshot::FindOrMakeMapping(const UZevoRemapAssetBase& Asset)
{
	if (const std::shared_ptr<const FViewerMapping>* Found = Mappings.Find(&Asset))
	{
		return *Found;
	}
	auto Mapping = std::make_shared<FViewerMapping>();
	Mapping->Asset = Asset.GetPathName();
	Mapping->DuplicateStatusText = Asset.DuplicateStatusText;
	Mapping->MissingStatusText = Asset.MissingStatusText;
	for (const FZevoBoneMappingRow& Row : Asset.GetAllBones())
	{
		FViewerMappingRow& Viewed = Mapping->Rows.emplace_back();
		Viewed.Category = FZevoBoneNameUtils::GetCategoryName(FZevoBoneNameUtils::GetBoneCategory(Row.SourceBone));
		Viewed.SourceBone = FZevoBoneNameUtils::EnumToFName(Row.SourceBone);
		Viewed.DisplayName = StaticEnum<EZevoBoneName>()->GetDisplayNameTextByValue(static_cast<int64>(Row.SourceBone)).ToString();
		Viewed.TargetBone = Row.TargetBone;
		if (const TArray<FName>* Sources = Row.TargetBone.IsNone() ? nullptr : Asset.GetDuplicateTargetBones().Find(Row.TargetBone))
		{
			Viewed.bDuplicate = true;
			FString Names;
			for (const FName& Source : *Sources)
			{
				Names += (Names.IsEmpty() ? "" : ", ") + Source.ToString();
			}
			Viewed.DuplicateToolTip = FString::Printf("Duplicate! This target bone is mapped from: %s", *Names);
		}
		Mapping->Mapped += Row.TargetBone.IsNone() ? 0 : 1;
	}
	Mapping->Total = static_cast<int32>(Mapping->Rows.size());
	Mapping->Percent = Mapping->Total > 0 ? Mapping->Mapped * 100 / Mapping->Total : 0;
	Mapping->Json = ViewerMappingToJson(*Mapping);
	Mappings.Add(&Asset, Mapping);
	return Mapping;
}

std::shared_ptr<const FViewerPreviewMesh> FViewerSnapshot::FindOrMakePreviewMesh(const USkeleton& Skeleton)
{
	if (const std::shared_ptr<const FViewerPreviewMesh>* Found = PreviewMeshes.Find(&Skeleton))
	{
		return *Found;
	}
	std::shared_ptr<FViewerPreviewMesh> Mesh;
	if (const USkeletalMesh* Preview = Skeleton.GetPreviewMesh())
	{
		Mesh = std::make_shared<FViewerPreviewMesh>();
		for (const FVector& Vertex : Preview->GetVertexPositions())
		{
			Mesh->Vertices.push_back(Vertex);
		}
		const FReferenceSkeleton& Reference = Skeleton.GetReferenceSkeleton();
		Mesh->RestBones = ReferenceBones(Reference, Reference.GetRefBonePose());
		Mesh->Json = ViewerPreviewMeshToJson(*Mesh);
	}
	PreviewMeshes.Add(&Skeleton, Mesh);
	return Mesh;
}
