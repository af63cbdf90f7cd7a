#pragma once
// The bone vocabulary of the motion stream: the 52 stream bones and their categories, the
// folding of any rig's bone name to one canonical form with the table of naming conventions
// that expands a name into its usual variants, and the expected hierarchy that tells whether a
// candidate target bone sits where the stream bone would.
#include "CoreMinimal.h"
#include "ZevoBoneMapping.generated.h"

/**
 * The stream's bones, in the order of their values; `Count` ends the list and is never shown.
 * The enumerators' identifiers are the stream bones' names; the display names follow the target
 * rigs' naming, which is what the person mapping bones reads in the drop-down.
 */
UENUM(BlueprintType)
enum class EZevoBoneName : uint8
{
	Hips UMETA(DisplayName = "Pelvis"),
	Chest UMETA(DisplayName = "Spine 01"),
	Chest1 UMETA(DisplayName = "Spine 02"),
	Chest2 UMETA(DisplayName = "Spine 03"),
	Neck UMETA(DisplayName = "Neck 01"),
	Neck1 UMETA(DisplayName = "Head"),
	LeftHip UMETA(DisplayName = "Thigh L"),
	LeftKnee UMETA(DisplayName = "Calf L"),
	LeftAnkle UMETA(DisplayName = "Foot L"),
	LeftToe UMETA(DisplayName = "Toe L"),
	RightHip UMETA(DisplayName = "Thigh R"),
	RightKnee UMETA(DisplayName = "Calf R"),
	RightAnkle UMETA(DisplayName = "Foot R"),
	RightToe UMETA(DisplayName = "Toe R"),
	LeftCollar UMETA(DisplayName = "Clavicle L"),
	LeftShoulder UMETA(DisplayName = "UpperArm L"),
	LeftElbow UMETA(DisplayName = "LowerArm L"),
	LeftWrist UMETA(DisplayName = "Hand L"),
	RightCollar UMETA(DisplayName = "Clavicle R"),
	RightShoulder UMETA(DisplayName = "UpperArm R"),
	RightElbow UMETA(DisplayName = "LowerArm R"),
	RightWrist UMETA(DisplayName = "Hand R"),
	LeftFinger0 UMETA(DisplayName = "Thumb 01 L"),
	LeftFinger01 UMETA(DisplayName = "Thumb 02 L"),
	LeftFinger02 UMETA(DisplayName = "Thumb 03 L"),
	LeftFinger1 UMETA(DisplayName = "Index 01 L"),
	LeftFinger11 UMETA(DisplayName = "Index 02 L"),
	LeftFinger12 UMETA(DisplayName = "Index 03 L"),
	LeftFinger2 UMETA(DisplayName = "Middle 01 L"),
	LeftFinger21 UMETA(DisplayName = "Middle 02 L"),
	LeftFinger22 UMETA(DisplayName = "Middle 03 L"),
	LeftFinger3 UMETA(DisplayName = "Ring 01 L"),
	LeftFinger31 UMETA(DisplayName = "Ring 02 L"),
	LeftFinger32 UMETA(DisplayName = "Ring 03 L"),
	LeftFinger4 UMETA(DisplayName = "Pinky 01 L"),
	LeftFinger41 UMETA(DisplayName = "Pinky 02 L"),
	LeftFinger42 UMETA(DisplayName = "Pinky 03 L"),
	RightFinger0 UMETA(DisplayName = "Thumb 01 R"),
	RightFinger01 UMETA(DisplayName = "Thumb 02 R"),
	RightFinger02 UMETA(DisplayName = "Thumb 03 R"),
	RightFinger1 UMETA(DisplayName = "Index 01 R"),
	RightFinger11 UMETA(DisplayName = "Index 02 R"),
	RightFinger12 UMETA(DisplayName = "Index 03 R"),
	RightFinger2 UMETA(DisplayName = "Middle 01 R"),
	RightFinger21 UMETA(DisplayName = "Middle 02 R"),
	RightFinger22 UMETA(DisplayName = "Middle 03 R"),
	RightFinger3 UMETA(DisplayName = "Ring 01 R"),
	RightFinger31 UMETA(DisplayName = "Ring 02 R"),
	RightFinger32 UMETA(DisplayName = "Ring 03 R"),
	RightFinger4 UMETA(DisplayName = "Pinky 01 R"),
	RightFinger41 UMETA(DisplayName = "Pinky 02 R"),
	RightFinger42 UMETA(DisplayName = "Pinky 03 R"),
	Count UMETA(Hidden),
};

/** The four groups the stream bones fall into, each a contiguous range of EZevoBoneName values. */
UENUM(BlueprintType)
enum class EZevoBoneCategory : uint8
{
	BodyAndSpine UMETA(DisplayName = "Body & Spine"),
	Legs UMETA(DisplayName = "Legs"),
	Arms UMETA(DisplayName = "Arms"),
	Fingers UMETA(DisplayName = "Fingers"),
};

/** Converts between stream bones, their names and their categories. Holds no state. */
class FZevoBoneNameUtils
{
public:
	/** The enumerator's identifier ("LeftToe"); NAME_None for Count and anything above. */
	static FName EnumToFName(EZevoBoneName Bone);
	/**
	 * The stream bone of that identifier, ignoring case. A name that is no identifier gives
	 * Hips, so a caller cannot tell a foreign name from the pelvis by the result alone.
	 */
	static EZevoBoneName FNameToEnum(FName Name);
	/** The 52 stream bones in ascending order, without Count. */
	static TArray<EZevoBoneName> GetAllBoneEnums();
	/** By value range; Count and anything above count as BodyAndSpine. */
	static EZevoBoneCategory GetBoneCategory(EZevoBoneName Bone);
	/** The category's display name, "Unknown" when its reflection has none. */
	static FString GetCategoryName(EZevoBoneCategory Category);
};

/** One row of a remap asset's mapping table: which target bone a stream bone drives. */
USTRUCT(BlueprintType)
struct FZevoBoneMappingRow
{
	GENERATED_BODY()

	UPROPERTY(VisibleAnywhere, Category = "Bone Mapping", meta = (DisplayName = "Source (Zevo)"))
	EZevoBoneName SourceBone = EZevoBoneName::Hips;

	/** NAME_None while the stream bone is unmapped. */
	UPROPERTY(EditAnywhere, Category = "Bone Mapping", meta = (DisplayName = "Target (Unreal)"))
	FName TargetBone = NAME_None;
};

/** Where a stream bone sits in the stream skeleton; names are lower-case identifiers. */
struct FZevoBoneHierarchyInfo
{
	FZevoBoneHierarchyInfo() = default;
	FZevoBoneHierarchyInfo(FString InBoneName, FString InParentBone, TArray<FString> InChildBones)
		: BoneName(MoveTemp(InBoneName)), ParentBone(MoveTemp(InParentBone)), ChildBones(MoveTemp(InChildBones))
	{
	}

	FString BoneName;
	/** Empty for the root. */
	FString ParentBone;
	TArray<FString> ChildBones;
};

/** How well one candidate target bone fits one stream bone. */
struct FZevoHierarchyValidationResult
{
	FZevoHierarchyValidationResult() = default;
	FZevoHierarchyValidationResult(bool bInIsValid, float InScore, FString InMessage)
		: bIsValid(bInIsValid), Score(InScore), Message(MoveTemp(InMessage))
	{
	}

	bool bIsValid = true;
	/** 0 to 1.5. */
	float Score = 1.0f;
	/** Why the candidate was rejected or left unchecked; empty otherwise. */
	FString Message;
};

/**
 * Bone-name matching: normalisation, the table of naming conventions, the expected hierarchy
 * and the checks built on them. Holds no state; its tables are built once, on first use, never
 * change, and every function may be called from any thread.
 */
class FZevoBoneNameMappings
{
public:
	/**
	 * The canonical form of a bone name: lower case, without rig prefixes and suffixes, side
	 * words folded to "l"/"r", separators removed ("mixamorig:LeftUpLeg" -> "lupleg").
	 */
	static FString NormalizeBoneName(const FString& Name);

	/** Naming conventions: a name (lower case) to the names the same bone goes by elsewhere. */
	static const TMap<FString, TArray<FString>>& GetCommonMappings();

	/** The input followed by the forms under which the same bone is commonly named. */
	static TArray<FString> GenerateVariations(const FString& Name);

	/** The stream skeleton by lower-case identifier ("lefthip"), in EZevoBoneName order. */
	static const TMap<FString, FZevoBoneHierarchyInfo>& GetExpectedBoneHierarchy();

	/**
	 * The expected-hierarchy entry of a stream bone named either as its identifier ("LeftHip",
	 * "lefthip") or in normalised form ("lhip"); null for any other name. Normalised names spell
	 * sides "l"/"r" while the hierarchy spells them out, and this is where the two meet.
	 */
	static const FZevoBoneHierarchyInfo* FindExpectedHierarchyEntry(const FString& BoneName);

	/**
	 * Scores TargetBone as the target of the stream bone SourceBone. TargetParents maps each
	 * target bone to its parent; ExistingMappings maps stream bones already mapped (by identifier
	 * or normalised name) to their targets. A name that is no stream bone is left unchecked at
	 * 0.5. Otherwise the score starts at 1.0, becomes 1.2 when the target hangs under the target
	 * of the expected parent and 0.7 when it hangs elsewhere, and halves for each alias of the
	 * source that already uses the target. A target used by a different bone, or of the other
	 * side, is invalid.
	 */
	static FZevoHierarchyValidationResult ValidateBoneHierarchy(const FString& SourceBone, const FString& TargetBone,
		const TMap<FName, FName>& TargetParents, const TMap<FString, FString>& ExistingMappings);

	/** The valid candidates with their scores, best first. */
	static TArray<TTuple<FString, float>> RankCandidatesByHierarchy(const FString& SourceBone, const TArray<FString>& Candidates,
		const TMap<FName, FName>& TargetParents, const TMap<FString, FString>& ExistingMappings);

	/** False when the two names are the same bone or known aliases; true otherwise. */
	static bool AreBonesMutuallyExclusive(const FString& A, const FString& B);
};
