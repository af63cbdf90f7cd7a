#include "ZevoRemapAssetBaseCustomization.h"

#include "DetailCategoryBuilder.h"
#include "DetailLayoutBuilder.h"
#include "DetailWidgetRow.h"
#include "PropertyHandle.h"
#include "Styling/CoreStyle.h"
#include "Widgets/Colors/SColorBlock.h"
#include "Widgets/Layout/SBox.h"
#include "Widgets/SBoxPanel.h"
#include "Widgets/SOverlay.h"
#include "Widgets/Text/STextBlock.h"
#include "ZevoBoneMapping.h"
#include "ZevoRemapAssetBase.h"

#define LOCTEXT_NAMESPACE "ZevoBoneMapping"

namespace
{
const FName TargetBoneName(TEXT("TargetBone"));
const FLinearColor StatusOkColor(0.2f, 1.0f, 0.2f, 1.0f);
const FLinearColor DuplicateColor(1.0f, 0.8f, 0.0f, 1.0f);

bool IsStatusOk(const FString& StatusText)
{
	return StatusText.Equals(TEXT("OK"), ESearchCase::IgnoreCase);
}
}

TSharedRef<IDetailCustomization> FZevoRemapAssetBaseCustomization::MakeInstance()
{
	return MakeShared<FZevoRemapAssetBaseCustomization>();
}

void FZevoRemapAssetBaseCustomization::CustomizeDetails(IDetailLayoutBuilder& DetailBuilder)
{
	TArray<TWeakObjectPtr<UObject>> Objects;
	DetailBuilder.GetObjectsBeingCustomized(Objects);
	if (Objects.Num() > 0)
	{
		RemapAsset = Cast<UZevoRemapAssetBase>(Objects[0].Get());
	}

	DetailBuilder.EditCategory(TEXT("Live Link"), FText::GetEmpty(), ECategoryPriority::Important);
	IDetailCategoryBuilder& StatusCategory = DetailBuilder.EditCategory(TEXT("Bone Mapping Status"), FText::GetEmpty(), ECategoryPriority::Important);
	IDetailCategoryBuilder& MappingCategory = DetailBuilder.EditCategory(TEXT("Bone Mapping"), FText::GetEmpty(), ECategoryPriority::Default);

	DetailBuilder.HideProperty(TEXT("DuplicateStatusText"));
	DetailBuilder.HideProperty(TEXT("MissingStatusText"));

	if (RemapAsset.IsValid())
	{
		AddStatusRow(StatusCategory, TEXT("Duplicate Check"), &UZevoRemapAssetBase::DuplicateStatusText, FLinearColor(1.0f, 0.2f, 0.2f, 1.0f));
		AddStatusRow(StatusCategory, TEXT("Missing Check"), &UZevoRemapAssetBase::MissingStatusText, FLinearColor(1.0f, 0.6f, 0.2f, 1.0f));
	}

	MappingArrayHandles.Empty();
	for (const TCHAR* ArrayName : {TEXT("BodySpineBones"), TEXT("LegBones"), TEXT("ArmBones"), TEXT("FingerBones")})
	{
		MappingArrayHandles.Add(DetailBuilder.GetProperty(ArrayName));
	}
	AddStatisticsRow(MappingCategory);
}

void FZevoRemapAssetBaseCustomization::AddStatusRow(IDetailCategoryBuilder& Category, const FString& Title,
	FString UZevoRemapAssetBase::*StatusText, const FLinearColor& ProblemColor) const
{
	// The bindings hold the asset weakly, not this customization: a deleted asset reads as such.
	const TWeakObjectPtr<UZevoRemapAssetBase> Asset = RemapAsset;
	Category.AddCustomRow(FText::FromString(Title))
		.NameContent()
		[
			SNew(STextBlock)
			.Text(FText::FromString(Title))
			.Font(IDetailLayoutBuilder::GetDetailFont())
		]
		.ValueContent()
		[
			SNew(STextBlock)
			.Text_Lambda([Asset, StatusText]
			{
				const UZevoRemapAssetBase* Shown = Asset.Get();
				return FText::FromString(Shown ? Shown->*StatusText : FString(TEXT("Invalid Asset")));
			})
			.ColorAndOpacity_Lambda([Asset, StatusText, ProblemColor]
			{
				const UZevoRemapAssetBase* Shown = Asset.Get();
				if (Shown == nullptr)
				{
					return FSlateColor::UseForeground();
				}
				return FSlateColor(IsStatusOk(Shown->*StatusText) ? StatusOkColor : ProblemColor);
			})
			.Font(IDetailLayoutBuilder::GetDetailFontBold())
		];
}

void FZevoRemapAssetBaseCustomization::AddStatisticsRow(IDetailCategoryBuilder& Category)
{
	Category.AddCustomRow(LOCTEXT("Stats", "Statistics"))
		.WholeRowContent()
		[
			SNew(SBox)
			.Padding(FMargin(0.f, 8.f, 0.f, 8.f))
			.MinDesiredHeight(32.f)
			[
				SNew(SOverlay)
				+ SOverlay::Slot()
				[
					SNew(SColorBlock)
					.Color(FLinearColor(0.03f, 0.03f, 0.03f, 1.0f))
				]
				+ SOverlay::Slot()
				[
					SNew(SHorizontalBox)
					+ SHorizontalBox::Slot()
					.FillWidth(TAttribute<float>(this, &FZevoRemapAssetBaseCustomization::GetMappedFraction))
					[
						SNew(SColorBlock)
						.Color(this, &FZevoRemapAssetBaseCustomization::GetMappingBarColor)
					]
					+ SHorizontalBox::Slot()
					.FillWidth(TAttribute<float>(this, &FZevoRemapAssetBaseCustomization::GetUnmappedFraction))
				]
				+ SOverlay::Slot()
				.HAlign(HAlign_Center)
				.VAlign(VAlign_Center)
				.Padding(FMargin(8.f, 6.f))
				[
					SNew(STextBlock)
					.Text(this, &FZevoRemapAssetBaseCustomization::GetMappingStatsText)
					.Font(FCoreStyle::GetDefaultFontStyle(TEXT("Bold"), 10))
					.ColorAndOpacity(FSlateColor(FLinearColor::White))
					.ShadowOffset(FVector2D(1.0, 1.0))
					.ShadowColorAndOpacity(FLinearColor(0.0f, 0.0f, 0.0f, 0.9f))
				]
			]
		];
}

FZevoRemapAssetBaseCustomization::FMappingCount FZevoRemapAssetBaseCustomization::CountMappings() const
{
	FMappingCount Count;
	for (const TSharedPtr<IPropertyHandle>& ArrayHandle : MappingArrayHandles)
	{
		const TSharedPtr<IPropertyHandleArray> Array = ArrayHandle && ArrayHandle->IsValidHandle() ? ArrayHandle->AsArray() : nullptr;
		uint32 NumElements = 0;
		if (!Array || Array->GetNumElements(NumElements) != FPropertyAccess::Success)
		{
			continue;
		}
		for (uint32 Index = 0; Index < NumElements; ++Index)
		{
			const TSharedPtr<IPropertyHandle> TargetBone = Array->GetElement(int32(Index))->GetChildHandle(TargetBoneName);
			FName Target;
			if (TargetBone && TargetBone->GetValue(Target) == FPropertyAccess::Success)
			{
				++Count.Total;
				Count.Mapped += Target.IsNone() ? 0 : 1;
			}
		}
	}
	return Count;
}

FText FZevoRemapAssetBaseCustomization::GetMappingStatsText() const
{
	const FMappingCount Count = CountMappings();
	const int32 Percentage = Count.Total > 0 ? Count.Mapped * 100 / Count.Total : 0;
	return FText::Format(LOCTEXT("MappingStats", "Mapped: {0} / {1} ({2}%)"), FText::AsNumber(Count.Mapped),
		FText::AsNumber(Count.Total), FText::AsNumber(Percentage));
}

float FZevoRemapAssetBaseCustomization::GetMappedFraction() const
{
	const FMappingCount Count = CountMappings();
	return Count.Total > 0 ? float(Count.Mapped) / float(Count.Total) : 0.f;
}

float FZevoRemapAssetBaseCustomization::GetUnmappedFraction() const
{
	return 1.f - GetMappedFraction();
}

FLinearColor FZevoRemapAssetBaseCustomization::GetMappingBarColor() const
{
	const FMappingCount Count = CountMappings();
	if (Count.Total == 0)
	{
		return FLinearColor(0.2f, 0.2f, 0.2f, 0.3f);
	}
	if (Count.Mapped == Count.Total)
	{
		return FLinearColor(0.2f, 0.8f, 0.2f, 0.3f);
	}
	if (Count.Mapped > 0)
	{
		return FLinearColor(0.9f, 0.7f, 0.1f, 0.3f);
	}
	return FLinearColor(0.8f, 0.2f, 0.2f, 0.3f);
}

TSharedRef<IPropertyTypeCustomization> FZevoBoneMappingRowCustomization::MakeInstance()
{
	return MakeShared<FZevoBoneMappingRowCustomization>();
}

void FZevoBoneMappingRowCustomization::CustomizeHeader(TSharedRef<IPropertyHandle> PropertyHandle, FDetailWidgetRow& HeaderRow,
	IPropertyTypeCustomizationUtils& CustomizationUtils)
{
	SourceBoneHandle = PropertyHandle->GetChildHandle(TEXT("SourceBone"));
	TargetBoneHandle = PropertyHandle->GetChildHandle(TargetBoneName);
	if (!SourceBoneHandle || !TargetBoneHandle)
	{
		return;
	}

	TArray<UObject*> Outers;
	PropertyHandle->GetOuterObjects(Outers);
	if (Outers.Num() > 0)
	{
		OwningAsset = Cast<UZevoRemapAssetBase>(Outers[0]);
	}

	HeaderRow
		.NameContent()
		[
			SNew(SHorizontalBox)
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			[
				SNew(STextBlock)
				.Text(this, &FZevoBoneMappingRowCustomization::GetTitleText)
				.Font(IDetailLayoutBuilder::GetDetailFontBold())
				.ColorAndOpacity(this, &FZevoBoneMappingRowCustomization::GetTitleColor)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			.Padding(FMargin(8.f, 0.f))
			[
				SNew(STextBlock)
				.Text(LOCTEXT("Unmapped", "[!]"))
				.Font(FCoreStyle::GetDefaultFontStyle(TEXT("Bold"), 9))
				.ColorAndOpacity(FSlateColor(FLinearColor(1.0f, 0.5f, 0.0f, 1.0f)))
				.ToolTipText(LOCTEXT("UnmappedTooltip", "This bone is not mapped to any target bone"))
				.Visibility(this, &FZevoBoneMappingRowCustomization::GetUnmappedVisibility)
			]
			+ SHorizontalBox::Slot()
			.AutoWidth()
			.VAlign(VAlign_Center)
			.Padding(FMargin(8.f, 0.f))
			[
				SNew(STextBlock)
				.Text(LOCTEXT("Duplicate", "[DUPLICATE]"))
				.Font(FCoreStyle::GetDefaultFontStyle(TEXT("Bold"), 10))
				.ColorAndOpacity(FSlateColor(DuplicateColor))
				.ToolTipText(this, &FZevoBoneMappingRowCustomization::GetDuplicateToolTip)
				.Visibility(this, &FZevoBoneMappingRowCustomization::GetDuplicateVisibility)
			]
		]
		.ValueContent()
		.MinDesiredWidth(200.f)
		[
			TargetBoneHandle->CreatePropertyValueWidget()
		];
}

bool FZevoBoneMappingRowCustomization::ReadTargetBone(FName& OutTargetBone) const
{
	return TargetBoneHandle && TargetBoneHandle->GetValue(OutTargetBone) == FPropertyAccess::Success;
}

bool FZevoBoneMappingRowCustomization::IsMapped() const
{
	FName Target;
	return ReadTargetBone(Target) && !Target.IsNone();
}

bool FZevoBoneMappingRowCustomization::IsDuplicate() const
{
	const UZevoRemapAssetBase* Asset = OwningAsset.Get();
	FName Target;
	return Asset != nullptr && ReadTargetBone(Target) && Asset->GetDuplicateTargetBones().Contains(Target);
}

FText FZevoBoneMappingRowCustomization::GetTitleText() const
{
	uint8 SourceBone = 0;
	if (SourceBoneHandle && SourceBoneHandle->GetValue(SourceBone) == FPropertyAccess::Success)
	{
		return StaticEnum<EZevoBoneName>()->GetDisplayNameTextByValue(SourceBone);
	}
	return LOCTEXT("Unknown", "Unknown");
}

FSlateColor FZevoBoneMappingRowCustomization::GetTitleColor() const
{
	if (IsDuplicate())
	{
		return FSlateColor(DuplicateColor);
	}
	if (IsMapped())
	{
		return FSlateColor::UseForeground();
	}
	return FSlateColor(FLinearColor(1.0f, 0.3f, 0.3f, 1.0f));
}

EVisibility FZevoBoneMappingRowCustomization::GetUnmappedVisibility() const
{
	// An unreadable target counts as unmapped: the badge then still shows.
	return IsMapped() ? EVisibility::Collapsed : EVisibility::Visible;
}

EVisibility FZevoBoneMappingRowCustomization::GetDuplicateVisibility() const
{
	return IsDuplicate() ? EVisibility::Visible : EVisibility::Collapsed;
}

FText FZevoBoneMappingRowCustomization::GetDuplicateToolTip() const
{
	const UZevoRemapAssetBase* Asset = OwningAsset.Get();
	FName Target;
	if (Asset == nullptr || !ReadTargetBone(Target))
	{
		return FText::GetEmpty();
	}
	const TArray<FName>* SourceBones = Asset->GetDuplicateTargetBones().Find(Target);
	if (SourceBones == nullptr)
	{
		return FText::GetEmpty();
	}
	TArray<FString> Names;
	for (const FName& SourceBone : *SourceBones)
	{
		Names.Add(SourceBone.ToString());
	}
	return FText::FromString(FString::Printf(TEXT("Duplicate! This target bone is mapped from: %s"), *FString::Join(Names, TEXT(", "))));
}

#undef LOCTEXT_NAMESPACE
