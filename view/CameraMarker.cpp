#include "view/CameraMarker.h"

#include <algorithm>
#include <cmath>

#include "graphics/RenderSurface.h"
#include "view/ViewColours.h"
#include "view/Zoom.h"

namespace tessmoor {

namespace {

constexpr RGB555 MarkerYellow = 0x7FE0;
constexpr int32_t DotRadius = 4;
constexpr float StrokeLength = 26.0f;

}  // namespace

void DrawCameraMarker(const EditorState& editor, int32_t zoomLevel, const CameraMarkerState& marker) {
  const GridPoint cell = marker.cell;
  if (cell.x < editor.viewOrigin.x || cell.x > editor.lastVisibleColumn) return;
  if (cell.y < editor.viewOrigin.y || cell.y > editor.lastVisibleRow) return;
  const int32_t pitch = CellPitchAt(zoomLevel);
  const int32_t picture = CellPictureSizeAt(zoomLevel);
  const int32_t cx = pitch * (cell.x - editor.viewOrigin.x) + 1 + picture / 2;
  const int32_t cy = pitch * (cell.y - editor.viewOrigin.y) + 1 + picture / 2;
  // The stroke grows and shrinks with the cell, but stays long enough to read.
  const float strokeLength = std::max(8.0f, StrokeLength * static_cast<float>(picture) / CellPictureSize);
  // The model's X falls as columns grow, so looking towards +X points left on the map.
  const float yaw = marker.yaw;
  const int32_t tipX = cx + static_cast<int32_t>(std::lround(-std::sin(yaw) * strokeLength));
  const int32_t tipY = cy + static_cast<int32_t>(std::lround(std::cos(yaw) * strokeLength));
  for (int32_t d = -1; d <= 1; ++d) {
    DrawLine(cx + d, cy, tipX + d, tipY, MarkerYellow);
    DrawLine(cx, cy + d, tipX, tipY + d, MarkerYellow);
  }
  FillRect(cx - DotRadius, cy - DotRadius, cx + DotRadius, cy + DotRadius, MarkerYellow);
  DrawRect(cx - DotRadius - 1, cy - DotRadius - 1, cx + DotRadius + 1, cy + DotRadius + 1, ColourBlack);
}

}  // namespace tessmoor
