#pragma once
// The host's editor, standing in for the engine's UnrealEd, PropertyEditor, Slate and SlateCore
// modules. It provides, under the engine's names: GEditor and UEditorEngine (this header,
// Editor/EditorEngine.h) with its timer manager; FScopedTransaction; FPropertyEditorModule,
// IDetailCustomization, IPropertyTypeCustomization, IDetailLayoutBuilder, IDetailCategoryBuilder,
// IDetailChildrenBuilder, FDetailWidgetRow, IPropertyHandle and IPropertyHandleArray; the widgets
// SWidget, SCompoundWidget, SBox, SVerticalBox, SHorizontalBox, SOverlay, STextBlock,
// SEditableTextBox, SButton, SColorBlock with SNew/SAssignNew and the SLATE_ argument macros;
// FReply, EVisibility, FMargin, FSlateColor, FSlateFontInfo, FCoreStyle, FAppStyle, ETextCommit.
// Known differences: nothing is drawn: a widget tree is rendered as text or JSON
// (Widgets/WidgetTree.h, SDetailsView), evaluating bound attributes as painting would; there are
// no viewports, so a redraw request is only counted; fonts are names, not assets; a few builder
// calls return nothing where the engine's return a row to customise further; IPropertyHandle also
// answers GetNumElements/GetElement itself (host only; the engine's are on AsArray()).
//
// GEditor: the running editor engine; null in a game, commandlet or server run, where nothing
// editor-only may happen. The program that runs the editor's loop sets it.
#include "Editor/EditorEngine.h"

extern UEditorEngine* GEditor;
