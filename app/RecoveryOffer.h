#pragma once
// The start-up question about copies left by editors that ended without saving.

#include <functional>
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

// Where a copy taken back goes: a session's map, and its own copy path.
struct RecoveryTarget {
  DocumentModel& model;
  EditorState& editor;
  std::string adoptAs;
};

// Offers every orphaned copy in `folder` in turn, as above, but takes back as
// many as the user wants: each one restored goes to a target from `nextTarget`,
// which is asked only when a restore needs one (a failed restore leaves its
// target for the next). Returns how many were restored.
int OfferEveryOrphanedCopy(const std::string& folder, DialogLayer& dialogs,
                           const std::function<RecoveryTarget()>& nextTarget);

// Loads the copy at `copyPath` as a recovered, unsaved document. On failure the
// document is a new, unmodified one and the reader's message is returned.
MapFileResult RestoreRecoveryCopy(const std::string& copyPath, DocumentModel& model, EditorState& editor);

}  // namespace tessmoor
