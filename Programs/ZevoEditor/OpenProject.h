#pragma once
// Every command starts by opening its project folder.
#include <string>

/** Makes Dir the project of this process and removes the temporary files that saves of killed
 *  runs left in its Content and Saved folders (each save writes a temporary file, then renames it). */
void OpenProject(const std::string& Dir);
