#pragma once
// The compiled mesh regrouped for the exchange formats: one triangle list per
// material (texture and opacity), in exchange axes and metres, with a flat
// normal per face and texture coordinates in pictures (U/128, V/128).

#include <cstdint>
#include <optional>
#include <vector>

#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"
#include "export/ExportAxes.h"

namespace tessmoor {

// One picture spans 128 world units and repeats beyond.
constexpr float UnitsPerPicture = 128.0f;

struct MaterialKey {
  uint16_t texture = 0;
  uint8_t opacity = 255;
  bool operator==(const MaterialKey&) const = default;
  auto operator<=>(const MaterialKey&) const = default;
  bool IsBlended() const { return opacity != 255; }
};

// Corners are not shared between faces, since each face has its own normal.
struct ExportPrimitive {
  MaterialKey material;
  std::vector<float> positions;   // x, y, z per corner
  std::vector<float> normals;     // x, y, z per corner
  std::vector<float> texCoords;   // u, v per corner, top-left origin
  std::vector<uint32_t> indices;  // three per triangle, counter-clockwise from the front

  size_t CornerCount() const { return positions.size() / 3; }
};

struct ExportScene {
  std::vector<ExportPrimitive> primitives;  // ordered by material
  std::optional<ExportPoint> start;         // the eye at the start position
};

// The scene of the builder's last compile. A face with n corners becomes n - 2
// triangles fanned from its first corner, the way the engine splits it; a face
// with a corner that is not a finite number is left out, since no viewer can
// place it.
ExportScene BuildExportScene(const MapDocument& document, const MeshBuilder& builder);

// The unit normal of a face given in exchange axes and front-face order; straight
// up for a face without area, which has no direction of its own.
ExportPoint FaceNormal(const std::vector<ExportPoint>& corners);

}  // namespace tessmoor
