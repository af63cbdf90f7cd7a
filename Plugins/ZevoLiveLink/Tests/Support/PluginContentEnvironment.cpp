// Before any test runs, the plugins are found and their content mounted, as the editor does when
// it opens a project: a remap asset finds its default T-pose skeleton under /ZevoLiveLink/, and
// looks for it once per process.
#include "Interfaces/IPluginManager.h"

#include <gtest/gtest.h>

namespace
{
class FPluginContentEnvironment : public testing::Environment
{
public:
	void SetUp() override { ASSERT_TRUE(IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible)); }
};

[[maybe_unused]] testing::Environment* const PluginContent = testing::AddGlobalTestEnvironment(new FPluginContentEnvironment);
}
