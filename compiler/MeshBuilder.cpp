#include "compiler/MeshBuilder.h"

#include <algorithm>

namespace tessmoor {

namespace {

bool InsideGrid(int x, int y) { return x >= 0 && x < GridSize && y >= 0 && y < GridSize; }

bool SameTexCoord(const FaceVertex& a, const FaceVertex& b) { return a.u == b.u && a.v == b.v; }

// The cell itself and the four neighbours the row-by-row order has finished.
constexpr int WindowOffsets[5][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {0, 0}};

// How many equal corners the hashed vertex search looks at before it leaves the
// question to the window walk.
constexpr int MaxChainWalk = 64;

}  // namespace

int Capacity(MeshTable table) {
  switch (table) {
    case MeshTable::Vertices:
      return MaxVertices;
    case MeshTable::Polygons:
      return MaxPolygons;
    case MeshTable::TexCoords:
      return MaxTexCoords;
    case MeshTable::Indices:
      return MaxIndices;
    case MeshTable::FaceCorners:
      return MaxFaceVertices;
    case MeshTable::None:
      break;
  }
  return 0;
}

MeshBuilder::MeshBuilder()
    : vertices_(MaxVertices),
      polygons_(MaxPolygons),
      polygonSurfaces_(MaxPolygons),
      texCoords_(MaxTexCoords),
      vertexIndices_(MaxIndices),
      texCoordIndices_(MaxIndices),
      summaries_(GridCells),
      cornerIndex_(MaxVertices, MaxIndices),
      texCoordIndex_(MaxTexCoords) {}

void MeshBuilder::Reset() {
  vertexCount_ = polygonCount_ = texCoordCount_ = indexCount_ = 0;
  std::fill(summaries_.begin(), summaries_.end(), CellSummary{});
  cornerIndex_.Clear();
  texCoordIndex_.Clear();
  overflow_ = MeshTable::None;
}

void MeshBuilder::FillSummary(const MapCell& cell, int x, int y) {
  CellSummary& summary = summaries_[SummaryIndex(x, y)];
  summary.type = cell.type;
  summary.opacity = cell.opacity;
  summary.reserved = cell.reserved;
  summary.firstPolygon = 0;
  summary.polygonCount = 0;
  summary.floorHeight = cell.floorHeight;
  summary.waterLevel = cell.waterLevel;
  float lowest = cell.ceilingHeight[0];
  for (int corner = 1; corner < 4; ++corner) {
    if (cell.ceilingHeight[corner] < lowest) lowest = cell.ceilingHeight[corner];
  }
  summary.lowestCeiling = lowest;
}

int MeshBuilder::EmitPolygon(std::span<const FaceVertex> face, uint16_t texture, uint8_t opacity, int x, int y,
                             SurfaceKind surface) {
  if (face.empty()) return 0;
  if (face.size() > MaxFaceVertices) {
    overflow_ = MeshTable::FaceCorners;
    return EmitFailed;
  }
  // Look every corner up first, so a face that does not fit leaves no trace.
  // Nothing changes the window between looking up and appending: this polygon
  // is not counted for its cell until CountPolygon.
  CornerLookup found;
  for (size_t k = 0; k < face.size(); ++k) {
    found.vertices[k] = FindVertex(x, y, face[k].x, face[k].y, face[k].z);
    found.texCoords[k] = FindTexCoord(face[k].u, face[k].v);
  }
  const MeshTable full = CheckRoom(face, found);
  if (full != MeshTable::None) {
    overflow_ = full;
    return EmitFailed;
  }

  const int polygon = polygonCount_;
  MeshPolygon& record = polygons_[size_t(polygon)];
  record.firstIndex = static_cast<uint16_t>(indexCount_);
  record.vertexCount = static_cast<uint16_t>(face.size());
  record.texture = texture;
  record.opacity = opacity;
  record.translucent = opacity != 255 ? 1 : 0;
  polygonSurfaces_[size_t(polygon)] = surface;
  AppendCorners(face, found);

  CellSummary& summary = summaries_[SummaryIndex(x, y)];
  if (summary.polygonCount == 0) summary.firstPolygon = static_cast<uint16_t>(polygon);
  ++polygonCount_;
  return polygon;
}

void MeshBuilder::AppendCorners(std::span<const FaceVertex> face, const CornerLookup& found) {
  for (size_t k = 0; k < face.size(); ++k) {
    const FaceVertex& corner = face[k];
    const int vertex = found.vertices[k] >= 0 ? found.vertices[k] : AppendVertex(corner.x, corner.y, corner.z);
    // An earlier corner of this face may just have added the same pair.
    const int texCoord = found.texCoords[k] >= 0 ? found.texCoords[k] : WeldTexCoord(corner.u, corner.v);
    vertexIndices_[size_t(indexCount_)] = static_cast<uint16_t>(vertex);
    texCoordIndices_[size_t(indexCount_)] = static_cast<uint16_t>(texCoord);
    const MeshVertex& stored = vertices_[size_t(vertex)];
    cornerIndex_.Add(indexCount_, stored.x, stored.y, stored.z);
    ++indexCount_;
  }
}

MeshTable MeshBuilder::CheckRoom(std::span<const FaceVertex> face, const CornerLookup& found) const {
  if (polygonCount_ >= MaxPolygons) return MeshTable::Polygons;
  if (indexCount_ + int(face.size()) > MaxIndices) return MeshTable::Indices;

  const int newVertices = int(std::count(found.vertices.begin(), found.vertices.begin() + face.size(), -1));
  if (vertexCount_ + newVertices > MaxVertices) return MeshTable::Vertices;

  // Two corners of this face with the same new pair take one entry.
  int newTexCoords = 0;
  for (size_t k = 0; k < face.size(); ++k) {
    if (found.texCoords[k] >= 0) continue;
    bool earlier = false;
    for (size_t j = 0; j < k && !earlier; ++j) {
      earlier = found.texCoords[j] < 0 && SameTexCoord(face[j], face[k]);
    }
    if (!earlier) ++newTexCoords;
  }
  if (texCoordCount_ + newTexCoords > MaxTexCoords) return MeshTable::TexCoords;
  return MeshTable::None;
}

void MeshBuilder::CountPolygon(int x, int y) { ++summaries_[SummaryIndex(x, y)].polygonCount; }

int MeshBuilder::WeldVertex(int x, int y, float vx, float vy, float vz) {
  const int found = FindVertex(x, y, vx, vy, vz);
  if (found >= 0) return found;
  if (vertexCount_ >= MaxVertices) {
    overflow_ = MeshTable::Vertices;
    return EmitFailed;
  }
  return AppendVertex(vx, vy, vz);
}

int MeshBuilder::WeldTexCoord(float u, float v) {
  const int found = FindTexCoord(u, v);
  if (found >= 0) return found;
  if (texCoordCount_ >= MaxTexCoords) {
    overflow_ = MeshTable::TexCoords;
    return EmitFailed;
  }
  return AppendTexCoord(u, v);
}

int MeshBuilder::FindVertex(int x, int y, float vx, float vy, float vz) const {
  if (vertexSearch_ == VertexSearch::Window) return FindVertexByWindowWalk(x, y, vx, vy, vz);
  return FindVertexByPosition(x, y, vx, vy, vz);
}

int MeshBuilder::FindVertexByWindowWalk(int x, int y, float vx, float vy, float vz) const {
  for (const auto& offset : WindowOffsets) {
    const int cx = x + offset[0];
    const int cy = y + offset[1];
    if (!InsideGrid(cx, cy)) continue;
    const int found = FindVertexInCell(cx, cy, vx, vy, vz);
    if (found >= 0) return found;
  }
  return -1;
}

int MeshBuilder::FindVertexInCell(int cx, int cy, float vx, float vy, float vz) const {
  const CellSummary& summary = summaries_[SummaryIndex(cx, cy)];
  // A count beyond the table (a caller that counted without emitting) must not
  // send the walk into unused rows.
  const int end = std::min(summary.firstPolygon + summary.polygonCount, polygonCount_);
  for (int p = summary.firstPolygon; p < end; ++p) {
    const MeshPolygon& polygon = polygons_[size_t(p)];
    const int last = polygon.firstIndex + polygon.vertexCount;
    for (int corner = polygon.firstIndex; corner < last; ++corner) {
      const int index = vertexIndices_[size_t(corner)];
      const MeshVertex& vertex = vertices_[size_t(index)];
      if (vertex.x == vx && vertex.y == vy && vertex.z == vz) return index;
    }
  }
  return -1;
}

// Polygons follow each other in the index arrays without gaps, so a run of
// polygons owns one run of corners, in the order the window walk visits them.
MeshBuilder::CornerRange MeshBuilder::CornersOf(int cx, int cy) const {
  if (!InsideGrid(cx, cy)) return {};
  const CellSummary& summary = summaries_[SummaryIndex(cx, cy)];
  const int end = std::min(summary.firstPolygon + summary.polygonCount, polygonCount_);
  if (summary.firstPolygon >= end) return {};
  const MeshPolygon& last = polygons_[size_t(end - 1)];
  return {polygons_[summary.firstPolygon].firstIndex, last.firstIndex + last.vertexCount};
}

// The window walk returns the first equal corner of the first window cell that
// has one. Here the corners at the position are visited newest first and the
// one the walk would meet first is kept: the lowest window cell, and within it
// the lowest corner.
int MeshBuilder::FindVertexByPosition(int x, int y, float vx, float vy, float vz) const {
  int corner = cornerIndex_.Newest(vx, vy, vz);
  if (corner < 0) return -1;
  std::array<CornerRange, std::size(WindowOffsets)> window;
  int oldest = MaxIndices;
  for (size_t cell = 0; cell < window.size(); ++cell) {
    window[cell] = CornersOf(x + WindowOffsets[cell][0], y + WindowOffsets[cell][1]);
    if (window[cell].begin < window[cell].end) oldest = std::min(oldest, window[cell].begin);
  }
  int best = -1;
  size_t bestCell = window.size();
  int visited = 0;
  // Corners older than every window range cannot be in the window.
  for (; corner >= oldest; corner = cornerIndex_.Older(corner)) {
    // Many corners on one point near here (never from real cells, which share a
    // point a few times at most): the walk meets its answer sooner.
    if (++visited > MaxChainWalk) return FindVertexByWindowWalk(x, y, vx, vy, vz);
    for (size_t cell = 0; cell <= bestCell && cell < window.size(); ++cell) {
      if (corner >= window[cell].begin && corner < window[cell].end) {
        best = corner;  // visited newest first: a later hit in the same cell is lower
        bestCell = cell;
        break;
      }
    }
  }
  return best < 0 ? -1 : vertexIndices_[size_t(best)];
}

int MeshBuilder::FindTexCoord(float u, float v) const {
  if (texCoordSearch_ == TexCoordSearch::Linear) return FindTexCoordLinear(u, v);
  return texCoordIndex_.Find(u, v, texCoords_.data());
}

int MeshBuilder::FindTexCoordLinear(float u, float v) const {
  for (int i = 0; i < texCoordCount_; ++i) {
    if (texCoords_[size_t(i)].u == u && texCoords_[size_t(i)].v == v) return i;
  }
  return -1;
}

int MeshBuilder::AppendVertex(float vx, float vy, float vz) {
  vertices_[size_t(vertexCount_)] = MeshVertex{vx, vy, vz, {255, 255, 255, 255}};
  return vertexCount_++;
}

int MeshBuilder::AppendTexCoord(float u, float v) {
  texCoords_[size_t(texCoordCount_)] = TexCoord{u, v};
  // The index is kept up to date in both modes, so switching modes between
  // compiles never leaves it stale.
  texCoordIndex_.Insert(u, v, texCoordCount_);
  return texCoordCount_++;
}

}  // namespace tessmoor
