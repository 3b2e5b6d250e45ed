#pragma once
// The map view's tools work out what an event does to the session's state;
// this makes it so through the editing interface, so every change is a notice.

#include "app/MapEditing.h"
#include "view/EditingTools.h"

namespace tessmoor {

// Sets each part `change` holds: the slot, then the tool, then the selection.
// A part equal to the session's is no change and no notice.
void ApplyToolChange(MapEditing& editing, const SessionChange& change);

}  // namespace tessmoor
