#pragma once
// Shared pieces of the view tests: a document model with its editor state, a
// log of what the tools ask of the windows, and pixel access.

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/MapDocument.h"
#include "edit/DocumentModel.h"
#include "graphics/RenderSurface.h"
#include "texts/CoreTexts.h"
#include "view/EditingTools.h"

namespace tessmoor {

namespace viewtest {

// The main window at its design size.
inline ViewGeometry DesignView() { return {528, 294, 16, 16}; }

// A plain record for the drawing tests, written directly.
struct Editing {
  std::unique_ptr<MapDocument> document = std::make_unique<MapDocument>();
  EditorState editor;

  Editing() { ResetDocument(*document, editor, true); }
  MapDocument& Doc() { return *document; }
  MapCell& Cell(int x, int y) { return document->Cell(x, y); }
};

// The document model the tools edit through.
struct ModelEditing {
  DocumentModel model;
  EditorState editor;

  const MapDocument& Doc() const { return model.Map(); }
  const MapCell& Cell(int x, int y) const { return model.Map().Cell(x, y); }
  // Test set-up written straight into the record; the history starts afresh.
  void Arrange(const std::function<void(MapDocument&)>& change) {
    model.Replace([&](MapDocument& document) {
      const std::string name = document.fileName;
      change(document);
      document.fileName = name;
    });
  }
  void SetCellTo(int x, int y, const MapCell& cell) {
    Arrange([&](MapDocument& document) { document.Cell(x, y) = cell; });
  }
};

inline std::vector<RGB555> SurfacePicture() {
  const RenderSurface& surface = Surface();
  return {surface.pixels, surface.pixels + static_cast<size_t>(surface.width) * static_cast<size_t>(surface.height)};
}

// The main window as the tools see it, reduced to its state: the picture on the
// screen, the properties window's binding and visibility, the Select button and
// the position label. It acts on the tools' responses and on the document's
// changes as the window does; a test then asks whether what it shows is current.
// Needs a render surface of the view's size.
struct WindowState : DocumentObserver {
  WindowState(DocumentModel& model, EditorState& editor, ViewGeometry view) : model(model), editor(editor), view(view) {
    model.AddObserver(this);
    Redraw();
  }
  ~WindowState() override { model.RemoveObserver(this); }

  // Sets what the tools changed, as the window does through its editing
  // interface, and redraws where the window's notices would.
  void Record(const ToolResponse& response) {
    if (response.hoverCell) editor.hoverCell = *response.hoverCell;
    if (response.viewOrigin) editor.viewOrigin = *response.viewOrigin;
    const SessionChange& change = response.session;
    if (change.slot) model.SetCurrentSlot(*change.slot);
    bool redraw = response.redraw;
    if (change.toolMode) {
      redraw = redraw || editor.toolMode != *change.toolMode;
      editor.toolMode = *change.toolMode;
      selectButtonDown = editor.toolMode == ToolMode::Select;
    }
    if (change.selection) {
      const Selection& s = *change.selection;
      const Selection& now = editor.selection;
      redraw = redraw || s.x1 != now.x1 || s.y1 != now.y1 || s.x2 != now.x2 || s.y2 != now.y2;
      editor.selection = s;
    }
    if (response.bind) bound = *response.bind;
    if (response.showProperties) propertiesVisible = true;
    if (response.positionLabel) label = PositionLabelText(*response.positionLabel);
    if (redraw) Redraw();
  }
  void SetTool(ToolMode mode) {
    ToolResponse response;
    response.session.toolMode = mode;
    Record(response);
  }
  void DocumentChanged(const DocumentChange& change) override {
    if (change.Has(DocumentChangeFlag::CellsChanged | DocumentChangeFlag::TexturesChanged |
                   DocumentChangeFlag::StartPositionChanged | DocumentChangeFlag::PaletteChanged))
      Redraw();
  }
  void Redraw() {
    RedrawView(model.Map(), editor, view);
    picture = SurfacePicture();
  }
  // The picture on the screen is the one a redraw would draw now.
  bool ShowsCurrentPicture() {
    RedrawView(model.Map(), editor, view);
    return SurfacePicture() == picture;
  }

  DocumentModel& model;
  EditorState& editor;
  ViewGeometry view;
  std::vector<RGB555> picture;
  CellBinding bound;
  bool propertiesVisible = false;
  bool selectButtonDown = true;
  std::string label;
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
  cell.texture[SurfaceKind::Floor] = static_cast<uint16_t>(mark);
  cell.textureOffset[SurfaceKind::PedestalCeiling] = static_cast<int16_t>(-mark);
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

}  // namespace tessmoor
