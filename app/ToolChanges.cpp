#include "app/ToolChanges.h"

namespace tessmoor {

void ApplyToolChange(MapEditing& editing, const SessionChange& change) {
  if (change.slot) editing.SetCurrentSlot(*change.slot);
  if (change.toolMode) editing.SetTool(*change.toolMode);
  if (const std::optional<Selection>& selection = change.selection)
    editing.Select({selection->x1, selection->y1, selection->x2, selection->y2});
}

}  // namespace tessmoor
