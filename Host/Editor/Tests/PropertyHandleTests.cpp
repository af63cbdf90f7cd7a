#include "Misc/TransactionBuffer.h"
#include "PropertyHandle.h"
#include "UObject/ObjectMacros.h"

#include <functional>
#include <gtest/gtest.h>

enum class EEditTestBone : uint8
{
	Hips,
	LeftHip,
	LeftKnee,
};

struct FEditTestRow
{
	EEditTestBone SourceBone = EEditTestBone::Hips;
	FName TargetBone;
};

class UEditTestAsset : public UObject
{
	ZEVO_CLASS(UEditTestAsset, UObject)
public:
	UEditTestAsset() { LegBones = {{EEditTestBone::LeftHip, NAME_None}, {EEditTestBone::LeftKnee, NAME_None}}; }

	UEditTestAsset* Other = nullptr;
	float GroundOffset = 0.f;
	int32 Port = 7777;
	bool bUseHipCorrection = true;
	FString DuplicateStatusText;
	TArray<FEditTestRow> LegBones;
	TArray<FName> Names;
	FVector Scale = FVector(1.0, 1.0, 1.0);

	struct FSeen
	{
		FName Member;
		FName Property;
		uint32 ChangeType;
	};
	TArray<FSeen> Events;
	int32 Undos = 0;
	/** The member property of each edit, as announced before the change. */
	TArray<FName> AboutToChange;
	/** Runs before each change: an object bringing its state up to date first. */
	std::function<void(UEditTestAsset&)> BeforeChange;

	void PreEditChange(FProperty* Property) override
	{
		AboutToChange.Add(Property ? Property->GetFName() : NAME_None);
		if (BeforeChange)
		{
			BeforeChange(*this);
		}
	}
	void PostEditChangeProperty(FPropertyChangedEvent& Event) override
	{
		Events.Add({Event.GetMemberPropertyName(), Event.GetPropertyName(), Event.ChangeType});
	}
	void PostEditUndo() override { ++Undos; }
};

ZEVO_DECLARE_ENUM(EEditTestBone)
ZEVO_IMPLEMENT_ENUM(EEditTestBone, ZEVO_ENUM_META(), ZEVO_ENUM_ENTRY(EEditTestBone, Hips, {"DisplayName", "Hips"}),
	ZEVO_ENUM_ENTRY(EEditTestBone, LeftHip, {"DisplayName", "Left Hip"}), ZEVO_ENUM_ENTRY(EEditTestBone, LeftKnee))
ZEVO_DECLARE_STRUCT(FEditTestRow)

ZEVO_REFLECT_STRUCT(FEditTestRow)
{
	ZEVO_PROPERTY(SourceBone, UP::VisibleAnywhere, {"DisplayName", "Source (Zevo)"});
	ZEVO_PROPERTY(TargetBone, UP::EditAnywhere, {"DisplayName", "Target (Unreal)"});
}

ZEVO_REFLECT_CLASS(UEditTestAsset, CLASS_None)
{
	ZEVO_PROPERTY(Other, UP::EditAnywhere);
	ZEVO_PROPERTY(GroundOffset, UP::EditAnywhere, {"DisplayName", "Ground Offset (cm)"}, {"ClampMin", "-100.0"}, {"ClampMax", "100.0"});
	ZEVO_PROPERTY(Port, UP::EditAnywhere, {"ClampMin", "1"}, {"ClampMax", "65535"});
	ZEVO_PROPERTY(bUseHipCorrection, UP::EditAnywhere);
	ZEVO_PROPERTY(DuplicateStatusText, UP::VisibleAnywhere);
	ZEVO_PROPERTY(LegBones, UP::EditAnywhere, {"DisplayName", "Legs"}, {"ShowOnlyInnerProperties", ""});
	ZEVO_PROPERTY(Names, UP::EditAnywhere);
	ZEVO_PROPERTY(Scale, UP::EditAnywhere);
}

namespace
{
class PropertyHandle : public ::testing::Test
{
protected:
	void SetUp() override { FTransactionBuffer::Get().Reset(); }
	void TearDown() override { FTransactionBuffer::Get().Reset(); }

	TSharedPtr<IPropertyHandle> Handle(const char* Path, TArray<UObject*> Objects = {})
	{
		FString Error;
		TSharedPtr<IPropertyHandle> Result = FPropertyHandles::FromPath(Objects.IsEmpty() ? TArray<UObject*>{&Asset} : Objects, Path, &Error);
		EXPECT_TRUE(Result) << Path << ": " << *Error;
		return Result;
	}

	UEditTestAsset Asset;
};
}

TEST_F(PropertyHandle, ClampsTypedNumbersToTheirMetadata)
{
	const struct
	{
		const char* Path;
		const char* Typed;
		const char* Stored;
	} Cases[] = {
		{"GroundOffset", "150", "100.0"},
		{"GroundOffset", "-150", "-100.0"},
		{"GroundOffset", "12.5", "12.5"},
		{"Port", "0", "1"},
		{"Port", "70000", "65535"},
		{"Port", "8080", "8080"},
		{"Scale.Z", "3", "3.0"},
	};
	for (const auto& Case : Cases)
	{
		TSharedPtr<IPropertyHandle> Property = Handle(Case.Path);
		ASSERT_EQ(Property->SetValueFromFormattedString(Case.Typed), FPropertyAccess::Success) << Case.Path << " " << Case.Typed;
		FString Stored;
		ASSERT_EQ(Property->GetValueAsFormattedString(Stored), FPropertyAccess::Success);
		EXPECT_EQ(Stored, Case.Stored) << Case.Path << " " << Case.Typed;
	}
}

TEST_F(PropertyHandle, ARowEditNamesTheMemberArrayAndTheInnermostField)
{
	ASSERT_EQ(Handle("LegBones[1].TargetBone")->SetValueFromFormattedString("calf_l"), FPropertyAccess::Success);
	EXPECT_EQ(Asset.LegBones[1].TargetBone, FName("calf_l"));
	ASSERT_EQ(Asset.Events.Num(), 1);
	EXPECT_EQ(Asset.Events[0].Member, FName("LegBones"));
	EXPECT_EQ(Asset.Events[0].Property, FName("TargetBone"));
	EXPECT_EQ(Asset.Events[0].ChangeType, EPropertyChangeType::ValueSet);

	ASSERT_EQ(Handle("GroundOffset")->SetValueFromFormattedString("1"), FPropertyAccess::Success);
	EXPECT_EQ(Asset.Events[1].Member, FName("GroundOffset"));
	EXPECT_EQ(Asset.Events[1].Property, FName("GroundOffset"));
}

TEST_F(PropertyHandle, AddingOrRemovingARowNamesTheArrayItself)
{
	TSharedPtr<IPropertyHandleArray> Rows = Handle("LegBones")->AsArray();
	ASSERT_TRUE(Rows);
	ASSERT_EQ(Rows->AddItem(), FPropertyAccess::Success);
	ASSERT_EQ(Asset.LegBones.Num(), 3);
	ASSERT_EQ(Rows->DeleteItem(0), FPropertyAccess::Success);
	EXPECT_EQ(Asset.LegBones[0].SourceBone, EEditTestBone::LeftKnee);
	EXPECT_EQ(Rows->DeleteItem(5), FPropertyAccess::Fail);

	ASSERT_EQ(Asset.Events.Num(), 2);
	EXPECT_EQ(Asset.Events[0].Member, FName("LegBones"));
	EXPECT_EQ(Asset.Events[0].Property, FName("LegBones"));
	EXPECT_EQ(Asset.Events[0].ChangeType, EPropertyChangeType::ArrayAdd);
	EXPECT_EQ(Asset.Events[1].Property, FName("LegBones"));
	EXPECT_EQ(Asset.Events[1].ChangeType, EPropertyChangeType::ArrayRemove);
	EXPECT_EQ(Handle("GroundOffset")->AsArray(), nullptr);
}

TEST_F(PropertyHandle, EachEditIsAnnouncedBeforeTheChangeWhichAppliesToTheStateThenHeld)
{
	// The object replaces its rows when told of an edit, as a settings object reads its file.
	Asset.BeforeChange = [](UEditTestAsset& Self) {
		if (Self.LegBones.Num() == 2)
		{
			Self.LegBones = {{EEditTestBone::Hips, "a"}, {EEditTestBone::Hips, "b"}, {EEditTestBone::Hips, "c"}};
		}
	};
	ASSERT_EQ(Handle("LegBones[2].TargetBone")->SetValueFromFormattedString("calf_l"), FPropertyAccess::Success)
		<< "the row exists once the object was told";
	EXPECT_EQ(Asset.LegBones[2].TargetBone, FName("calf_l"));
	ASSERT_EQ(Handle("LegBones")->AsArray()->AddItem(), FPropertyAccess::Success);
	EXPECT_EQ(Asset.LegBones.Num(), 4);
	ASSERT_EQ(Handle("Port")->SetValueFromFormattedString("8080"), FPropertyAccess::Success);
	EXPECT_EQ(Asset.AboutToChange, (TArray<FName>{"LegBones", "LegBones", "Port"}));
	EXPECT_EQ(Asset.Events.Num(), 3);
}

TEST_F(PropertyHandle, EditsAreUndoableOneTransactionPerEdit)
{
	Handle("GroundOffset")->SetValueFromFormattedString("50");
	Handle("LegBones[0].TargetBone")->SetValueFromFormattedString("thigh_l");
	Handle("Names")->AsArray()->AddItem();
	ASSERT_EQ(FTransactionBuffer::Get().GetUndoCount(), 3);
	EXPECT_EQ(FTransactionBuffer::Get().GetUndoTitle(), "Add Names element");

	ASSERT_TRUE(FTransactionBuffer::Get().Undo());
	EXPECT_TRUE(Asset.Names.IsEmpty());
	ASSERT_TRUE(FTransactionBuffer::Get().Undo());
	EXPECT_TRUE(Asset.LegBones[0].TargetBone.IsNone());
	ASSERT_TRUE(FTransactionBuffer::Get().Undo());
	EXPECT_EQ(Asset.GroundOffset, 0.f);
	EXPECT_EQ(Asset.Undos, 3);
}

TEST_F(PropertyHandle, RefusesTextThatDoesNotReadAndReadOnlyProperties)
{
	const struct
	{
		const char* Path;
		const char* Typed;
	} Cases[] = {
		{"GroundOffset", "abc"},
		{"Port", "1.5"},
		{"bUseHipCorrection", "perhaps"},
		{"DuplicateStatusText", "OK"},
		{"LegBones[0].SourceBone", "LeftKnee"},
		{"LegBones[7].TargetBone", "thigh_l"},
		{"Other", "/Game/Missing.Missing"},
		{"Scale", "(X=1"},
	};
	for (const auto& Case : Cases)
	{
		EXPECT_EQ(Handle(Case.Path)->SetValueFromFormattedString(Case.Typed), FPropertyAccess::Fail) << Case.Path << " " << Case.Typed;
	}
	EXPECT_TRUE(Asset.Events.IsEmpty());
	EXPECT_EQ(FTransactionBuffer::Get().GetUndoCount(), 0);
}

TEST_F(PropertyHandle, ReadsTypedValuesAndReportsDisagreement)
{
	UEditTestAsset Second;
	Second.GroundOffset = 5.f;
	const TArray<UObject*> Both{&Asset, &Second};

	FName Target;
	EXPECT_EQ(Handle("LegBones[0].TargetBone")->GetValue(Target), FPropertyAccess::Success);
	EXPECT_TRUE(Target.IsNone());
	uint8 Bone = 0;
	EXPECT_EQ(Handle("LegBones[1].SourceBone")->GetValue(Bone), FPropertyAccess::Success);
	EXPECT_EQ(Bone, static_cast<uint8>(EEditTestBone::LeftKnee));
	FVector Scale;
	EXPECT_EQ(Handle("Scale")->GetValue(Scale), FPropertyAccess::Success);
	float Offset = 0.f;
	EXPECT_EQ(Handle("GroundOffset", Both)->GetValue(Offset), FPropertyAccess::MultipleValues);
	bool bFlag = false;
	EXPECT_EQ(Handle("bUseHipCorrection", Both)->GetValue(bFlag), FPropertyAccess::Success);
	EXPECT_TRUE(bFlag);

	// Wrong types and unreachable elements fail.
	EXPECT_EQ(Handle("GroundOffset")->GetValue(Target), FPropertyAccess::Fail);
	EXPECT_EQ(Handle("LegBones[0].TargetBone")->GetValue(Bone), FPropertyAccess::Fail);
	EXPECT_EQ(Handle("LegBones[9].TargetBone")->GetValue(Target), FPropertyAccess::Fail);

	// Setting through both objects makes them agree.
	ASSERT_EQ(Handle("GroundOffset", Both)->SetValueFromFormattedString("7"), FPropertyAccess::Success);
	EXPECT_EQ(Handle("GroundOffset", Both)->GetValue(Offset), FPropertyAccess::Success);
	EXPECT_EQ(Offset, 7.f);
}

TEST_F(PropertyHandle, WalksArraysElementsAndFieldsAsTheDetailsPanelDoes)
{
	TSharedRef<IPropertyHandle> Legs = FPropertyHandles::ForMember({&Asset}, "LegBones");
	ASSERT_TRUE(Legs->IsValidHandle());
	EXPECT_EQ(Legs->GetPropertyDisplayName().ToString(), "Legs");
	uint32 Count = 0;
	ASSERT_EQ(Legs->GetNumElements(Count), FPropertyAccess::Success);
	EXPECT_EQ(Count, 2u);

	TSharedRef<IPropertyHandle> Row = Legs->GetElement(1);
	EXPECT_EQ(Row->GetIndexInArray(), 1);
	EXPECT_EQ(Row->GetPropertyDisplayName().ToString(), "Index [ 1 ]");
	EXPECT_TRUE(Row->HasMetaData("ShowOnlyInnerProperties"));
	TSharedPtr<IPropertyHandle> Target = Row->GetChildHandle("TargetBone");
	ASSERT_TRUE(Target);
	EXPECT_EQ(Target->GetPropertyPath(), "LegBones[1].TargetBone");
	EXPECT_EQ(Target->GetPropertyDisplayName().ToString(), "Target (Unreal)");
	EXPECT_EQ(Target->GetMemberProperty()->GetFName(), FName("LegBones"));
	EXPECT_EQ(Target->GetParentHandle()->GetPropertyPath(), "LegBones[1]");
	EXPECT_EQ(Row->GetChildHandle("Missing"), nullptr);
	EXPECT_EQ(Target->GetChildHandle("TargetBone"), nullptr);

	TArray<UObject*> Outer;
	Target->GetOuterObjects(Outer);
	EXPECT_EQ(Outer, TArray<UObject*>{&Asset});
	EXPECT_FALSE(FPropertyHandles::ForMember({&Asset}, "Missing")->IsValidHandle());
	EXPECT_FALSE(FPropertyHandles::ForMember({&Asset}, "GroundOffset")->GetElement(0)->IsValidHandle());

	Target->MarkHiddenByCustomization();
	EXPECT_TRUE(Target->IsHiddenByCustomization());
}

TEST_F(PropertyHandle, PathsThatNameNothingSayWhy)
{
	const char* Invalid[] = {"", "Missing", "GroundOffset.X", "LegBones[", "LegBones[x]", "LegBones[-1]", "LegBones[0", "LegBones[0].Nope",
		"GroundOffset[0]", "LegBones..TargetBone", "[0]"};
	for (const char* Path : Invalid)
	{
		FString Error;
		EXPECT_EQ(FPropertyHandles::FromPath({&Asset}, Path, &Error), nullptr) << Path;
		EXPECT_FALSE(Error.IsEmpty()) << Path;
	}
}

TEST_F(PropertyHandle, AHandleWhoseObjectsAreGoneFails)
{
	auto Gone = std::make_unique<UEditTestAsset>();
	TSharedPtr<IPropertyHandle> Offset = Handle("GroundOffset", {Gone.get()});
	Gone.reset();
	float Value = 0.f;
	EXPECT_FALSE(Offset->IsValidHandle());
	EXPECT_EQ(Offset->GetValue(Value), FPropertyAccess::Fail);
	EXPECT_EQ(Offset->SetValueFromFormattedString("1"), FPropertyAccess::Fail);
}
