#include "export/ExportScene.h"

#include <cmath>
#include <map>

#include "preview/EyePosition.h"

namespace tessmoor {

namespace {

bool IsFinite(const MeshVertex& vertex) {
  return std::isfinite(vertex.x) && std::isfinite(vertex.y) && std::isfinite(vertex.z);
}

class SceneCollector {
 public:
  explicit SceneCollector(const MeshBuilder& builder) : builder_(builder) {}

  void AddPolygon(const MeshPolygon& polygon) {
    if (polygon.vertexCount < 3 || !CollectCorners(polygon)) return;
    ExportPrimitive& primitive = PrimitiveFor({polygon.texture, polygon.opacity});
    const ExportPoint normal = FaceNormal(corners_);
    const uint32_t first = uint32_t(primitive.CornerCount());
    for (size_t k = 0; k < corners_.size(); ++k) {
      primitive.positions.insert(primitive.positions.end(), corners_[k].begin(), corners_[k].end());
      primitive.normals.insert(primitive.normals.end(), normal.begin(), normal.end());
      primitive.texCoords.push_back(uvs_[k].u / UnitsPerPicture);
      primitive.texCoords.push_back(uvs_[k].v / UnitsPerPicture);
    }
    for (uint32_t k = 1; k + 1 < corners_.size(); ++k) {
      primitive.indices.insert(primitive.indices.end(), {first, first + k, first + k + 1});
    }
  }

  std::vector<ExportPrimitive> TakePrimitives() {
    std::vector<ExportPrimitive> primitives;
    primitives.reserve(byMaterial_.size());
    for (auto& entry : byMaterial_) primitives.push_back(std::move(entry.second));
    return primitives;
  }

 private:
  // The corners in exchange axes, their order reversed (see ExportAxes.h).
  bool CollectCorners(const MeshPolygon& polygon) {
    corners_.clear();
    uvs_.clear();
    for (size_t k = polygon.vertexCount; k-- > 0;) {
      const size_t corner = polygon.firstIndex + k;
      const MeshVertex& vertex = builder_.Vertices()[builder_.VertexIndices()[corner]];
      if (!IsFinite(vertex)) return false;
      corners_.push_back(ToExportPoint(vertex.x, vertex.y, vertex.z));
      uvs_.push_back(builder_.TexCoords()[builder_.TexCoordIndices()[corner]]);
    }
    return true;
  }

  ExportPrimitive& PrimitiveFor(MaterialKey key) {
    ExportPrimitive& primitive = byMaterial_[key];
    primitive.material = key;
    return primitive;
  }

  const MeshBuilder& builder_;
  std::map<MaterialKey, ExportPrimitive> byMaterial_;
  std::vector<ExportPoint> corners_;
  std::vector<TexCoord> uvs_;
};

}  // namespace

ExportPoint FaceNormal(const std::vector<ExportPoint>& corners) {
  // Newell's sum: robust for the slightly bent quads of sloped ceilings.
  double nx = 0, ny = 0, nz = 0;
  for (size_t i = 0; i < corners.size(); ++i) {
    const ExportPoint& a = corners[i];
    const ExportPoint& b = corners[(i + 1) % corners.size()];
    nx += (double(a[1]) - b[1]) * (double(a[2]) + b[2]);
    ny += (double(a[2]) - b[2]) * (double(a[0]) + b[0]);
    nz += (double(a[0]) - b[0]) * (double(a[1]) + b[1]);
  }
  const double length = std::sqrt(nx * nx + ny * ny + nz * nz);
  if (!(length > 0) || !std::isfinite(length)) return {0.0f, 1.0f, 0.0f};
  return {float(nx / length), float(ny / length), float(nz / length)};
}

ExportScene BuildExportScene(const MapDocument& document, const MeshBuilder& builder) {
  SceneCollector collector(builder);
  for (const MeshPolygon& polygon : builder.Polygons()) collector.AddPolygon(polygon);
  ExportScene scene;
  scene.primitives = collector.TakePrimitives();
  // The 3D view's start pose, so a viewer opens where the player stands.
  const Vec3 eye = StartEyePosition(document);
  scene.start = ToExportPoint(eye.x, eye.y, eye.z);
  return scene;
}

}  // namespace tessmoor
