#include "ReflectionTestTypes.h"

#include "Logging/LogCapture.h"
#include "TempProject.h"
#include "UObject/ConstructorHelpers.h"
#include "UObject/UObjectGlobals.h"
#include "UObject/WeakObjectPtr.h"

#include <gtest/gtest.h>

namespace
{
class UTestFinderUser : public UObject
{
	ZEVO_CLASS(UTestFinderUser, UObject)
public:
	UTestFinderUser()
	{
		ConstructorHelpers::FObjectFinder<UTestReferenced> Finder(TEXT("/Game/Missing/Skeleton.Skeleton"));
		bFound = Finder.Succeeded();
	}
	bool bFound = true;
};
}
ZEVO_IMPLEMENT_CLASS(UTestFinderUser, CLASS_None)

TEST(ObjectPath, SplitsTheFormsTheFindersAccept)
{
	const struct
	{
		const char* Path;
		const char* Package;
		const char* Object;
	} Cases[] = {
		{"/Game/Foo/Bar.Bar", "/Game/Foo/Bar", "Bar"},
		{"/Game/Foo/Bar", "/Game/Foo/Bar", "Bar"},
		{"Skeleton'/Game/Foo/Bar.Other'", "/Game/Foo/Bar", "Other"},
		{" /Engine/BasicShapes/Cube ", "/Engine/BasicShapes/Cube", "Cube"},
	};
	for (const auto& Case : Cases)
	{
		FString Package, Object;
		ASSERT_TRUE(FPackageName::SplitObjectPath(Case.Path, Package, Object)) << Case.Path;
		EXPECT_EQ(Package, Case.Package);
		EXPECT_EQ(Object, Case.Object);
	}
}

TEST(ObjectPath, RejectsPathsThatLeaveTheContentFolders)
{
	const char* Invalid[] = {
		"",
		"Bar",
		"/Unknown/Bar.Bar",
		"/Game/",
		"/Game/../Secrets.Secrets",
		"/Game/Foo/../../Bar.Bar",
		"/Game/Foo//Bar.Bar",
		"/Game/Foo/Bar/",
		"/Game/Foo\\Bar.Bar",
		"/Game/Foo/Bar.",
		"/Game/Foo/Bar.Baz.Qux",
		"/Game/Foo/Bar.Baz:Sub",
		"/Game/Fo o/Bar.Bar",
	};
	for (const char* Path : Invalid)
	{
		FString Package, Object, Reason;
		EXPECT_FALSE(FPackageName::SplitObjectPath(Path, Package, Object, &Reason)) << Path;
		EXPECT_FALSE(Reason.IsEmpty()) << Path;
	}
}

TEST(ObjectPath, MapsMountPointsToContentFolders)
{
	FTempProject Project;
	FString File;
	ASSERT_TRUE(FPackageName::TryConvertLongPackageNameToFilename("/Game/Remaps/Hero", File));
	EXPECT_EQ(File, Project.GetDir() + "Content/Remaps/Hero.json");

	FPackageName::RegisterMountPoint("/TestPlugin/", "/plugins/Test/Content");
	ASSERT_TRUE(FPackageName::TryConvertLongPackageNameToFilename("/TestPlugin/Skeleton", File));
	EXPECT_EQ(File, "/plugins/Test/Content/Skeleton.json");
	FPackageName::UnRegisterMountPoint("/TestPlugin/");
	EXPECT_FALSE(FPackageName::TryConvertLongPackageNameToFilename("/TestPlugin/Skeleton", File));

	ASSERT_TRUE(FPackageName::TryConvertLongPackageNameToFilename("/Engine/BasicShapes/Cube", File));
	EXPECT_TRUE(File.EndsWith("/Host/Engine/Content/BasicShapes/Cube.json"));
}

TEST(Objects, NewObjectNamesOwnsAndFindsObjects)
{
	UPackage* Package = CreatePackage("/Game/Objects/Asset");
	EXPECT_EQ(CreatePackage("/Game/Objects/Asset"), Package);
	UTestEverything* Asset = NewObject<UTestEverything>(Package, UTestEverything::StaticClass(), "Asset");
	ASSERT_NE(Asset, nullptr);
	EXPECT_EQ(Asset->GetOuter(), Package);
	EXPECT_EQ(Asset->GetPathName(), "/Game/Objects/Asset.Asset");
	EXPECT_EQ(StaticFindObject(UTestBase::StaticClass(), "/Game/Objects/Asset.Asset"), Asset);
	EXPECT_EQ(StaticFindObject(UTestReferenced::StaticClass(), "/Game/Objects/Asset.Asset"), nullptr);

	UTestReferenced* Inner = NewObject<UTestReferenced>(Asset);
	UTestReferenced* Second = NewObject<UTestReferenced>(Asset);
	EXPECT_TRUE(Inner->GetName().StartsWith("TestReferenced_", ESearchCase::CaseSensitive));
	EXPECT_NE(Inner->GetFName(), Second->GetFName());
	EXPECT_EQ(Inner->GetPathName(), "/Game/Objects/Asset.Asset:" + Inner->GetName());
	EXPECT_EQ(Asset->GetInnerObjects(), (TArray<UObject*>{Inner, Second}));
	EXPECT_EQ(NewObject<UTestReferenced>()->GetOuter(), GetTransientPackage());
}

TEST(Objects, NewObjectRefusesWhatItCannotMake)
{
	FLogCapture Log;
	UPackage* Package = CreatePackage("/Game/Objects/Refusals");
	ASSERT_NE(NewObject<UTestBase>(Package, UTestBase::StaticClass(), "Taken"), nullptr);
	EXPECT_EQ(NewObject<UTestBase>(Package, UTestBase::StaticClass(), "Taken"), nullptr);
	EXPECT_EQ(NewObject<UTestEverything>(Package, UTestBase::StaticClass()), nullptr);
	EXPECT_EQ(NewObject<UTestBase>(Package, nullptr), nullptr);
	EXPECT_EQ(Log.CountContaining("NewObject:", ELogVerbosity::Error), 3);
}

TEST(Objects, WeakPointersForgetDestroyedObjects)
{
	auto Object = std::make_unique<UTestReferenced>();
	TWeakObjectPtr<UTestReferenced> Weak(Object.get());
	EXPECT_EQ(Weak.Get(), Object.get());
	Object.reset();
	EXPECT_FALSE(Weak.IsValid());
	// Even when a new object reuses the address.
	auto Other = std::make_unique<UTestReferenced>();
	EXPECT_EQ(TWeakObjectPtr<UTestReferenced>().Get(), nullptr);
	EXPECT_FALSE(Weak.IsValid());
}

TEST(Objects, LoadingAMissingAssetWarnsAndFindersReportTheConstructingClass)
{
	FTempProject Project;
	FLogCapture Log;
	EXPECT_EQ(LoadObject<UTestReferenced>(nullptr, "/Game/Missing/Thing.Thing"), nullptr);
	EXPECT_EQ(Log.Count("Failed to find object 'TestReferenced /Game/Missing/Thing.Thing'", ELogVerbosity::Warning), 1);
	EXPECT_EQ(LoadObject<UTestReferenced>(nullptr, "/Game/../Thing.Thing"), nullptr);
	EXPECT_EQ(Log.CountContaining("Invalid object path '/Game/../Thing.Thing'", ELogVerbosity::Warning), 1);

	std::unique_ptr<UObject> User(UTestFinderUser::StaticClass()->CreateInstance());
	EXPECT_FALSE(static_cast<UTestFinderUser*>(User.get())->bFound);
	EXPECT_EQ(Log.Count("CDO Constructor (TestFinderUser): Failed to find /Game/Missing/Skeleton.Skeleton", ELogVerbosity::Error), 1);
	EXPECT_EQ(UClass::GetConstructingClass(), nullptr);
}
