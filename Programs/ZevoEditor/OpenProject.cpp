#include "OpenProject.h"

#include "Misc/FileHelper.h"
#include "Misc/Paths.h"

void OpenProject(const std::string& Dir)
{
	FPaths::SetProjectDir(Dir.c_str());
	FFileHelper::RemoveStaleTemporaryFiles(FPaths::ProjectContentDir());
	FFileHelper::RemoveStaleTemporaryFiles(FPaths::ProjectSavedDir());
}
