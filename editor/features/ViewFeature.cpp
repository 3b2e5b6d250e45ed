#include "editor/features/ViewFeature.h"

#include <QActionGroup>

#include "editor/commands/CommandRegistry.h"
#include "editor/widgets/ProgramSettings.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

QKeySequence Ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

constexpr const char* HeightsSetting = "Ansicht/HoehenAnzeigen";
constexpr const char* StartSetting = "Ansicht/StartpositionZeigen";

}  // namespace

ViewFeature::ViewFeature(const FeatureContext& context) : context_(context) {
  RegisterLayers();
  RegisterZoom();
  RegisterOverlays();
  context_.session.Editing().AddObserver(this);
}

void ViewFeature::RegisterLayers() {
  ViewLayers = new QActionGroup(this);
  ViewLayers->setObjectName("ViewLayers");
  ViewLayers->setExclusive(true);
  const auto addLayer = [this](const char* id, const char* text, const char* description, SurfaceKind layer,
                               Qt::Key key) {
    QAction* item = context_.registry.Add({id, text, description, "&Ansicht", {Ctrl(key)}},
                                          [layer](const FeatureContext& c) { c.session.Editing().SetLayer(layer); });
    item->setCheckable(true);
    item->setData(static_cast<int>(layer));
    item->setChecked(context_.session.Editor().currentLayer == layer);
    ViewLayers->addAction(item);
  };
  addLayer("ViewFloor", QT_TRANSLATE_NOOP("Befehle", "&Boden"),
           QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt und bearbeitet die Ebene Boden."), SurfaceKind::Floor,
           Qt::Key_F1);
  addLayer("ViewCeiling", QT_TRANSLATE_NOOP("Befehle", "&Decke"),
           QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt und bearbeitet die Ebene Decke."), SurfaceKind::Ceiling,
           Qt::Key_F2);
  addLayer("ViewWall", QT_TRANSLATE_NOOP("Befehle", "&Wand"),
           QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt und bearbeitet die Ebene Wand."), SurfaceKind::Wall,
           Qt::Key_F3);
  addLayer("ViewPedestalFloor", QT_TRANSLATE_NOOP("Befehle", "Sockel - B&oden"),
           QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt und bearbeitet die Ebene Sockelboden."),
           SurfaceKind::PedestalFloor, Qt::Key_F4);
  addLayer("ViewPedestalCeiling", QT_TRANSLATE_NOOP("Befehle", "Sockel - De&cke"),
           QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt und bearbeitet die Ebene Sockeldecke."),
           SurfaceKind::PedestalCeiling, Qt::Key_F5);
}

void ViewFeature::ShowLayer(int layer) {
  for (QAction* item : ViewLayers->actions()) {
    if (item->data().toInt() == layer) item->trigger();
  }
}

void ViewFeature::SessionChanged(SessionNotice notice) {
  if (notice != SessionNotice::Layer) return;
  const int layer = static_cast<int>(context_.session.Editor().currentLayer);
  for (QAction* item : ViewLayers->actions()) {
    if (item->data().toInt() == layer && !item->isChecked()) item->setChecked(true);
  }
  context_.view.RefreshViews();
}

ViewFeature::~ViewFeature() { context_.session.Editing().RemoveObserver(this); }

void ViewFeature::RegisterZoom() {
  CommandRegistry& registry = context_.registry;
  using Context = const FeatureContext&;
  registry.Add({"ViewZoomIn",
                QT_TRANSLATE_NOOP("Befehle", "Ver&größern"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Vergrößert die Ansicht der Karte."),
                "&Ansicht",
                {Ctrl(Qt::Key_Plus), Ctrl(Qt::Key_Equal),
                 // where "+" is a shifted key, the key arrives with Shift held
                 QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Plus)}},
               [](Context c) { c.view.ZoomTo(c.view.Geometry().zoomLevel - 1, MapAreaCentre(c.view)); });
  registry.Add({"ViewZoomOut",
                QT_TRANSLATE_NOOP("Befehle", "Ver&kleinern"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Verkleinert die Ansicht der Karte."),
                "&Ansicht",
                {Ctrl(Qt::Key_Minus)}},
               [](Context c) { c.view.ZoomTo(c.view.Geometry().zoomLevel + 1, MapAreaCentre(c.view)); });
  // Back at the original size from the whole map, the view starts where the map starts, as it first did.
  registry.Add({"ViewZoomReset",
                QT_TRANSLATE_NOOP("Befehle", "Origi&nalgröße"),
                QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die Karte in Originalgröße."),
                "&Ansicht",
                {Ctrl(Qt::Key_0)}},
               [](Context c) { c.view.ZoomTo(DefaultZoomLevel, QPoint(MapAreaLeft, MapAreaTop)); });
  registry.Add(
      {"ViewZoomWhole",
       QT_TRANSLATE_NOOP("Befehle", "Ganze K&arte"),
       QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Zeigt die ganze Karte im Fenster."),
       "&Ansicht",
       {Ctrl(Qt::Key_9)}},
      [](Context c) { c.view.ZoomTo(WholeGridZoomLevel(c.view.Geometry()), QPoint(MapAreaLeft, MapAreaTop)); });
}

QPoint ViewFeature::MapAreaCentre(const MapViewHost& view) {
  const ViewRect area = MapArea(view.Geometry());
  return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

}  // namespace tessmoor

namespace tessmoor {

// Each overlay is a switch kept in the settings: off until the user turns it on.
void ViewFeature::RegisterOverlays() {
  const auto addSwitch = [this](const char* id, const char* text, const char* description, QList<QKeySequence> keys,
                                const char* setting, bool PlanOverlays::*shown) {
    // Each map has its switch; the check mark shows the one the command was handed.
    QAction* item =
        context_.registry.Add({id, text, description, "&Ansicht", keys}, [id, setting, shown](const FeatureContext& c) {
          const bool on = !(c.session.MapView().overlays.*shown);
          c.session.MapView().overlays.*shown = on;
          c.registry.Action(id)->setChecked(on);
          ProgramSettings().setValue(setting, on);
          c.view.RedrawMapView();
        });
    item->setCheckable(true);
    const bool on = ProgramSettings().value(setting, false).toBool();
    context_.session.MapView().overlays.*shown = on;
    item->setChecked(on);
  };
  addSwitch("ViewHeights", QT_TRANSLATE_NOOP("Befehle", "&Höhen anzeigen"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Schaltet die Anzeige der Boden- und Deckenhöhen ein oder aus."),
            {Ctrl(Qt::Key_H)}, HeightsSetting, &PlanOverlays::heights);
  addSwitch("ViewStartPosition", QT_TRANSLATE_NOOP("Befehle", "&Startposition zeigen"),
            QT_TRANSLATE_NOOP("Befehlsbeschreibungen", "Schaltet die Anzeige der Startposition ein oder aus."), {},
            StartSetting, &PlanOverlays::startPosition);
}

}  // namespace tessmoor
