// Copy in one map, paste in another: the block brings what its textures are,
// and its own map gets back exactly the records it gave.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "compiler/CompileMap.h"
#include "document/PascalString.h"
#include "document/Stamp.h"
#include "edit/CellBlocks.h"
#include "edit/CellCommands.h"
#include "edit/ClipboardTransfer.h"
#include "edit/TextureCommands.h"
#include "support/CoreMessageText.h"
#include "support/TempDir.h"
#include "texts/CompileLogLines.h"
#include "textures/TextureTable.h"

namespace tessmoor {

namespace {

// Names alone do not make a texture: "Stein" comes twice with other frames.
StampTexture PoolTexture(int n) {
  StampTexture texture{n % 7 == 3 ? "Stein" : "Textur " + std::to_string(n), AnimationType(n % 2), {}};
  for (int k = 0; k <= n % 3; ++k) texture.frames.push_back("F" + std::to_string(n) + "_" + std::to_string(k) + ".PCX");
  return texture;
}
constexpr int PoolSize = 24;

TextureEntry EntryOf(const StampTexture& texture) {
  TextureEntry entry;
  WritePascalString(entry.name, TextureNameCapacity, texture.name);
  entry.animationType = texture.animationType;
  entry.frameCount = static_cast<int32_t>(texture.frames.size());
  for (size_t k = 0; k < texture.frames.size(); ++k) {
    WritePascalString(entry.frames[k].fileName, FrameNameCapacity, texture.frames[k]);
  }
  return entry;
}

// A map with `count` textures of the pool in a random order and random cells in
// a 20 x 20 room (walls around it keep the compile small), every reference
// naming a texture of its table or none.
void MakeMap(DocumentModel& model, std::mt19937& random, int count) {
  std::vector<int> pool(PoolSize);
  for (int n = 0; n < PoolSize; ++n) pool[static_cast<size_t>(n)] = n;
  std::shuffle(pool.begin(), pool.end(), random);
  model.Replace([&](MapDocument& map) {
    ReleaseTextures(map);
    for (int t = 0; t < count; ++t) {
      map.textures[static_cast<size_t>(t)] = EntryOf(PoolTexture(pool[static_cast<size_t>(t)]));
      map.textures[static_cast<size_t>(t)].index = t;
    }
    map.textureCount = count;
    for (int x = 0; x < GridSize; ++x) {
      for (int y = 0; y < GridSize; ++y) {
        MapCell& cell = map.Cell(x, y);
        SetCellDefaults(cell);
        const bool inRoom = x >= 2 && x < 22 && y >= 2 && y < 22;
        cell.type = inRoom ? static_cast<uint8_t>(random() % CellTypeCount) : uint8_t(CellType::Wall);
        cell.opacity = static_cast<uint8_t>(random());
        cell.reserved = static_cast<uint16_t>(random());
        // Few distinct heights and offsets, so the compile's texture coordinates fit its table.
        cell.floorHeight = static_cast<float>(16 * (random() % 3));
        for (float& corner : cell.ceilingHeight) corner = static_cast<float>(128 + 32 * (random() % 3));
        cell.waterLevel = static_cast<float>(8 * (random() % 2));
        for (uint16_t& texture : cell.texture) {
          texture = random() % 4 == 0 ? NoTexture : static_cast<uint16_t>(random() % static_cast<unsigned>(count));
        }
        for (int16_t& offset : cell.textureOffset) offset = static_cast<int16_t>(32 * (random() % 3));
      }
    }
  });
}

struct MapBytes {
  std::vector<MapCell> cells;
  std::vector<StampTexture> textures;
  bool operator==(const MapBytes& other) const {
    return textures == other.textures &&
           std::memcmp(cells.data(), other.cells.data(), cells.size() * sizeof(MapCell)) == 0;
  }
};

MapBytes BytesOf(const MapDocument& map) {
  MapBytes bytes{{map.cells.begin(), map.cells.end()}, {}};
  for (int t = 0; t < map.textureCount; ++t) bytes.textures.push_back(DescribeTexture(map.textures[size_t(t)]));
  return bytes;
}

// Everything but the five texture numbers.
bool SameFieldsButTextures(MapCell a, MapCell b) {
  for (int s = 0; s < SurfaceCount; ++s) a.texture[s] = b.texture[s] = 0;
  return std::memcmp(&a, &b, sizeof(MapCell)) == 0;
}

// The polygons of cell (x, y) as positions and texture descriptions, moved
// by (dx, dy) cells: the model's x falls as the column grows, z grows with the row.
struct CellPolygons {
  std::vector<float> corners;
  std::vector<StampTexture> textures;
  bool operator==(const CellPolygons&) const = default;
};
CellPolygons PolygonsOf(const MeshBuilder& mesh, const MapDocument& map, int x, int y, int dx, int dy) {
  CellPolygons result;
  const CellSummary& summary = mesh.Summary(x, y);
  for (int p = summary.firstPolygon; p < summary.firstPolygon + summary.polygonCount; ++p) {
    const MeshPolygon& polygon = mesh.Polygons()[size_t(p)];
    result.textures.push_back(polygon.texture < map.textureCount ? DescribeTexture(map.textures[polygon.texture])
                                                                 : StampTexture{});
    for (int k = 0; k < polygon.vertexCount; ++k) {
      const MeshVertex& vertex = mesh.Vertices()[mesh.VertexIndices()[size_t(polygon.firstIndex + k)]];
      result.corners.insert(result.corners.end(), {vertex.x - 128.0f * dx, vertex.y, vertex.z + 128.0f * dy});
    }
  }
  return result;
}

// Compiles both maps and compares the block's cells whose neighbours all came
// with it (an edge cell's walls depend on what lies beside it).
void ExpectSameGeometry(const MapDocument& source, const MapDocument& target, CellRange pasted, GridPoint from,
                        const std::string& folder) {
  MapCompiler sourceCompiler, targetCompiler;
  CompileLogLines log;
  ASSERT_TRUE(sourceCompiler.Compile(source, folder + "source.tcm", log)) << log.lines.back();
  ASSERT_TRUE(targetCompiler.Compile(target, folder + "target.tcm", log)) << log.lines.back();
  const int dx = pasted.x1 - from.x, dy = pasted.y1 - from.y;
  for (int x = pasted.x1 + 1; x < pasted.x2; ++x) {
    for (int y = pasted.y1 + 1; y < pasted.y2; ++y) {
      const CellPolygons pastedCell = PolygonsOf(targetCompiler.Builder(), target, x, y, 0, 0);
      const CellPolygons copiedCell = PolygonsOf(sourceCompiler.Builder(), source, x - dx, y - dy, dx, dy);
      EXPECT_TRUE(pastedCell.textures == copiedCell.textures) << "cell " << x << "," << y;
      ASSERT_EQ(pastedCell.corners.size(), copiedCell.corners.size()) << "cell " << x << "," << y;
      // A column's round profile is worked out around the cell's centre, which rounds differently elsewhere.
      for (size_t k = 0; k < pastedCell.corners.size(); ++k) {
        EXPECT_NEAR(pastedCell.corners[k], copiedCell.corners[k], 0.01f) << "cell " << x << "," << y;
      }
    }
  }
}

TEST(CrossMapPaste, TheBlockKeepsItsTexturesInAnotherMapAndItsBytesInItsOwn) {
  TempDir folder;  // no GFX/: added textures come without pictures
  for (unsigned seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    DocumentModel source, target;
    MakeMap(source, random, 6 + int(random() % 12));
    MakeMap(target, random, 4 + int(random() % 12));
    EditorState sourceEditor, targetEditor;
    targetEditor.clipboard = sourceEditor.clipboard;  // one clipboard for every map, as tabs share it
    targetEditor.programDirectory = folder.Dir();

    const int x = 2 + int(random() % 18), y = 2 + int(random() % 18);
    sourceEditor.selection = {x, y, x + int(random() % 8), y + int(random() % 8)};
    const CellRange copied = SelectedCells(sourceEditor.selection);
    CopySelection(source.Map(), sourceEditor);

    const MapBytes before = BytesOf(target.Map());
    const size_t steps = target.History().StepCount();
    const GridPoint at{int(random() % GridSize), int(random() % GridSize)};
    targetEditor.selection = {at.x, at.y, at.x, at.y};
    const PlacementResult result = PasteClipboard(target, targetEditor);
    ASSERT_TRUE(result.ok);
    const CellRange pasted = result.range;
    EXPECT_EQ(pasted.x2, std::min(at.x + copied.x2 - copied.x1, GridSize - 1));
    EXPECT_EQ(pasted.y2, std::min(at.y + copied.y2 - copied.y1, GridSize - 1));

    const MapDocument& map = target.Map();
    for (int t = 0; t < int(before.textures.size()); ++t)
      ASSERT_EQ(DescribeTexture(map.textures[size_t(t)]), before.textures[size_t(t)]);
    std::vector<StampTexture> wanted;  // the block's textures the target lacked
    for (int cx = 0; cx < GridSize; ++cx) {
      for (int cy = 0; cy < GridSize; ++cy) {
        const MapCell& cell = map.Cell(cx, cy);
        for (const uint16_t texture : cell.texture) ASSERT_TRUE(texture == NoTexture || texture < map.textureCount);
        if (!Contains(pasted, {cx, cy})) {
          ASSERT_EQ(std::memcmp(&cell, &before.cells[size_t(cx * GridSize + cy)], sizeof(MapCell)), 0);
          continue;
        }
        const MapCell& original = source.Map().Cell(copied.x1 + cx - pasted.x1, copied.y1 + cy - pasted.y1);
        ASSERT_TRUE(SameFieldsButTextures(cell, original)) << cx << "," << cy;
        for (int s = 0; s < SurfaceCount; ++s) {
          if (original.texture[s] == NoTexture) {
            ASSERT_EQ(cell.texture[s], NoTexture);
            continue;
          }
          const StampTexture meant = DescribeTexture(source.Map().textures[original.texture[s]]);
          ASSERT_EQ(DescribeTexture(map.textures[cell.texture[s]]), meant);
          if (std::find(before.textures.begin(), before.textures.end(), meant) == before.textures.end() &&
              std::find(wanted.begin(), wanted.end(), meant) == wanted.end()) {
            wanted.push_back(meant);
          }
        }
      }
    }
    EXPECT_EQ(map.textureCount, int(before.textures.size() + wanted.size())) << "only what was missing is added";
    EXPECT_EQ(result.addedTextures, int(wanted.size()));
    EXPECT_EQ(target.History().StepCount(), steps + 1);
    EXPECT_EQ(target.History().UndoName(), PasteStepName);
    if (seed % 4 == 0) ExpectSameGeometry(source.Map(), map, pasted, {copied.x1, copied.y1}, folder.Dir());

    // What another process takes from the system clipboard pastes the same.
    std::mt19937 again(seed);
    DocumentModel twin, other;
    MakeMap(twin, again, 6 + int(again() % 12));
    MakeMap(other, again, 4 + int(again() % 12));
    EditorState otherEditor;
    otherEditor.programDirectory = folder.Dir();
    otherEditor.selection = targetEditor.selection = {at.x, at.y, at.x, at.y};
    const std::vector<uint8_t> published = PublishedBlock(*sourceEditor.clipboard);
    ASSERT_TRUE(TakePublishedBlock(*otherEditor.clipboard, published.data(), published.size()));
    ASSERT_TRUE(PasteClipboard(other, otherEditor).ok);
    EXPECT_TRUE(BytesOf(other.Map()) == BytesOf(map));

    ASSERT_TRUE(target.Undo());
    EXPECT_TRUE(BytesOf(target.Map()) == before) << "one undo restores the target";

    // Into its own map the paste writes the records as copied, references and all.
    const MapBytes sourceBefore = BytesOf(source.Map());
    sourceEditor.selection = {at.x, at.y, at.x, at.y};
    ASSERT_TRUE(PasteClipboard(source, sourceEditor).ok);
    MapBytes expected = sourceBefore;
    for (int cx = at.x; cx <= std::min(at.x + copied.x2 - copied.x1, GridSize - 1); ++cx) {
      for (int cy = at.y; cy <= std::min(at.y + copied.y2 - copied.y1, GridSize - 1); ++cy) {
        expected.cells[size_t(cx * GridSize + cy)] =
            sourceBefore.cells[size_t((copied.x1 + cx - at.x) * GridSize + copied.y1 + cy - at.y)];
      }
    }
    EXPECT_TRUE(BytesOf(source.Map()) == expected);
  }
}

// The rules around the property: what a map cannot tell, what a full table
// refuses, and which map a texture delete renumbers the clipboard for.
TEST(CrossMapPaste, EdgesOfTheTransfer) {
  TempDir folder;
  std::mt19937 random(5);
  DocumentModel source, target;
  MakeMap(source, random, 3);
  MakeMap(target, random, 2);
  EditorState sourceEditor, targetEditor;
  targetEditor.clipboard = sourceEditor.clipboard;
  targetEditor.programDirectory = folder.Dir();
  CellClipboard& clipboard = *sourceEditor.clipboard;

  // A reference past the source table pastes as it was into its own map, as none elsewhere.
  source.Replace([](MapDocument& map) { map.Cell(5, 5).texture[SurfaceKind::Floor] = 200; });
  sourceEditor.selection = {5, 5, 5, 5};
  CopySelection(source.Map(), sourceEditor);
  sourceEditor.selection = targetEditor.selection = {9, 9, 9, 9};
  ASSERT_TRUE(PasteClipboard(source, sourceEditor).ok);
  EXPECT_EQ(source.Map().Cell(9, 9).texture[SurfaceKind::Floor], 200);
  ASSERT_TRUE(PasteClipboard(target, targetEditor).ok);
  EXPECT_EQ(target.Map().Cell(9, 9).texture[SurfaceKind::Floor], NoTexture);

  // Deleting a texture of another map leaves the block's references alone;
  // deleting one of its own map renumbers them and what they describe.
  sourceEditor.selection = {3, 3, 3, 3};
  source.Replace([](MapDocument& map) {
    for (uint16_t& texture : map.Cell(3, 3).texture) texture = 2;
    for (MapCell& cell : map.cells)
      for (uint16_t& texture : cell.texture)
        if (texture == 1) texture = NoTexture;
  });
  CopySelection(source.Map(), sourceEditor);
  target.Replace([](MapDocument& map) {
    for (MapCell& cell : map.cells)
      for (uint16_t& texture : cell.texture) texture = NoTexture;
  });
  ASSERT_TRUE(DeleteTexture(target, 1, sourceEditor.clipboard).ok);
  EXPECT_EQ(clipboard.cells[0].texture[SurfaceKind::Floor], 2);
  const StampTexture third = DescribeTexture(source.Map().textures[2]);
  ASSERT_TRUE(DeleteTexture(source, 1, sourceEditor.clipboard).ok);
  EXPECT_EQ(clipboard.cells[0].texture[SurfaceKind::Floor], 1);
  EXPECT_EQ(clipboard.textures.size(), 2u);
  targetEditor.selection = {0, 0, 0, 0};
  ASSERT_TRUE(PasteClipboard(target, targetEditor).ok);
  EXPECT_EQ(DescribeTexture(target.Map().textures[target.Map().Cell(0, 0).texture[SurfaceKind::Floor]]), third);
  ASSERT_TRUE(source.Undo());
  EXPECT_EQ(clipboard.cells[0].texture[SurfaceKind::Floor], 2);
  EXPECT_EQ(clipboard.textures.size(), 3u);

  // A full table takes no texture: the paste is refused and changes nothing.
  target.Replace([](MapDocument& map) {
    for (int t = 0; t < MaxTextures; ++t) {
      map.textures[size_t(t)] = EntryOf({"Voll " + std::to_string(t), AnimationType::Repeat, {"V.PCX"}});
    }
    map.textureCount = MaxTextures;
  });
  const MapBytes full = BytesOf(target.Map());
  const PlacementResult refused = PasteClipboard(target, targetEditor);
  EXPECT_FALSE(refused.ok);
  EXPECT_EQ(refused.message, TooManyTexturesMessage);
  EXPECT_TRUE(BytesOf(target.Map()) == full);
  EXPECT_FALSE(target.History().CanUndo());
}

// Whatever lies on the system clipboard, a clipboard takes only a whole block
// another clipboard published, and each such block once.
TEST(CrossMapPaste, AClipboardTakesOnlyAnotherClipboardsWholeBlockAndThatOnce) {
  std::mt19937 random(8);
  DocumentModel source;
  MakeMap(source, random, 5);
  EditorState editor;
  editor.selection = {4, 4, 6, 7};
  CopySelection(source.Map(), editor);
  const std::vector<uint8_t> bytes = PublishedBlock(*editor.clipboard);
  EXPECT_FALSE(TakePublishedBlock(*editor.clipboard, bytes.data(), bytes.size())) << "its own block";

  CellClipboard other;
  for (size_t cut : {size_t(0), size_t(3), size_t(21), bytes.size() / 2, bytes.size() - 1}) {
    EXPECT_FALSE(TakePublishedBlock(other, bytes.data(), cut)) << cut;
    EXPECT_TRUE(other.IsEmpty());
  }
  std::vector<uint8_t> newer = bytes;
  newer[4] = 2;  // a version this editor does not know
  EXPECT_FALSE(TakePublishedBlock(other, newer.data(), newer.size()));
  ASSERT_TRUE(TakePublishedBlock(other, bytes.data(), bytes.size()));
  EXPECT_EQ(other.width, 3);
  EXPECT_EQ(other.height, 4);
  EXPECT_EQ(other.sourceMap, 0u);
  EXPECT_FALSE(TakePublishedBlock(other, bytes.data(), bytes.size())) << "taken once";
}

}  // namespace

}  // namespace tessmoor
