#pragma once
// The compiler's polygons as the 3D view draws them: triangles grouped into one
// batch per texture for the opaque faces, and each translucent face on its own,
// so those can be drawn after the rest, furthest first.

#include <cstdint>
#include <vector>

#include "compiler/MeshBuilder.h"
#include "preview/PreviewMath.h"

namespace tessmoor {

// One triangle corner; U and V in world units (128 = one picture).
struct BatchVertex {
  float x, y, z, u, v;
};

struct TextureBatch {
  uint16_t texture;
  int32_t firstVertex;
  int32_t vertexCount;
};

struct TranslucentFace {
  uint16_t texture;
  uint8_t opacity;
  int32_t firstVertex;
  int32_t vertexCount;
  Vec3 centre;  // the mean of its corners, for the back-to-front order
};

struct DrawBatches {
  std::vector<BatchVertex> vertices;         // the opaque batches first, then the translucent faces
  std::vector<TextureBatch> opaque;          // by growing texture number
  std::vector<TranslucentFace> translucent;  // in polygon order
};

// Turns every polygon of `builder` into triangles (a face of n corners gives the
// fan of n - 2) and groups them, reusing the vectors of `batches`.
void BuildDrawBatches(const MeshBuilder& builder, DrawBatches& batches);

// The translucent faces' indices, furthest from `eye` first.
void OrderBackToFront(const DrawBatches& batches, Vec3 eye, std::vector<int32_t>& order);

}  // namespace tessmoor
