#pragma once
// The tool that places a block (a stamp or the clipboard's block): the map view
// shows the block under the pointer as a translucent picture on the current
// layer; R turns it clockwise (Shift+R back), X mirrors it left-right and Y
// top-bottom; a left click or Enter places it, Escape or a right click goes
// back to selecting. The tool bar's position label shows the block's size.

#include <QImage>
#include <QObject>
#include <functional>
#include <vector>

#include "document/Stamp.h"
#include "edit/BlockPlacement.h"
#include "editor/commands/FeatureContext.h"
#include "view/EditingTools.h"

class QAction;

namespace tessmoor {

class TMapViewPanel;
class ViewPortWidget;

class PlacementOverlay;

class BlockPlacementTool : public QObject {
  Q_OBJECT

 public:
  using PlaceFunction = std::function<void(const Placement&)>;

  // Lies over the view of `panel`, and shows the block's size in its position label.
  BlockPlacementTool(const FeatureContext& context, TMapViewPanel& panel);
  ~BlockPlacementTool() override;

  // Starts placing `block` with its top-left cell at `at`; `thumbnails` are the
  // first frames of the textures the block's references number, kept alive by
  // the caller while the tool is active. A second start replaces the first.
  void Start(CellBlock block, std::vector<const HiColorImage*> thumbnails, GridPoint at, PlaceFunction place);
  void Stop();
  bool IsActive() const { return active; }
  const Placement& Current() const { return placement; }
  // The oriented block as the preview shows it.
  const QImage& PreviewImage() const { return preview; }
  // The placing keys (turn, mirror, place, cancel), enabled while a block is placed,
  // each with what it does to the block being placed; the window's registry runs them.
  struct Key {
    QAction* action;
    std::function<void()> run;
    const char* description;  // German source, context "Befehlsbeschreibungen"
  };
  const std::vector<Key>& Keys() const { return placingKeys; }

  // The map view's layer, zoom or textures changed: the preview follows.
  void Refresh();

 signals:
  void Stopped();

 private:
  void Orient(Orientation orientation);
  void PlaceHere();
  void ShowSize();
  bool MouseDown(const PointerInput& input);
  bool MouseMove(const PointerInput& input);
  friend class PlacementOverlay;
  QRect PreviewRect() const;

  FeatureContext context;
  TMapViewPanel& panel;
  ViewPortWidget* view;
  PlacementOverlay* overlay;
  bool active = false;
  CellBlock block;
  std::vector<const HiColorImage*> thumbnails;
  Placement placement;
  PlaceFunction place;
  QImage preview;
  std::vector<QAction*> actions;
  std::vector<Key> placingKeys;
};

}  // namespace tessmoor
