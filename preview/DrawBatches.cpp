#include "preview/DrawBatches.h"

#include <algorithm>
#include <numeric>

namespace tessmoor {

namespace {

int TriangleCorners(const MeshPolygon& polygon) { return polygon.vertexCount < 3 ? 0 : 3 * (polygon.vertexCount - 2); }

class BatchWriter {
 public:
  BatchWriter(const MeshBuilder& builder, std::vector<BatchVertex>& out) : builder_(builder), out_(out) {}

  // Writes the polygon's fan from out[at] on.
  void WriteFan(const MeshPolygon& polygon, size_t at) const {
    for (int k = 1; k + 1 < polygon.vertexCount; ++k) {
      out_[at++] = Corner(polygon, 0);
      out_[at++] = Corner(polygon, k);
      out_[at++] = Corner(polygon, k + 1);
    }
  }

  Vec3 Centre(const MeshPolygon& polygon) const {
    Vec3 sum;
    for (int k = 0; k < polygon.vertexCount; ++k) {
      const BatchVertex c = Corner(polygon, k);
      sum = sum + Vec3{c.x, c.y, c.z};
    }
    return sum * (1.0f / float(std::max<int>(1, polygon.vertexCount)));
  }

 private:
  BatchVertex Corner(const MeshPolygon& polygon, int k) const {
    const size_t index = size_t(polygon.firstIndex) + size_t(k);
    const MeshVertex& vertex = builder_.Vertices()[builder_.VertexIndices()[index]];
    const TexCoord& uv = builder_.TexCoords()[builder_.TexCoordIndices()[index]];
    return {vertex.x, vertex.y, vertex.z, uv.u, uv.v};
  }

  const MeshBuilder& builder_;
  std::vector<BatchVertex>& out_;
};

// Opaque polygons by texture: how many corners each texture gets, then where its batch starts.
void LayOutOpaqueBatches(const MeshBuilder& builder, std::vector<TextureBatch>& opaque, int32_t& total) {
  opaque.clear();
  std::vector<int32_t> corners(size_t(NoTexture) + 1, 0);  // 256 KiB, far below one frame's cost
  for (const MeshPolygon& polygon : builder.Polygons()) {
    if (!polygon.translucent) corners[polygon.texture] += TriangleCorners(polygon);
  }
  total = 0;
  for (size_t texture = 0; texture < corners.size(); ++texture) {
    if (corners[texture] == 0) continue;
    opaque.push_back({static_cast<uint16_t>(texture), total, corners[texture]});
    total += corners[texture];
  }
}

}  // namespace

void BuildDrawBatches(const MeshBuilder& builder, DrawBatches& batches) {
  int32_t opaqueCorners = 0;
  LayOutOpaqueBatches(builder, batches.opaque, opaqueCorners);
  int32_t translucentCorners = 0;
  for (const MeshPolygon& polygon : builder.Polygons()) {
    if (polygon.translucent) translucentCorners += TriangleCorners(polygon);
  }
  batches.vertices.resize(size_t(opaqueCorners + translucentCorners));
  batches.translucent.clear();

  const BatchWriter writer(builder, batches.vertices);
  std::vector<int32_t> filled(batches.opaque.size(), 0);
  int32_t nextTranslucent = opaqueCorners;
  for (const MeshPolygon& polygon : builder.Polygons()) {
    const int32_t corners = TriangleCorners(polygon);
    if (corners == 0) continue;
    if (polygon.translucent) {
      writer.WriteFan(polygon, size_t(nextTranslucent));
      batches.translucent.push_back(
          {polygon.texture, polygon.opacity, nextTranslucent, corners, writer.Centre(polygon)});
      nextTranslucent += corners;
      continue;
    }
    const auto batch = std::lower_bound(batches.opaque.begin(), batches.opaque.end(), polygon.texture,
                                        [](const TextureBatch& b, uint16_t t) { return b.texture < t; });
    const size_t slot = size_t(batch - batches.opaque.begin());
    writer.WriteFan(polygon, size_t(batch->firstVertex + filled[slot]));
    filled[slot] += corners;
  }
}

void OrderBackToFront(const DrawBatches& batches, Vec3 eye, std::vector<int32_t>& order) {
  order.resize(batches.translucent.size());
  std::iota(order.begin(), order.end(), 0);
  const auto distance = [&](int32_t i) {
    const Vec3 d = batches.translucent[size_t(i)].centre - eye;
    return Dot(d, d);
  };
  std::stable_sort(order.begin(), order.end(), [&](int32_t a, int32_t b) { return distance(a) > distance(b); });
}

}  // namespace tessmoor
