#pragma once
// Reflected types with one property of every kind, shared by the reflection tests.
#include "UObject/ObjectMacros.h"

enum class ETestShape : uint8
{
	Cube,
	Sphere,
	Capsule = 5,
};
ZEVO_DECLARE_ENUM(ETestShape)

struct FTestRow
{
	ETestShape Shape = ETestShape::Cube;
	FName Target;
	FString Label;
};
ZEVO_DECLARE_STRUCT(FTestRow)

class UTestReferenced : public UObject
{
	ZEVO_CLASS(UTestReferenced, UObject)
};

class UTestBase : public UObject
{
	ZEVO_CLASS(UTestBase, UObject)
public:
	int32 BaseCount = 3;
};

class UTestEverything : public UTestBase
{
	ZEVO_CLASS(UTestEverything, UTestBase)
public:
	bool bFlag = true;
	int32 Count = 7;
	uint8 Byte = 200;
	float Offset = 0.f;
	double Precise = 0.25;
	FName Bone;
	FString Text = "hello";
	ETestShape Shape = ETestShape::Sphere;
	UTestReferenced* Reference = nullptr;
	FVector Position = FVector(1.0, 2.0, 3.0);
	FTransform Pose;
	FLinearColor Tint;
	TArray<FName> Names;
	TArray<FTestRow> Rows;
	TArray<FVector> Points;
	float CachedValue = 0.f;

	int32 UndoNotifications = 0;
	void PostEditUndo() override
	{
		++UndoNotifications;
		UTestBase::PostEditUndo();
	}

	int32 GetSecret() const { return Secret; }

private:
	int32 Secret = 42;
};
