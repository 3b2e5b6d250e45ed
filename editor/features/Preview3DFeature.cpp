#include "editor/features/Preview3DFeature.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QOpenGLContext>
#include <QScreen>
#include <QSurfaceFormat>

#include "editor/commands/CommandRegistry.h"
#include "editor/preview3d/Editor3DViewForm.h"
#include "editor/preview3d/PreviewView.h"
#include "editor/widgets/TextureDrag.h"
#include "editor/widgets/WindowPlacement.h"
#include "preview/AnimationClock.h"

namespace tessmoor {

namespace {

QString Translated(const char* text) { return QCoreApplication::translate("Preview3DFeature", text); }

const char* const NoOpenGL =
    QT_TRANSLATE_NOOP("Preview3DFeature", "Die 3D-Ansicht braucht OpenGL 3.3, das hier nicht zur Verfügung steht.");

// The window's context menu and its submenu, as the command search names them.
const char* const PreviewMenu = QT_TRANSLATE_NOOP("Menüs", "3D-Ansicht");
const char* const AnimationMenu = QT_TRANSLATE_NOOP("Menüs", "&Animation");

// One text per rate offered, so that each is looked up as the registry finds it.
constexpr const char* RateText(int rate) {
  switch (rate) {
    case 4:
      return QT_TRANSLATE_NOOP("Befehle", "4 Bilder pro Sekunde");
    case 8:
      return QT_TRANSLATE_NOOP("Befehle", "8 Bilder pro Sekunde");
    case 12:
      return QT_TRANSLATE_NOOP("Befehle", "12 Bilder pro Sekunde");
    case 16:
      return QT_TRANSLATE_NOOP("Befehle", "16 Bilder pro Sekunde");
    default:
      return nullptr;
  }
}

constexpr const char* RateDescription(int rate) {
  switch (rate) {
    case 4:
      return QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                               "Spielt die Animationen der 3D-Ansicht mit 4 Bildern pro Sekunde.");
    case 8:
      return QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                               "Spielt die Animationen der 3D-Ansicht mit 8 Bildern pro Sekunde.");
    case 12:
      return QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                               "Spielt die Animationen der 3D-Ansicht mit 12 Bildern pro Sekunde.");
    case 16:
      return QT_TRANSLATE_NOOP("Befehlsbeschreibungen",
                               "Spielt die Animationen der 3D-Ansicht mit 16 Bildern pro Sekunde.");
    default:
      return nullptr;
  }
}

constexpr bool EveryRateNamed() {
  for (int rate : AnimationRates) {
    if (RateText(rate) == nullptr || RateDescription(rate) == nullptr) return false;
  }
  return true;
}
static_assert(EveryRateNamed(), "each animation rate offered needs its menu text and description");

// A platform without OpenGL (the offscreen one) cannot even hold an OpenGL
// widget in a window, so this is asked before one is made.
bool CanCreateCoreContext() {
  QOpenGLContext probe;
  QSurfaceFormat format;
  format.setVersion(3, 3);
  format.setProfile(QSurfaceFormat::CoreProfile);
  probe.setFormat(format);
  if (!probe.create()) return false;
  const QSurfaceFormat made = probe.format();
  return made.majorVersion() > 3 || (made.majorVersion() == 3 && made.minorVersion() >= 3);
}

const char* const KeysTitle = QT_TRANSLATE_NOOP("Preview3DFeature", "Tasten der 3D-Ansicht");

QString RateId(int rate) { return QString("View3DRate%1").arg(rate); }

QString KeysText(const QList<QKeySequence>& closeKeys) {
  QStringList close;
  for (const QKeySequence& key : closeKeys) close << key.toString(QKeySequence::NativeText);
  return QCoreApplication::translate("Preview3DFeature",
                                     "W, S oder Pfeil auf, ab: gehen\n"
                                     "A, D oder Pfeil links, rechts: drehen\n"
                                     "Alt mit A, D oder Pfeil links, rechts: seitwärts gehen\n"
                                     "Umschalt dazu: laufen\n"
                                     "Bild auf, Bild ab: steigen, sinken\n"
                                     "Pos1: zurück zum Start\n"
                                     "F: frei fliegen oder dem Boden folgen\n"
                                     "Ziehen mit der linken Maustaste: umsehen\n"
                                     "Doppelklick: die Zelle in der Karte wählen\n"
                                     "%1: schließen")
      .arg(close.join(QStringLiteral(", ")));
}

}  // namespace

Preview3DFeature::Preview3DFeature(const FeatureContext& context) : context_(context) {
  CommandRegistry& registry = context.registry;
  using Context = const FeatureContext&;
  registry
      .Add({"View3D",
            QT_TRANSLATE_NOOP("Befehle", "&3D-Ansicht"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Öffnet oder schließt die 3D-Ansicht der Karte."),
            "&Ansicht",
            {QKeySequence(Qt::Key_F5)}},
           [this](Context c) { View3DClick(c); })
      ->setCheckable(true);
  // The window is this feature's own; whether it shows does not depend on the map.
  const auto shown = [this](Context) { return Frm3DView && Frm3DView->isVisible(); };
  // The context menu's items; the command search reaches them while the window is open.
  const QString AnimationMenuPath = QString::fromUtf8(PreviewMenu) + "/" + QString::fromUtf8(AnimationMenu);
  auto* rates = new QActionGroup(this);
  for (int rate : AnimationRates) {
    QAction* item =
        registry.Add({RateId(rate), RateText(rate), RateDescription(rate), AnimationMenuPath, {}, PreviewScope, shown},
                     [this, rate](Context) {
                       if (Frm3DView) Frm3DView->SetAnimationRate(rate);
                     });
    item->setCheckable(true);
    item->setData(rate);
    rates->addAction(item);
  }
  // The window's own commands: F5 there closes it, as F5 in the main window does.
  const QList<QKeySequence> closeKeys = {QKeySequence(Qt::Key_F5), QKeySequence(Qt::Key_Escape)};
  registry.Add({"View3DKeys",
                QT_TRANSLATE_NOOP("Befehle", "&Tasten..."),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die Tasten der 3D-Ansicht."),
                PreviewMenu,
                {QKeySequence(Qt::Key_F1)},
                PreviewScope,
                shown},
               [](Context c) { ShowKeys(c); });
  registry.Add({"View3DClose", QT_TRANSLATE_NOOP("Befehle", "&Schließen"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Schließt die 3D-Ansicht."), PreviewMenu, closeKeys,
                PreviewScope, shown},
               [this](Context) { Close3DView(); });
  context.session.Model().AddObserver(this);
  context.session.Editing().AddObserver(this);
}

void Preview3DFeature::Close3DView() {
  if (Frm3DView) Frm3DView->hide();
}

void Preview3DFeature::ShowKeys(const FeatureContext& c) {
  c.session.Dialogs().ShowInformation(Translated(KeysTitle).toStdString(),
                                      KeysText(c.registry.Keys("View3DClose")).toStdString());
}

Preview3DFeature::~Preview3DFeature() {
  context_.session.Model().RemoveObserver(this);
  context_.session.Editing().RemoveObserver(this);
  delete Frm3DView;
}

void Preview3DFeature::SessionChanged(SessionNotice notice) {
  if (notice == SessionNotice::Selection && Frm3DView) Frm3DView->SelectionChanged();
}

void Preview3DFeature::DocumentChanged(const DocumentChange& change) {
  if (Frm3DView && change.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::TexturesChanged |
                              DocumentChangeFlag::StartPositionChanged))
    Frm3DView->DocumentChanged();
}

bool Preview3DFeature::Create3DView(const FeatureContext& c) {
  if (Frm3DView) return true;
  if (!CanCreateCoreContext()) {
    c.session.Dialogs().ShowError(Translated(NoOpenGL).toStdString());
    context_.registry.Action("View3D")->setChecked(false);
    return false;
  }
  Frm3DView = new TFrm3DView(context_.session.Map(), context_.session.Editor(), context_.window);
  QList<QAction*> rates;
  for (int rate : AnimationRates) rates << context_.registry.Action(RateId(rate));
  Frm3DView->SetAnimationActions(rates);
  Frm3DView->SetWindowActions({context_.registry.Action("View3DKeys"), context_.registry.Action("View3DClose")});
  Frm3DView->RestorePlace(PlaceBeside(*context_.window, &context_.view.MapWidget(), Frm3DView->size()));
  connect(Frm3DView, &TFrm3DView::cellPicked, this, [this](int x, int y) { context_.view.ShowCell({x, y}); });
  AcceptTextureDrops(Frm3DView->View());
  connect(Frm3DView, &TFrm3DView::cameraMoved, this, &Preview3DFeature::PreviewCameraMoved);
  connect(Frm3DView, &TFrm3DView::visibilityChanged, this, &Preview3DFeature::Preview3DVisible);
  return true;
}

void Preview3DFeature::AcceptTextureDrops(PreviewView& view) {
  EditorSession& session = context_.session;
  view.AcceptsDrag = [&session](const QMimeData* data) { return DroppedTexture(data, session.Model()).has_value(); };
  view.OnSurfaceDrop = [&session](const QMimeData* data, GridPoint cell, SurfaceKind surface) {
    return DropTexture(session, data, cell, surface);
  };
}

void Preview3DFeature::View3DClick(const FeatureContext& c) {
  if (Frm3DView && Frm3DView->isVisible()) {
    Frm3DView->hide();
    return;
  }
  if (!Create3DView(c)) return;
  Frm3DView->show();
  Frm3DView->raise();
}

void Preview3DFeature::Show3DViewFrom(const FeatureContext& c, std::optional<GridPoint> cell) {
  if (!Create3DView(c)) return;
  Frm3DView->show();
  Frm3DView->raise();
  Frm3DView->activateWindow();
  // An open window stays where its camera is unless it is asked to start anew.
  if (cell) {
    Frm3DView->View().StandAt(*cell);
  } else {
    Frm3DView->View().ResetCamera();
  }
}

void Preview3DFeature::Preview3DVisible(bool visible) {
  context_.registry.Action("View3D")->setChecked(visible);
  context_.registry.RefreshEnabled();
  context_.session.MapView().cameraMarker.shown = visible;
  if (visible) PreviewCameraMoved();
  context_.view.RedrawMapView();
}

void Preview3DFeature::PreviewCameraMoved() {
  const PreviewCamera& camera = Frm3DView->View().Camera();
  CameraMarkerState& marker = context_.session.MapView().cameraMarker;
  marker.cell = camera.Cell();
  marker.yaw = camera.Yaw();
  context_.view.RedrawMapView();
}

}  // namespace tessmoor
