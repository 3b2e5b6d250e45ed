// The properties window bound to a rectangle of cells: shared values, empty
// fields where the cells differ, and an Apply that writes only what was edited.

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>

#include "editor/widgets/CountText.h"
#include "editor/widgets/IntSpinField.h"
#include "editor/windows/EditorPropertiesForm.h"

namespace tessmoor {

void TFrmProperties::ShowBindingKind() {
  const bool range = IsRangeBound();
  const CellRange& cells = binding.range;
  const long long count = static_cast<long long>(cells.x2 - cells.x1 + 1) * (cells.y2 - cells.y1 + 1);
  setWindowTitle(range ? tr("Eigenschaften - %1")
                             .arg(CountText(count, QT_TRANSLATE_NOOP("CountTextSingular", "Zelle"),
                                            QT_TRANSLATE_NOOP("CountTextPlural", "Zellen")))
                       : tr("Eigenschaften"));
  if (!range) {
    const QSignalBlocker blocker(ChkRelative);
    ChkRelative->setChecked(false);
  }
  ChkRelative->setVisible(range);
}

IntSpinField* TFrmProperties::SpinFieldFor(CellField field) const {
  if (field == CellField::Opacity) return SpnAlpha;
  if (field == CellField::WaterLevel) return SpnWaterHeight;
  if (field == CellField::FloorHeight) return SpnFloorHeight;
  if (field >= CellField::CeilingHeight0 && field < CellField::Texture0) return SpnCeilingHeight[ElementOf(field)];
  if (field >= CellField::TextureOffset0) return SpnOfs[ElementOf(field)];
  return nullptr;
}

QComboBox* TFrmProperties::ListFor(CellField field) const {
  if (field == CellField::Type) return CboType;
  if (field >= CellField::Texture0 && field < CellField::TextureOffset0) return CboTex[ElementOf(field)];
  return nullptr;
}

void TFrmProperties::LoadRangeControls() {
  const MapCell* first = BoundCell(model, binding);
  if (first == nullptr) return;
  rangeCommon = CommonFields(model.Map(), binding.range);
  LoadControls(*first);
  for (CellField field : AllCellFields) {
    if (QComboBox* list = ListFor(field)) {
      if (!rangeCommon.test(field)) list->setCurrentIndex(-1);
      loadedListIndex[FieldIndex(field)] = list->currentIndex();
    }
  }
  ShowRangeHeights();
  for (CellField field : AllCellFields) {
    if (!IsHeightField(field) && !rangeCommon.test(field) && SpinFieldFor(field) != nullptr)
      SpinFieldFor(field)->setMixed();
  }
}

// Relative heights start as empty offsets; absolute ones show the shared value.
// Typed heights are dropped when the mode changes: their meaning changed.
void TFrmProperties::ShowRangeHeights() {
  const MapCell* first = BoundCell(model, binding);
  if (!IsRangeBound() || first == nullptr) return;
  LoadHeights(*first);
  for (CellField field : AllCellFields) {
    if (IsHeightField(field) && (ChkRelative->isChecked() || !rangeCommon.test(field))) SpinFieldFor(field)->setMixed();
  }
}

CellFieldSet TFrmProperties::EditedFields() const {
  CellFieldSet edited;
  for (CellField field : AllCellFields) {
    bool changed = false;
    if (const QComboBox* list = ListFor(field)) {
      changed = list->currentIndex() >= 0 && list->currentIndex() != loadedListIndex[FieldIndex(field)];
    } else {
      const IntSpinField* spin = SpinFieldFor(field);
      changed = spin->isEdited() && !spin->isMixed();  // an emptied field has nothing to give
    }
    edited.set(field, changed);
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

}  // namespace tessmoor
