#pragma once
// The remap asset's details panel: FZevoRemapAssetBaseCustomization lays out the whole asset (the
// coloured duplicate and missing status lines and a bar of how many rows are mapped), and
// FZevoBoneMappingRowCustomization lays out each mapping row (the stream bone's name coloured by
// its state, with "[!]" and "[DUPLICATE]" badges). Every shown value is a bound attribute computed
// when the panel asks, so the panel follows edits; the asset is held weakly and may disappear.
// Game thread only.
#include "CoreMinimal.h"
#include "IDetailCustomization.h"
#include "IPropertyTypeCustomization.h"
#include "Layout/Visibility.h"
#include "Styling/SlateColor.h"
#include "UObject/WeakObjectPtr.h"

class IDetailCategoryBuilder;
class UZevoRemapAssetBase;

class FZevoRemapAssetBaseCustomization : public IDetailCustomization, public TSharedFromThis<FZevoRemapAssetBaseCustomization>
{
public:
	static TSharedRef<IDetailCustomization> MakeInstance();

	void CustomizeDetails(IDetailLayoutBuilder& DetailBuilder) override;

private:
	struct FMappingCount
	{
		int32 Mapped = 0;
		int32 Total = 0;
	};

	void AddStatusRow(IDetailCategoryBuilder& Category, const FString& Title, FString UZevoRemapAssetBase::*StatusText,
		const FLinearColor& ProblemColor) const;
	void AddStatisticsRow(IDetailCategoryBuilder& Category);

	/** Counts the rows of the four arrays whose target reads as a name, and those not none among them. */
	FMappingCount CountMappings() const;
	FText GetMappingStatsText() const;
	float GetMappedFraction() const;
	float GetUnmappedFraction() const;
	FLinearColor GetMappingBarColor() const;

	TWeakObjectPtr<UZevoRemapAssetBase> RemapAsset;
	/** BodySpineBones, LegBones, ArmBones, FingerBones. */
	TArray<TSharedPtr<IPropertyHandle>> MappingArrayHandles;
};

class FZevoBoneMappingRowCustomization : public IPropertyTypeCustomization, public TSharedFromThis<FZevoBoneMappingRowCustomization>
{
public:
	static TSharedRef<IPropertyTypeCustomization> MakeInstance();

	void CustomizeHeader(TSharedRef<IPropertyHandle> PropertyHandle, FDetailWidgetRow& HeaderRow,
		IPropertyTypeCustomizationUtils& CustomizationUtils) override;
	/** A row has nothing to expand. */
	void CustomizeChildren(TSharedRef<IPropertyHandle> PropertyHandle, IDetailChildrenBuilder& ChildBuilder,
		IPropertyTypeCustomizationUtils& CustomizationUtils) override {}

private:
	/** The row's target bone; false when it cannot be read. */
	bool ReadTargetBone(FName& OutTargetBone) const;
	bool IsMapped() const;
	bool IsDuplicate() const;

	FText GetTitleText() const;
	FSlateColor GetTitleColor() const;
	EVisibility GetUnmappedVisibility() const;
	EVisibility GetDuplicateVisibility() const;
	FText GetDuplicateToolTip() const;

	TSharedPtr<IPropertyHandle> SourceBoneHandle;
	TSharedPtr<IPropertyHandle> TargetBoneHandle;
	TWeakObjectPtr<UZevoRemapAssetBase> OwningAsset;
};
