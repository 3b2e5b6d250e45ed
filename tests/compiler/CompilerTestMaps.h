#pragma once
// Maps built in code for the compiler tests.

#include <memory>

#include "compiler/CellGeometry.h"
#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"

namespace tessmoor {

namespace compiler_test {

constexpr uint16_t FloorTexture = 0;
constexpr uint16_t CeilingTexture = 1;
constexpr uint16_t WallTexture = 2;
constexpr uint16_t StepTexture = 3;

// An empty, untitled map with default cells and no textures.
inline std::unique_ptr<MapDocument> EmptyMap() {
  auto document = std::make_unique<MapDocument>();
  EditorState editor;
  ResetDocument(*document, editor, true);
  return document;
}

// Every cell open, with a floor and a ceiling texture and default heights.
inline std::unique_ptr<MapDocument> FlatOpenMap() {
  auto document = EmptyMap();
  document->textureCount = 4;
  for (MapCell& cell : document->cells) {
    cell.texture[SurfaceKind::Floor] = FloorTexture;
    cell.texture[SurfaceKind::Ceiling] = CeilingTexture;
  }
  return document;
}

// Resets the builder and runs the geometry pass; false on overflow.
inline bool BuildGeometry(const MapDocument& document, MeshBuilder& builder) {
  static const ColumnProfile profile = BuildColumnProfile();
  builder.Reset();
  return CellGeometry(document, profile, builder);
}

// The four corners of polygon `index` as positions and texture coordinates.
inline std::array<FaceVertex, 4> PolygonCorners(const MeshBuilder& builder, int index) {
  const MeshPolygon& polygon = builder.Polygons()[size_t(index)];
  std::array<FaceVertex, 4> corners{};
  for (int k = 0; k < 4; ++k) {
    const MeshVertex& vertex = builder.Vertices()[builder.VertexIndices()[polygon.firstIndex + size_t(k)]];
    const TexCoord& uv = builder.TexCoords()[builder.TexCoordIndices()[polygon.firstIndex + size_t(k)]];
    corners[size_t(k)] = {vertex.x, vertex.y, vertex.z, uv.u, uv.v};
  }
  return corners;
}

}  // namespace compiler_test

}  // namespace tessmoor
