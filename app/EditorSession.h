#pragma once
// One open map and everything the editor holds for it: the document model with
// its history, the tool state (mode, layer, selection, clipboard, view origin and
// zoom), the palette (in the document), the cell symbols and zoomed pictures, and
// the file work-flow. It exists before the main window and outlives it, so a
// window is only a view of a session and several sessions can live side by side.

#include <memory>
#include <string>

#include "app/DialogLayerProxy.h"
#include "app/FileWorkflow.h"
#include "app/MapEditing.h"
#include "app/RecentTextures.h"
#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "view/MapViewState.h"

namespace tessmoor {

class EditorSession {
 public:
  // `programDirectory` ends with '/': the folder that holds GFX/, TMEGfx/ and Maps/.
  // The session starts with an empty, untitled, unmodified map in select mode on
  // the wall layer. Its dialogs go nowhere until SetDialogs is called.
  explicit EditorSession(const std::string& programDirectory);
  ~EditorSession();
  EditorSession(const EditorSession&) = delete;
  EditorSession& operator=(const EditorSession&) = delete;

  DocumentModel& Model() { return model_; }
  const MapDocument& Map() const { return model_.Map(); }
  EditorState& Editor() { return editor_; }
  const EditorState& Editor() const { return editor_; }
  // The map view's zoom, zoomed pictures and camera mark.
  MapViewState& MapView() { return mapView_; }
  const MapViewState& MapView() const { return mapView_; }
  ScaledPictureCache& ScaledPictures() { return mapView_.scaledPictures; }
  // Every question and message of this session's commands goes to the layer set here.
  DialogLayer& Dialogs() { return dialogs_; }
  void SetDialogs(DialogLayer* layer) { dialogs_.SetTarget(layer); }
  bool HasDialogs() const { return dialogs_.HasTarget(); }
  // New, open, save, save as and the unsaved-changes question.
  FileWorkflow& Files() { return *files_; }
  // The one editing interface: typed operations, transactions, notices.
  MapEditing& Editing() { return editing_; }
  // The textures set on a cell last in this map, newest first.
  RecentTextures& Recent() { return recent_; }
  const RecentTextures& Recent() const { return recent_; }

  // Saves go through `ops` from now on (the backups wrap them); it must outlive
  // its use or be replaced by RealFileOps() first.
  void UseFileOps(FileOps& ops);

  // Loads the cell-kind symbols from TMEGfx/; false when one of them failed.
  bool LoadAssets();

 private:
  DocumentModel model_;
  EditorState editor_;
  MapViewState mapView_;
  DialogLayerProxy dialogs_;
  std::unique_ptr<FileWorkflow> files_;
  MapEditing editing_{model_, editor_};
  RecentTextures recent_{model_};
};

}  // namespace tessmoor
