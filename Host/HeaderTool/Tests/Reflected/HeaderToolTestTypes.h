#pragma once
// Reflected types written the ways the header tool must read: quoted values holding commas,
// parentheses, quotes and escapes; specifier lists over several lines with comments inside;
// members under #if WITH_EDITOR and WITH_EDITORONLY_DATA; a pointer to a class only declared here;
// a native event overridden by a subclass; an options function.
#include "UObject/Object.h"
#include "HeaderToolTestTypes.generated.h"

class UHeaderToolTarget;

UENUM(BlueprintType)
enum class EHeaderToolShape : uint8
{
	Box UMETA(DisplayName = "Box (6 faces, square)"),
	Ball = 4 UMETA(DisplayName = "Ball", ToolTip = "Round, \"smooth\""),
	Count UMETA(Hidden)
};

USTRUCT(meta = (ToolTip = "A row, with commas"))
struct FHeaderToolRow
{
	GENERATED_BODY()

	UPROPERTY(EditAnywhere, Category = "Rows|Inner", meta = (DisplayName = "Shape (kind)"))
	EHeaderToolShape Shape = EHeaderToolShape::Box;

	UPROPERTY(VisibleAnywhere, Category = Rows)
	FName Label;
};

// UCLASS(NotAClass) in a comment is not read, nor is /* UPROPERTY( */ this.
UCLASS(config = HeaderToolTests, defaultconfig, meta = (DisplayName = "Header, Tool (Test)", ToolTip = "First line\nSecond line"))
class UHeaderToolBase : public UObject
{
	GENERATED_BODY()

public:
	UPROPERTY(EditAnywhere, BlueprintReadWrite, // the flags
		Category = "Main",
		/* the limits */ meta = (ClampMin = -100, ClampMax = "100.0", UIMin = "a, b (c)"))
	float Offset = 0.f;

	UPROPERTY(EditAnywhere, Config, Category = "Main", meta = (ShowOnlyInnerProperties))
	TArray<FHeaderToolRow> Rows;

	UPROPERTY()
	TObjectPtr<UHeaderToolTarget> Target;

	UFUNCTION(BlueprintNativeEvent, Category = "Events")
	FName Rename(FName Name, int32 Times) const;

	UFUNCTION()
	TArray<FString> GetChoices() const { return {"One, two", "Three"}; }

#if WITH_EDITORONLY_DATA
	UPROPERTY(EditAnywhere, Category = "Editor")
	bool bEditorOnly = true;
#endif

#if WITH_EDITOR
	UFUNCTION()
	TArray<FString> GetEditorChoices() const { return {"Editor"}; }
#endif

	int32 GetSecret() const { return Secret; }

private:
	UPROPERTY(VisibleAnywhere, Category = "Main")
	int32 Secret = 7;

	int32 NotReflected = 0;
};

UCLASS(EditInlineNew)
class UHeaderToolDerived : public UHeaderToolBase
{
	GENERATED_BODY()

public:
	FName Rename_Implementation(FName Name, int32 Times) const override;
};
