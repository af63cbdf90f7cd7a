#pragma once
// Opening a project, as the editor does before anything else: the project folder becomes the
// project directory, and the engine's and the project's plugins are found and their content
// mounted ("/ZevoLiveLink/"), so that the first asset made or loaded finds what it refers to; the
// temporary files that saves of killed runs left in Content/ and Saved/ are removed.
#include <string>

/** False when a plugin module of the earliest phase failed to load (the plugin manager said why). */
bool OpenProject(const std::string& ProjectDir);
