#include "app/MapEditing.h"

#include <algorithm>
#include <string>

#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/ClipboardTransfer.h"
#include "edit/MapContentCommand.h"
#include "edit/TextureCommands.h"
#include "edit/TextureHousekeeping.h"
#include "view/HitTesting.h"

namespace tessmoor {

namespace {

EditResult OutOfGrid(GridPoint cell) { return {EditCode::OutOfGrid, {std::to_string(cell.x), std::to_string(cell.y)}}; }

// A range is on the grid when both corners are; its corners may come in any order.
EditResult CheckRange(CellRange range) {
  for (const GridPoint corner : {GridPoint{range.x1, range.y1}, GridPoint{range.x2, range.y2}}) {
    if (!IsOnGrid(corner)) return OutOfGrid(corner);
  }
  return {};
}

CellRange Ordered(CellRange range) {
  return {std::min(range.x1, range.x2), std::min(range.y1, range.y2), std::max(range.x1, range.x2),
          std::max(range.y1, range.y2)};
}

EditResult FromTable(const TextureResult& result) {
  if (result.ok) return {};
  return {EditCode::TableRefused, {}, result.message};
}

EditResult FromPlacement(const PlacementResult& result) {
  if (result.ok) return {};
  return {EditCode::TableRefused, {}, result.message};
}

}  // namespace

MapEditing::MapEditing(DocumentModel& model, EditorState& editor)
    : model_(model), editor_(editor), toldSelection_(editor.selection), toldSlot_(model.Map().currentSlot) {
  model_.AddLateObserver(this);
}

MapEditing::~MapEditing() { model_.RemoveObserver(this); }

void MapEditing::DocumentChanged(const DocumentChange& change) {
  if (!change.Has(DocumentChangeFlag::DocumentReplaced)) return;
  const Selection& now = editor_.selection;
  const Selection& told = toldSelection_;
  if (now != told) Tell(SessionNotice::Selection);
  if (model_.Map().currentSlot != toldSlot_) Tell(SessionNotice::Slot);
}

EditResult MapEditing::Transaction(StepName name, const std::function<EditResult()>& body) {
  return Transaction(name, std::string(), body);
}

EditResult MapEditing::Transaction(StepName name, const std::string& label, const std::function<EditResult()>& body) {
  model_.BeginTransaction(name, label);
  EditResult result;
  try {
    result = body();
  } catch (...) {
    model_.RollbackTransaction();
    throw;
  }
  if (result.Ok()) {
    model_.CommitTransaction();
  } else {
    model_.RollbackTransaction();
  }
  return result;
}

EditResult MapEditing::EditFields(CellRange range, const CellFieldEdit& edit) {
  if (EditResult checked = CheckRange(range); !checked.Ok()) return checked;
  EditCells(model_, Ordered(range), edit);
  return {};
}

EditResult MapEditing::SetTexture(CellRange range, SurfaceKind layer, int texture) {
  if (EditResult checked = CheckRange(range); !checked.Ok()) return checked;
  if (texture < 0 || texture >= model_.Map().textureCount) return {EditCode::NoSuchTexture, {std::to_string(texture)}};
  CellFieldEdit edit;
  edit.changed.set(TextureField(layer));
  edit.values.texture[layer] = static_cast<uint16_t>(texture);
  return Transaction(StepName::SetTexture, [&] { return EditFields(range, edit); });
}

EditResult MapEditing::Fill(CellRange range) {
  if (EditResult checked = CheckRange(range); !checked.Ok()) return checked;
  FillCells(model_, Ordered(range), CurrentSlot(model_.Map()).cell);
  return {};
}

EditResult MapEditing::Copy(CellRange range) {
  if (EditResult checked = CheckRange(range); !checked.Ok()) return checked;
  // The clipboard takes what the selection holds; the selection itself stays.
  const Selection kept = editor_.selection;
  const CellRange ordered = Ordered(range);
  editor_.selection = {ordered.x1, ordered.y1, ordered.x2, ordered.y2};
  CopySelection(model_.Map(), editor_);
  editor_.selection = kept;
  Tell(SessionNotice::Clipboard);
  return {};
}

EditResult MapEditing::Paste(GridPoint at, Orientation orientation) {
  if (!IsOnGrid(at)) return OutOfGrid(at);
  const CellClipboard& clipboard = *editor_.clipboard;
  if (clipboard.IsEmpty()) return {EditCode::NoBlockToPaste};
  // A caller may count turns as it likes; the block knows four.
  const Placement placement{at, Orientation{((orientation.turns % 4) + 4) % 4, orientation.mirrored}};
  if (!CopiedFrom(clipboard, model_.Map()))
    return FromPlacement(PasteIntoOtherMap(model_, clipboard, placement, editor_.programDirectory));
  const size_t count = static_cast<size_t>(clipboard.width) * static_cast<size_t>(clipboard.height);
  const CellBlock block{clipboard.width, clipboard.height,
                        std::vector<MapCell>(clipboard.cells.get(), clipboard.cells.get() + count)};
  return FromPlacement(PlaceBlock(model_, block, placement, PasteStepName));
}

EditResult MapEditing::PlaceStamp(const Stamp& stamp, const Placement& placement) {
  if (!IsOnGrid(placement.at)) return OutOfGrid(placement.at);
  return FromPlacement(tessmoor::PlaceStamp(model_, stamp, placement, editor_.programDirectory, PlaceStampStepName));
}

EditResult MapEditing::SetStart(GridPoint cell) {
  if (!IsOnGrid(cell)) return OutOfGrid(cell);
  SetStartPosition(model_, StartPosition{cell.x, cell.y});
  return {};
}

EditResult MapEditing::AddTexture() { return FromTable(tessmoor::AddTexture(model_)); }

EditResult MapEditing::RenameTexture(int texture, const std::string& name) {
  if (texture < 0 || texture >= model_.Map().textureCount) return {EditCode::NoSuchTexture, {std::to_string(texture)}};
  return FromTable(tessmoor::RenameTexture(model_, texture, name));
}

EditResult MapEditing::DeleteTexture(int texture) {
  if (texture < 0 || texture >= model_.Map().textureCount) return {EditCode::NoSuchTexture, {std::to_string(texture)}};
  return FromTable(tessmoor::DeleteTexture(model_, texture, editor_.clipboard));
}

EditResult MapEditing::ReplaceTexture(int texture, int replacement) {
  const int count = model_.Map().textureCount;
  if (texture < 0 || texture >= count) return {EditCode::NoSuchTexture, {std::to_string(texture)}};
  if (replacement < -1 || replacement >= count) return {EditCode::NoSuchTexture, {std::to_string(replacement)}};
  tessmoor::ReplaceTexture(model_, texture, replacement < 0 ? NoTexture : static_cast<uint16_t>(replacement));
  return {};
}

EditResult MapEditing::AddFrames(int texture, const std::vector<std::string>& pictures) {
  if (texture < 0 || texture >= model_.Map().textureCount) return {EditCode::NoSuchTexture, {std::to_string(texture)}};
  const AddFramesResult added = tessmoor::AddFrames(model_, editor_.programDirectory, texture, pictures);
  if (added.Stopped()) return {EditCode::TableRefused, {}, added.message};
  return {};
}

EditResult MapEditing::AdoptContent(const MapDocument& result, StepName name, const std::string& label) {
  std::unique_ptr<MapContentCommand> step = MapContentCommand::Between(name, model_.Map(), result);
  if (!step) return {};
  step->SetLabel(label);
  model_.Execute(std::move(step));
  return {};
}

EditResult MapEditing::Select(CellRange range) {
  if (EditResult checked = CheckRange(range); !checked.Ok()) return checked;
  const Selection selection{range.x1, range.y1, range.x2, range.y2};
  const Selection& now = editor_.selection;
  if (now == selection) return {};
  editor_.selection = selection;
  Tell(SessionNotice::Selection);
  return {};
}

EditResult MapEditing::SetLayer(SurfaceKind layer) {
  if (editor_.currentLayer == layer) return {};
  editor_.currentLayer = layer;
  Tell(SessionNotice::Layer);
  return {};
}

EditResult MapEditing::SetTool(ToolMode mode) {
  if (editor_.toolMode == mode) return {};
  editor_.toolMode = mode;
  Tell(SessionNotice::Tool);
  return {};
}

EditResult MapEditing::SetCurrentSlot(int slot) {
  if (slot < 0 || slot >= PaletteSlotCount) return {EditCode::NoSuchSlot, {std::to_string(slot)}};
  if (model_.Map().currentSlot == slot) return {};
  model_.SetCurrentSlot(slot);
  Tell(SessionNotice::Slot);
  return {};
}

void MapEditing::AddObserver(SessionObserver* observer) { observers_.push_back(observer); }

void MapEditing::RemoveObserver(SessionObserver* observer) { std::erase(observers_, observer); }

void MapEditing::Tell(SessionNotice notice) {
  if (notice == SessionNotice::Selection) toldSelection_ = editor_.selection;
  if (notice == SessionNotice::Slot) toldSlot_ = model_.Map().currentSlot;
  for (SessionObserver* observer : observers_) observer->SessionChanged(notice);
}

}  // namespace tessmoor
