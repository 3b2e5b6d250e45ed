#pragma once
// The map view of the main window: the tool bar over it, the view itself and
// the scroll bars that sit over its map frame, which count cells of the current
// zoom. It turns mouse and wheel input into calls of the core's tools and hands
// their responses to its owner.

#include <QWidget>
#include <functional>

#include "app/EditorSession.h"
#include "view/EditingTools.h"
#include "view/MapView.h"

class QFrame;
class QLabel;
class QScrollBar;
class QToolButton;
class QWheelEvent;

namespace tessmoor {

class HeightLegend;
class ModifiedMark;
class ViewPortWidget;

class CommandRegistry;

class TMapViewPanel : public QWidget, public SessionObserver {
  Q_OBJECT

 public:
  TMapViewPanel(EditorSession& session, QWidget* parent);
  ~TMapViewPanel() override;

  // The tool bar's buttons, and Enter in the map, run the registered commands,
  // so a button, a key and the menu item never part ways.
  void ConnectToolBar(const CommandRegistry& registry);
  ViewGeometry Geometry() const;
  void ZoomTo(int level, QPoint anchor);
  // Composes the map picture and brings it to the screen.
  void RedrawMapView();
  // Rebuilds the zoomed cell pictures after the texture table, a frame or the symbols changed.
  void RebuildScaledPictures();
  // The tool bar's mode buttons show the session's tool mode.
  void ShowToolMode();
  // The position and the passing line beside it are worded from what a tool
  // handed up, again at each change of language; an empty text hides the line.
  using Wording = std::function<QString()>;
  void ShowPosition(Wording wording);
  // "geändert" while the map has changes that are not saved.
  void ShowModified(bool modified);
  void ShowToolMessage(Wording wording);
  // The map view, where the editor's keys act; FocusMap gives it the keyboard focus.
  QWidget& MapWidget() const;
  ViewPortWidget& MapViewPort() const { return *ViewPort; }
  void FocusMap();

  // What the tools answered to a click, a drag or a move, once the session's
  // state they changed is set.
  std::function<void(const ToolResponse&)> OnResponse;

  // The mode buttons and the picture follow the session's tool and selection.
  void SessionChanged(SessionNotice notice) override;

  static constexpr int ToolBarHeight = 25;
  static constexpr int ScrollBarThickness = 16;

 protected:
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildToolBar();
  // A texture dragged from a list of this map onto a cell sets that cell's
  // texture on the current layer, one undo step per drop.
  void AcceptTextureDrops();
  void Retranslate();
  // Sets what a tool changed (the session's state through its editing interface) and answers.
  void Carry(const ToolResponse& response);
  void SyncScrollBars();
  void ApplyScrollRanges();
  void ViewPortWheel(QWheelEvent& event);
  void ShowHeightLegend();
  // Makes the process's one render surface and presenter this view's; false
  // while the view is hidden or has no size yet, when it has nothing to show.
  bool TakeSurface();
  // A surface of the view's size, all black.
  void MakeSurface();

  EditorSession& session_;
  SelectionDrag drag_;
  QFrame* PnlToolBar;
  QLabel* LblPos = nullptr;
  QLabel* LblToolMessage = nullptr;
  Wording positionWording_;
  Wording toolMessageWording_;
  ModifiedMark* LblModified = nullptr;
  HeightLegend* LblHeightLegend = nullptr;
  QToolButton* SpdOpen;
  QToolButton* SpdSave;
  QToolButton* SpdSelect;
  QToolButton* SpdBrush;
  QToolButton* SpdRectangle;
  QToolButton* SpdFill;
  QToolButton* SpdProperties;
  QToolButton* SpdTextureEditor;
  ViewPortWidget* ViewPort;
  QScrollBar* ScrHorizontal;
  QScrollBar* ScrVertical;
  // The origin last chosen by scrolling, zooming or a jump, which a window too
  // large for it cuts back only for as long as it is that large.
  GridPoint wantedOrigin_{0, 0};
  // The origin the scroll ranges last left; any other means someone moved the view.
  GridPoint appliedOrigin_{0, 0};
  bool sized_ = false;  // the view has had its first size
};

}  // namespace tessmoor
