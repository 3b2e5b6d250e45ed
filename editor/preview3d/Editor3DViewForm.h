#pragma once
// The window "3D-Ansicht": the compiled model of the current document, walked
// through with the camera, beside the map view. A separate top-level window, so
// it can go on a second screen, which remembers where it was. Its context menu
// sets the animation speed, which is remembered between runs.

#include <QWidget>

#include "document/MapDocument.h"

class QAction;
class QLabel;
class QTimer;

namespace tessmoor {

class PreviewView;

class TFrm3DView : public QWidget {
  Q_OBJECT

 public:
  TFrm3DView(const MapDocument& document, const EditorState& editor, QWidget* owner);
  ~TFrm3DView() override;

  // Puts the window where it was last time, or (the first time) its frame at `firstPlace`.
  void RestorePlace(const QRect& firstPlace);

  // The document changed (cells, textures, start position or all of it). Cheap:
  // the rebuild waits for the next frame and happens once however often this is called.
  void DocumentChanged();
  // The map view's selection changed.
  void SelectionChanged();

  PreviewView& View() { return *view_; }
  int AnimationRate() const { return rate_; }
  void SetAnimationRate(int framesPerSecond);
  // The context menu offers these (checkable, the rate as their data) in place
  // of its own items; their keys work inside this window.
  void SetAnimationActions(const QList<QAction*>& actions);
  // The window's own commands (its keys, closing): first in the context menu, and
  // their keys work inside this window.
  void SetWindowActions(const QList<QAction*>& actions);

 signals:
  // A double click met a face of cell (x, y).
  void cellPicked(int x, int y);
  void cameraMoved();
  void visibilityChanged(bool visible);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Retranslate();
  void ShowCapacityMessage();
  void StorePlace();

  PreviewView* view_;
  QLabel* LblCapacity;
  QTimer* animationTimer_;
  int rate_;
  QList<QAction*> rateActions_;
  QList<QAction*> windowActions_;
};

}  // namespace tessmoor
