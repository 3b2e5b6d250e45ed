#pragma once
// Which parts of the map view's picture an edit changes. The view is composed in
// full every time, but handing the whole picture to the window system costs far
// more than composing it; the present can be limited to the parts named here.

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "document/MapDocument.h"
#include "view/MapView.h"

namespace tessmoor {

// The parts of the view, in view pixels, whose pixels may differ from the last
// picture: everything (`whole`), or the rectangles in `parts` (none: no change).
struct ViewDamage {
  bool whole = true;
  std::vector<ViewRect> parts;
};

// Remembers what the last picture was composed from and compares the next one's
// state with it. Every picture composed must pass through Next.
class ViewDamageTracker {
 public:
  ViewDamageTracker();
  ~ViewDamageTracker();

  // What RedrawView will change when it composes from this state on a surface
  // of `surfaceWidth` x `surfaceHeight`. Cells, the selection frame, the palette
  // and the camera mark count by their parts; a scroll, a zoom, another layer, a
  // new size, a changed texture table, an overlay switched or a preview count
  // as everything.
  ViewDamage Next(const MapDocument& document, const EditorState& editor, const ViewGeometry& view,
                  const ScaledPictureCache* scaledPictures, const CameraMarkerState& cameraMarker,
                  const PlanOverlays& overlays, int32_t surfaceWidth, int32_t surfaceHeight);

  // The next picture counts as new everywhere: after the pictures behind the
  // view changed in a way the state does not show (zoomed pictures rebuilt).
  void Invalidate() { known = false; }

 private:
  struct PictureKey {
    const void* pixels = nullptr;
    int32_t width = 0, height = 0;
    bool operator==(const PictureKey&) const = default;
  };
  // Everything that changes the picture as a whole. Whatever RedrawView reads
  // belongs either here or among the parts compared below: an input left out
  // is a picture that stays on screen after it changed. Compared member by
  // member, so a field added here counts without more code.
  struct Frame {
    ViewGeometry view;  // the zoom too
    int32_t surfaceWidth = 0, surfaceHeight = 0;
    GridPoint viewOrigin;
    SurfaceKind currentLayer = SurfaceKind::Floor;
    const void* scaledPictures = nullptr;
    uint64_t scaledRevision = 0;
    int32_t textureCount = 0;
    std::array<PictureKey, MaxTextures> thumbnails{};  // frame 0 of each texture, or none
    std::array<PictureKey, CellTypeCount> symbols{};
    bool heights = false, startPosition = false, previewing = false;
    uint64_t previewRevision = 0;
    HeightSpan heightSpan;  // the colour ramp's ends, which any cell can move
    bool operator==(const Frame&) const = default;
  };

  static void Capture(const MapDocument& document, const EditorState& editor, const ViewGeometry& view,
                      const ScaledPictureCache* scaledPictures, const PlanOverlays& overlays, int32_t surfaceWidth,
                      int32_t surfaceHeight, Frame& frame);
  void AddCells(const MapDocument& document, const EditorState& editor, std::vector<ViewRect>& parts) const;

  bool known = false;
  Frame frame;
  std::unique_ptr<std::array<MapCell, GridCells>> cells = std::make_unique<std::array<MapCell, GridCells>>();
  Selection selection;
  ToolMode toolMode = ToolMode::Paint;
  int32_t currentSlot = 0;
  std::array<PaletteSlot, PaletteSlotCount> paletteSlots{};
  CameraMarkerState cameraMarker;
  StartPosition startPosition;
};

}  // namespace tessmoor
