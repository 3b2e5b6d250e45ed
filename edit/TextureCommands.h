#pragma once
// The texture editor's operations as undoable steps. Each checks and reports
// like its counterpart in textures/ and adds a step only when it changed the table.

#include <memory>
#include <string>
#include <vector>

#include "edit/DocumentModel.h"
#include "textures/TextureFrames.h"
#include "textures/TextureTable.h"

inline constexpr const char* AddTextureStepName = "Textur hinzufügen";
inline constexpr const char* DeleteTextureStepName = "Textur löschen";
inline constexpr const char* RenameTextureStepName = "Textur umbenennen";
inline constexpr const char* AnimationStepName = "Animationsart";
inline constexpr const char* AddFramesStepName = "Bilder hinzufügen";
inline constexpr const char* RemoveFrameStepName = "Bild entfernen";
inline constexpr const char* MoveFrameStepName = "Bild verschieben";

TextureResult AddTexture(DocumentModel& model);
TextureResult RenameTexture(DocumentModel& model, int texture, const std::string& name);
TextureResult SetAnimationType(DocumentModel& model, int texture, AnimationType type);
// The clipboard, when given, is renumbered with the grid; undo renumbers it back
// and, while it still holds the same block, restores its references to the texture.
TextureResult DeleteTexture(DocumentModel& model, int texture, CellClipboard* clipboard);
// The step DeleteTexture executes, unchecked, for steps made of several deletes.
std::unique_ptr<EditCommand> MakeDeleteTextureCommand(int texture, CellClipboard* clipboard);

// All chosen pictures are one step; pictures added before a stop stay.
AddFramesResult AddFrames(DocumentModel& model, const std::string& programDirectory, int texture,
                          const std::vector<std::string>& chosenPaths);
bool RemoveFrame(DocumentModel& model, int texture, int position);
bool MoveFrameUp(DocumentModel& model, int texture, int position);
bool MoveFrameDown(DocumentModel& model, int texture, int position);
