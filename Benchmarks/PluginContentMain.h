#pragma once
// Benchmarks that reach the plugin's content (its default T-pose skeleton, which remap assets and
// take exports look for) run after it is mounted, as the editor mounts it when it opens a project.
#include "Interfaces/IPluginManager.h"

#include <benchmark/benchmark.h>

inline int RunBenchmarksWithPluginContent(int argc, char** argv)
{
	IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible);
	benchmark::Initialize(&argc, argv);
	benchmark::RunSpecifiedBenchmarks();
	benchmark::Shutdown();
	return 0;
}
