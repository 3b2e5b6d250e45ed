// The main window's controls: the tool bar over the view, and the scroll bars
// that sit over the view's map frame.

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

#include "editor/EditorMainForm.h"
#include "editor/ToolBarIcons.h"
#include "editor/ViewPortWidget.h"

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
  return bar;
}

}  // namespace

void TFrmMain::BuildClientArea() {
  // The "client area" of the layout rules is everything below the menu bar.
  ClientArea = new QWidget(this);
  ClientArea->setObjectName("ClientArea");
  setCentralWidget(ClientArea);
  ClientArea->installEventFilter(this);

  ViewPort = new ViewPortWidget(ClientArea);
  ViewPort->setObjectName("ViewPort");
  ViewPort->OnPaint = [this] { ViewPortPaint(); };
  ViewPort->OnMouseDown = [this](const PointerInput& input) {
    Respond(ViewPortMouseDown(*model, *editor, Geometry(), input));
  };
  ViewPort->OnMouseMove = [this](const PointerInput& input) { Respond(ViewPortMouseMove(*editor, Geometry(), input)); };

  // Created after the view, so they lie above it.
  ScrHorizontal = MakeScrollBar(ClientArea, "ScrHorizontal", Qt::Horizontal);
  ScrVertical = MakeScrollBar(ClientArea, "ScrVertical", Qt::Vertical);
  connect(ScrHorizontal, &QScrollBar::valueChanged, this, &TFrmMain::ScrHorizontalChange);
  connect(ScrVertical, &QScrollBar::valueChanged, this, &TFrmMain::ScrVerticalChange);

  BuildToolBar();
}

void TFrmMain::BuildToolBar() {
  PnlToolBar = new QFrame(ClientArea);
  PnlToolBar->setObjectName("PnlToolBar");
  PnlToolBar->setFrameShape(QFrame::Panel);
  PnlToolBar->setFrameShadow(QFrame::Raised);

  SpdOpen = MakeToolButton(PnlToolBar, "SpdOpen", "Öffnen", OpenIcon(), false);
  SpdSave = MakeToolButton(PnlToolBar, "SpdSave", "Speichern", SaveIcon(), false);
  SpdSelect = MakeToolButton(PnlToolBar, "SpdSelect", "Auswählen", SelectIcon(), true);
  SpdFill = MakeToolButton(PnlToolBar, "SpdFill", "Füllen", FillIcon(), false);
  SpdProperties = MakeToolButton(PnlToolBar, "SpdProperties", "Eigenschaften", PropertiesIcon(), true);
  SpdTextureEditor = MakeToolButton(PnlToolBar, "SpdTextureEditor", "Textur-Editor", TextureEditorIcon(), false);
  LblPos = new QLabel(PnlToolBar);
  LblPos->setObjectName("LblPos");
  LblPos->setMinimumWidth(60);

  auto* row = new QHBoxLayout(PnlToolBar);
  row->setContentsMargins(2, 1, 2, 1);
  row->setSpacing(0);
  const QList<QWidget*> items = {SpdOpen,       SpdSave,          MakeSeparator(PnlToolBar),
                                 SpdSelect,     SpdFill,          MakeSeparator(PnlToolBar),
                                 SpdProperties, SpdTextureEditor, MakeSeparator(PnlToolBar)};
  for (QWidget* item : items) row->addWidget(item);
  row->addSpacing(6);
  row->addWidget(LblPos);
  row->addStretch(1);

  connect(SpdOpen, &QToolButton::clicked, this, &TFrmMain::FileOpenClick);
  connect(SpdSave, &QToolButton::clicked, this, &TFrmMain::FileSaveClick);
  connect(SpdSelect, &QToolButton::clicked, this, &TFrmMain::SpdSelectClick);
  connect(SpdFill, &QToolButton::clicked, this, &TFrmMain::EditFillClick);
  connect(SpdProperties, &QToolButton::clicked, this, &TFrmMain::SpdPropertiesClick);
  connect(SpdTextureEditor, &QToolButton::clicked, this, &TFrmMain::ViewTextureEditorClick);
}

}  // namespace tessmoor
