#pragma once
// "Eigenschaften": the tool window that edits one MapCell, either a grid cell or
// a palette slot's cell. The controls are an edit buffer; nothing reaches the
// cell before Apply. Applied to a grid cell it is an undoable step; applied to a
// palette slot it changes the tool's template only. When the document changes
// the bound cell or the texture table, the controls show the new state.

#include <QDialog>
#include <array>
#include <cstdint>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "view/EditingTools.h"

class IntSpinField;
class QComboBox;
class QPushButton;
class QTabWidget;
class QWidget;

class TFrmProperties : public QDialog, public DocumentObserver {
  Q_OBJECT

 public:
  TFrmProperties(DocumentModel& model, QWidget* mainWindow);
  ~TFrmProperties() override;

  // Attaches the window to a cell and loads the controls from it (typed but
  // unapplied values are dropped). Does not show the window.
  void Bind(const CellBinding& binding);
  const CellBinding& Binding() const { return binding; }
  // Writes every control into the bound cell. Without a bound cell it does
  // nothing; a list without a selection keeps its field.
  void ApplyToCell();
  // Rebuilds a texture list from the texture table: the empty NoTexture entry,
  // then every texture in table order. No entry is selected afterwards.
  void FillTextureList(QComboBox* list);
  // Selects the first entry carrying `value`; with none the selection stays.
  void SelectTextureItem(uint16_t value, QComboBox* list);

  void DocumentChanged(const DocumentChange& change) override;

 signals:
  // True on every showing, false on every hiding.
  void visibilityChanged(bool visible);
  // An Apply changed a palette slot, which is no document change.
  void slotEdited();

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

  void LoadControls(const MapCell& cell);

  DocumentModel& model;
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
  QPushButton* BtnOk;
  QPushButton* BtnCancel;
  QPushButton* BtnApply;
};
