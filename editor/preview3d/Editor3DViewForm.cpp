#include "editor/preview3d/Editor3DViewForm.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "editor/preview3d/PreviewView.h"
#include "editor/widgets/ProgramSettings.h"
#include "editor/widgets/UserSettings.h"
#include "editor/widgets/WindowPlacement.h"
#include "preview/AnimationClock.h"
#include "texts/CoreTexts.h"

namespace tessmoor {

namespace {

const char* const RateSetting = "3DAnsicht/Bilder pro Sekunde";
const char* const PlaceSetting = "3DAnsicht/Fenster";

int RememberedRate() {
  const int rate = ProgramSettings().value(RateSetting, DefaultAnimationRate).toInt();
  return IsAnimationRate(rate) ? rate : DefaultAnimationRate;
}

}  // namespace

TFrm3DView::TFrm3DView(const MapDocument& document, const EditorState& editor, QWidget* owner)
    : QWidget(owner, Qt::Window), rate_(RememberedRate()) {
  setObjectName("Frm3DView");
  resize(640, 480);
  view_ = new PreviewView(document, editor, this);
  LblCapacity = new QLabel(this);
  LblCapacity->setObjectName("LblCapacity");
  LblCapacity->hide();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(view_, 1);
  layout->addWidget(LblCapacity);

  animationTimer_ = new QTimer(this);
  // Without animated textures nothing changes between frames; the software
  // renderer's time is better left to the rest of the program.
  connect(animationTimer_, &QTimer::timeout, this, [this, &document] {
    if (HasAnimatedTextures(document)) view_->RepaintSoon();
  });
  connect(view_, &PreviewView::cellPicked, this, &TFrm3DView::cellPicked);
  connect(view_, &PreviewView::cameraMoved, this, &TFrm3DView::cameraMoved);
  connect(view_, &PreviewView::modelRebuilt, this, &TFrm3DView::ShowCapacityMessage);
  SetAnimationRate(rate_);
  Retranslate();
}

void TFrm3DView::Retranslate() {
  setWindowTitle(tr("3D-Ansicht"));
  // the capacity message comes from the texts library in the language of the moment
  if (LblCapacity->isVisibleTo(this)) ShowCapacityMessage();
}

void TFrm3DView::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QWidget::changeEvent(event);
}

TFrm3DView::~TFrm3DView() {
  // The program ends with the window open: it opens there next time.
  if (isVisible()) StorePlace();
}

void TFrm3DView::RestorePlace(const QRect& firstPlace) {
  if (restoreGeometry(ProgramSettings().value(PlaceSetting).toByteArray())) return;
  // Not shown yet, the window has no frame of its own; it will get one like its owner's.
  resize(firstPlace.size() - FrameSize(parentWidget() ? *parentWidget() : *this));
  move(firstPlace.topLeft());
}

void TFrm3DView::StorePlace() { ProgramSettings().setValue(PlaceSetting, saveGeometry()); }

void TFrm3DView::DocumentChanged() {
  // A hidden window has nothing to show; its model catches up when it opens.
  view_->DocumentChanged();
}

void TFrm3DView::SelectionChanged() { view_->RepaintSoon(); }

void TFrm3DView::SetAnimationRate(int framesPerSecond) {
  if (!IsAnimationRate(framesPerSecond)) return;
  rate_ = framesPerSecond;
  ProgramSettings().setValue(RateSetting, rate_);
  view_->SetAnimationRate(rate_);
  animationTimer_->setInterval(1000 / rate_);
}

void TFrm3DView::ShowCapacityMessage() {
  const std::string message = CoreText(view_->Model().CapacityMessage());
  LblCapacity->setText(QString::fromStdString(message));
  LblCapacity->setVisible(!message.empty());
}

void TFrm3DView::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Opening starts at the start position; coming back from an icon does not.
  if (!event->spontaneous()) view_->ResetCamera();
  animationTimer_->start();
  view_->setFocus();
  emit visibilityChanged(true);
}

void TFrm3DView::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (!event->spontaneous()) StorePlace();
  animationTimer_->stop();
  emit visibilityChanged(false);
}

void TFrm3DView::SetAnimationActions(const QList<QAction*>& actions) {
  rateActions_ = actions;
  addActions(actions);
}

void TFrm3DView::SetWindowActions(const QList<QAction*>& actions) {
  windowActions_ = actions;
  addActions(actions);
}

void TFrm3DView::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  menu.addActions(windowActions_);
  if (!windowActions_.isEmpty()) menu.addSeparator();
  QMenu* speed = menu.addMenu(tr("&Animation"));
  if (!rateActions_.isEmpty()) {
    for (QAction* item : rateActions_) {
      item->setChecked(item->data().toInt() == rate_);
      speed->addAction(item);
    }
    menu.exec(event->globalPos());
    return;
  }
  auto* rates = new QActionGroup(&menu);
  for (int rate : AnimationRates) {
    QAction* item = speed->addAction(tr("%1 Bilder pro Sekunde").arg(rate));
    item->setCheckable(true);
    item->setChecked(rate == rate_);
    item->setData(rate);
    rates->addAction(item);
  }
  if (QAction* chosen = menu.exec(event->globalPos())) SetAnimationRate(chosen->data().toInt());
}

}  // namespace tessmoor
