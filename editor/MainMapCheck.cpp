// The main window's part in the map check: opening the findings window and
// going to the cell of a finding.

#include <QAction>

#include "editor/EditorMainForm.h"
#include "editor/EditorMapCheckForm.h"
#include "editor/EditorPropertiesForm.h"
#include "view/CellReveal.h"
#include "view/HitTesting.h"

namespace tessmoor {

void TFrmMain::EditCheckMapClick() {
  FrmMapCheck->CheckDocument();
  FrmMapCheck->show();
  FrmMapCheck->raise();
  FrmMapCheck->activateWindow();
}

void TFrmMain::ShowCell(GridPoint cell) {
  if (!IsOnGrid(cell)) return;
  editor->selection = {cell.x, cell.y, cell.x, cell.y};
  editor->viewOrigin = OriginShowing(*editor, Geometry(), cell);
  // As a click on the cell would: the properties window follows the selection.
  FrmProperties->Bind(CellBinding::Grid(cell));
  RefreshViews();
}

}  // namespace tessmoor
