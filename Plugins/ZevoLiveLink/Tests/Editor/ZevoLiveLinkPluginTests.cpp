// The plugin folder as the engine reads it: the descriptor that the build and the plugin manager
// take the module from, the content mounted from it, and the icon the plugin browser shows.
#include "Animation/Skeleton.h"
#include "Interfaces/IPluginManager.h"
#include "Misc/Paths.h"
#include "UObject/UObjectGlobals.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>

TEST(ZevoLiveLinkPlugin, IsAnEnginePluginWithOneEditorModuleLoadedBeforeTheEngineFinishesStarting)
{
	const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(TEXT("ZevoLiveLink"));
	ASSERT_NE(Plugin, nullptr);
	EXPECT_EQ(Plugin->GetBaseDir(), FPaths::EnginePluginsDir() + "ZevoLiveLink");
	const FPluginDescriptor& Descriptor = Plugin->GetDescriptor();
	ASSERT_EQ(Descriptor.Modules.Num(), 1);
	EXPECT_EQ(Descriptor.Modules[0].Name, FName("ZevoLiveLink"));
	EXPECT_EQ(Descriptor.Modules[0].Type, EHostType::Editor);
	// Start-up subscribes to the post-engine-init event, so the module must load before it.
	EXPECT_LT(Descriptor.Modules[0].LoadingPhase, ELoadingPhase::PostEngineInit);
}

TEST(ZevoLiveLinkPlugin, ContentIsMountedFromTheDescriptor)
{
	const TSharedPtr<IPlugin> Plugin = IPluginManager::Get().FindPlugin(TEXT("ZevoLiveLink"));
	ASSERT_NE(Plugin, nullptr);
	EXPECT_TRUE(Plugin->CanContainContent());
	const USkeleton* TPose = LoadObject<USkeleton>(nullptr, TEXT("/ZevoLiveLink/Zevo_TPose_Skeleton.Zevo_TPose_Skeleton"));
	ASSERT_NE(TPose, nullptr);
	EXPECT_NE(TPose->GetReferenceSkeleton().FindBoneIndex(TEXT("RightFinger42")), INDEX_NONE);
}

TEST(ZevoLiveLinkPlugin, IconIsA128PixelSquarePng)
{
	std::ifstream File(*(FPaths::EnginePluginsDir() + "ZevoLiveLink/Resources/Icon128.png"), std::ios::binary);
	const std::string Data((std::istreambuf_iterator<char>(File)), std::istreambuf_iterator<char>());
	ASSERT_GT(Data.size(), 24u);
	EXPECT_EQ(Data.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
	EXPECT_EQ(Data.substr(12, 4), "IHDR");
	const auto BigEndian = [&](size_t At) {
		return (uint32(uint8(Data[At])) << 24) | (uint32(uint8(Data[At + 1])) << 16) | (uint32(uint8(Data[At + 2])) << 8) | uint8(Data[At + 3]);
	};
	EXPECT_EQ(BigEndian(16), 128u) << "width";
	EXPECT_EQ(BigEndian(20), 128u) << "height";
}
