#pragma once
// Stamps: Bearbeiten > "Als Stempel speichern..." keeps the selected block as a
// file under the program's data folder; the dockable panel "Stempel" (Ansicht >
// Stempel) shows every stamp as the map view would draw it, and choosing one
// starts placing it.

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "document/Stamp.h"
#include "editor/commands/FeatureContext.h"

class QAction;
class QCheckBox;
class QDockWidget;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

namespace tessmoor {

class BlockPlacementTool;

class StampFeature : public QObject {
  Q_OBJECT

 public:
  StampFeature(const FeatureContext& context, BlockPlacementTool& tool);
  ~StampFeature() override;

  // The folder the stamps live in, with a trailing '/'.
  static QString StampFolder();
  // Reads every stamp of the folder again and redraws their pictures.
  void Reload();
  // Redraws the pictures (the view's layer changed).
  void RedrawPictures();
  QDockWidget* Dock() const { return DockStamps; }
  // Brings back the panel and the height check box as they were left, and from
  // then on remembers them (as the main window does with its own settings).
  void RestoreSettings();

 private:
  struct Entry;
  void Retranslate();
  QString AskName(const QString& title, const QString& current);
  void SaveSelection(EditorSession& session);
  void ApplyFilter();
  void StartPlacing(QListWidgetItem* item);
  void ShowContextMenu(const QPoint& position);
  void Rename(int entry);
  void Remove(int entry);
  void RememberSettings();
  void FillItem(int entry);

  FeatureContext context;
  BlockPlacementTool& tool;
  std::vector<std::unique_ptr<Entry>> entries;
  int placing = -1;  // the entry the tool places, or -1
  bool remember = false;

  QDockWidget* DockStamps = nullptr;
  QLineEdit* EdtStampFilter;
  QListWidget* LVStamps;
  QCheckBox* ChkMatchHeights;
};

}  // namespace tessmoor
