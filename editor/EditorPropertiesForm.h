#pragma once
// "Eigenschaften": the tool window that edits one MapCell, either a grid cell or
// a palette slot's cell. The controls are an edit buffer; nothing reaches the
// cell before Apply, and what an Apply means (modified or not) is decided by
// the callback given with the cell.

#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "document/MapDocument.h"

class IntSpinField;
class QComboBox;
class QPushButton;
class QTabWidget;
class QWidget;

class TFrmProperties : public QDialog {
  Q_OBJECT

 public:
  TFrmProperties(MapDocument& document, QWidget* mainWindow);

  // Attaches the window to `cell` and loads the controls from it (typed but
  // unapplied values are dropped). Does not show the window.
  void BindCell(MapCell& cell, std::function<void()> onChanged);
  // Writes every control into the bound cell, then calls the callback. Without
  // a bound cell it does nothing; a list without a selection keeps its field.
  void ApplyToCell();
  // Rebuilds a texture list from the texture table: the empty NoTexture entry,
  // then every texture in table order. No entry is selected afterwards.
  void FillTextureList(QComboBox* list);
  // Selects the first entry carrying `value`; with none the selection stays.
  void SelectTextureItem(uint16_t value, QComboBox* list);

 signals:
  // True on every showing, false on every hiding.
  void visibilityChanged(bool visible);

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* Build3DModelPage();
  QWidget* BuildTexturesPage();
  QWidget* BuildOffsetsPage();
  QWidget* BuildCeilingSquare();
  void BtnOkClick();
  void BtnApplyClick();

  MapDocument& document;
  MapCell* boundCell = nullptr;
  std::function<void()> OnCellChanged;

  QTabWidget* PagProperties;
  QWidget* Tab3DModel;
  QWidget* TabTextures;
  QWidget* TabOffsets;
  QComboBox* CboType;
  IntSpinField* SpnWaterHeight;
  IntSpinField* SpnAlpha;
  IntSpinField* SpnFloorHeight;
  std::array<IntSpinField*, 4> SpnCeilingHeight;
  std::array<QComboBox*, SurfaceCount> CboTex;  // by SurfaceKind
  std::array<IntSpinField*, SurfaceCount> SpnOfs;  // by SurfaceKind
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
  QPushButton* BtnApply;
};
