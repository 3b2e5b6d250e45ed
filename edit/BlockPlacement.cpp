#include "edit/BlockPlacement.h"

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "document/FramePictures.h"
#include "document/PascalString.h"
#include "edit/CellCommands.h"
#include "edit/CompositeCommand.h"
#include "textures/TextureName.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

constexpr int LastCell = GridSize - 1;

bool OnGrid(GridPoint cell) { return cell.x >= 0 && cell.x < GridSize && cell.y >= 0 && cell.y < GridSize; }

// The new entries go to the end of the table; undo takes them off again with
// their thumbnails, so a redo needs no picture loaded twice.
class AppendTexturesCommand : public EditCommand {
 public:
  explicit AppendTexturesCommand(std::vector<TextureEntry> entries)
      : EditCommand(PlaceStampStepName), entries_(std::move(entries)) {}

  void Apply(MapDocument& document) override {
    for (TextureEntry& entry : entries_) {
      entry.index = document.textureCount;
      document.textures[static_cast<size_t>(document.textureCount++)] = std::move(entry);
    }
  }
  void Revert(MapDocument& document) override {
    for (size_t k = entries_.size(); k-- > 0;) {
      TextureEntry& slot = document.textures[static_cast<size_t>(--document.textureCount)];
      entries_[k] = std::move(slot);
      slot = TextureEntry{};
    }
  }
  DocumentChange Change() const override { return {DocumentChangeFlag::TexturesChanged, NoCells}; }
  size_t MemoryCost() const override {
    size_t bytes = sizeof(*this) + entries_.size() * sizeof(TextureEntry);
    for (const TextureEntry& entry : entries_) {
      for (const TextureFrame& frame : entry.frames) {
        bytes +=
            sizeof(RGB555) * static_cast<size_t>(frame.thumbnail.width) * static_cast<size_t>(frame.thumbnail.height);
      }
    }
    return bytes;
  }

 private:
  std::vector<TextureEntry> entries_;
};

}  // namespace

bool SameTexture(const TextureEntry& entry, const StampTexture& texture) {
  if (TextureNameBytes(entry) != texture.name) return false;
  if (entry.frameCount != static_cast<int32_t>(texture.frames.size())) return false;
  for (size_t k = 0; k < texture.frames.size(); ++k) {
    if (ReadPascalString(entry.frames[k].fileName, FrameNameCapacity) != texture.frames[k]) return false;
  }
  return true;
}

TextureEntry StampTextureEntry(const StampTexture& texture, const std::string& programDirectory) {
  TextureEntry entry;
  WritePascalString(entry.name, TextureNameCapacity, texture.name);
  entry.animationType = texture.animationType;
  entry.frameCount = static_cast<int32_t>(std::min<size_t>(texture.frames.size(), MaxFrames));
  for (int k = 0; k < entry.frameCount; ++k) {
    TextureFrame& frame = entry.frames[static_cast<size_t>(k)];
    WritePascalString(frame.fileName, FrameNameCapacity, texture.frames[static_cast<size_t>(k)]);
    if (!LoadFrameThumbnail(programDirectory, texture.frames[static_cast<size_t>(k)], frame.thumbnail)) {
      frame.thumbnail = HiColorImage{};
    }
  }
  return entry;
}

namespace {

std::unique_ptr<MapCell[]> OwnedCells(const CellBlock& block) {
  auto cells = std::make_unique_for_overwrite<MapCell[]>(block.cells.size());
  std::copy(block.cells.begin(), block.cells.end(), cells.get());
  return cells;
}

}  // namespace

CellRange PlacedRange(GridPoint at, int32_t width, int32_t height) {
  if (!OnGrid(at) || width <= 0 || height <= 0) return {0, 0, -1, -1};
  return {at.x, at.y, std::min(at.x + std::min(width, GridSize) - 1, LastCell),
          std::min(at.y + std::min(height, GridSize) - 1, LastCell)};
}

void ShiftHeights(CellBlock& block, float offset) {
  for (MapCell& cell : block.cells) {
    cell.floorHeight += offset;
    cell.waterLevel += offset;
    for (float& corner : cell.ceilingHeight) corner += offset;
  }
}

CellBlock PlacedCells(const DocumentModel& model, const CellBlock& block, const Placement& placement) {
  CellBlock oriented = Oriented(block, placement.orientation);
  const CellRange range = PlacedRange(placement.at, oriented.width, oriented.height);
  if (range.x2 < range.x1) return {};
  if (placement.matchHeights) {
    ShiftHeights(oriented,
                 model.Map().Cell(placement.at.x, placement.at.y).floorHeight - oriented.At(0, 0).floorHeight);
  }
  CellBlock clipped{range.x2 - range.x1 + 1, range.y2 - range.y1 + 1, {}};
  clipped.cells.reserve(static_cast<size_t>(clipped.width * clipped.height));
  for (int i = 0; i < clipped.width; ++i) {
    for (int j = 0; j < clipped.height; ++j) clipped.cells.push_back(oriented.At(i, j));
  }
  return clipped;
}

PlacementResult PlaceBlock(DocumentModel& model, const CellBlock& block, const Placement& placement,
                           StepName stepName) {
  PlacementResult result;
  const CellBlock cells = PlacedCells(model, block, placement);
  if (cells.IsEmpty()) return result;
  result.range = PlacedRange(placement.at, cells.width, cells.height);
  model.Execute(std::make_unique<CellBlockCommand>(stepName, result.range, OwnedCells(cells)));
  result.ok = true;
  return result;
}

StampTextureTargets TargetStampTextures(const MapDocument& map, const Stamp& stamp, const std::vector<MapCell>& cells,
                                        const std::string& programDirectory) {
  StampTextureTargets result;
  std::vector<int>& target = result.target;
  target.assign(stamp.textures.size(), -1);
  std::vector<size_t> addedFrom;  // the stamp texture each new entry stands for
  for (const MapCell& cell : cells) {
    for (const uint16_t texture : cell.texture) {
      if (texture == NoTexture || texture >= target.size() || target[texture] >= 0) continue;
      const StampTexture& wanted = stamp.textures[texture];
      for (int t = 0; t < map.textureCount && target[texture] < 0; ++t) {
        if (SameTexture(map.textures[static_cast<size_t>(t)], wanted)) target[texture] = t;
      }
      for (size_t k = 0; k < result.added.size() && target[texture] < 0; ++k) {
        if (stamp.textures[addedFrom[k]] == wanted) target[texture] = map.textureCount + static_cast<int>(k);
      }
      if (target[texture] >= 0) continue;
      if (map.textureCount + static_cast<int>(result.added.size()) >= MaxTextures) {
        result.fits = false;
        return result;
      }
      target[texture] = map.textureCount + static_cast<int>(result.added.size());
      result.added.push_back(StampTextureEntry(wanted, programDirectory));
      addedFrom.push_back(texture);
    }
  }
  return result;
}

void RenumberTextures(MapCell& cell, const std::vector<int>& target) {
  for (uint16_t& texture : cell.texture) {
    // A reference the stamp's table does not hold was refused by the reader;
    // one built in memory goes to no texture rather than to whatever has its number.
    if (texture != NoTexture) texture = texture < target.size() ? static_cast<uint16_t>(target[texture]) : NoTexture;
  }
}

std::unique_ptr<EditCommand> WithAddedTextures(StepName stepName, std::vector<TextureEntry> added,
                                               std::unique_ptr<EditCommand> cells) {
  if (added.empty()) return cells;
  std::vector<std::unique_ptr<EditCommand>> parts;
  parts.push_back(std::make_unique<AppendTexturesCommand>(std::move(added)));
  parts.push_back(std::move(cells));
  return std::make_unique<CompositeCommand>(stepName, std::move(parts));
}

PlacementResult PlaceStamp(DocumentModel& model, const Stamp& stamp, const Placement& placement,
                           const std::string& programDirectory, StepName stepName) {
  PlacementResult result;
  CellBlock cells = PlacedCells(model, stamp.block, placement);
  if (cells.IsEmpty()) return result;
  // Only the textures the placed cells use, so a clipped stamp brings no more.
  StampTextureTargets textures = TargetStampTextures(model.Map(), stamp, cells.cells, programDirectory);
  if (!textures.fits) return {false, TooManyTexturesMessage, {0, 0, -1, -1}, 0};
  for (MapCell& cell : cells.cells) RenumberTextures(cell, textures.target);

  result.range = PlacedRange(placement.at, cells.width, cells.height);
  result.addedTextures = static_cast<int>(textures.added.size());
  model.Execute(WithAddedTextures(stepName, std::move(textures.added),
                                  std::make_unique<CellBlockCommand>(stepName, result.range, OwnedCells(cells))));
  result.ok = true;
  return result;
}

}  // namespace tessmoor
