// The properties window bound to a rectangle of cells: shared values, empty
// fields where the cells differ, and an Apply that writes only what was edited.

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include "editor/EditorPropertiesForm.h"
#include "editor/IntSpinField.h"

void TFrmProperties::ShowBindingKind() {
  const bool range = IsRangeBound();
  const CellRange& cells = binding.range;
  setWindowTitle(
      range ? QStringLiteral("Eigenschaften - %1 Zellen").arg((cells.x2 - cells.x1 + 1) * (cells.y2 - cells.y1 + 1))
            : QStringLiteral("Eigenschaften"));
  if (!range) {
    const QSignalBlocker blocker(ChkRelative);
    ChkRelative->setChecked(false);
  }
  ChkRelative->setVisible(range);
}

IntSpinField* TFrmProperties::SpinFieldFor(int field) const {
  if (field == FieldOpacity) return SpnAlpha;
  if (field == FieldWaterLevel) return SpnWaterHeight;
  if (field == FieldFloorHeight) return SpnFloorHeight;
  if (field >= FieldCeilingHeight0 && field < FieldTexture0) return SpnCeilingHeight[field - FieldCeilingHeight0];
  if (field >= FieldTextureOffset0) return SpnOfs[field - FieldTextureOffset0];
  return nullptr;
}

QComboBox* TFrmProperties::ListFor(int field) const {
  if (field == FieldType) return CboType;
  if (field >= FieldTexture0 && field < FieldTextureOffset0) return CboTex[field - FieldTexture0];
  return nullptr;
}

void TFrmProperties::LoadRangeControls() {
  const MapCell* first = BoundCell(model, binding);
  if (first == nullptr) return;
  rangeCommon = CommonFields(model.Map(), binding.range);
  LoadControls(*first);
  for (int field = 0; field < CellFieldCount; ++field) {
    if (QComboBox* list = ListFor(field)) {
      if (!rangeCommon.test(static_cast<size_t>(field))) list->setCurrentIndex(-1);
      loadedListIndex[static_cast<size_t>(field)] = list->currentIndex();
    }
  }
  ShowRangeHeights();
  for (int field = 0; field < CellFieldCount; ++field) {
    if (!IsHeightField(field) && !rangeCommon.test(static_cast<size_t>(field)) && SpinFieldFor(field) != nullptr)
      SpinFieldFor(field)->setMixed();
  }
}

// Relative heights start as empty offsets; absolute ones show the shared value.
// Typed heights are dropped when the mode changes: their meaning changed.
void TFrmProperties::ShowRangeHeights() {
  const MapCell* first = BoundCell(model, binding);
  if (!IsRangeBound() || first == nullptr) return;
  LoadHeights(*first);
  for (int field = 0; field < CellFieldCount; ++field) {
    if (IsHeightField(field) && (ChkRelative->isChecked() || !rangeCommon.test(static_cast<size_t>(field))))
      SpinFieldFor(field)->setMixed();
  }
}

CellFieldSet TFrmProperties::EditedFields() const {
  CellFieldSet edited;
  for (int field = 0; field < CellFieldCount; ++field) {
    bool changed = false;
    if (const QComboBox* list = ListFor(field)) {
      changed = list->currentIndex() >= 0 && list->currentIndex() != loadedListIndex[static_cast<size_t>(field)];
    } else {
      const IntSpinField* spin = SpinFieldFor(field);
      changed = spin->isEdited() && !spin->isMixed();  // an emptied field has nothing to give
    }
    edited.set(static_cast<size_t>(field), changed);
  }
  return edited;
}

void TFrmProperties::ApplyToRange() {
  CellFieldEdit edit;
  edit.changed = EditedFields();
  edit.values = ControlValues(*BoundCell(model, binding));
  edit.relativeHeights = ChkRelative->isChecked();
  EditCells(model, binding.range, edit);
}
