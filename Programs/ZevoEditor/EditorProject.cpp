#include "EditorProject.h"

#include "Interfaces/IPluginManager.h"
#include "Misc/Paths.h"

bool OpenProject(const std::string& ProjectDir)
{
	FPaths::SetProjectDir(ProjectDir.c_str());
	return IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible);
}
