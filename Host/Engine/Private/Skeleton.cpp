#include "Animation/Skeleton.h"

#include "UObject/ObjectMacros.h"

#include <cmath>

ZEVO_REFLECT_CLASS(USkeleton, CLASS_None)
{
	// The reference skeleton's own arrays are what the file holds; PostLoad rebuilds the lookups.
	constexpr SIZE_T RefSkeleton = offsetof(USkeleton, ReferenceSkeleton);
	Builder.template Property<TArray<FMeshBoneInfo>>("RefBoneInfo", RefSkeleton + offsetof(FReferenceSkeleton, RawRefBoneInfo), UP::Private);
	Builder.template Property<TArray<FTransform>>("RefBonePose", RefSkeleton + offsetof(FReferenceSkeleton, RawRefBonePose), UP::Private);
	ZEVO_PROPERTY(PreviewMeshVertices, UP::Private);
}

USkeleton::USkeleton() = default;
USkeleton::~USkeleton() = default;

void USkeleton::SetPreviewMesh(std::unique_ptr<USkeletalMesh> InPreviewMesh)
{
	PreviewMesh = std::move(InPreviewMesh);
	PreviewMeshVertices = PreviewMesh ? PreviewMesh->GetVertexPositions() : TArray<FVector>();
	if (PreviewMesh)
	{
		PreviewMesh->SetSkeleton(this);
		PreviewMesh->SetOuter(this);
	}
}

void USkeleton::SetPreviewMeshVertices(const TArray<FVector>& Vertices)
{
	std::unique_ptr<USkeletalMesh> Mesh;
	if (!Vertices.IsEmpty())
	{
		Mesh = std::make_unique<USkeletalMesh>();
		Mesh->Rename(FName(*(GetName() + "_PreviewMesh")));
		Mesh->SetVertexPositions(Vertices);
	}
	SetPreviewMesh(std::move(Mesh));
}

void USkeleton::PostLoad()
{
	Super::PostLoad();
	RebuildFromReflectedState();
}

void USkeleton::PostEditUndo()
{
	RebuildFromReflectedState();
	Super::PostEditUndo();
}

namespace
{
bool IsFinite(const FVector& V)
{
	return std::isfinite(V.X) && std::isfinite(V.Y) && std::isfinite(V.Z);
}

bool IsUsablePose(const FTransform& Pose)
{
	const FQuat& Q = Pose.GetRotation();
	return IsFinite(Pose.GetTranslation()) && IsFinite(Pose.GetScale3D()) && std::isfinite(Q.SizeSquared()) && Q.IsNormalized();
}
}

void USkeleton::RebuildFromReflectedState()
{
	const TArray<FMeshBoneInfo> BoneInfo = ReferenceSkeleton.GetRawRefBoneInfo();
	const TArray<FTransform> BonePose = ReferenceSkeleton.GetRawRefBonePose();
	ReferenceSkeleton.Empty();
	if (BoneInfo.Num() != BonePose.Num())
	{
		UE_LOG(LogTemp, Error, "Skeleton %s: %d bones but %d reference poses; only bones with both are kept",
			*GetPathName(), BoneInfo.Num(), BonePose.Num());
	}
	// A bad bone ends the skeleton there: its children could not hang anywhere sensible.
	FReferenceSkeletonModifier Modifier(ReferenceSkeleton);
	for (int32 Index = 0; Index < std::min(BoneInfo.Num(), BonePose.Num()); ++Index)
	{
		if (!IsUsablePose(BonePose[Index]) || !Modifier.Add(BoneInfo[Index], BonePose[Index]))
		{
			UE_LOG(LogTemp, Error, "Skeleton %s: bone %d ('%s') is unusable; it and the %d bones after it are dropped",
				*GetPathName(), Index, *BoneInfo[Index].Name.ToString(), BoneInfo.Num() - Index - 1);
			break;
		}
	}

	TArray<FVector> Vertices;
	for (const FVector& Vertex : PreviewMeshVertices)
	{
		if (!IsFinite(Vertex))
		{
			UE_LOG(LogTemp, Error, "Skeleton %s: the preview mesh has a vertex that is not a number; the mesh is dropped", *GetPathName());
			Vertices.Empty();
			break;
		}
		Vertices.Add(Vertex);
	}
	SetPreviewMeshVertices(Vertices);
}
