#pragma once
// "Karte prüfen": the list of what the map check found. It stays open beside
// the map; a double click on a finding with a cell selects that cell and
// scrolls the map view to it.

#include <QDialog>
#include <functional>

#include "check/MapFinding.h"
#include "document/MapDocument.h"

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessmoor {

class TFrmMapCheck : public QDialog {
  Q_OBJECT

 public:
  // `showCell` selects a cell of the map and brings it into view.
  TFrmMapCheck(const MapDocument& document, std::function<void(GridPoint)> showCell, QWidget* parent = nullptr);

  // Checks the map as it is now and lists the findings.
  void CheckDocument();
  // The map changed: an open window checks again once the current event is
  // handled, so a burst of changes costs one check.
  void MapChanged();
  const MapFindings& Findings() const { return findings_; }

  void LVFindingsDoubleClick(QTreeWidgetItem* item);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  void FillList();

  const MapDocument& document_;
  std::function<void(GridPoint)> showCell_;
  MapFindings findings_;
  bool recheckPending_ = false;

  QTreeWidget* LVFindings;
  QLabel* LblSummary;
  QPushButton* BtnRecheck;
  QPushButton* BtnClose;
};

}  // namespace tessmoor
