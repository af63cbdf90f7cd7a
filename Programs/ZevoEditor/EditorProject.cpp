#include "EditorProject.h"

#include "Interfaces/IPluginManager.h"
#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

bool OpenProject(const std::string& ProjectDir)
{
	FPaths::SetProjectDir(ProjectDir.c_str());
	// Each save writes a temporary file, then renames it: a run killed in between leaves one behind.
	FFileHelper::RemoveStaleTemporaryFiles(FPaths::ProjectContentDir());
	FFileHelper::RemoveStaleTemporaryFiles(FPaths::ProjectSavedDir());
	return IPluginManager::Get().LoadModulesForEnabledPlugins(ELoadingPhase::EarliestPossible);
}
