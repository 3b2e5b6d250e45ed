#pragma once
// "Eigenschaften": the tool window that edits one MapCell, either a grid cell or
// a palette slot's cell. The controls are an edit buffer; nothing reaches the
// cell before Apply. Applied to a grid cell it is an undoable step; applied to a
// palette slot it changes the tool's template only. When the document changes
// the bound cell or the texture table, the controls show the new state.
//
// Bound to a rectangle of grid cells ("Eigenschaften - 12 Zellen"), a field shows
// the value all cells share and is empty where they differ; Apply writes only
// the fields the user changed, to every cell, as one step, and with "relativ"
// the height fields are offsets to each cell's own heights.

#include <QDialog>
#include <array>
#include <cstdint>

#include "document/MapDocument.h"
#include "edit/CellFieldEdit.h"
#include "edit/DocumentModel.h"
#include "view/EditingTools.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QWidget;

namespace tessmoor {

class IntSpinField;
class TextureTableModel;

class TFrmProperties : public QDialog, public DocumentObserver {
  Q_OBJECT

 public:
  // The texture lists are made from `textures`; without it from a model of the
  // window's own, which has no pictures.
  TFrmProperties(DocumentModel& model, QWidget* mainWindow, TextureTableModel* textures = nullptr);
  ~TFrmProperties() override;

  // Attaches the window to a cell and loads the controls from it (typed but
  // unapplied values are dropped). Does not show the window.
  void Bind(const CellBinding& binding);
  const CellBinding& Binding() const { return binding; }
  // Writes every control into the bound cell. Without a bound cell it does
  // nothing; a list without a selection keeps its field.
  void ApplyToCell();
  // Rebuilds a texture list from the texture table: the NoTexture entry with empty text,
  // then every texture in table order with its picture. No entry is selected afterwards.
  void FillTextureList(QComboBox* list);
  // Selects the first entry carrying `value`; with none the selection stays.
  void SelectTextureItem(uint16_t value, QComboBox* list);

  void DocumentChanged(const DocumentChange& change) override;

 signals:
  // True on every showing, false on every hiding.
  void visibilityChanged(bool visible);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Retranslate();
  QWidget* Build3DModelPage();
  QWidget* BuildTexturesPage();
  QWidget* BuildOffsetsPage();
  QWidget* BuildCeilingSquare();
  void BtnOkClick();
  void BtnApplyClick();

  void LoadControls(const MapCell& cell);
  void LoadHeights(const MapCell& cell);
  // The cell with the controls' values; lists without a selection keep `base`'s.
  MapCell ControlValues(const MapCell& base) const;

  // The rectangle binding (EditorPropertiesRange.cpp).
  bool IsRangeBound() const { return binding.target == CellBinding::Target::GridRange; }
  void ShowBindingKind();
  void LoadRangeControls();
  void ShowRangeHeights();
  CellFieldSet EditedFields() const;
  void ApplyToRange();
  IntSpinField* SpinFieldFor(CellField field) const;
  QComboBox* ListFor(CellField field) const;

  DocumentModel& model;
  TextureTableModel* textures;
  CellBinding binding;

  QTabWidget* PagProperties;
  QWidget* Tab3DModel;
  QWidget* TabTextures;
  QWidget* TabOffsets;
  QComboBox* CboType;
  IntSpinField* SpnWaterHeight;
  IntSpinField* SpnAlpha;
  IntSpinField* SpnFloorHeight;
  std::array<IntSpinField*, 4> SpnCeilingHeight;
  std::array<QComboBox*, SurfaceCount> CboTex;     // by SurfaceKind
  std::array<IntSpinField*, SurfaceCount> SpnOfs;  // by SurfaceKind
  QCheckBox* ChkRelative;
  std::array<QLabel*, 5> ModelLabels;  // type, water level, opacity, floor height, ceiling height
  std::array<QLabel*, SurfaceCount> TextureLabels;
  std::array<QLabel*, SurfaceCount> OffsetLabels;
  CellFieldSet rangeCommon;                           // the fields all bound cells share
  std::array<int, CellFieldCount> loadedListIndex{};  // what a list showed after loading
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
  QPushButton* BtnApply;
};

}  // namespace tessmoor
