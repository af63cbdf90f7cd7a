#include "BvhExport.h"

#include "Animation/Skeleton.h"
#include "TakeSubjectExport.h"
#include "UObject/UObjectGlobals.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

namespace
{
const char* const TposeSkeletonPath = "/ZevoLiveLink/Zevo_TPose_Skeleton.Zevo_TPose_Skeleton";

/** The legs' stream bones and which leg length (upper, lower, hip to upper leg) each one's offset has. */
const struct
{
	const char* Bone;
	int32 Length;
} LegSegments[] = {{"LeftHip", 2}, {"RightHip", 2}, {"LeftKnee", 0}, {"RightKnee", 0}, {"LeftAnkle", 1}, {"RightAnkle", 1}};

/** An engine vector (cm, Z up, left-handed) as the right-handed Y-up file holds it. */
FVector ToFile(const FVector& Engine)
{
	return FVector(Engine.X, Engine.Z, Engine.Y);
}

/** The rotation as angles about Z, X and Y (degrees) whose product Rz * Rx * Ry it is. */
FVector ZxyDegrees(const FQuat& Q)
{
	const double X = Q.X, Y = Q.Y, Z = Q.Z, W = Q.W;
	const double R00 = 1 - 2 * (Y * Y + Z * Z), R01 = 2 * (X * Y - W * Z);
	const double R10 = 2 * (X * Y + W * Z), R11 = 1 - 2 * (X * X + Z * Z);
	const double R20 = 2 * (X * Z - W * Y), R21 = 2 * (Y * Z + W * X), R22 = 1 - 2 * (X * X + Y * Y);
	const double CosX = std::sqrt(R01 * R01 + R11 * R11);
	const double AboutX = std::atan2(R21, CosX);
	double AboutZ, AboutY;
	if (CosX > 1e-9)
	{
		AboutZ = std::atan2(-R01, R11);
		AboutY = std::atan2(-R20, R22);
	}
	else
	{
		// Gimbal lock: Z and Y turn about the same axis; all of it goes to Z.
		AboutZ = std::atan2(R10, R00);
		AboutY = 0.0;
	}
	constexpr double Degrees = 180.0 / std::numbers::pi;
	return FVector(AboutZ * Degrees, AboutX * Degrees, AboutY * Degrees);
}

void AppendNumber(std::string& Out, double Value)
{
	char Buffer[32];
	const std::to_chars_result Result = std::to_chars(Buffer, Buffer + sizeof(Buffer), Value, std::chars_format::fixed, 6);
	Out += ' ';
	Out.append(Buffer, Result.ptr);
}

/** One frame's channels: hips position, then each bone's rotation. */
struct FBvhPose
{
	double Time = 0.0;
	FVector HipsPosition;
	std::vector<FQuat> Rotations;
};

/**
 * The frames on the rate's grid: each slot takes the frame nearest to it, and slots no frame fell
 * into are interpolated between the frames on either side. Holds two frames at most.
 */
class FFrameGrid
{
public:
	FFrameGrid(double InFirst, double InRate, TFunction<void(const FBvhPose&)> InEmit) : First(InFirst), Rate(InRate), Emit(MoveTemp(InEmit)) {}

	void Add(FBvhPose&& Pose)
	{
		const int64 Slot = std::llround((Pose.Time - First) * Rate);
		const double Distance = std::abs(Pose.Time - SlotTime(Slot));
		if (bHasCandidate && Slot == CandidateSlot)
		{
			if (Distance < CandidateDistance)
			{
				Candidate = MoveTemp(Pose);
				CandidateDistance = Distance;
			}
			return;
		}
		if (bHasCandidate)
		{
			Emit(Candidate);
			for (int64 Empty = CandidateSlot + 1; Empty < Slot; ++Empty)
			{
				Emit(Interpolate(Candidate, Pose, (SlotTime(Empty) - Candidate.Time) / (Pose.Time - Candidate.Time)));
			}
		}
		bHasCandidate = true;
		CandidateSlot = Slot;
		CandidateDistance = Distance;
		Candidate = MoveTemp(Pose);
	}

	void Finish()
	{
		if (bHasCandidate)
		{
			Emit(Candidate);
			bHasCandidate = false;
		}
	}

private:
	double SlotTime(int64 Slot) const { return First + double(Slot) / Rate; }

	static FBvhPose Interpolate(const FBvhPose& A, const FBvhPose& B, double Alpha)
	{
		FBvhPose Out;
		Out.HipsPosition = A.HipsPosition + (B.HipsPosition - A.HipsPosition) * Alpha;
		Out.Rotations.resize(A.Rotations.size());
		for (size_t Bone = 0; Bone < A.Rotations.size(); ++Bone)
		{
			Out.Rotations[Bone] = FQuat::Slerp(A.Rotations[Bone], B.Rotations[Bone], Alpha);
		}
		return Out;
	}

	double First;
	double Rate;
	TFunction<void(const FBvhPose&)> Emit;
	bool bHasCandidate = false;
	int64 CandidateSlot = 0;
	double CandidateDistance = 0.0;
	FBvhPose Candidate;
};

class FBvhWriter : public ITakeSubjectSink
{
public:
	explicit FBvhWriter(double InRate) : RequestedRate(InRate) {}
	~FBvhWriter() override
	{
		if (File)
		{
			std::fclose(File);
		}
	}

	bool Begin(const FTakeEvent& Static, const FTakeSubjectPlan& Plan, const FString& TemporaryPath, FString& OutError) override
	{
		Parents = std::vector<int32>(Static.BoneParents.begin(), Static.BoneParents.end());
		if (Parents.empty())
		{
			OutError = FString::Printf("the skeleton of %s has no bones", *Static.Subject);
			return false;
		}
		for (size_t Bone = 0; Bone < Parents.size(); ++Bone)
		{
			if (Parents[Bone] >= int32(Bone) || (Bone > 0) != (Parents[Bone] >= 0))
			{
				OutError = FString::Printf("the skeleton of %s is not one hierarchy listed parents first", *Static.Subject);
				return false;
			}
		}
		std::vector<FVector> Offsets;
		if (!FindOffsets(Static, Plan, Offsets, OutError))
		{
			return false;
		}
		Rate = RequestedRate > 0.0 ? RequestedRate : Plan.NominalRate > 0.0 ? Plan.NominalRate : 60.0;
		FrameCount = std::llround((Plan.Last - Plan.First) * Rate) + 1;
		Grid = std::make_unique<FFrameGrid>(Plan.First, Rate, [this](const FBvhPose& Pose) { WriteFrame(Pose); });
		File = std::fopen(*TemporaryPath, "wb");
		Path = TemporaryPath;
		if (!File)
		{
			OutError = FString::Printf("cannot write the temporary file %s: %s", *TemporaryPath, std::strerror(errno));
			return false;
		}
		std::string Text = "HIERARCHY\n";
		WriteJoint(Text, Static, Offsets, 0, 0);  // also lists the joints in the order of their channels
		Text += "MOTION\nFrames: " + std::to_string(FrameCount) + "\n";
		char Line[64];
		std::snprintf(Line, sizeof(Line), "Frame Time: %.9f\n", 1.0 / Rate);
		Text += Line;
		Put(Text);
		return true;
	}

	void AddFrame(const FTakeEvent& Frame) override
	{
		FBvhPose Pose;
		Pose.Time = Frame.Time;
		Pose.HipsPosition = Frame.Transforms[0].GetTranslation() * 100.0;
		Pose.HipsPosition.X = -Pose.HipsPosition.X;
		Pose.Rotations.reserve(Frame.Transforms.Num());
		for (const FTransform& Transform : Frame.Transforms)
		{
			const FQuat Stream = Transform.GetRotation().GetNormalized();
			Pose.Rotations.push_back(FQuat(Stream.X, -Stream.Y, -Stream.Z, Stream.W));
		}
		Grid->Add(MoveTemp(Pose));
	}

	bool Finish(FTakeExportResult& OutResult, FString& OutError) override
	{
		Grid->Finish();
		const bool bClosed = std::fclose(File) == 0;
		File = nullptr;
		if (bFailed || !bClosed)
		{
			OutError = FString::Printf("cannot write the temporary file %s: %s", *Path, std::strerror(errno));
			return false;
		}
		if (FramesWritten != FrameCount)
		{
			OutError = FString::Printf("wrote %lld frames where %lld were planned", static_cast<long long>(FramesWritten),
				static_cast<long long>(FrameCount));
			return false;
		}
		OutResult = {FramesWritten, double(FramesWritten - 1) / Rate, Rate};
		return true;
	}

private:
	/** Each bone's offset from its parent in the file's frame: the T-pose skeleton's, fitted to the legs the frames carry. */
	bool FindOffsets(const FTakeEvent& Static, const FTakeSubjectPlan& Plan, std::vector<FVector>& OutOffsets, FString& OutError) const;
	void WriteJoint(std::string& Text, const FTakeEvent& Static, const std::vector<FVector>& Offsets, int32 Bone, int32 Depth);

	void WriteFrame(const FBvhPose& Pose)
	{
		std::string Line;
		Line.reserve(16 * (3 + 3 * Pose.Rotations.size()));
		for (const double Value : {Pose.HipsPosition.X, Pose.HipsPosition.Y, Pose.HipsPosition.Z})
		{
			AppendNumber(Line, Value);
		}
		// A frame's channels go joint by joint in the order the hierarchy lists them, depth first.
		for (const int32 Bone : ChannelOrder)
		{
			const FVector Angles = ZxyDegrees(Pose.Rotations[Bone]);
			AppendNumber(Line, Angles.X);
			AppendNumber(Line, Angles.Y);
			AppendNumber(Line, Angles.Z);
		}
		Line.erase(0, 1);
		Line += '\n';
		Put(Line);
		++FramesWritten;
	}

	void Put(const std::string& Text)
	{
		bFailed = bFailed || std::fwrite(Text.data(), 1, Text.size(), File) != Text.size();
	}

	double RequestedRate;
	double Rate = 60.0;
	int64 FrameCount = 0;
	int64 FramesWritten = 0;
	std::vector<int32> Parents;
	/** The bones in the order the hierarchy lists them. */
	std::vector<int32> ChannelOrder;
	std::unique_ptr<FFrameGrid> Grid;
	FString Path;
	std::FILE* File = nullptr;
	bool bFailed = false;
};

bool FBvhWriter::FindOffsets(const FTakeEvent& Static, const FTakeSubjectPlan& Plan, std::vector<FVector>& OutOffsets, FString& OutError) const
{
	const USkeleton* Tpose = LoadObject<USkeleton>(nullptr, TposeSkeletonPath);
	if (!Tpose)
	{
		OutError = FString::Printf("the default T-pose skeleton %s cannot be loaded", TposeSkeletonPath);
		return false;
	}
	const FReferenceSkeleton& Reference = Tpose->GetReferenceSkeleton();
	// Parents come before their children, so one pass composes every bone onto its parent's result.
	std::vector<FTransform> Component(Reference.GetNum());
	for (int32 Index = 0; Index < Reference.GetNum(); ++Index)
	{
		const int32 Parent = Reference.GetParentIndex(Index);
		const FTransform& Local = Reference.GetRefBonePose()[Index];
		Component[Index] = Parent == INDEX_NONE ? Local : Local * Component[Parent];
	}
	std::vector<int32> InTpose(Parents.size());
	for (size_t Bone = 0; Bone < Parents.size(); ++Bone)
	{
		// The stream names its toes "...Toes", the T-pose skeleton "...Toe".
		FString Name = Static.BoneNames[Bone];
		InTpose[Bone] = Reference.FindBoneIndex(FName(*Name));
		if (InTpose[Bone] == INDEX_NONE && Name.EndsWith("Toes"))
		{
			InTpose[Bone] = Reference.FindBoneIndex(FName(*Name.LeftChop(1)));
		}
		if (InTpose[Bone] == INDEX_NONE)
		{
			OutError = FString::Printf("the default T-pose skeleton has no bone %s", *Name);
			return false;
		}
	}
	OutOffsets.assign(Parents.size(), FVector(0, 0, 0));
	for (size_t Bone = 1; Bone < Parents.size(); ++Bone)
	{
		OutOffsets[Bone] = ToFile(Component[InTpose[Bone]].GetTranslation() - Component[InTpose[Parents[Bone]]].GetTranslation());
	}
	if (!Plan.bHasLegLengths)
	{
		return true;
	}
	// The whole body grows with the legs; each leg segment then gets exactly its measured length.
	double TposeLeg = 0.0;
	for (int32 Segment = 0; Segment < 3; ++Segment)
	{
		const int32 Bone = Static.BoneNames.IndexOfByKey(FString(LegSegments[2 * Segment].Bone));
		TposeLeg += Bone > 0 ? OutOffsets[Bone].Size() : 0.0;
	}
	const double StreamLeg = 100.0 * (double(Plan.LegLengths[0]) + Plan.LegLengths[1] + Plan.LegLengths[2]);
	const double Scale = TposeLeg > 0.01 ? StreamLeg / TposeLeg : 1.0;
	for (FVector& Offset : OutOffsets)
	{
		Offset = Offset * Scale;
	}
	for (const auto& Segment : LegSegments)
	{
		const int32 Bone = Static.BoneNames.IndexOfByKey(FString(Segment.Bone));
		if (Bone > 0 && OutOffsets[Bone].Size() > 1e-6)
		{
			OutOffsets[Bone] = OutOffsets[Bone].GetSafeNormal() * (100.0 * Plan.LegLengths[Segment.Length]);
		}
	}
	return true;
}

void FBvhWriter::WriteJoint(std::string& Text, const FTakeEvent& Static, const std::vector<FVector>& Offsets, int32 Bone, int32 Depth)
{
	ChannelOrder.push_back(Bone);
	const std::string Indent(size_t(Depth), '\t');
	Text += Indent + (Bone == 0 ? "ROOT " : "JOINT ") + Static.BoneNames[Bone].ToStdString() + "\n" + Indent + "{\n";
	Text += Indent + "\tOFFSET";
	for (const double Value : {Offsets[Bone].X, Offsets[Bone].Y, Offsets[Bone].Z})
	{
		AppendNumber(Text, Value);
	}
	Text += "\n" + Indent + (Bone == 0 ? "\tCHANNELS 6 Xposition Yposition Zposition Zrotation Xrotation Yrotation\n"
									   : "\tCHANNELS 3 Zrotation Xrotation Yrotation\n");
	bool bHasChildren = false;
	for (size_t Child = size_t(Bone) + 1; Child < Parents.size(); ++Child)
	{
		if (Parents[Child] == Bone)
		{
			WriteJoint(Text, Static, Offsets, int32(Child), Depth + 1);
			bHasChildren = true;
		}
	}
	if (!bHasChildren)
	{
		// The tip carries on in the bone's direction, half as long, so that viewers draw the last bone.
		const FVector Tip = Offsets[Bone] * 0.5;
		Text += Indent + "\tEnd Site\n" + Indent + "\t{\n" + Indent + "\t\tOFFSET";
		for (const double Value : {Tip.X, Tip.Y, Tip.Z})
		{
			AppendNumber(Text, Value);
		}
		Text += "\n" + Indent + "\t}\n";
	}
	Text += Indent + "}\n";
}
}

bool ExportTakeToBvh(const FTakeExportRequest& Request, double Rate, FTakeExportResult& OutResult, FString& OutError)
{
	FBvhWriter Writer(Rate);
	return ExportTakeSubject(Request, Writer, OutResult, OutError);
}
