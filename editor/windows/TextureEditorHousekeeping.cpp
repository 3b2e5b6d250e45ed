// The texture editor's housekeeping: every reference to the current texture
// replaced, and every texture no cell uses deleted, each as one step.

#include <QGroupBox>
#include <QPushButton>
#include <QTreeView>
#include <algorithm>

#include "edit/TextureHousekeeping.h"
#include "editor/widgets/TextureTableModel.h"
#include "editor/windows/EditorTextureEditorForm.h"
#include "editor/windows/ReplaceTextureDialog.h"
#include "editor/windows/TextureEditorList.h"
#include "editor/windows/TextureEditorWidgets.h"

namespace tessmoor {

void TFrmTextureEditor::CreateHousekeepingButtons() {
  // Replacing concerns the current texture: below its usage, inside its pane.
  // Deleting the unused ones concerns the table: beside Löschen.
  BtnReplace = MakeButton("BtnReplace", QString(), GrpTexture, QRect(164, 228, 89, 25));
  BtnDeleteUnused = MakeButton("BtnDeleteUnused", QString(), this, QRect(200, 352, 129, 25));
  chooseReplacement_ = [this](int texture) { return ChooseReplacementTexture(this, textures_, texture); };
  connect(BtnReplace, &QPushButton::clicked, this, &TFrmTextureEditor::BtnReplaceClick);
  connect(BtnDeleteUnused, &QPushButton::clicked, this, &TFrmTextureEditor::BtnDeleteUnusedClick);
}

void TFrmTextureEditor::BtnReplaceClick() {
  const int texture = SelectedTexture();
  if (texture < 0) return;
  const std::optional<uint16_t> replacement = chooseReplacement_(texture);
  if (!replacement) return;
  // No cell using it is nothing to replace, and no step.
  ReplaceTexture(model_, texture, *replacement);
  RefreshFramePane();
}

void TFrmTextureEditor::BtnDeleteUnusedClick() {
  nameDelegate_->CancelEditing();
  const int listPosition = LVTextures->currentIndex().row();
  if (DeleteUnusedTextures(model_, editor_.clipboard) == 0) return;
  SelectListPosition(listPosition);
  RefreshFramePane();
}

void TFrmTextureEditor::SelectListPosition(int position) {
  const int count = list_->Rows();
  if (count == 0) return;
  SelectListRow(list_->index(std::clamp(position, 0, count - 1), 0));
}

}  // namespace tessmoor
