#pragma once
// The start-up question about copies left by editors that ended without saving.

#include <string>

#include "app/DialogLayer.h"
#include "document/MapDocument.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

// Offers every orphaned copy in `folder` in turn. Ja loads it in place of the
// current document under its original name (or "Unbenannt.tmm"), unsaved, and
// moves the copy to `adoptAs` (this editor's own copy path; "" deletes it), so
// it is never offered twice. Nein deletes the copy. After a restore the other
// copies stay for a later start. True when a copy was restored.
bool OfferOrphanedCopies(const std::string& folder, DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                         const std::string& adoptAs);

// Loads the copy at `copyPath` as a recovered, unsaved document. On failure the
// document is a new, unmodified one and the reader's message is returned.
MapFileResult RestoreRecoveryCopy(const std::string& copyPath, DocumentModel& model, EditorState& editor);

}  // namespace tessmoor
