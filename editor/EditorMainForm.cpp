#include "editor/EditorMainForm.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>

#include "compiler/CompileMap.h"
#include "editor/Editor3DViewForm.h"
#include "editor/EditorCompileForm.h"
#include "editor/EditorMapCheckForm.h"
#include "editor/EditorNewForm.h"
#include "editor/EditorPropertiesForm.h"
#include "editor/EditorSetStartPosForm.h"
#include "editor/EditorTextureEditorForm.h"
#include "editor/QtDialogLayer.h"
#include "editor/RecentFiles.h"
#include "editor/ToolWindowKeys.h"
#include "editor/ViewPortWidget.h"
#include "editor/commands/CommandRegistry.h"
#include "graphics/RenderSurface.h"
#include "graphics/WinG.h"
#include "view/ScaledPictures.h"

namespace {

const char* const SymbolLoadFailure = "Konnte ein oder mehrere Symbole nicht laden.";

}  // namespace

std::string ProgramDirectory(const QString& given) {
  QString directory = given.isEmpty() ? QCoreApplication::applicationDirPath() : given;
  if (!directory.endsWith('/')) directory += '/';
  return directory.toStdString();
}

TFrmMain::TFrmMain(DialogLayer* injectedDialogs, const QString& programDirectory)
    : ownedSession(std::make_unique<tessmoor::EditorSession>(ProgramDirectory(programDirectory))),
      session(*ownedSession) {
  Build(injectedDialogs);
}

TFrmMain::TFrmMain(tessmoor::EditorSession& shown, DialogLayer* injectedDialogs) : session(shown) {
  Build(injectedDialogs);
}

void TFrmMain::Build(DialogLayer* injectedDialogs) {
  setObjectName("FrmMain");
  BuildClientArea();
  BuildMenus();
  ConnectToolBar();
  InstallPresenter();
  compiler = std::make_unique<MapCompiler>();
  if (!session.LoadAssets()) {
    // Shown once the event loop runs, so the box appears over the main window.
    QMetaObject::invokeMethod(
        this, [this] { session.Dialogs().ShowError(SymbolLoadFailure); }, Qt::QueuedConnection);
  }
  session.Model().AddObserver(this);
  ShowSession();
  CreateWindows(injectedDialogs);
  resize(DesignViewWidth, ToolBarHeight + DesignViewHeight + menuBar()->sizeHint().height());
}

TFrmMain::~TFrmMain() {
  // The other windows refer to the document and to the controls here, so they
  // go first, while everything they might touch still exists.
  delete FrmMapCheck;
  delete Frm3DView;
  delete FrmCompile;
  delete FrmNew;
  delete FrmSetStartPos;
  delete FrmProperties;
  delete FrmTextureEditor;
  session.Model().RemoveObserver(this);
  // The session outlives the window; its questions have nobody to ask now.
  session.SetDialogs(nullptr);
  SetWinGPresenter(nullptr);
  DestroySurface();
}

void TFrmMain::ShowSession() {
  ScrHorizontal->setRange(0, GridSize - 1);
  ScrVertical->setRange(0, GridSize - 1);
  ScrHorizontal->setSingleStep(1);
  ScrVertical->setSingleStep(1);
  for (QAction* item : ViewLayers->actions()) item->setChecked(item->data().toInt() == session.Editor().currentLayer);
  SpdSelect->setChecked(session.Editor().toolMode == Select);
  LblPos->clear();
  registry->RefreshEnabled();
  DocumentChanged(DocumentChange{DocumentReplaced | FileNameChanged | HistoryChanged});
}

void TFrmMain::CreateWindows(DialogLayer* injectedDialogs) {
  FrmTextureEditor = new TFrmTextureEditor(
      session.Model(), session.Editor(), session.Dialogs(), [this] { FrmProperties->hide(); }, this);
  FrmProperties = new TFrmProperties(session.Model(), this);
  FrmSetStartPos = new TFrmSetStartPos(this);
  FrmNew = new TFrmNew(this);
  FrmCompile = new TFrmCompile(this);
  FrmMapCheck = new TFrmMapCheck(
      session.Model().Map(), [this](GridPoint cell) { ShowCell(cell); }, this);
  if (injectedDialogs) {
    session.SetDialogs(injectedDialogs);
  } else {
    qtDialogs = std::make_unique<QtDialogLayer>(this, *FrmNew);
    session.SetDialogs(qtDialogs.get());
  }
  for (QWidget* toolWindow : {static_cast<QWidget*>(FrmProperties), static_cast<QWidget*>(FrmTextureEditor),
                              static_cast<QWidget*>(FrmSetStartPos)})
    KeepMnemonicsInside(toolWindow);
  connect(FrmProperties, &TFrmProperties::visibilityChanged, this,
          [this](bool visible) { SpdProperties->setChecked(visible); });
  connect(FrmProperties, &TFrmProperties::slotEdited, this, &TFrmMain::RedrawView);
}

void TFrmMain::InstallPresenter() {
  SetWinGPresenter([view = ViewPort](const WinGPresentRequest& request) {
    if (request.targetDC != view) return false;
    view->Present(request.pixels, request.width, request.height, request.rowPixels,
                  QRect(request.destX, request.destY, request.destWidth, request.destHeight));
    return true;
  });
}

ViewGeometry TFrmMain::Geometry() const {
  return ViewGeometry{ViewPort->width(), ViewPort->height(), ScrollBarThickness, ScrollBarThickness};
}

void TFrmMain::RedrawView() {
  RedrawMapView();
  // The 3D window outlines the selection.
  if (Frm3DView) Frm3DView->SelectionChanged();
}

void TFrmMain::RedrawMapView() {
  SyncScrollBars();
  SetSurfaceTarget(ViewPort);
  ::RedrawView(session.Model().Map(), session.Editor(), Geometry());
}

void TFrmMain::SyncScrollBars() {
  // viewOrigin leads: a document reset moves it back to (0, 0) behind our back.
  const QSignalBlocker blockHorizontal(ScrHorizontal);
  const QSignalBlocker blockVertical(ScrVertical);
  if (ScrHorizontal->value() != session.Editor().viewOrigin.x) ScrHorizontal->setValue(session.Editor().viewOrigin.x);
  if (ScrVertical->value() != session.Editor().viewOrigin.y) ScrVertical->setValue(session.Editor().viewOrigin.y);
}

void TFrmMain::ViewPortPaint() {
  if (Surface().created) RedrawMapView();
}

void TFrmMain::FormResize() {
  const int clientWidth = ClientArea->width();
  const int clientHeight = ClientArea->height();
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

  DestroySurface();
  const int width = std::min(ViewPort->width(), 0xFFFF);
  const int height = std::min(ViewPort->height(), 0xFFFF);
  if (width > 0 && height > 0) CreateSurface(static_cast<uint16_t>(width), static_cast<uint16_t>(height), ViewPort);
  ApplyScrollRanges();  // ranges and page steps in cells of the current zoom
  RedrawView();
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ClientArea && event->type() == QEvent::Resize) FormResize();
  return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::closeEvent(QCloseEvent* event) {
  // The log window lets window-system events through while a compile runs; the
  // window must outlive the compile that is writing into its log.
  if (compiling || !session.Files().ConfirmClose()) {
    event->ignore();
    return;
  }
  StoreSettings();
  event->accept();
}

void TFrmMain::DocumentChanged(const DocumentChange& change) {
  // A new document leaves nothing for the properties window to edit.
  if (change.Has(DocumentReplaced) && FrmProperties != nullptr) FrmProperties->hide();
  if (change.Has(FileNameChanged)) CaptionChanged();
  if (change.Has(HistoryChanged)) UpdateHistoryActions();
  if (change.Has(CellsChanged | TexturesChanged | StartPositionChanged)) {
    NotifyPreviewOfChanges();
    if (FrmMapCheck != nullptr) FrmMapCheck->MapChanged();
  }
  // The zoomed pictures follow the texture table; rebuilding them redraws.
  if (change.Has(TexturesChanged | DocumentReplaced)) {
    ScaledPicturesChanged();
  } else if (change.Has(CellsChanged | StartPositionChanged)) {
    RedrawView();
  }
}

void TFrmMain::CaptionChanged() { setWindowTitle(QString::fromStdString(Caption(session.Model().Map()))); }

void TFrmMain::Respond(const ToolResponse& response) {
  if (response.toolModeChanged) SpdSelect->setChecked(session.Editor().toolMode == Select);
  if (response.bind) FrmProperties->Bind(*response.bind);
  if (response.showProperties) SetPropertiesVisible(true);
  if (response.positionLabel) LblPos->setText(QString::fromStdString(*response.positionLabel));
  if (response.redraw) RedrawView();
}
