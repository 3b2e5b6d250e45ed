#pragma once
// The in-memory map and the editor state kept beside it.
//
// Everything has a fixed capacity: the grid and the texture table are arrays
// inside the document, and only pixel buffers (and the cell clipboard) are
// allocated separately. Records whose byte image is a file format are trivially
// copyable and their layout is checked at compile time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "graphics/HiColorImage.h"

namespace tessmoor {

constexpr int GridSize = 64;
constexpr int GridCells = GridSize * GridSize;
constexpr int MaxTextures = 256;
constexpr int MaxFrames = 8;
constexpr int PaletteSlotCount = 4;
constexpr int SurfaceCount = 5;
constexpr int TextureNameCapacity = 255;  // bytes, behind one length byte
constexpr int FrameNameCapacity = 12;     // an 8.3 name
constexpr uint16_t NoTexture = 0xFFFF;

inline constexpr const char* UntitledName = "Unbenannt.tmm";
inline constexpr const char* TitlePrefix = "Tessmoor Editor - ";

enum class CellType : uint8_t {
  Nothing = 0,
  Wall = 1,
  Column = 2,
  WaterBasin = 3,
  WindowHorizontal = 4,
  WindowVertical = 5,
};
constexpr int CellTypeCount = 6;

enum class SurfaceKind : int32_t {
  Floor = 0,
  Ceiling = 1,
  Wall = 2,
  PedestalFloor = 3,
  PedestalCeiling = 4,
};

// The type is stored as read: a file may hold any 32-bit value here.
enum class AnimationType : int32_t { Repeat = 0, PingPong = 1 };

// Paint sets one cell per click, Brush every cell the pointer passes with the
// button held, Rectangle the dragged rectangle on release.
enum class ToolMode : int32_t { Select = 0, Paint = 1, Brush = 2, Rectangle = 3 };

// The modes that paint with the current palette slot.
inline bool PaintsFromSlot(ToolMode mode) { return mode != ToolMode::Select; }

// A cell's per-surface values, indexed by SurfaceKind or by the layer's number.
// Its bytes are exactly those of the plain array it stands for.
template <typename T>
struct PerSurface {
  T values[SurfaceCount];

  constexpr T& operator[](SurfaceKind kind) { return values[static_cast<int>(kind)]; }
  constexpr const T& operator[](SurfaceKind kind) const { return values[static_cast<int>(kind)]; }
  constexpr T& operator[](int layer) { return values[layer]; }
  constexpr const T& operator[](int layer) const { return values[layer]; }
  constexpr T* begin() { return values; }
  constexpr T* end() { return values + SurfaceCount; }
  constexpr const T* begin() const { return values; }
  constexpr const T* end() const { return values + SurfaceCount; }
};

// One grid cell; its 48-byte image is also the map file's cell record.
struct MapCell {
  uint8_t type;  // CellType, kept raw: a file may hold any value
  uint8_t opacity;
  uint16_t reserved;  // never written by the editor, but kept and saved as loaded
  float floorHeight;
  float ceilingHeight[4];  // corners (x,y), (x+1,y), (x+1,y+1), (x,y+1)
  float waterLevel;
  PerSurface<uint16_t> texture;  // NoTexture = none
  PerSurface<int16_t> textureOffset;
};
static_assert(sizeof(MapCell) == 48);
static_assert(std::is_trivially_copyable_v<MapCell>);
static_assert(std::is_standard_layout_v<MapCell>);
static_assert(offsetof(MapCell, opacity) == 1);
static_assert(offsetof(MapCell, reserved) == 2);
static_assert(offsetof(MapCell, floorHeight) == 4);
static_assert(offsetof(MapCell, ceilingHeight) == 8);
static_assert(offsetof(MapCell, waterLevel) == 24);
static_assert(offsetof(MapCell, texture) == 28);
static_assert(offsetof(MapCell, textureOffset) == 38);

struct TextureFrame {
  uint8_t fileName[1 + FrameNameCapacity] = {};  // length byte + bytes (Windows-1252)
  HiColorImage thumbnail;                        // fits 64 x 64; owned by the frame
};

struct TextureEntry {
  int32_t index = 0;                           // the entry's own position in the table
  uint8_t name[1 + TextureNameCapacity] = {};  // length byte + bytes (Windows-1252)
  AnimationType animationType = AnimationType::Repeat;
  int32_t frameCount = 0;
  std::array<TextureFrame, MaxFrames> frames;
};

// What a map's texture entry is without its pictures: the bytes of its name
// and frame names (Windows-1252) and its animation. Stamps and copied blocks
// name their textures so; another map finds them by it.
struct StampTexture {
  std::string name;
  AnimationType animationType = AnimationType::Repeat;
  std::vector<std::string> frames;
  bool operator==(const StampTexture&) const = default;
};

struct ViewRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // inclusive
};

struct Stamp;

struct PaletteSlot {
  ViewRect rect;
  MapCell cell;
  // Whether the user gave the slot a cell: an empty slot paints nothing.
  bool filled = false;
  // While the table lacks a texture the slot uses, the slot as a one-cell stamp
  // that names its textures; `cell` then has no texture there, and painting
  // brings the missing ones along as placing a stamp does.
  std::shared_ptr<const Stamp> missing;
};

struct StartPosition {
  int32_t x = 0;
  int32_t y = 0;
};

struct GridPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const GridPoint&) const = default;
};

// Two opposite corners, in either order: (x1, y1) is the anchor of the selecting
// click, (x2, y2) the end that a drag moves.
struct Selection {
  int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool operator==(const Selection&) const = default;
};

// The selection with its corners put in order.
struct CellRange {
  int32_t x1, y1, x2, y2;
};
// Whether `cell` lies in `range` (a range with x1 > x2 or y1 > y2 holds none).
constexpr bool Contains(const CellRange& range, GridPoint cell) {
  return cell.x >= range.x1 && cell.x <= range.x2 && cell.y >= range.y1 && cell.y <= range.y2;
}
CellRange Normalized(const Selection& selection);

// A number no map of this process had before.
uint64_t NewMapId();

struct MapDocument {
  // Stored in the map file.
  StartPosition startPosition;
  int32_t textureCount = 0;
  std::array<TextureEntry, MaxTextures> textures;
  std::array<MapCell, GridCells> cells;  // column-major: (x, y) is element x*64 + y

  // Kept in memory only.
  std::array<PaletteSlot, PaletteSlotCount> paletteSlots;
  int32_t currentSlot = 0;
  std::string fileName = UntitledName;
  bool modified = false;
  // Which map this is: a copied block remembers it, so a paste can tell its
  // own map from another. Never 0; the document model gives a new number to
  // every map it is given (new, open, recovery).
  uint64_t mapId = NewMapId();

  MapCell& Cell(int x, int y) { return cells[static_cast<size_t>(x * GridSize + y)]; }
  const MapCell& Cell(int x, int y) const { return cells[static_cast<size_t>(x * GridSize + y)]; }
  bool IsUntitled() const { return fileName == UntitledName; }
};

// A random number of this process that tells its blocks on the system clipboard from another process's.
uint64_t ProcessClipboardOwner();

// A block of copied cells; block cell (i, j) is at i*height + j. It is not part
// of any document, survives every reset and may serve several maps at once.
struct CellClipboard {
  std::unique_ptr<MapCell[]> cells;
  int32_t width = 0;
  int32_t height = 0;
  uint64_t generation = 0;  // a new number for every copied block, never reused
  // What the references meant: entry n is texture n of the table the block
  // was copied from, so another map can find or add it by name and frames.
  std::vector<StampTexture> textures;
  // The map the block came from (MapDocument::mapId); 0 for a block taken
  // from another process, which no map here is.
  uint64_t sourceMap = 0;
  uint64_t owner = ProcessClipboardOwner();
  // The last block taken from another process (its owner and generation): it
  // is taken once, so a later copy here is not covered by it again.
  uint64_t takenOwner = 0;
  uint64_t takenGeneration = 0;

  bool IsEmpty() const { return !cells || width <= 0 || height <= 0; }
};

// What the editor keeps beside the map: view, tools, symbols, clipboard.
struct EditorState {
  GridPoint viewOrigin;
  Selection selection;
  SurfaceKind currentLayer = SurfaceKind::Wall;
  ToolMode toolMode = ToolMode::Select;
  std::string programDirectory;  // the executable's directory, with a trailing '/'
  std::array<HiColorImage, CellTypeCount> cellSymbols;
  // Shared only so that a history step can follow it without keeping it alive.
  std::shared_ptr<CellClipboard> clipboard = std::make_shared<CellClipboard>();
  GridPoint hoverCell{-1, -1};
  int32_t lastVisibleColumn = 0;
  int32_t lastVisibleRow = 0;
};

// A palette slot number as painting and fill use it: forced into 0..3, since the
// record may hold any value.
int ClampedSlot(int slot);
// The palette slot painting and fill take their cell from.
const PaletteSlot& CurrentSlot(const MapDocument& document);

// The caption of the main window for the document's current file name.
std::string Caption(const MapDocument& document);

void SetCellDefaults(MapCell& cell);

// Makes the document an empty, untitled, unmodified map. With releaseTextures
// false the texture table (names, frames, thumbnails) is kept, but no cell refers
// to it any more. Tool mode, layer, clipboard, symbols and hover cell are untouched.
void ResetDocument(MapDocument& document, EditorState& editor, bool releaseTextures);

// The document half of ResetDocument, for code that has no editor state (the
// map reader after a failed load).
void ClearDocument(MapDocument& document, bool releaseTextures);

// Releases every thumbnail and zeroes the whole texture table.
void ReleaseTextures(MapDocument& document);

}  // namespace tessmoor
