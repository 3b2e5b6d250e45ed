// The map a designer's session should leave behind, made through the core
// library alone: the session's steps, one a line, are applied to the map with
// the same edit functions the windows call, and the result is saved. The
// end-to-end test then compares the editor's saved bytes with these.
//
//   e2e_expected_map PROGRAM_DIR MAP PLAN
//
// Plan lines: "slot N", "pick X Y", "paint X Y", "select X1 Y1 X2 Y2", "fill",
// "copy", "paste", "floor VALUE", "texture LAYER NAME" (the texture of that name
// on that surface layer of the selected cells), "undo", "redo", "save PATH" and "load PATH".
// "load" takes the map from a file the editor saved and keeps the tool state
// (palette, selection, clipboard), so each part of a session can be checked on
// its own. Anything after '#' is a comment.

#include <array>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "app/EditorSession.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/CellFieldEdit.h"
#include "edit/DocumentModel.h"
#include "support/CoreMessageText.h"
#include "textures/TextureName.h"

namespace tessmoor {
namespace {

void EditFloor(EditorSession& session, float value) {
  CellFieldEdit edit;
  edit.changed.set(CellField::FloorHeight);
  edit.values.floorHeight = value;
  EditCells(session.Model(), SelectedCells(session.Editor().selection), edit);
}

// The map from `path`, with the palette, selection and tool mode as they were.
bool LoadKeepingTools(EditorSession& session, const std::string& path) {
  const std::array<PaletteSlot, PaletteSlotCount> slots = session.Map().paletteSlots;
  const int currentSlot = session.Map().currentSlot;
  const Selection selection = session.Editor().selection;
  const ToolMode mode = session.Editor().toolMode;
  if (!session.Files().LoadDocument(path)) return false;
  for (int slot = 0; slot < PaletteSlotCount; ++slot)
    session.Model().SetSlotCell(slot, slots[static_cast<size_t>(slot)].cell);
  session.Model().SetCurrentSlot(currentSlot);
  session.Editor().selection = selection;
  session.Editor().toolMode = mode;
  return true;
}

// The first texture called `name`, or -1.
int TextureNamed(const MapDocument& map, const std::string& name) {
  for (int t = 0; t < map.textureCount; ++t) {
    if (TextureNameBytes(map.textures[static_cast<size_t>(t)]) == name) return t;
  }
  return -1;
}

bool Save(EditorSession& session, const std::string& path) {
  const MapFileResult saved = session.Model().Save(path);
  if (!saved.ok) std::cerr << saved.message << "\n";
  return saved.ok;
}

// False for a line that names no known step, or a file that fails.
bool ApplyStep(EditorSession& session, std::istringstream& line) {
  DocumentModel& model = session.Model();
  EditorState& editor = session.Editor();
  std::string step;
  line >> step;
  int x = 0, y = 0;
  if (step == "slot") {
    line >> x;
    model.SetCurrentSlot(x);
    editor.toolMode = ToolMode::Paint;
  } else if (step == "pick" && line >> x >> y) {
    model.SetSlotCell(model.Map().currentSlot, model.Map().Cell(x, y));
  } else if (step == "paint" && line >> x >> y) {
    SetCell(model, {x, y}, CurrentSlot(model.Map()).cell, PaintStepName);
  } else if (step == "select") {
    Selection& s = editor.selection;
    line >> s.x1 >> s.y1 >> s.x2 >> s.y2;
    editor.toolMode = ToolMode::Select;
  } else if (step == "fill") {
    FillSelection(model, editor);
  } else if (step == "copy") {
    CopySelection(model.Map(), editor);
  } else if (step == "paste") {
    PasteClipboard(model, editor);
  } else if (float value = 0; step == "floor" && line >> value) {
    EditFloor(session, value);
  } else if (int layer = 0; step == "texture" && line >> layer) {
    std::string name;
    line >> name;
    const int texture = TextureNamed(model.Map(), name);
    return session.Editing().SetTexture(SelectedCells(editor.selection), static_cast<SurfaceKind>(layer), texture).Ok();
  } else if (step == "undo") {
    model.Undo();
  } else if (step == "redo") {
    model.Redo();
  } else if (std::string path; step == "save" && line >> path) {
    return Save(session, path);
  } else if (step == "load" && line >> path) {
    return LoadKeepingTools(session, path);
  } else {
    return step.empty();
  }
  return !line.fail();
}

int Run(const std::string& programDirectory, const std::string& mapPath, const std::string& planPath) {
  EditorSession session(programDirectory);
  if (!session.Files().LoadDocument(mapPath)) {
    std::cerr << "cannot load " << mapPath << "\n";
    return 1;
  }
  std::ifstream plan(planPath);
  if (!plan) {
    std::cerr << "cannot read " << planPath << "\n";
    return 1;
  }
  for (std::string text; std::getline(plan, text);) {
    std::istringstream line(text.substr(0, text.find('#')));
    if (!ApplyStep(session, line)) {
      std::cerr << "failed step: " << text << "\n";
      return 1;
    }
  }
  return 0;
}

}  // namespace
}  // namespace tessmoor

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: e2e_expected_map PROGRAM_DIR MAP PLAN\n";
    return 2;
  }
  std::string programDirectory = argv[1];
  if (!programDirectory.empty() && programDirectory.back() != '/') programDirectory += '/';
  return tessmoor::Run(programDirectory, argv[2], argv[3]);
}
