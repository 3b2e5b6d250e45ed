#pragma once
// Shared pieces of the view tests: a document with its editor state on the heap,
// a host that records what the tools ask of the windows, and pixel access.

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "graphics/RenderSurface.h"
#include "view/EditingTools.h"

namespace viewtest {

// The main window at its design size.
inline ViewGeometry DesignView() { return {528, 294, 16, 16}; }

struct Editing {
  std::unique_ptr<MapDocument> document = std::make_unique<MapDocument>();
  EditorState editor;

  Editing() { ResetDocument(*document, editor, true); }
  MapDocument& Doc() { return *document; }
  MapCell& Cell(int x, int y) { return document->Cell(x, y); }
};

struct RecordingHost : ToolHost {
  int redraws = 0;
  int propertiesShown = 0;
  std::vector<bool> selectButtonStates;
  MapCell* boundCell = nullptr;
  CellNotification boundNotification = CellNotification::SlotEdited;
  int labelUpdates = 0;
  std::string label;

  void RedrawView() override { ++redraws; }
  void SetSelectButtonDown(bool down) override { selectButtonStates.push_back(down); }
  void BindCell(MapCell& cell, CellNotification notification) override {
    boundCell = &cell;
    boundNotification = notification;
  }
  void ShowPropertiesWindow() override { ++propertiesShown; }
  void SetPositionLabel(const std::string& text) override {
    ++labelUpdates;
    label = text;
  }
};

inline bool SameBytes(const MapCell& a, const MapCell& b) { return std::memcmp(&a, &b, sizeof(MapCell)) == 0; }

// A cell whose every field differs from the defaults, reserved bytes included.
inline MapCell MarkedCell(int mark) {
  MapCell cell;
  SetCellDefaults(cell);
  cell.type = static_cast<uint8_t>(CellType::Column);
  cell.opacity = static_cast<uint8_t>(mark);
  cell.reserved = static_cast<uint16_t>(0xA500 + mark);
  cell.floorHeight = static_cast<float>(mark);
  cell.waterLevel = -1.5f;
  cell.texture[Floor] = static_cast<uint16_t>(mark);
  cell.textureOffset[PedestalCeiling] = static_cast<int16_t>(-mark);
  return cell;
}

inline RGB555 Pixel(int x, int y) {
  const RenderSurface& surface = Surface();
  return surface.pixels[static_cast<size_t>(y) * static_cast<size_t>(surface.width) + static_cast<size_t>(x)];
}

// A fresh surface of the given size, as the window's resize makes it.
inline void MakeSurface(int width, int height) {
  DestroySurface();
  CreateSurface(static_cast<uint16_t>(width), static_cast<uint16_t>(height), nullptr);
}

// An image of one colour with a black (transparent) pixel at (1, 1).
inline HiColorImage SolidImage(int width, int height, RGB555 colour) {
  HiColorImage image;
  image.width = width;
  image.height = height;
  image.pixels = std::make_unique<RGB555[]>(static_cast<size_t>(width * height));
  for (int i = 0; i < width * height; ++i) image.pixels[static_cast<size_t>(i)] = colour;
  if (width > 1 && height > 1) image.pixels[static_cast<size_t>(width + 1)] = 0;
  return image;
}

}  // namespace viewtest
