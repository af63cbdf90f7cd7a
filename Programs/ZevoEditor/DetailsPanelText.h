#pragma once
// A details panel as a person reads it on a terminal: what the panel shows, not how it is built.
// Each category with its rows in two columns (name, value); collapsed widgets left out; a row of
// fill-width colour blocks drawn as a bar; element rows numbered by their index and an array's
// heading naming its property, so that the user can type the path into `remap set`; and, since a
// terminal has no hovering, the tool tips of the visible widgets listed once each at the end.
// With colour, texts and bars take their panel colours as 24-bit terminal colours.
#include "CoreMinimal.h"

/** PanelJson is the details view's JSON rendering, with every bound value evaluated. */
FString FormatDetailsPanelForTerminal(const FString& PanelJson, bool bColor);
