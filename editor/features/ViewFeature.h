#pragma once
// Ansicht: the five surface layers (Ctrl+F1 to Ctrl+F5), the zoom (Vergrößern,
// Verkleinern, Originalgröße, Ganze Karte) and what is drawn over the map
// (Höhen anzeigen, Startposition zeigen), which the settings remember.

#include <QObject>

#include "editor/commands/FeatureContext.h"

class QActionGroup;

namespace tessmoor {

class ViewFeature : public QObject, public SessionObserver {
  Q_OBJECT

 public:
  explicit ViewFeature(const FeatureContext& context);
  ~ViewFeature() override;

  // The layer menu and the views follow the session's layer, whoever set it.
  void SessionChanged(SessionNotice notice) override;

  // Shows `layer` as its menu item does; an unknown layer changes nothing.
  void ShowLayer(int layer);

 private:
  void RegisterLayers();
  void RegisterZoom();
  void RegisterOverlays();
  static QPoint MapAreaCentre(const MapViewHost& view);

  FeatureContext context_;
  QActionGroup* ViewLayers;
};

}  // namespace tessmoor
