#include "editor/EditorMainForm.h"

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
#include "graphics/RenderSurface.h"
#include "graphics/WinG.h"
#include "view/ScaledPictures.h"

namespace tessmoor {

namespace {

const char* const SymbolLoadFailure = "Konnte ein oder mehrere Symbole nicht laden.";

std::string WithTrailingSlash(QString directory) {
  if (!directory.endsWith('/')) directory += '/';
  return directory.toStdString();
}

}  // namespace

TFrmMain::TFrmMain(DialogLayer* injectedDialogs, const QString& programDirectory)
    : model(std::make_unique<DocumentModel>()),
      editor(std::make_unique<EditorState>()),
      scaledPictures(std::make_unique<ScaledPictureCache>()) {
  setObjectName("FrmMain");
  BuildClientArea();
  BuildMenus();
  InstallPresenter();
  model->AddObserver(this);
  commands = std::make_unique<FileWorkflow>(*model, *editor, dialogs);
  StartUp(programDirectory);
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
  model->RemoveObserver(this);
  SetWinGPresenter(nullptr);
  DestroySurface();
}

void TFrmMain::StartUp(const QString& programDirectory) {
  editor->programDirectory =
      WithTrailingSlash(programDirectory.isEmpty() ? QCoreApplication::applicationDirPath() : programDirectory);
  ScrHorizontal->setRange(0, GridSize - 1);
  ScrVertical->setRange(0, GridSize - 1);
  ScrHorizontal->setSingleStep(1);
  ScrVertical->setSingleStep(1);
  editor->currentLayer = SurfaceKind::Wall;
  ViewWall->setChecked(true);
  editor->toolMode = ToolMode::Select;
  SpdSelect->setChecked(true);
  editor->hoverCell = {-1, -1};
  LblPos->clear();
  *editor->clipboard = CellClipboard{};
  EditPaste->setEnabled(false);
  model->Replace([this](MapDocument& document) { ResetDocument(document, *editor, true); });
  compiler = std::make_unique<MapCompiler>();
  if (!LoadCellSymbols(*editor)) {
    // Shown once the event loop runs, so the box appears over the main window.
    QMetaObject::invokeMethod(
        this, [this] { dialogs.ShowError(SymbolLoadFailure); }, Qt::QueuedConnection);
  }
}

void TFrmMain::CreateWindows(DialogLayer* injectedDialogs) {
  FrmTextureEditor = new TFrmTextureEditor(
      *model, *editor, dialogs, [this] { FrmProperties->hide(); }, this);
  FrmProperties = new TFrmProperties(*model, this);
  FrmSetStartPos = new TFrmSetStartPos(this);
  FrmNew = new TFrmNew(this);
  FrmCompile = new TFrmCompile(this);
  FrmMapCheck = new TFrmMapCheck(
      model->Map(), [this](GridPoint cell) { ShowCell(cell); }, this);
  if (injectedDialogs) {
    dialogs.SetTarget(injectedDialogs);
  } else {
    qtDialogs = std::make_unique<QtDialogLayer>(this, *FrmNew);
    dialogs.SetTarget(qtDialogs.get());
  }
  for (QWidget* toolWindow : {static_cast<QWidget*>(FrmProperties), static_cast<QWidget*>(FrmTextureEditor),
                              static_cast<QWidget*>(FrmSetStartPos)})
    KeepMnemonicsInside(toolWindow);
  connect(FrmProperties, &TFrmProperties::visibilityChanged, this,
          [this](bool visible) { SpdProperties->setChecked(visible); });
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
  return ViewGeometry{ViewPort->width(), ViewPort->height(), ScrollBarThickness, ScrollBarThickness, zoomLevel};
}

void TFrmMain::RefreshViews() {
  RedrawMapView();
  // The 3D window outlines the selection.
  if (Frm3DView) Frm3DView->SelectionChanged();
}

void TFrmMain::RedrawMapView() {
  SyncScrollBars();
  SetSurfaceTarget(ViewPort);
  RedrawView(model->Map(), *editor, Geometry(), scaledPictures.get(), &cameraMarker);
}

void TFrmMain::SyncScrollBars() {
  // viewOrigin leads: a document reset moves it back to (0, 0) behind our back.
  const QSignalBlocker blockHorizontal(ScrHorizontal);
  const QSignalBlocker blockVertical(ScrVertical);
  if (ScrHorizontal->value() != editor->viewOrigin.x) ScrHorizontal->setValue(editor->viewOrigin.x);
  if (ScrVertical->value() != editor->viewOrigin.y) ScrVertical->setValue(editor->viewOrigin.y);
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
  RefreshViews();
}

bool TFrmMain::eventFilter(QObject* watched, QEvent* event) {
  if (watched == ClientArea && event->type() == QEvent::Resize) FormResize();
  return QMainWindow::eventFilter(watched, event);
}

void TFrmMain::closeEvent(QCloseEvent* event) {
  // The log window lets window-system events through while a compile runs; the
  // window must outlive the compile that is writing into its log.
  if (compiling || !commands->ConfirmClose()) {
    event->ignore();
    return;
  }
  StoreSettings();
  event->accept();
}

void TFrmMain::DocumentChanged(const DocumentChange& change) {
  // A new document leaves nothing for the properties window to edit.
  if (change.Has(DocumentChangeFlag::DocumentReplaced) && FrmProperties != nullptr) FrmProperties->hide();
  if (change.Has(DocumentChangeFlag::FileNameChanged)) CaptionChanged();
  if (change.Has(DocumentChangeFlag::HistoryChanged)) UpdateHistoryActions();
  if (change.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::TexturesChanged |
                 DocumentChangeFlag::StartPositionChanged)) {
    NotifyPreviewOfChanges();
    if (FrmMapCheck != nullptr) FrmMapCheck->MapChanged();
  }
  // The zoomed pictures follow the texture table; rebuilding them redraws.
  if (change.Has(DocumentChangeFlag::TexturesChanged | DocumentChangeFlag::DocumentReplaced)) {
    ScaledPicturesChanged();
  } else if (change.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::StartPositionChanged |
                        DocumentChangeFlag::PaletteChanged)) {
    RefreshViews();
  }
}

void TFrmMain::CaptionChanged() { setWindowTitle(QString::fromStdString(Caption(model->Map()))); }

void TFrmMain::Respond(const ToolResponse& response) {
  if (response.toolModeChanged) SpdSelect->setChecked(editor->toolMode == ToolMode::Select);
  if (response.bind) FrmProperties->Bind(*response.bind);
  if (response.showProperties) SetPropertiesVisible(true);
  if (response.positionLabel) LblPos->setText(QString::fromStdString(*response.positionLabel));
  if (response.redraw) RefreshViews();
}

}  // namespace tessmoor
