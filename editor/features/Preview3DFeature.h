#pragma once
// Ansicht > 3D-Ansicht (F5) and the 3D window's context menu, with its keys (F1)
// and closing (F5, Escape inside the window). The window is made
// on first use, so a platform without OpenGL never builds one. It follows the
// document's changes itself; its camera shows on the map, a double click on
// a face selects that cell in the map view, and a texture of this map dropped
// on a face becomes the texture of that surface of its cell.

#include <QObject>
#include <optional>

#include "app/MapEditing.h"
#include "edit/DocumentModel.h"
#include "editor/commands/FeatureContext.h"

namespace tessmoor {

class PreviewView;
class TFrm3DView;

class Preview3DFeature : public QObject, public DocumentObserver, public SessionObserver {
  Q_OBJECT

 public:
  explicit Preview3DFeature(const FeatureContext& context);
  ~Preview3DFeature() override;

  // The 3D window outlines the session's selection.
  void SessionChanged(SessionNotice notice) override;
  void DocumentChanged(const DocumentChange& change) override;
  // Opens the window (if it was closed) at the start pose, or standing in `cell`.
  // Its messages go to `c`'s session.
  void Show3DViewFrom(const FeatureContext& c, std::optional<GridPoint> cell);

 private:
  void View3DClick(const FeatureContext& c);
  // False (after saying so) when OpenGL 3.3 is not available. The window is made
  // once, over the map of this feature's window.
  bool Create3DView(const FeatureContext& c);
  // One undo step per drop; the window shows the change as it shows any edit.
  void AcceptTextureDrops(PreviewView& view);
  void Preview3DVisible(bool visible);
  void PreviewCameraMoved();
  // "Tasten der 3D-Ansicht": how to walk, look and close.
  static void ShowKeys(const FeatureContext& c);
  void Close3DView();

  FeatureContext context_;
  TFrm3DView* Frm3DView = nullptr;
};

}  // namespace tessmoor
