#include "app/RecoveryOffer.h"

#include <optional>

#include "document/RecoveryFile.h"
#include "document/RecoveryFolder.h"

namespace tessmoor {

namespace {

std::string ShownName(const std::string& originalPath) {
  if (originalPath.empty()) return UntitledName;
  const size_t slash = originalPath.find_last_of('/');
  return slash == std::string::npos ? originalPath : originalPath.substr(slash + 1);
}

}  // namespace

MapFileResult RestoreRecoveryCopy(const std::string& copyPath, DocumentModel& model, EditorState& editor) {
  RecoveryLoadResult loaded;
  model.Replace(
      [&](MapDocument& document) {
        ResetDocument(document, editor, true);
        loaded = LoadRecoveryFile(document, copyPath, MapLoadOptions{editor.programDirectory, true});
        document.fileName = loaded.originalPath.empty() ? UntitledName : loaded.originalPath;
      },
      true);
  if (!loaded.map.ok) model.Replace([&](MapDocument& document) { ResetDocument(document, editor, true); });
  return loaded.map;
}

namespace {

// Offers the copies, all of them or up to the first restored; returns how many were restored.
int OfferCopies(const std::string& folder, DialogLayer& dialogs, const std::function<RecoveryTarget()>& nextTarget,
                bool stopAfterFirst) {
  int restored = 0;
  std::optional<RecoveryTarget> target;
  for (const std::unique_ptr<OrphanedCopy>& orphan : ClaimOrphanedCopies(folder)) {
    // A copy cut short or not ours stays where it is; it is never offered.
    const std::optional<std::string> originalPath = RecoveryOriginalPath(orphan->Path());
    if (!originalPath) continue;
    switch (dialogs.AskRecover(ShownName(*originalPath))) {
      case RecoveryAnswer::Discard:
        orphan->Discard();
        break;
      case RecoveryAnswer::Keep:
        break;
      case RecoveryAnswer::Restore: {
        if (!target) target.emplace(nextTarget());
        const MapFileResult result = RestoreRecoveryCopy(orphan->Path(), target->model, target->editor);
        if (!result.ok) {
          if (!IsEmpty(result.message)) dialogs.ShowError(result.message);
          continue;
        }
        orphan->MoveTo(target->adoptAs);
        target.reset();
        ++restored;
        if (stopAfterFirst) return restored;
      }
    }
  }
  return restored;
}

}  // namespace

bool OfferOrphanedCopies(const std::string& folder, DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                         const std::string& adoptAs) {
  return OfferCopies(
             folder, dialogs,
             [&] {
               return RecoveryTarget{model, editor, adoptAs};
             },
             true) > 0;
}

int OfferEveryOrphanedCopy(const std::string& folder, DialogLayer& dialogs,
                           const std::function<RecoveryTarget()>& nextTarget) {
  return OfferCopies(folder, dialogs, nextTarget, false);
}

}  // namespace tessmoor
