#pragma once
// A texture dragged out of one map's texture list. The data names the process,
// the document model and the map it came from and what the texture was (name,
// animation, frames), so a drop takes it only into that same map and only while
// the table still holds that texture at that place: a drag from another tab,
// another editor process, or across a change of the table is refused.

#include <QDropEvent>
#include <QMimeData>
#include <optional>

#include "app/EditorSession.h"

namespace tessmoor {

inline constexpr char TextureMimeType[] = "application/x-tessmoor-texture";

// The drag data of texture `texture` of `model`'s table (the caller owns it
// until QDrag takes it). Nullptr when the table holds no such texture.
QMimeData* MakeTextureDragData(const DocumentModel& model, int texture);

// The texture `data` carries when it was made from `model` as it is now; nothing
// for any other data, another map, or a texture the table no longer holds there.
std::optional<int> DroppedTexture(const QMimeData* data, const DocumentModel& model);

// Sets `surface` of `cell` to the texture dragged in `data` through the editing
// interface, as one undo step (none when the cell has it already). False, and
// nothing changes, when `data` is no texture of this session's map or the cell
// lies off the grid.
bool DropTexture(EditorSession& session, const QMimeData* data, GridPoint cell, SurfaceKind surface);

// Takes a drag or drop event as a copy (the source keeps what it dragged) when
// `take` holds and the source allows a copy; refuses it otherwise.
void TakeAsCopy(QDropEvent& event, bool take);

}  // namespace tessmoor
