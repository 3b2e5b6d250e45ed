// Feeds arbitrary sequences of editing-interface calls with hostile arguments
// (cells far off the grid, unknown textures and slots, huge names, nested
// transactions that fail or throw), as scripts will make them. Nothing may
// crash; a refused call changes nothing; a failed transaction leaves the map's
// bytes as they were; one undo takes back a committed transaction.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>

#include "app/MapEditing.h"
#include "document/MapFile.h"

using namespace tessmoor;

namespace {

class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool Empty() const { return at_ >= size_; }
  uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
  int32_t Int() {
    int32_t value = 0;
    for (int i = 0; i < 4; ++i) value = int32_t(uint32_t(value) << 8 | Byte());
    return value;
  }
  // Mostly near the grid, sometimes anywhere.
  int32_t Coordinate() { return Byte() % 8 == 0 ? Int() : int32_t(Byte() % 80) - 8; }
  std::string Text() { return std::string(size_t(Byte()) * 7, char('A' + Byte() % 26)); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t at_ = 0;
};

EditResult Call(MapEditing& editing, Input& in) {
  const CellRange range{in.Coordinate(), in.Coordinate(), in.Coordinate(), in.Coordinate()};
  switch (in.Byte() % 12) {
    case 0: {
      CellFieldEdit edit;
      edit.changed.set(FieldAt(in.Byte() % CellFieldCount));
      const int32_t raw = in.Int();
      std::memcpy(&edit.values, &raw, sizeof raw);  // any bytes, as a script may hand any number
      edit.values.floorHeight = float(in.Int()) / 16.0f;
      edit.relativeHeights = in.Byte() % 2;
      return editing.EditFields(range, edit);
    }
    case 1:
      return editing.Fill(range);
    case 2:
      return editing.Copy(range);
    case 3:
      return editing.Paste({range.x1, range.y1}, Orientation{in.Int(), in.Byte() % 2 == 1});
    case 4:
      return editing.SetStart({range.x1, range.y1});
    case 5:
      return editing.AddTexture();
    case 6:
      return editing.RenameTexture(in.Coordinate(), in.Text());
    case 7:
      return editing.DeleteTexture(in.Coordinate());
    case 8:
      return editing.Select(range);
    case 9:
      return editing.SetLayer(SurfaceKind(in.Byte() % SurfaceCount));
    case 10:
      return editing.SetCurrentSlot(in.Coordinate());
    default:
      return editing.SetTool(ToolMode(in.Byte() % 4));
  }
}

void Transaction(MapEditing& editing, DocumentModel& model, Input& in, int depth) {
  const std::vector<uint8_t> before = MapFileBytes(model.Map());
  const int ending = in.Byte() % 3;  // commit, fail, throw
  try {
    editing.Transaction(StepName::Fill, [&]() -> EditResult {
      for (int calls = in.Byte() % 6; calls > 0 && !in.Empty(); --calls) {
        if (depth < 3 && in.Byte() % 5 == 0) Transaction(editing, model, in, depth + 1);
        const std::vector<uint8_t> inner = MapFileBytes(model.Map());
        if (!Call(editing, in).Ok() && MapFileBytes(model.Map()) != inner) std::abort();
      }
      if (ending == 2) throw std::runtime_error("stopped");
      return ending == 1 ? EditResult{EditCode::Failed} : EditResult{};
    });
  } catch (const std::runtime_error&) {
  }
  if (ending != 0 && MapFileBytes(model.Map()) != before) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  DocumentModel model;
  EditorState editor;
  editor.programDirectory = "/nonexistent/";  // no pictures: the table work alone
  MapEditing editing(model, editor);
  Input in(data, size);
  while (!in.Empty()) {
    const std::vector<uint8_t> before = MapFileBytes(model.Map());
    const size_t steps = model.History().UndoCount();
    Transaction(editing, model, in, 0);
    if (model.InTransaction()) std::abort();
    if (model.History().UndoCount() == steps + 1) {
      if (!model.Undo() || MapFileBytes(model.Map()) != before) std::abort();
      model.Redo();
    }
  }
  return 0;
}
