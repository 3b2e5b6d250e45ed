#include "preview/CellPicking.h"

#include <cmath>

namespace tessmoor {

namespace {

Vec3 Corner(const MeshBuilder& builder, const MeshPolygon& polygon, int k) {
  const MeshVertex& v = builder.Vertices()[builder.VertexIndices()[size_t(polygon.firstIndex) + size_t(k)]];
  return {v.x, v.y, v.z};
}

// Möller-Trumbore, both faces: the distance along the ray, or a negative value.
float HitTriangle(Vec3 origin, Vec3 direction, Vec3 a, Vec3 b, Vec3 c) {
  const Vec3 e1 = b - a, e2 = c - a;
  const Vec3 p = Cross(direction, e2);
  const float det = Dot(e1, p);
  if (std::fabs(det) < 1e-9f) return -1;
  const float inv = 1.0f / det;
  const Vec3 s = origin - a;
  const float u = Dot(s, p) * inv;
  if (u < 0 || u > 1) return -1;
  const Vec3 q = Cross(s, e1);
  const float v = Dot(direction, q) * inv;
  if (v < 0 || u + v > 1) return -1;
  return Dot(e2, q) * inv;
}

float HitPolygon(const MeshBuilder& builder, const MeshPolygon& polygon, Vec3 origin, Vec3 direction) {
  float nearest = -1;
  for (int k = 1; k + 1 < polygon.vertexCount; ++k) {
    const float t = HitTriangle(origin, direction, Corner(builder, polygon, 0), Corner(builder, polygon, k),
                                Corner(builder, polygon, k + 1));
    if (t > 0 && (nearest < 0 || t < nearest)) nearest = t;
  }
  return nearest;
}

}  // namespace

CellPick PickCell(const MeshBuilder& builder, Vec3 origin, Vec3 direction) {
  CellPick best;
  const auto polygons = builder.Polygons();
  for (int x = 0; x < GridSize; ++x) {
    for (int y = 0; y < GridSize; ++y) {
      const CellSummary& summary = builder.Summary(x, y);
      for (size_t p = summary.firstPolygon; p < size_t(summary.firstPolygon) + summary.polygonCount; ++p) {
        if (p >= polygons.size()) break;  // the cell that overflowed counts no polygon it did not get
        const float t = HitPolygon(builder, polygons[p], origin, direction);
        if (t > 0 && (!best.hit || t < best.distance)) best = {true, {x, y}, builder.PolygonSurface(int(p)), t};
      }
    }
  }
  return best;
}

}  // namespace tessmoor
