#pragma once
// What a feature of the main window is made with: the session it works on, the
// registry its commands go into, the map view it may ask to redraw or scroll,
// and the window its own windows belong to. A feature owns its commands and its
// windows and follows the document itself; the main window only assembles.

#include <QMainWindow>
#include <QPoint>

#include "app/EditorSession.h"
#include "view/MapView.h"

namespace tessmoor {

class CommandRegistry;
class TextureTableModel;

// The map view, which the main window owns.
class MapViewHost {
 public:
  virtual ~MapViewHost() = default;
  // Composes the picture and shows it, and the 3D window's selection outline.
  virtual void RefreshViews() = 0;
  // The map picture alone (the camera marker moved).
  virtual void RedrawMapView() = 0;
  // Selects the cell, as a click on it does, and scrolls until it is whole in sight.
  virtual void ShowCell(GridPoint cell) = 0;
  // To zoom `level` (view/Zoom.h), keeping the cell under `anchor` (view pixels) in place.
  virtual void ZoomTo(int level, QPoint anchor) = 0;
  virtual ViewGeometry Geometry() const = 0;
  // The map view's widget, below the window's menu and tool bars.
  virtual QWidget& MapWidget() const = 0;
  // Gives the map view the keyboard focus, so the editor's keys act on the map.
  virtual void FocusMap() = 0;
};

struct FeatureContext {
  EditorSession& session;
  CommandRegistry& registry;
  MapViewHost& view;
  QMainWindow* window;
  // The current map's texture table, which every texture list is made from.
  TextureTableModel* textures = nullptr;
};

}  // namespace tessmoor
