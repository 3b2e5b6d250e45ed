#pragma once
// The one editing interface of a session, for every caller: the windows,
// scripts, tests and tools. Each operation checks its arguments, changes the
// map through the document (one undoable step, or a part of the transaction
// that is open) and answers with a coded result. The session's own state
// (selection, layer, tool, current slot) changes only here, and each change is
// one notice to the observers; setting what already is tells nobody.

#include <functional>
#include <vector>

#include "app/EditResult.h"
#include "document/MapDocument.h"
#include "document/Stamp.h"
#include "edit/BlockPlacement.h"
#include "edit/CellFieldEdit.h"
#include "edit/DocumentModel.h"

namespace tessmoor {

// Clipboard: a block was copied, so there is something to paste now.
enum class SessionNotice { Selection, Layer, Tool, Slot, Clipboard };

class SessionObserver {
 public:
  virtual ~SessionObserver() = default;
  virtual void SessionChanged(SessionNotice notice) = 0;
};

class MapEditing : private DocumentObserver {
 public:
  MapEditing(DocumentModel& model, EditorState& editor);
  ~MapEditing() override;
  MapEditing(const MapEditing&) = delete;
  MapEditing& operator=(const MapEditing&) = delete;

  // Runs `body` as one step named `name`: what it changes is one undo step
  // (none when it changes nothing). A result that is not Ok, or an exception,
  // takes back everything the body did; the exception goes on. Transactions nest.
  EditResult Transaction(StepName name, const std::function<EditResult()>& body);
  // The same, the step called `label` (a script's name) instead of by its kind.
  EditResult Transaction(StepName name, const std::string& label, const std::function<EditResult()>& body);

  // The map.
  EditResult EditFields(CellRange range, const CellFieldEdit& edit);
  // From the current palette slot.
  EditResult Fill(CellRange range);
  EditResult Copy(CellRange range);
  // The clipboard's block with its top-left cell at `at`, turned and mirrored
  // as `orientation` says; into another map its textures come along.
  EditResult Paste(GridPoint at, Orientation orientation);
  EditResult PlaceStamp(const Stamp& stamp, const Placement& placement);
  EditResult SetStart(GridPoint cell);
  // The texture table.
  EditResult AddTexture();
  EditResult RenameTexture(int texture, const std::string& name);
  EditResult DeleteTexture(int texture);
  // Every cell's reference to `texture` becomes `replacement` (-1: none).
  EditResult ReplaceTexture(int texture, int replacement);
  // `texture` (a table position) on the `layer` surface of every cell of `range`.
  EditResult SetTexture(CellRange range, SurfaceKind layer, int texture);
  // Frame pictures by file name, found in the picture folders as the texture editor finds them.
  EditResult AddFrames(int texture, const std::vector<std::string>& pictures);
  // The stored content of `result`, a changed copy of this map, as one step.
  EditResult AdoptContent(const MapDocument& result, StepName name, const std::string& label);

  // The session's state. A value equal to the session's is no change, and no notice.
  EditResult Select(CellRange range);
  EditResult SetLayer(SurfaceKind layer);
  EditResult SetTool(ToolMode mode);
  EditResult SetCurrentSlot(int slot);

  void AddObserver(SessionObserver* observer);
  void RemoveObserver(SessionObserver* observer);

 private:
  // A new, opened or recovered map starts with its own selection and slot:
  // those that changed are told, after the windows have taken the new map in.
  void DocumentChanged(const DocumentChange& change) override;
  void Tell(SessionNotice notice);

  DocumentModel& model_;
  EditorState& editor_;
  std::vector<SessionObserver*> observers_;
  // What the observers were last told of, to tell a replaced map's changes only.
  Selection toldSelection_;
  int toldSlot_ = 0;
};

}  // namespace tessmoor
