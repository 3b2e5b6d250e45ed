// The main window's part in the map check: opening the findings window and
// going to the cell of a finding.

#include <QAction>

#include "editor/EditorMainForm.h"
#include "editor/EditorMapCheckForm.h"
#include "editor/EditorPropertiesForm.h"
#include "view/CellReveal.h"
#include "view/HitTesting.h"

void TFrmMain::EditCheckMapClick() {
  FrmMapCheck->CheckDocument();
  FrmMapCheck->show();
  FrmMapCheck->raise();
  FrmMapCheck->activateWindow();
}

void TFrmMain::ShowCell(GridPoint cell) {
  if (!IsOnGrid(cell)) return;
  session.Editor().selection = {cell.x, cell.y, cell.x, cell.y};
  session.Editor().viewOrigin = OriginShowing(session.Editor(), Geometry(), cell);
  // As a click on the cell would: the properties window follows the selection.
  FrmProperties->Bind(CellBinding::Grid(cell));
  RedrawView();
}
