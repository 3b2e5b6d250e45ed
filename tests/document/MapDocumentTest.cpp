#include <gtest/gtest.h>

#include <cstring>

#include "document/MapDocument.h"
#include "document/PascalString.h"

namespace tessmoor {

namespace {

const uint8_t DefaultCellBytes[48] = {0x00, 0x80, 0x00, 0x00,                          // type, opacity, reserved
                                      0x00, 0x00, 0x00, 0x00,                          // floor 0.0
                                      0x00, 0x00, 0x00, 0x43, 0x00, 0x00, 0x00, 0x43,  // ceiling corners 128.0
                                      0x00, 0x00, 0x00, 0x43, 0x00, 0x00, 0x00, 0x43,  //
                                      0x00, 0x00, 0x00, 0x00,                          // water 0.0
                                      0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,  // five NoTexture
                                      0,    0,    0,    0,    0,    0,    0,    0,    0,    0};    // five offsets

void AddTextureWithThumbnail(MapDocument& document, const char* name) {
  TextureEntry& entry = document.textures[static_cast<size_t>(document.textureCount)];
  entry.index = document.textureCount++;
  WritePascalString(entry.name, TextureNameCapacity, name);
  entry.frameCount = 1;
  AllocImage(64, 64, entry.frames[0].thumbnail);
}

}  // namespace

TEST(MapDocument, DefaultCellHasTheFileFormatsByteImage) {
  MapCell cell;
  std::memset(&cell, 0xAB, sizeof cell);
  SetCellDefaults(cell);
  EXPECT_EQ(0, std::memcmp(&cell, DefaultCellBytes, sizeof cell));
}

TEST(MapDocument, GridIsColumnMajor) {
  auto document = std::make_unique<MapDocument>();
  EXPECT_EQ(&document->Cell(1, 0), &document->cells[64]);
  EXPECT_EQ(&document->Cell(0, 1), &document->cells[1]);
}

TEST(MapDocument, ResetKeepingTexturesClearsOnlyTheReferences) {
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  for (const char* name : {"Ziegel", "Stein", "Holz"}) AddTextureWithThumbnail(*document, name);
  document->Cell(3, 4).texture[SurfaceKind::Floor] = 2;

  ResetDocument(*document, editor, false);

  EXPECT_EQ(3, document->textureCount);
  EXPECT_EQ("Holz", ReadPascalString(document->textures[2].name, TextureNameCapacity));
  EXPECT_FALSE(document->textures[2].frames[0].thumbnail.IsEmpty());
  for (const MapCell& cell : document->cells) {
    for (uint16_t texture : cell.texture) ASSERT_EQ(NoTexture, texture);
  }
}

TEST(MapDocument, FullResetZeroesTheTableAndReleasesThumbnails) {
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  for (const char* name : {"Ziegel", "Stein", "Holz"}) AddTextureWithThumbnail(*document, name);

  ResetDocument(*document, editor, true);

  EXPECT_EQ(0, document->textureCount);
  for (const TextureEntry& entry : document->textures) {
    EXPECT_EQ(0, entry.index);
    EXPECT_EQ(0, entry.name[0]);
    EXPECT_EQ(0, entry.frameCount);
    for (const TextureFrame& frame : entry.frames) EXPECT_TRUE(frame.thumbnail.IsEmpty());
  }
}

TEST(MapDocument, ResetLeavesToolsAndClipboardAndEmptiesTheView) {
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  editor.toolMode = ToolMode::Paint;
  editor.currentLayer = SurfaceKind::Ceiling;
  editor.hoverCell = {7, 9};
  editor.clipboard->cells = std::make_unique<MapCell[]>(2);
  editor.clipboard->width = 2;
  editor.clipboard->height = 1;
  editor.viewOrigin = {10, 20};
  editor.selection = {1, 2, 3, 4};
  document->currentSlot = 3;
  document->startPosition = {5, 6};
  document->fileName = "/maps/level.tmm";
  document->modified = true;

  ResetDocument(*document, editor, true);

  EXPECT_EQ(ToolMode::Paint, editor.toolMode);
  EXPECT_EQ(SurfaceKind::Ceiling, editor.currentLayer);
  EXPECT_EQ((GridPoint{7, 9}), editor.hoverCell);
  EXPECT_FALSE(editor.clipboard->IsEmpty());
  EXPECT_EQ((GridPoint{0, 0}), editor.viewOrigin);
  const CellRange selected = Normalized(editor.selection);
  EXPECT_EQ(0, selected.x1 | selected.y1 | selected.x2 | selected.y2);
  EXPECT_EQ(0, document->currentSlot);
  EXPECT_EQ(0, document->startPosition.x | document->startPosition.y);
  EXPECT_TRUE(document->IsUntitled());
  EXPECT_EQ("Tessmoor Editor - Unbenannt.tmm", Caption(*document));
  EXPECT_FALSE(document->modified);
  for (int i = 0; i < PaletteSlotCount; ++i) {
    const ViewRect& rect = document->paletteSlots[static_cast<size_t>(i)].rect;
    EXPECT_EQ(3, rect.left);
    EXPECT_EQ(2 + 72 * i, rect.top);
    EXPECT_EQ(66, rect.right);
    EXPECT_EQ(65 + 72 * i, rect.bottom);
  }
}

TEST(MapDocument, OnlyTheWholeUntitledNameIsUntitled) {
  auto document = std::make_unique<MapDocument>();
  document->fileName = "/maps/Unbenannt.tmm";
  EXPECT_FALSE(document->IsUntitled());
  document->fileName = UntitledName;
  EXPECT_TRUE(document->IsUntitled());
}

TEST(PascalString, LengthIsCutToTheCapacity) {
  uint8_t field[13] = {};
  WritePascalString(field, 12, "LONGFILENAME.PCX");
  EXPECT_EQ(12, field[0]);
  EXPECT_EQ("LONGFILENAME", ReadPascalString(field, 12));
  field[0] = 200;  // a damaged length byte never reads past the field
  EXPECT_EQ(12u, ReadPascalString(field, 12).size());
}

}  // namespace tessmoor
