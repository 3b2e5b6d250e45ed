#include "editor/mapview/BlockPlacementTool.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <algorithm>

#include "editor/mapview/MapViewPanel.h"
#include "editor/mapview/ViewPortWidget.h"
#include "editor/widgets/HiColorQImage.h"
#include "editor/widgets/LanguageChange.h"
#include "texts/CoreTexts.h"
#include "view/BlockPicture.h"
#include "view/HitTesting.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

// Translucent enough to see the cells beneath, solid enough to read the block.
constexpr qreal PreviewOpacity = 0.6;
const QColor PreviewFrame(255, 255, 0);

}  // namespace

// Lies over the map view and lets every mouse event through to it.
class PlacementOverlay : public QWidget {
 public:
  PlacementOverlay(BlockPlacementTool& tool, QWidget* view) : QWidget(view), tool(tool) {
    setObjectName("PlacementOverlay");
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    view->installEventFilter(this);
    setGeometry(view->rect());
    hide();
  }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) setGeometry(parentWidget()->rect());
    return false;
  }
  void paintEvent(QPaintEvent*) override {
    if (!tool.active || tool.preview.isNull()) return;
    QPainter painter(this);
    const ViewRect area = MapArea(tool.context.view.Geometry());
    painter.setClipRect(QRect(QPoint(area.left, area.top), QPoint(area.right, area.bottom)));
    painter.setOpacity(PreviewOpacity);
    const QRect place = tool.PreviewRect();
    painter.drawImage(place.topLeft(), tool.preview);
    // Cells that show nothing on this layer are black: the frame shows the whole block.
    painter.setOpacity(1.0);
    painter.setPen(PreviewFrame);
    painter.drawRect(place.adjusted(0, 0, -1, -1));
  }

 private:
  BlockPlacementTool& tool;
};

namespace {

const char* const SourceTextProperty = "tmSourceText";

}  // namespace

BlockPlacementTool::BlockPlacementTool(const FeatureContext& context, TMapViewPanel& panel)
    : QObject(context.window), context(context), panel(panel), view(&panel.MapViewPort()) {
  setObjectName("BlockPlacementTool");
  overlay = new PlacementOverlay(*this, view);
  QMainWindow& main = *context.window;
  const auto addAction = [this, &main](const char* name, const char* text, const char* description,
                                       QList<QKeySequence> keys, std::function<void()> run) {
    auto* action = new QAction(QCoreApplication::translate("BlockPlacementTool", text), &main);
    // Retranslated by its source text: the registry keeps an adopted action's text as it is.
    action->setProperty(SourceTextProperty, QByteArray(text));
    action->setObjectName(name);
    action->setShortcuts(keys);
    action->setEnabled(false);
    main.addAction(action);
    actions.push_back(action);
    placingKeys.push_back({action, std::move(run), description});
  };
  addAction("PlaceTurnRight", QT_TRANSLATE_NOOP("BlockPlacementTool", "Rechts drehen"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Dreht den Block, der gerade platziert wird, nach rechts."),
            {QKeySequence(Qt::Key_R)}, [this] { Orient(placement.orientation.TurnedClockwise()); });
  addAction("PlaceTurnLeft", QT_TRANSLATE_NOOP("BlockPlacementTool", "Links drehen"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Dreht den Block, der gerade platziert wird, nach links."),
            {QKeySequence(Qt::SHIFT | Qt::Key_R)}, [this] { Orient(placement.orientation.TurnedCounterClockwise()); });
  addAction("PlaceMirrorX", QT_TRANSLATE_NOOP("BlockPlacementTool", "Links-rechts spiegeln"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                              "Spiegelt den Block, der gerade platziert wird, von links nach rechts."),
            {QKeySequence(Qt::Key_X)}, [this] { Orient(placement.orientation.MirroredLeftRight()); });
  addAction(
      "PlaceMirrorY", QT_TRANSLATE_NOOP("BlockPlacementTool", "Oben-unten spiegeln"),
      QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Spiegelt den Block, der gerade platziert wird, von oben nach unten."),
      {QKeySequence(Qt::Key_Y)}, [this] { Orient(placement.orientation.MirroredTopBottom()); });
  addAction("PlaceHere", QT_TRANSLATE_NOOP("BlockPlacementTool", "Setzen"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Setzt den Block an seine Stelle in der Karte."),
            {QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)}, [this] { PlaceHere(); });
  addAction("PlaceCancel", QT_TRANSLATE_NOOP("BlockPlacementTool", "Abbrechen"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Bricht das Platzieren des Blocks ab."),
            {QKeySequence(Qt::Key_Escape)}, [this] { Stop(); });
  OnLanguageChange(this, [this] {
    for (QAction* action : actions)
      action->setText(QCoreApplication::translate("BlockPlacementTool",
                                                  action->property(SourceTextProperty).toByteArray().constData()));
  });

  // The view's own handlers stay; the tool answers first while it is active.
  auto down = view->OnMouseDown;
  view->OnMouseDown = [this, down](const PointerInput& input) {
    if (!MouseDown(input)) down(input);
  };
  auto move = view->OnMouseMove;
  view->OnMouseMove = [this, move](const PointerInput& input) {
    PointerInput passed = input;
    // A drag while placing moves the block, never the selection.
    if (active) passed.leftHeld = false;
    move(passed);
    MouseMove(input);
  };
}

BlockPlacementTool::~BlockPlacementTool() = default;

void BlockPlacementTool::Start(CellBlock newBlock, std::vector<const HiColorImage*> newThumbnails, GridPoint at,
                               PlaceFunction newPlace) {
  block = std::move(newBlock);
  thumbnails = std::move(newThumbnails);
  place = std::move(newPlace);
  placement = Placement{at, {}, false};
  active = true;
  for (QAction* action : actions) action->setEnabled(true);
  overlay->show();
  overlay->raise();
  Refresh();
  // R, X, Y, Enter and Escape must reach the placing, not a list's search by
  // first letter or a text field; the window gives the view the focus back
  // whenever it is activated again.
  context.view.FocusMap();
}

void BlockPlacementTool::Stop() {
  if (!active) return;
  active = false;
  for (QAction* action : actions) action->setEnabled(false);
  overlay->hide();
  place = nullptr;
  panel.ShowPosition({});
  emit Stopped();
}

void BlockPlacementTool::Refresh() {
  if (!active) return;
  const EditorState& editor = context.session.Editor();
  const CellBlock oriented = Oriented(block, placement.orientation);
  preview = ToQImage(BlockPicture(oriented, editor.currentLayer, thumbnails, editor,
                                  CellPictureSizeAt(context.view.Geometry().zoomLevel)));
  ShowSize();
  overlay->update();
}

QRect BlockPlacementTool::PreviewRect() const {
  const EditorState& editor = context.session.Editor();
  const int pitch = CellPitchAt(context.view.Geometry().zoomLevel);
  return QRect(MapAreaLeft + (placement.at.x - editor.viewOrigin.x) * pitch,
               MapAreaTop + (placement.at.y - editor.viewOrigin.y) * pitch, preview.width(), preview.height());
}

void BlockPlacementTool::Orient(Orientation orientation) {
  placement.orientation = orientation;
  Refresh();
}

void BlockPlacementTool::ShowSize() {
  const int width = OrientedWidth(block.width, block.height, placement.orientation);
  const int height = OrientedHeight(block.width, block.height, placement.orientation);
  panel.ShowPosition([width, height] { return QString::fromStdString(MeasurementText(width, height)); });
}

void BlockPlacementTool::PlaceHere() {
  if (!active || !place) return;
  // The tool stays for the next placement; the function may stop it.
  PlaceFunction run = place;
  run(placement);
}

bool BlockPlacementTool::MouseDown(const PointerInput& input) {
  if (!active) return false;
  const ViewGeometry geometry = context.view.Geometry();
  if (!IsInsideMapArea(geometry, input.x, input.y)) {
    Stop();
    return false;
  }
  if (input.button == MouseButton::Right) {
    Stop();
    return true;
  }
  if (input.button != MouseButton::Left) return true;
  if (const std::optional<GridPoint> cell =
          HitGridCell(context.session.Editor(), context.view.Geometry(), input.x, input.y)) {
    placement.at = *cell;
    PlaceHere();
  }
  return true;
}

bool BlockPlacementTool::MouseMove(const PointerInput& input) {
  if (!active) return false;
  const GridPoint cell = PointerCell(context.session.Editor(), context.view.Geometry(), input.x, input.y);
  if (IsInsideMapArea(context.view.Geometry(), input.x, input.y) && IsOnGrid(cell) && !(cell == placement.at)) {
    placement.at = cell;
    overlay->update();
  }
  ShowSize();
  return true;
}

}  // namespace tessmoor
