#pragma once
// GEditor: the running editor engine; null in a game, commandlet or server run, where nothing
// editor-only may happen. The program that runs the editor's loop sets it.
#include "Editor/EditorEngine.h"

extern UEditorEngine* GEditor;
