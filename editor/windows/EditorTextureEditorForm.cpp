#include "editor/windows/EditorTextureEditorForm.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>
#include <utility>

#include "document/Windows1252.h"
#include "edit/TextureCommands.h"
#include "editor/widgets/HiColorQImage.h"
#include "editor/widgets/TextureNames.h"
#include "editor/widgets/TextureTableModel.h"
#include "editor/windows/PictureDialogPlaces.h"
#include "editor/windows/TextureEditorList.h"
#include "editor/windows/TextureEditorWidgets.h"
#include "editor/windows/TextureUsageLabel.h"

namespace tessmoor {

TFrmTextureEditor::TFrmTextureEditor(DocumentModel& model, EditorState& editor, DialogLayer& dialogs,
                                     std::function<void()> closePropertiesWindow, QWidget* parent,
                                     TextureTableModel* textures)
    : QDialog(parent),
      model_(model),
      editor_(editor),
      dialogs_(dialogs),
      closePropertiesWindow_(std::move(closePropertiesWindow)),
      ownTextures_(textures ? nullptr : std::make_unique<TextureTableModel>(model, nullptr)),
      textures_(textures ? *textures : *ownTextures_) {
  setObjectName(QStringLiteral("FrmTextureEditor"));
  setModal(true);
  setFixedSize(529, 385);
  CreateTextureControls();
  CreateFramePane();
  CreateAnimationGroup();
  CreateHousekeepingButtons();
  BtnClose = MakeButton("BtnClose", QString(), this, QRect(432, 352, 89, 25));
  ConnectHandlers();
  setTabOrder(LVTextures, BtnAdd);
  setTabOrder(BtnAdd, BtnDelete);
  setTabOrder(BtnDelete, BtnDeleteUnused);
  setTabOrder(BtnDeleteUnused, LstFiles);
  setTabOrder(LstFiles, SpdMoveUp);
  setTabOrder(SpdMoveUp, SpdAddFile);
  setTabOrder(SpdAddFile, SpdRemoveFile);
  setTabOrder(SpdRemoveFile, SpdMoveDown);
  setTabOrder(SpdMoveDown, BtnReplace);
  setTabOrder(BtnReplace, RdoRepeat);
  setTabOrder(RdoRepeat, RdoPingPong);
  setTabOrder(RdoPingPong, BtnClose);
  Retranslate();
}

// The list and its view go before the model the window may own.
TFrmTextureEditor::~TFrmTextureEditor() {
  delete LVTextures;
  delete list_;
}

void TFrmTextureEditor::Retranslate() {
  setWindowTitle(tr("Textur-Editor"));
  LblTextures->setText(tr("&Texturen:"));
  BtnAdd->setText(tr("&Hinzufügen"));
  BtnDelete->setText(tr("&Löschen"));
  LblFiles->setText(tr("&Dateien:"));
  SpdMoveUp->setToolTip(tr("Nach oben"));
  SpdAddFile->setToolTip(tr("Datei hinzufügen"));
  SpdRemoveFile->setToolTip(tr("Datei entfernen"));
  SpdMoveDown->setToolTip(tr("Nach unten"));
  RdoAnimationType->setTitle(tr("&Art der Animation:"));
  RdoRepeat->setText(tr("Wiederholen"));
  RdoPingPong->setText(tr("Ping-Pong"));
  BtnReplace->setText(tr("&Ersetzen..."));
  BtnDeleteUnused->setText(tr("&Unbenutzte löschen"));
  BtnClose->setText(tr("&Schließen"));
  LblUsage->setText(TextureUsageText(Doc(), paneTexture_));
}

void TFrmTextureEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void TFrmTextureEditor::CreateTextureControls() {
  LblTextures = new QLabel(this);
  LblTextures->setObjectName(QStringLiteral("LblTextures"));
  LblTextures->setGeometry(8, 8, 185, 16);

  list_ = new TextureEditorList(
      textures_, [this](int texture, const QString& name) { LVTexturesEdited(texture, name); }, this);
  LVTextures = new QTreeView(this);
  LVTextures->setObjectName(QStringLiteral("LVTextures"));
  LVTextures->setGeometry(8, 26, 185, 318);
  LVTextures->setModel(list_);
  LVTextures->setColumnWidth(0, 165);
  LVTextures->setHeaderHidden(true);
  LVTextures->setRootIsDecorated(false);
  LVTextures->setUniformRowHeights(true);
  LVTextures->setAllColumnsShowFocus(true);
  LVTextures->setSelectionBehavior(QAbstractItemView::SelectRows);
  LVTextures->setSelectionMode(QAbstractItemView::SingleSelection);
  LVTextures->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::SelectedClicked);
  nameDelegate_ = new TextureNameDelegate(LVTextures);
  LVTextures->setItemDelegate(nameDelegate_);
  LVTextures->setSortingEnabled(true);
  LVTextures->sortByColumn(0, Qt::AscendingOrder);
  LVTextures->installEventFilter(this);
  LblTextures->setBuddy(LVTextures);

  BtnAdd = MakeButton("BtnAdd", QString(), this, QRect(8, 352, 89, 25));
  BtnDelete = MakeButton("BtnDelete", QString(), this, QRect(104, 352, 89, 25));
}

void TFrmTextureEditor::CreateFramePane() {
  GrpTexture = new QGroupBox(this);
  GrpTexture->setObjectName(QStringLiteral("GrpTexture"));
  GrpTexture->setGeometry(200, 8, 321, 336);

  LblFiles = new QLabel(GrpTexture);
  LblFiles->setObjectName(QStringLiteral("LblFiles"));
  LblFiles->setGeometry(12, 18, 110, 16);
  LstFiles = new QListWidget(GrpTexture);
  LstFiles->setObjectName(QStringLiteral("LstFiles"));
  LstFiles->setGeometry(12, 36, 110, 216);
  LstFiles->setSelectionMode(QAbstractItemView::SingleSelection);
  LblFiles->setBuddy(LstFiles);

  SpdMoveUp = MakeToolButton("SpdMoveUp", QString(), ToolShape::ArrowUp, GrpTexture, QRect(128, 36, 25, 25));
  SpdAddFile = MakeToolButton("SpdAddFile", QString(), ToolShape::Plus, GrpTexture, QRect(128, 64, 25, 25));
  SpdRemoveFile = MakeToolButton("SpdRemoveFile", QString(), ToolShape::Minus, GrpTexture, QRect(128, 92, 25, 25));
  SpdMoveDown = MakeToolButton("SpdMoveDown", QString(), ToolShape::ArrowDown, GrpTexture, QRect(128, 120, 25, 25));

  auto* bevel = new QFrame(GrpTexture);
  bevel->setObjectName(QStringLiteral("BvlTexture"));
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setLineWidth(1);
  bevel->setGeometry(164, 36, PreviewSize + 2, PreviewSize + 2);
  PntTexture = new TexturePreview([this](QPainter& painter) { PntTexturePaint(painter); }, bevel);
  PntTexture->setObjectName(QStringLiteral("PntTexture"));
  PntTexture->setGeometry(1, 1, PreviewSize, PreviewSize);

  LblSubTexture = new QLabel(GrpTexture);
  LblSubTexture->setObjectName(QStringLiteral("LblSubTexture"));
  LblSubTexture->setGeometry(236, 36, 80, 16);
  LblUsage = MakeUsageLabel(GrpTexture);
}

void TFrmTextureEditor::CreateAnimationGroup() {
  RdoAnimationType = new QGroupBox(GrpTexture);
  RdoAnimationType->setObjectName(QStringLiteral("RdoAnimationType"));
  RdoAnimationType->setGeometry(12, 264, 297, 60);
  RdoRepeat = new QRadioButton(RdoAnimationType);
  RdoRepeat->setObjectName(QStringLiteral("RdoRepeat"));
  RdoPingPong = new QRadioButton(RdoAnimationType);
  RdoPingPong->setObjectName(QStringLiteral("RdoPingPong"));
  auto* columns = new QGridLayout(RdoAnimationType);
  columns->addWidget(RdoRepeat, 0, 0);
  columns->addWidget(RdoPingPong, 0, 1);
  animationButtons_ = new QButtonGroup(this);
  animationButtons_->addButton(RdoRepeat, static_cast<int>(AnimationType::Repeat));
  animationButtons_->addButton(RdoPingPong, static_cast<int>(AnimationType::PingPong));
  RdoRepeat->setChecked(true);
}

void TFrmTextureEditor::ConnectHandlers() {
  connect(LVTextures, &QTreeView::clicked, this, [this] { LVTexturesClick(); });
  // Any move of the current item (Home, End, Page Down, a click, a change of the
  // table) must bring the pane along, or the frame buttons would act on another
  // texture than the one whose frames are listed.
  connect(LVTextures->selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
    if (SelectedTexture() != paneTexture_) RefreshFramePane();
  });
  connect(BtnAdd, &QPushButton::clicked, this, &TFrmTextureEditor::BtnAddClick);
  connect(BtnDelete, &QPushButton::clicked, this, &TFrmTextureEditor::BtnDeleteClick);
  connect(LstFiles, &QListWidget::currentRowChanged, this, [this] { LstFilesClick(); });
  connect(SpdMoveUp, &QToolButton::clicked, this, &TFrmTextureEditor::SpdMoveUpClick);
  connect(SpdAddFile, &QToolButton::clicked, this, &TFrmTextureEditor::SpdAddFileClick);
  connect(SpdRemoveFile, &QToolButton::clicked, this, &TFrmTextureEditor::SpdRemoveFileClick);
  connect(SpdMoveDown, &QToolButton::clicked, this, &TFrmTextureEditor::SpdMoveDownClick);
  connect(animationButtons_, &QButtonGroup::idClicked, this, &TFrmTextureEditor::RdoAnimationTypeClick);
  connect(BtnClose, &QPushButton::clicked, this, &TFrmTextureEditor::BtnCloseClick);
}

void TFrmTextureEditor::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;  // coming back from minimised is not an opening
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
  FormShow();
}

bool TFrmTextureEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == LVTextures && event->type() == QEvent::KeyRelease) LVTexturesKeyUp(static_cast<QKeyEvent*>(event));
  return QDialog::eventFilter(watched, event);
}

void TFrmTextureEditor::FormShow() {
  if (closePropertiesWindow_) closePropertiesWindow_();
  if (list_->Rows() > 0) {
    const QModelIndex chosen = list_->RowOf(std::exchange(openingTexture_, -1));
    SelectListRow(chosen.isValid() ? chosen : list_->index(0, 0));
    LVTextures->setFocus();
  }
  RefreshFramePane();
}

void TFrmTextureEditor::SelectTexture(int texture) {
  if (!isVisible()) {
    openingTexture_ = texture;
    return;
  }
  const QModelIndex row = list_->RowOf(texture);
  if (!row.isValid()) return;
  SelectListRow(row);
  RefreshFramePane();
}

void TFrmTextureEditor::LVTexturesClick() { RefreshFramePane(); }

void TFrmTextureEditor::LVTexturesKeyUp(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) RefreshFramePane();
}

void TFrmTextureEditor::LVTexturesEdited(int texture, const QString& name) {
  if (!IsTextureInTable(Doc(), texture)) return;
  // The editor's validator lets only storable text through; anything else that
  // reaches here leaves the name as it was, and so does the list, which shows the table.
  if (const std::optional<std::string> bytes = Utf8ToWindows1252(name.toStdString())) {
    RenameTexture(model_, texture, *bytes);
  }
}

void TFrmTextureEditor::BtnAddClick() {
  const TextureResult result = AddTexture(model_);
  if (!result.ok) {
    dialogs_.ShowError(result.message);
    return;
  }
  const QModelIndex row = list_->RowOf(Doc().textureCount - 1);
  SelectListRow(row);
  LVTextures->setFocus();
  LVTextures->edit(row);
  RefreshFramePane();
}

void TFrmTextureEditor::BtnDeleteClick() {
  const int texture = SelectedTexture();
  if (texture < 0) return;
  nameDelegate_->CancelEditing();
  if (Doc().textureCount == 0) return;
  const int listPosition = LVTextures->currentIndex().row();
  const TextureResult result = DeleteTexture(model_, texture, editor_.clipboard);
  if (!result.ok) {
    if (!IsEmpty(result.message)) dialogs_.ShowError(result.message);
    return;
  }
  SelectListPosition(listPosition);
  LVTextures->setFocus();
  RefreshFramePane();
}

void TFrmTextureEditor::LstFilesClick() { RepaintPreview(); }

void TFrmTextureEditor::SpdMoveUpClick() {
  const int file = SelectedFile();
  if (!MoveFrameUp(model_, SelectedTexture(), file)) return;
  LstFiles->insertItem(file - 1, LstFiles->takeItem(file));
  LstFiles->setCurrentRow(file - 1);
}

void TFrmTextureEditor::SpdMoveDownClick() {
  const int file = SelectedFile();
  if (!MoveFrameDown(model_, SelectedTexture(), file)) return;
  LstFiles->insertItem(file + 1, LstFiles->takeItem(file));
  LstFiles->setCurrentRow(file + 1);
}

void TFrmTextureEditor::SpdAddFileClick() {
  const int texture = SelectedTexture();
  if (texture < 0) return;
  const TextureEntry& entry = Doc().textures[static_cast<size_t>(texture)];
  if (entry.frameCount >= MaxFrames) {
    dialogs_.ShowError(TooManyFramesMessage);
    return;
  }
  const PictureDialogPlaces places = PicturePlaces(editor_.programDirectory);
  const std::vector<std::string> chosen = dialogs_.ChoosePictures(places.start, places.sideBar);
  if (chosen.empty()) return;
  RememberPictureFolder(chosen.front());
  const AddFramesResult result = AddFrames(model_, editor_.programDirectory, texture, chosen);
  for (int f = entry.frameCount - result.added; f < entry.frameCount; ++f) {
    AppendFileLine(entry.frames[static_cast<size_t>(f)]);
  }
  // The first new frame becomes the current one, so its picture shows at once.
  if (result.added > 0) LstFiles->setCurrentRow(entry.frameCount - result.added);
  if (result.Stopped()) {
    dialogs_.ShowError(result.message);
    return;
  }
  RepaintPreview();
}

void TFrmTextureEditor::SpdRemoveFileClick() {
  const int file = SelectedFile();
  if (!RemoveFrame(model_, SelectedTexture(), file)) return;
  delete LstFiles->takeItem(file);
  if (const int lines = LstFiles->count(); lines > 0) LstFiles->setCurrentRow(std::min(file, lines - 1));
  RepaintPreview();
}

void TFrmTextureEditor::PntTexturePaint(QPainter& painter) {
  painter.fillRect(QRect(0, 0, PreviewSize, PreviewSize), palette().color(QPalette::Button));
  const int texture = SelectedTexture();
  const int file = SelectedFile();
  if (texture < 0 || file < 0) return;
  const TextureEntry& entry = Doc().textures[static_cast<size_t>(texture)];
  if (file >= entry.frameCount) return;
  const HiColorImage& thumbnail = entry.frames[static_cast<size_t>(file)].thumbnail;
  // every pixel, black too, at 8 times its components
  if (!thumbnail.IsEmpty()) painter.drawImage(QPoint(0, 0), ToQImage(thumbnail, Widening::TimesEight));
}

void TFrmTextureEditor::RdoAnimationTypeClick(int position) {
  const int texture = SelectedTexture();
  if (texture >= 0) SetAnimationType(model_, texture, static_cast<AnimationType>(position));
}

void TFrmTextureEditor::BtnCloseClick() { close(); }

int TFrmTextureEditor::SelectedTexture() const {
  const int texture = list_->Texture(LVTextures->currentIndex());
  return IsTextureInTable(Doc(), texture) ? texture : -1;
}

int TFrmTextureEditor::SelectedFile() const { return LstFiles->currentRow(); }

void TFrmTextureEditor::SelectListRow(const QModelIndex& row) {
  LVTextures->setCurrentIndex(row);
  LVTextures->scrollTo(row);
}

void TFrmTextureEditor::RefreshFramePane() {
  LstFiles->clear();
  const int texture = SelectedTexture();
  paneTexture_ = texture;
  const bool enabled = texture >= 0;
  LblUsage->setText(TextureUsageText(Doc(), texture));
  for (QWidget* control : {static_cast<QWidget*>(SpdMoveUp), static_cast<QWidget*>(SpdMoveDown),
                           static_cast<QWidget*>(SpdAddFile), static_cast<QWidget*>(SpdRemoveFile),
                           static_cast<QWidget*>(RdoAnimationType), static_cast<QWidget*>(BtnReplace)}) {
    control->setEnabled(enabled);
  }
  if (!enabled) {
    ShowAnimationType(AnimationType::Repeat);
    return;
  }
  const TextureEntry& entry = Doc().textures[static_cast<size_t>(texture)];
  for (int f = 0; f < entry.frameCount; ++f) AppendFileLine(entry.frames[static_cast<size_t>(f)]);
  ShowAnimationType(entry.animationType);
  if (LstFiles->count() > 0) LstFiles->setCurrentRow(0);
  RepaintPreview();
}

void TFrmTextureEditor::ShowAnimationType(AnimationType type) {
  if (type == AnimationType::Repeat || type == AnimationType::PingPong) {
    animationButtons_->button(static_cast<int>(type))->setChecked(true);
    return;
  }
  // A file may hold a type the editor does not know: show neither choice.
  animationButtons_->setExclusive(false);
  RdoRepeat->setChecked(false);
  RdoPingPong->setChecked(false);
  animationButtons_->setExclusive(true);
}

void TFrmTextureEditor::RepaintPreview() {
  const int texture = SelectedTexture();
  const int file = SelectedFile();
  QString name;
  if (texture >= 0 && file >= 0 && file < Doc().textures[static_cast<size_t>(texture)].frameCount) {
    name = ShownName(Doc().textures[static_cast<size_t>(texture)].frames[static_cast<size_t>(file)]);
  }
  LblSubTexture->setText(name);
  PntTexture->update();
}

void TFrmTextureEditor::AppendFileLine(const TextureFrame& frame) { LstFiles->addItem(ShownName(frame)); }

}  // namespace tessmoor
