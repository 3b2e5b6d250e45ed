#include "editor/mapview/MapViewPanel.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QWheelEvent>
#include <algorithm>

#include "app/ToolChanges.h"
#include "editor/commands/CommandRegistry.h"
#include "editor/mapview/HeightLegend.h"
#include "editor/mapview/ModifiedMark.h"
#include "editor/mapview/ToolBarIcons.h"
#include "editor/mapview/ViewPortWidget.h"
#include "editor/widgets/TextureDrag.h"
#include "graphics/RenderSurface.h"
#include "graphics/WinG.h"
#include "view/HitTesting.h"
#include "view/ScaledPictures.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& hint, const QIcon& icon, bool checkable) {
  auto* button = new QToolButton(parent);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setIcon(icon);
  button->setCheckable(checkable);
  button->setAutoRaise(true);
  button->setFixedSize(23, 23);
  button->setFocusPolicy(Qt::NoFocus);
  return button;
}

QFrame* MakeSeparator(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::VLine);
  line->setFrameShadow(QFrame::Sunken);
  line->setFixedWidth(6);
  return line;
}

QScrollBar* MakeScrollBar(QWidget* parent, const char* name, Qt::Orientation orientation) {
  auto* bar = new QScrollBar(orientation, parent);
  bar->setObjectName(name);
  bar->setFocusPolicy(Qt::NoFocus);
  bar->setRange(0, GridSize - 1);
  bar->setSingleStep(1);
  return bar;
}

// The render surface and the WinG presenter exist once in the process. With
// several maps in one window the view that redraws takes them over, so a map
// never shows another's picture and closing one map never blanks another.
TMapViewPanel* surfaceOwner = nullptr;

}  // namespace

TMapViewPanel::TMapViewPanel(EditorSession& session, QWidget* parent) : QWidget(parent), session_(session) {
  // The "client area" of the layout rules is everything below the menu bar.
  setObjectName("ClientArea");
  ViewPort = new ViewPortWidget(this);
  ViewPort->setObjectName("ViewPort");
  ViewPort->OnPaint = [this] { RedrawMapView(); };
  ViewPort->OnMouseDown = [this](const PointerInput& input) {
    Carry(ViewPortMouseDown(session_.Model(), session_.Editor(), drag_, Geometry(), input));
  };
  ViewPort->OnMouseMove = [this](const PointerInput& input) {
    Carry(ViewPortMouseMove(session_.Model(), session_.Editor(), drag_, Geometry(), input));
  };
  ViewPort->OnMouseUp = [this](const PointerInput&) {
    Carry(ViewPortMouseUp(session_.Model(), session_.Editor(), drag_));
  };
  // Escape is the view's only while it ends a drag.
  ViewPort->OnEscape = [this] {
    if (!drag_.active) return false;
    Carry(CancelSelectionDrag(session_.Editor(), drag_));
    return true;
  };
  ViewPort->OnWheel = [this](QWheelEvent& event) { ViewPortWheel(event); };
  AcceptTextureDrops();
  ViewPort->OnArrow = [this](const CellStep& step) {
    // A drag in progress owns the selection until the button is let go.
    if (drag_.active || drag_.stroke.active) return;
    Carry(MoveSelectionByKey(session_.Editor(), Geometry(), step));
  };

  // Created after the view, so they lie above it.
  ScrHorizontal = MakeScrollBar(this, "ScrHorizontal", Qt::Horizontal);
  ScrVertical = MakeScrollBar(this, "ScrVertical", Qt::Vertical);
  connect(ScrHorizontal, &QScrollBar::valueChanged, this, [this](int position) {
    session_.Editor().viewOrigin.x = position;
    wantedOrigin_.x = appliedOrigin_.x = position;
    RedrawMapView();
  });
  connect(ScrVertical, &QScrollBar::valueChanged, this, [this](int position) {
    session_.Editor().viewOrigin.y = position;
    wantedOrigin_.y = appliedOrigin_.y = position;
    RedrawMapView();
  });
  BuildToolBar();
  Retranslate();
  session_.Editing().AddObserver(this);
}

void TMapViewPanel::AcceptTextureDrops() {
  ViewPort->AcceptsDrag = [this](const QMimeData* data) { return DroppedTexture(data, session_.Model()).has_value(); };
  ViewPort->OnDragMove = [this](const QMimeData*, QPoint at) {
    // The position label names the cell under the drag, as under a pointer
    // with no button held; nothing else of the view moves with it.
    PointerInput hover;
    hover.x = at.x();
    hover.y = at.y();
    Carry(ViewPortMouseMove(session_.Model(), session_.Editor(), drag_, Geometry(), hover));
    return HitGridCell(session_.Editor(), Geometry(), at.x(), at.y()).has_value();
  };
  ViewPort->OnDrop = [this](const QMimeData* data, QPoint at) {
    const std::optional<GridPoint> cell = HitGridCell(session_.Editor(), Geometry(), at.x(), at.y());
    return cell && DropTexture(session_, data, *cell, session_.Editor().currentLayer);
  };
}

void TMapViewPanel::Retranslate() {
  SpdOpen->setToolTip(tr("Öffnen"));
  SpdSave->setToolTip(tr("Speichern"));
  SpdSelect->setToolTip(tr("Auswählen"));
  SpdBrush->setToolTip(tr("Pinsel"));
  SpdRectangle->setToolTip(tr("Rechteck"));
  SpdFill->setToolTip(tr("Füllen"));
  SpdProperties->setToolTip(tr("Eigenschaften"));
  SpdTextureEditor->setToolTip(tr("Textur-Editor"));
  if (positionWording_) LblPos->setText(positionWording_());
  if (toolMessageWording_) ShowToolMessage(toolMessageWording_);
}

void TMapViewPanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

TMapViewPanel::~TMapViewPanel() {
  session_.Editing().RemoveObserver(this);
  if (surfaceOwner != this) return;
  surfaceOwner = nullptr;
  SetWinGPresenter(nullptr);
  DestroySurface();
}

bool TMapViewPanel::TakeSurface() {
  if (surfaceOwner == this) return true;
  // A hidden view has nothing to show: it composes once it is shown and paints.
  if (!sized_ || !ViewPort->isVisible()) return false;
  if (surfaceOwner) surfaceOwner->ViewPort->ForgetFrame();
  surfaceOwner = this;
  SetWinGPresenter([view = ViewPort](const WinGPresentRequest& request) {
    if (request.targetDC != view) return false;
    view->Present(request.pixels, request.width, request.height, request.rowPixels,
                  QRect(request.destX, request.destY, request.destWidth, request.destHeight));
    return true;
  });
  // What the surface holds is another view's picture.
  ViewPort->DamageTracker().Invalidate();
  const RenderSurface& surface = Surface();
  if (!surface.created || surface.width != (ViewPort->width() & ~1) || surface.height != ViewPort->height())
    MakeSurface();
  return true;
}

void TMapViewPanel::MakeSurface() {
  DestroySurface();
  const int surfaceWidth = std::min(ViewPort->width(), 0xFFFF);
  const int surfaceHeight = std::min(ViewPort->height(), 0xFFFF);
  if (surfaceWidth > 0 && surfaceHeight > 0)
    CreateSurface(static_cast<uint16_t>(surfaceWidth), static_cast<uint16_t>(surfaceHeight), ViewPort);
}

void TMapViewPanel::BuildToolBar() {
  PnlToolBar = new QFrame(this);
  PnlToolBar->setObjectName("PnlToolBar");
  PnlToolBar->setFrameShape(QFrame::Panel);
  PnlToolBar->setFrameShadow(QFrame::Raised);

  SpdOpen = MakeToolButton(PnlToolBar, "SpdOpen", QString(), OpenIcon(), false);
  SpdSave = MakeToolButton(PnlToolBar, "SpdSave", QString(), SaveIcon(), false);
  SpdSelect = MakeToolButton(PnlToolBar, "SpdSelect", QString(), SelectIcon(), true);
  SpdBrush = MakeToolButton(PnlToolBar, "SpdBrush", QString(), BrushIcon(), true);
  SpdRectangle = MakeToolButton(PnlToolBar, "SpdRectangle", QString(), RectangleIcon(), true);
  SpdFill = MakeToolButton(PnlToolBar, "SpdFill", QString(), FillIcon(), false);
  SpdProperties = MakeToolButton(PnlToolBar, "SpdProperties", QString(), PropertiesIcon(), true);
  SpdTextureEditor = MakeToolButton(PnlToolBar, "SpdTextureEditor", QString(), TextureEditorIcon(), false);
  LblPos = new QLabel(PnlToolBar);
  LblPos->setObjectName("LblPos");
  LblPos->setMinimumWidth(60);
  // Shown only while it has something to say, so the bar looks as before otherwise.
  LblToolMessage = new QLabel(PnlToolBar);
  LblToolMessage->setObjectName("LblToolMessage");
  LblToolMessage->hide();

  auto* row = new QHBoxLayout(PnlToolBar);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(0);
  const QList<QWidget*> items = {SpdOpen,
                                 SpdSave,
                                 MakeSeparator(PnlToolBar),
                                 SpdSelect,
                                 SpdBrush,
                                 SpdRectangle,
                                 SpdFill,
                                 MakeSeparator(PnlToolBar),
                                 SpdProperties,
                                 SpdTextureEditor,
                                 MakeSeparator(PnlToolBar)};
  for (QWidget* item : items) row->addWidget(item);
  row->addSpacing(6);
  row->addWidget(LblPos);
  row->addWidget(LblToolMessage);
  LblHeightLegend = new HeightLegend(PnlToolBar);
  row->addSpacing(6);
  row->addWidget(LblHeightLegend);
  row->addStretch(1);
  LblModified = new ModifiedMark(PnlToolBar);
  LblModified->Show(session_.Model().IsModified());
  row->addWidget(LblModified);
  row->addSpacing(4);

  // Selecting is a tool mode, not a command: the button holds the mode.
  connect(SpdSelect, &QToolButton::clicked, this, [this](bool down) {
    session_.Editing().SetTool(down ? ToolMode::Select : ToolMode::Paint);
    // The click toggled the button itself; it shows the session's mode, changed or not.
    ShowToolMode();
  });
}

// The view's own state first, so a redraw the session's notices bring shows it already.
void TMapViewPanel::Carry(const ToolResponse& response) {
  EditorState& editor = session_.Editor();
  if (response.hoverCell) editor.hoverCell = *response.hoverCell;
  if (response.viewOrigin) editor.viewOrigin = *response.viewOrigin;
  ApplyToolChange(session_.Editing(), response.session);
  OnResponse(response);
}

void TMapViewPanel::SessionChanged(SessionNotice notice) {
  if (notice == SessionNotice::Tool) ShowToolMode();
  // The picture shows the selection, and the tool decides whether it shows a frame.
  if (notice == SessionNotice::Selection || notice == SessionNotice::Tool) RedrawMapView();
}

void TMapViewPanel::ConnectToolBar(const CommandRegistry& registry) {
  const auto runs = [this, &registry](QToolButton* button, const char* id) {
    connect(button, &QToolButton::clicked, registry.Action(id), &QAction::trigger);
  };
  runs(SpdOpen, "FileOpen");
  runs(SpdSave, "FileSave");
  runs(SpdBrush, "EditBrush");
  runs(SpdRectangle, "EditRectangle");
  runs(SpdFill, "EditFill");
  runs(SpdProperties, "ViewProperties");
  runs(SpdTextureEditor, "ViewTextureEditor");
  // Enter in the map edits the selection, as the command's own key does.
  ViewPort->OnEnter = [action = registry.Action("EditSelection")] { action->trigger(); };
  // The button shows whether the properties window is open, as the menu item's check does.
  connect(registry.Action("ViewProperties"), &QAction::toggled, SpdProperties, &QToolButton::setChecked);
}

void TMapViewPanel::ShowToolMode() {
  const ToolMode mode = session_.Editor().toolMode;
  SpdSelect->setChecked(mode == ToolMode::Select);
  SpdBrush->setChecked(mode == ToolMode::Brush);
  SpdRectangle->setChecked(mode == ToolMode::Rectangle);
}

QWidget& TMapViewPanel::MapWidget() const { return *ViewPort; }

void TMapViewPanel::FocusMap() { ViewPort->setFocus(Qt::OtherFocusReason); }

void TMapViewPanel::ShowPosition(Wording wording) {
  positionWording_ = std::move(wording);
  LblPos->setText(positionWording_ ? positionWording_() : QString());
}

void TMapViewPanel::ShowModified(bool modified) { LblModified->Show(modified); }
void TMapViewPanel::ShowToolMessage(Wording wording) {
  toolMessageWording_ = std::move(wording);
  const QString text = toolMessageWording_ ? toolMessageWording_() : QString();
  LblToolMessage->setText(text);
  // The design-size window cuts a long line off; the tip shows all of it.
  LblToolMessage->setToolTip(text);
  LblToolMessage->setVisible(!text.isEmpty());
}

ViewGeometry TMapViewPanel::Geometry() const {
  return ViewGeometry{ViewPort->width(), ViewPort->height(), ScrollBarThickness, ScrollBarThickness,
                      session_.MapView().zoomLevel};
}

void TMapViewPanel::RedrawMapView() {
  SyncScrollBars();
  if (!TakeSurface()) return ShowHeightLegend();
  SetSurfaceTarget(ViewPort);
  const MapViewState& mapView = session_.MapView();
  const RenderSurface& surface = Surface();
  if (surface.created)
    ViewPort->ExpectDamage(ViewPort->DamageTracker().Next(session_.Map(), session_.Editor(), Geometry(),
                                                          &mapView.scaledPictures, mapView.cameraMarker,
                                                          mapView.overlays, surface.width, surface.height));
  RedrawView(session_.Map(), session_.Editor(), Geometry(), &mapView.scaledPictures, &mapView.cameraMarker,
             &mapView.overlays);
  ShowHeightLegend();
}

// The legend stands for the colours, so it shows exactly while cells are coloured.
void TMapViewPanel::ShowHeightLegend() {
  const PlanOverlays& overlays = session_.MapView().overlays;
  const bool colours = ShowsHeights(overlays) && !HeightNumbersFitAt(session_.MapView().zoomLevel);
  LblHeightLegend->Show(
      colours, colours ? HeightSpanOf(session_.Map(), HeightSurfaceFor(session_.Editor().currentLayer, overlays),
                                      overlays.preview)
                       : HeightSpan{});
}

void TMapViewPanel::SyncScrollBars() {
  // viewOrigin leads: a document reset moves it back to (0, 0) behind our back.
  const GridPoint origin = session_.Editor().viewOrigin;
  const QSignalBlocker blockHorizontal(ScrHorizontal);
  const QSignalBlocker blockVertical(ScrVertical);
  if (ScrHorizontal->value() != origin.x) ScrHorizontal->setValue(origin.x);
  if (ScrVertical->value() != origin.y) ScrVertical->setValue(origin.y);
}

void TMapViewPanel::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const int clientWidth = width();
  const int clientHeight = height();
  PnlToolBar->setGeometry(0, 0, clientWidth, ToolBarHeight);
  ViewPort->setGeometry(0, ToolBarHeight, clientWidth, std::max(0, clientHeight - ToolBarHeight));

  const ScrollBarLayout bars =
      LayoutScrollBars(clientWidth, clientHeight, ToolBarHeight, ScrollBarThickness, ScrollBarThickness);
  ScrHorizontal->setGeometry(bars.horizontalLeft, bars.horizontalTop, std::max(0, bars.horizontalWidth),
                             ScrollBarThickness);
  ScrVertical->setGeometry(bars.verticalLeft, bars.verticalTop, ScrollBarThickness, std::max(0, bars.verticalHeight));
  // Qt keeps page steps non-negative; a tiny window gets 0 instead of a negative step.
  ScrHorizontal->setPageStep(std::max(0, bars.horizontalPageStep));
  ScrVertical->setPageStep(std::max(0, bars.verticalPageStep));

  sized_ = true;
  if (TakeSurface()) MakeSurface();
  ApplyScrollRanges();  // ranges and page steps in cells of the current zoom
  RedrawMapView();
}

void TMapViewPanel::ZoomTo(int level, QPoint anchor) {
  EditorState& editor = session_.Editor();
  int32_t& zoomLevel = session_.MapView().zoomLevel;
  const int from = zoomLevel;
  // Taken before the new scroll range may cut the origin back.
  const GridPoint origin = editor.viewOrigin;
  zoomLevel = ClampZoomLevel(level);
  PrepareScaledPictures(session_.ScaledPictures(), session_.Map(), editor, zoomLevel);
  ApplyScrollRanges();
  editor.viewOrigin.x = ZoomedOrigin(origin.x, anchor.x() - MapAreaLeft, from, zoomLevel, ScrHorizontal->maximum());
  editor.viewOrigin.y = ZoomedOrigin(origin.y, anchor.y() - MapAreaTop, from, zoomLevel, ScrVertical->maximum());
  wantedOrigin_ = appliedOrigin_ = editor.viewOrigin;
  // The label names the pointer's cell again on its next move.
  editor.hoverCell = {-1, -1};
  RedrawMapView();
}

void TMapViewPanel::ViewPortWheel(QWheelEvent& event) {
  const int steps = event.angleDelta().y();
  if (!(event.modifiers() & Qt::ControlModifier) || steps == 0) {
    event.ignore();
    return;
  }
  event.accept();
  ZoomTo(session_.MapView().zoomLevel + (steps > 0 ? -1 : 1), event.position().toPoint());
}

void TMapViewPanel::ApplyScrollRanges() {
  EditorState& editor = session_.Editor();
  const int32_t zoomLevel = session_.MapView().zoomLevel;
  const QSignalBlocker blockHorizontal(ScrHorizontal);
  const QSignalBlocker blockVertical(ScrVertical);
  const ViewRect area = MapArea(Geometry());
  ScrHorizontal->setRange(0, ScrollMaximum(zoomLevel, area.right - area.left + 1));
  ScrVertical->setRange(0, ScrollMaximum(zoomLevel, area.bottom - area.top + 1));
  const ScrollBarLayout bars = LayoutScrollBars(width(), height(), ToolBarHeight, ScrollBarThickness,
                                                ScrollBarThickness, CellPictureSizeAt(zoomLevel));
  ScrHorizontal->setPageStep(std::max(0, bars.horizontalPageStep));
  ScrVertical->setPageStep(std::max(0, bars.verticalPageStep));
  // A smaller range must not leave the view beyond it; the bars follow on the next redraw.
  // The origin asked for is kept, so a window that grows again goes back to it.
  if (editor.viewOrigin != appliedOrigin_) wantedOrigin_ = editor.viewOrigin;
  editor.viewOrigin.x = std::clamp(wantedOrigin_.x, 0, ScrHorizontal->maximum());
  editor.viewOrigin.y = std::clamp(wantedOrigin_.y, 0, ScrVertical->maximum());
  appliedOrigin_ = editor.viewOrigin;
}

void TMapViewPanel::RebuildScaledPictures() {
  InvalidateScaledPictures(session_.ScaledPictures());
  // The view's state may be the same, its pictures are not.
  ViewPort->DamageTracker().Invalidate();
  PrepareScaledPictures(session_.ScaledPictures(), session_.Map(), session_.Editor(), session_.MapView().zoomLevel);
}

}  // namespace tessmoor
