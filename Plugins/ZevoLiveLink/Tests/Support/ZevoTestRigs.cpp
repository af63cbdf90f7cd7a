#include "ZevoTestRigs.h"

#include "BonePose.h"
#include "ReferenceSkeleton.h"

#include <cmath>

namespace
{
FZevoTestBone Bone(const char* Name, const char* Parent, double X, double Y, double Z)
{
	return {FName(Name), Parent ? FName(Parent) : NAME_None, FVector(X, Y, Z)};
}

void AddHand(TArray<FZevoTestBone>& Bones, const char* Side, double Sign)
{
	// Sign is +1 for the left side (toward +X) and -1 for the right.
	const FString Wrist = FString::Printf("%sWrist", Side);
	const double Spread[5] = {3.0, 2.5, 0.5, -1.5, -3.5};
	const double Base[5] = {3.0, 9.0, 9.5, 9.0, 8.0};
	const double Segments[5][2] = {{3.5, 3.0}, {4.0, 2.5}, {4.5, 3.0}, {4.0, 2.5}, {3.0, 2.0}};
	for (int32 Finger = 0; Finger < 5; ++Finger)
	{
		const FString First = FString::Printf("%sFinger%d", Side, Finger);
		const FString Second = FString::Printf("%sFinger%d1", Side, Finger);
		const FString Third = FString::Printf("%sFinger%d2", Side, Finger);
		Bones.Add({FName(First), FName(Wrist), FVector(Sign * Base[Finger], Spread[Finger], Finger == 0 ? -1.0 : 0.0)});
		Bones.Add({FName(Second), FName(First), FVector(Sign * Segments[Finger][0], 0.0, 0.0)});
		Bones.Add({FName(Third), FName(Second), FVector(Sign * Segments[Finger][1], 0.0, 0.0)});
	}
}

// The preview mesh holds one box per bone, in bone order.
constexpr int32 BoxCorners = 8;

void AddBox(TArray<FVector>& Vertices, const FVector& Center, double Half, double FloorZ)
{
	for (int32 Corner = 0; Corner < BoxCorners; ++Corner)
	{
		const FVector Offset((Corner & 1) ? Half : -Half, (Corner & 2) ? Half : -Half, (Corner & 4) ? Half : -Half);
		FVector Vertex = Center + Offset;
		Vertex.Z = FMath::Max(Vertex.Z, FloorZ);
		Vertices.Add(Vertex);
	}
}
}

TArray<FZevoTestBone> ZevoTestRigs::StreamBodyTPose()
{
	TArray<FZevoTestBone> Bones{
		Bone("Hips", nullptr, 0, 0, 95),
		Bone("Chest", "Hips", 0, 0, 10),
		Bone("Chest1", "Chest", 0, 0, 12),
		Bone("Chest2", "Chest1", 0, 0, 13),
		Bone("Neck", "Chest2", 0, 0, 17),
		Bone("Neck1", "Neck", 0, 0, 10),
	};
	for (const auto& [Side, Sign] : {std::pair{"Left", 1.0}, std::pair{"Right", -1.0}})
	{
		const FString S(Side);
		Bones.Add({FName(S + "Hip"), FName("Hips"), FVector(Sign * 9.0, 0, -5)});
		Bones.Add({FName(S + "Knee"), FName(S + "Hip"), FVector(0, 0, -42)});
		Bones.Add({FName(S + "Ankle"), FName(S + "Knee"), FVector(0, 0, -40)});
		Bones.Add({FName(S + "Toe"), FName(S + "Ankle"), FVector(0, 14, -6)});
		Bones.Add({FName(S + "Collar"), FName("Chest2"), FVector(Sign * 3.0, 0, 12)});
		Bones.Add({FName(S + "Shoulder"), FName(S + "Collar"), FVector(Sign * 15.0, 0, 0)});
		Bones.Add({FName(S + "Elbow"), FName(S + "Shoulder"), FVector(Sign * 28.0, 0, 0)});
		Bones.Add({FName(S + "Wrist"), FName(S + "Elbow"), FVector(Sign * 26.0, 0, 0)});
		AddHand(Bones, Side, Sign);
	}
	return Bones;
}

TArray<FZevoTestBone> ZevoTestRigs::StreamBodyAPose()
{
	const double LegSpread = FMath::DegreesToRadians(10.0);
	const double ArmDrop = FMath::DegreesToRadians(45.0);
	TArray<FZevoTestBone> Bones = StreamBodyTPose();
	for (FZevoTestBone& Bone : Bones)
	{
		// Sign is +1 on the left (toward +X): turning by Sign * angle about +Y swings a limb down
		// and outward, turning by -Sign * angle swings it up and inward.
		const FString Name = Bone.Name.ToString();
		const double Sign = Name.StartsWith("Left") ? 1.0 : -1.0;
		if (Name.EndsWith("Shoulder"))
		{
			Bone.Rotation = FQuat(FVector(0, 1, 0), Sign * ArmDrop);
		}
		else if (Name.EndsWith("Hip"))
		{
			Bone.Rotation = FQuat(FVector(0, 1, 0), -Sign * LegSpread);
		}
		else if (Name.EndsWith("Ankle"))
		{
			Bone.Rotation = FQuat(FVector(0, 1, 0), Sign * LegSpread);
		}
		else if (Bone.Name == FName("Hips"))
		{
			// Spread legs reach less far down: the hips sink so that the soles stay on the floor.
			Bone.Translation.Z -= 82.0 * (1.0 - std::cos(LegSpread));
		}
	}
	return Bones;
}

TArray<FZevoTestBone> ZevoTestRigs::WithBoneAxesAlongBones(const TArray<FZevoTestBone>& Bones)
{
	// Every list here names a parent before its children.
	TMap<FName, FVector> Positions;
	TMap<FName, FQuat> RestFrames;
	for (const FZevoTestBone& Bone : Bones)
	{
		const FQuat ParentFrame = Bone.Parent.IsNone() ? FQuat::Identity : RestFrames[Bone.Parent];
		const FVector ParentPosition = Bone.Parent.IsNone() ? FVector::ZeroVector : Positions[Bone.Parent];
		Positions.Add(Bone.Name, ParentPosition + ParentFrame.RotateVector(Bone.Translation));
		RestFrames.Add(Bone.Name, ParentFrame * Bone.Rotation);
	}
	// X along the bone toward its first child, rolled a quarter turn so that no axis stays where
	// the component's is; a bone without children takes its parent's axes.
	const FQuat Roll(FVector(1, 0, 0), UE_PI / 2);
	TMap<FName, FQuat> Axes;
	TArray<FZevoTestBone> Result;
	for (const FZevoTestBone& Bone : Bones)
	{
		const FZevoTestBone* Child = Bones.FindByPredicate([&Bone](const FZevoTestBone& Other) { return Other.Parent == Bone.Name; });
		const FQuat ParentAxes = Bone.Parent.IsNone() ? FQuat::Identity : Axes[Bone.Parent];
		const FQuat BoneAxes =
			Child ? FQuat::FindBetweenVectors(FVector(1, 0, 0), Positions[Child->Name] - Positions[Bone.Name]) * Roll : ParentAxes;
		Axes.Add(Bone.Name, BoneAxes);
		const FVector ParentPosition = Bone.Parent.IsNone() ? FVector::ZeroVector : Positions[Bone.Parent];
		Result.Add({Bone.Name, Bone.Parent, ParentAxes.UnrotateVector(Positions[Bone.Name] - ParentPosition), ParentAxes.Inverse() * BoneAxes});
	}
	return Result;
}

TArray<FZevoTestBone> ZevoTestRigs::Rehung(const TArray<FZevoTestBone>& Bones, const TMap<FName, FName>& NewParents, const TArray<FZevoTestBone>& Inserted)
{
	TMap<FName, FVector> Places;
	for (const FZevoTestBone& Bone : Inserted)
	{
		Places.Add(Bone.Name, Bone.Translation);
	}
	for (const FZevoTestBone& Bone : Bones)
	{
		Places.Add(Bone.Name, Bone.Translation + (Bone.Parent.IsNone() ? FVector::ZeroVector : Places[Bone.Parent]));
	}
	TArray<FZevoTestBone> Pending;
	for (const TArray<FZevoTestBone>* Group : {&Inserted, &Bones})
	{
		for (FZevoTestBone Bone : *Group)
		{
			Bone.Parent = NewParents.Contains(Bone.Name) ? NewParents[Bone.Name] : Bone.Parent;
			Bone.Translation = Places[Bone.Name] - (Bone.Parent.IsNone() ? FVector::ZeroVector : Places[Bone.Parent]);
			Pending.Add(Bone);
		}
	}
	// A skeleton lists every parent before its children.
	TArray<FZevoTestBone> Result;
	TSet<FName> Listed;
	for (int32 Before = -1; Result.Num() > Before;)
	{
		Before = Result.Num();
		for (const FZevoTestBone& Bone : Pending)
		{
			if (!Listed.Contains(Bone.Name) && (Bone.Parent.IsNone() || Listed.Contains(Bone.Parent)))
			{
				Result.Add(Bone);
				Listed.Add(Bone.Name);
			}
		}
	}
	return Result;
}

TArray<FZevoTestBone> ZevoTestRigs::Renamed(const TArray<FZevoTestBone>& Bones, const TMap<FName, FName>& Rename)
{
	TArray<FZevoTestBone> Result = Bones;
	for (FZevoTestBone& Bone : Result)
	{
		if (const FName* NewName = Rename.Find(Bone.Name))
		{
			Bone.Name = *NewName;
		}
		if (const FName* NewParent = Rename.Find(Bone.Parent))
		{
			Bone.Parent = *NewParent;
		}
	}
	return Result;
}

void ZevoTestRigs::FillSkeleton(USkeleton& Skeleton, const TArray<FZevoTestBone>& Bones)
{
	FReferenceSkeletonModifier Modifier(Skeleton.GetMutableReferenceSkeleton());
	for (const FZevoTestBone& Bone : Bones)
	{
		const int32 Parent = Bone.Parent.IsNone() ? INDEX_NONE : Skeleton.GetReferenceSkeleton().FindBoneIndex(Bone.Parent);
		Modifier.Add(FMeshBoneInfo(Bone.Name, Parent), FTransform(Bone.Rotation, Bone.Translation));
	}
	const FReferenceSkeleton& RefSkeleton = Skeleton.GetReferenceSkeleton();
	TArray<FVector> Vertices;
	for (int32 Index = 0; Index < RefSkeleton.GetNum(); ++Index)
	{
		AddBox(Vertices, RefSkeleton.GetComponentSpaceTransform(Index).GetTranslation(), 4.0, 0.0);
	}
	auto Mesh = std::make_unique<USkeletalMesh>();
	Mesh->SetSkeleton(&Skeleton);
	Mesh->SetVertexPositions(Vertices);
	Skeleton.SetPreviewMesh(std::move(Mesh));
}

double ZevoTestRigs::LowestPreviewMeshPoint(const USkeleton& Skeleton, const FCompactPose& Pose)
{
	const FReferenceSkeleton& RefSkeleton = Skeleton.GetReferenceSkeleton();
	const TArray<FVector> Vertices = Skeleton.GetPreviewMesh()->GetVertexPositions();
	double Lowest = UE_MAX_FLT;
	for (int32 Vertex = 0; Vertex < Vertices.Num(); ++Vertex)
	{
		const int32 Bone = Vertex / BoxCorners;
		const FVector OnBone = RefSkeleton.GetComponentSpaceTransform(Bone).InverseTransformPosition(Vertices[Vertex]);
		Lowest = FMath::Min(Lowest, Pose.GetComponentSpaceTransform(Bone).TransformPosition(OnBone).Z);
	}
	return Lowest;
}

std::unique_ptr<USkeleton> ZevoTestRigs::MakeSkeleton(const TArray<FZevoTestBone>& Bones, FName Name)
{
	auto Skeleton = std::make_unique<USkeleton>();
	Skeleton->Rename(Name);
	FillSkeleton(*Skeleton, Bones);
	return Skeleton;
}

TArray<FZevoBoneMappingRow> ZevoTestRigs::IdentityMapping()
{
	TArray<FZevoBoneMappingRow> Rows;
	for (const EZevoBoneName Bone : FZevoBoneNameUtils::GetAllBoneEnums())
	{
		Rows.Add({Bone, FZevoBoneNameUtils::EnumToFName(Bone)});
	}
	return Rows;
}

TMap<FName, FName> ZevoTestRigs::IdentityTargets()
{
	TMap<FName, FName> Targets;
	for (const FZevoBoneMappingRow& Row : IdentityMapping())
	{
		Targets.Add(Row.TargetBone, Row.TargetBone);
	}
	return Targets;
}
