#pragma once
// Cleaning up a map's texture table: one texture's references replaced by
// another's, and every unused texture deleted. Each is one undoable step.
//
// Palette slots are the tools' templates, not part of the map: a replace leaves
// them alone (their texture is still in the table), and a texture only a slot
// uses counts as used, exactly as a single delete refuses it.

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "edit/StepName.h"

namespace tessmoor {

inline constexpr StepName ReplaceTextureStepName = StepName::ReplaceTexture;
inline constexpr StepName DeleteUnusedStepName = StepName::DeleteUnused;

// Every grid reference to `texture`, on all five layers, becomes `replacement`
// (a texture of the table or NoTexture). False, and no step, when the numbers
// are not valid or no cell refers to `texture`.
bool ReplaceTexture(DocumentModel& model, int texture, uint16_t replacement);

// Deletes every texture nothing refers to, from the highest number down, so
// each delete renumbers as a single delete of it would. The number deleted.
int DeleteUnusedTextures(DocumentModel& model, const std::shared_ptr<CellClipboard>& clipboard);

}  // namespace tessmoor
