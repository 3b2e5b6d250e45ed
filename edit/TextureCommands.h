#pragma once
// Every change of the map's texture table, each an undoable step. Each reports
// what went wrong as a message to show (none shows anything itself) and adds a
// step only when it changed the table.

#include <memory>
#include <string>
#include <vector>

#include "edit/DocumentModel.h"
#include "edit/StepName.h"
#include "textures/TextureFrames.h"
#include "textures/TextureTable.h"

namespace tessmoor {

inline constexpr StepName AddTextureStepName = StepName::AddTexture;
inline constexpr StepName DeleteTextureStepName = StepName::DeleteTexture;
inline constexpr StepName RenameTextureStepName = StepName::RenameTexture;
inline constexpr StepName AnimationStepName = StepName::Animation;
inline constexpr StepName AddFramesStepName = StepName::AddFrames;
inline constexpr StepName RemoveFrameStepName = StepName::RemoveFrame;
inline constexpr StepName MoveFrameStepName = StepName::MoveFrame;

// Appends "Neue Textur" (type Repeat, no frames) at position textureCount.
// Refused with a message when the table is full.
TextureResult AddTexture(DocumentModel& model);
// `name` is Windows-1252 bytes; anything past 255 bytes is cut off.
TextureResult RenameTexture(DocumentModel& model, int texture, const std::string& name);
TextureResult SetAnimationType(DocumentModel& model, int texture, AnimationType type);
// Removes the texture when no grid cell and no palette slot refers to it. Every
// higher reference moves down by one so it keeps naming the same texture, later
// entries move up and every entry's index is its position again. The clipboard,
// when given, is renumbered the same way, its references to the deleted texture
// becoming NoTexture; undo renumbers it back and, while it still holds the same
// block, restores those references. The step follows the clipboard without
// owning it: once the clipboard is gone, the step leaves it alone.
TextureResult DeleteTexture(DocumentModel& model, int texture, const std::shared_ptr<CellClipboard>& clipboard);
// The step DeleteTexture executes, unchecked, for steps made of several deletes.
std::unique_ptr<EditCommand> MakeDeleteTextureCommand(int texture, const std::shared_ptr<CellClipboard>& clipboard);

// All chosen pictures are one step; pictures added before a stop stay.
AddFramesResult AddFrames(DocumentModel& model, const std::string& programDirectory, int texture,
                          const std::vector<std::string>& chosenPaths);
bool RemoveFrame(DocumentModel& model, int texture, int position);
bool MoveFrameUp(DocumentModel& model, int texture, int position);
bool MoveFrameDown(DocumentModel& model, int texture, int position);

}  // namespace tessmoor
