#pragma once
// Bearbeiten > "Suchen und Ersetzen..." (Ctrl+F): conditions on cells combined
// with AND, the matching cells in a list like the map check's (a double click
// selects the cell and scrolls to it), and chosen fields written into every
// match as one step, through the field rule of "Auswahl bearbeiten".

#include <QDialog>
#include <QList>
#include <optional>
#include <vector>

#include "edit/CellSearch.h"
#include "editor/commands/FeatureContext.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tessmoor {

class IntSpinField;

class TFrmFindReplace : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmFindReplace(const FeatureContext& context);

  // The conditions as the controls show them.
  CellQuery Query() const;
  // The fields to write, as the controls show them.
  CellFieldEdit Replacement() const;
  // The texture lists follow the map's table when the window opens.
  void FillTextureLists();

  void BtnFindClick();
  // The conditions set to "this texture on any layer" alone, and found.
  void FindTexture(int texture);
  void BtnReplaceClick();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  // What the count below the list says the cells were.
  enum class Counted { Nothing, Found, Replaced };

  void Retranslate();
  void ShowCount();
  void LVResultsDoubleClick(QTreeWidgetItem* item);
  void FillResults(const CellQuery& query);

  FeatureContext context;
  std::vector<GridPoint> found;
  Counted counted = Counted::Nothing;
  std::optional<CellQuery> lastQuery;

  QGroupBox* GrpConditions;
  QGroupBox* GrpReplace;
  QList<QLabel*> LblTo;
  QCheckBox* ChkKind;
  QComboBox* CboKind;
  QCheckBox* ChkTexture;
  QComboBox* CboTexture;
  QComboBox* CboTextureLayer;
  QCheckBox* ChkFloor;
  IntSpinField* SpnFloorFrom;
  IntSpinField* SpnFloorTo;
  QCheckBox* ChkCeiling;
  IntSpinField* SpnCeilingFrom;
  IntSpinField* SpnCeilingTo;
  QCheckBox* ChkWater;
  IntSpinField* SpnWaterFrom;
  IntSpinField* SpnWaterTo;
  QCheckBox* ChkOpacity;
  IntSpinField* SpnOpacityFrom;
  IntSpinField* SpnOpacityTo;
  QCheckBox* ChkSelectionOnly;
  QPushButton* BtnFind;
  QTreeWidget* LVResults;
  QLabel* LblCount;

  QCheckBox* ChkSetKind;
  QComboBox* CboSetKind;
  QCheckBox* ChkSetTexture;
  QComboBox* CboSetTexture;
  QComboBox* CboSetLayer;
  QCheckBox* ChkSetFloor;
  IntSpinField* SpnSetFloor;
  QCheckBox* ChkSetCeiling;
  IntSpinField* SpnSetCeiling;
  QCheckBox* ChkSetWater;
  IntSpinField* SpnSetWater;
  QCheckBox* ChkSetOpacity;
  IntSpinField* SpnSetOpacity;
  QCheckBox* ChkRelative;
  QPushButton* BtnReplace = nullptr;
};

// Owns the command and the window.
class FindReplaceFeature : public QObject {
  Q_OBJECT

 public:
  explicit FindReplaceFeature(const FeatureContext& context);
  // Made when first opened: the start of the editor does without it.
  TFrmFindReplace& Window();

 private:
  FeatureContext context;
  TFrmFindReplace* FrmFindReplace = nullptr;
};

}  // namespace tessmoor
