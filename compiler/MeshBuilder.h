#pragma once
// Collects the faces of a compile into the indexed tables of the model: distinct
// vertices, distinct texture coordinates, polygons, the two parallel index
// arrays and one summary per grid cell.
//
// Vertices are merged only with polygons of the same cell and of the four cells
// finished just before it (a bounded window instead of a global search);
// texture coordinates are merged across the whole map. Both merges use exact
// float equality. The tables have fixed capacities and are allocated once with
// the builder; a compile only resets the counts.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "compiler/CornerIndex.h"
#include "compiler/TexCoordIndex.h"
#include "document/MapDocument.h"

namespace tessmoor {

constexpr int MaxVertices = 32000;
constexpr int MaxPolygons = 12000;
constexpr int MaxTexCoords = 1000;
constexpr int MaxIndices = 48000;
constexpr int MaxFaceVertices = 12;

struct MeshVertex {
  float x, y, z;
  uint8_t colour[4];
};

struct MeshPolygon {
  uint16_t firstIndex;  // first corner in vertexIndices / texCoordIndices
  uint16_t vertexCount;
  uint16_t texture;
  uint8_t opacity;
  uint8_t translucent;  // 1 when opacity is not 255
};

struct CellSummary {
  uint8_t type;
  uint8_t opacity;
  uint16_t reserved;
  uint16_t firstPolygon;  // 0 when the cell produced none
  uint16_t polygonCount;
  float floorHeight;
  float lowestCeiling;
  float waterLevel;
};

// One corner of a face handed to EmitPolygon.
struct FaceVertex {
  float x, y, z, u, v;
};

// The table a compile ran out of. FaceCorners: a face with more corners than
// MaxFaceVertices, which no face of the geometry pass has.
enum class MeshTable { None, Vertices, Polygons, TexCoords, Indices, FaceCorners };

// The capacity of a table (0 for None).
int Capacity(MeshTable table);

// Returned by EmitPolygon when the face does not fit.
constexpr int EmitFailed = -1;

// How corners find their equals. The hashed searches give exactly the indices of
// the plain walks, which stay as the reference and for comparison.
enum class VertexSearch { Hashed, Window };
enum class TexCoordSearch { Hashed, Linear };

class MeshBuilder {
 public:
  MeshBuilder();

  // Empties the tables (counts to 0, every summary zeroed); clears an overflow.
  void Reset();

  // Cell coordinates (x, y) passed to the builder lie inside the grid.

  // Copies the cell's fields into its summary, with no polygons yet.
  void FillSummary(const MapCell& cell, int x, int y);

  // Records a face of cell (x, y), made from the cell's `surface` texture, and
  // returns its polygon index. An empty face records nothing and returns 0.
  // When any table could not take the face, nothing at all is recorded,
  // Overflow() names the table and the result is EmitFailed.
  int EmitPolygon(std::span<const FaceVertex> face, uint16_t texture, uint8_t opacity, int x, int y,
                  SurfaceKind surface);
  void CountPolygon(int x, int y);

  // The index of an equal vertex among the polygons of cell (x, y) and its
  // already finished neighbours, or a new vertex. EmitFailed when a new one is
  // needed and the table is full.
  int WeldVertex(int x, int y, float vx, float vy, float vz);
  // The index of the first equal texture coordinate of the whole table, or a new
  // entry. EmitFailed when a new one is needed and the table is full.
  int WeldTexCoord(float u, float v);

  void SetVertexSearch(VertexSearch search) { vertexSearch_ = search; }
  void SetTexCoordSearch(TexCoordSearch search) { texCoordSearch_ = search; }

  MeshTable Overflow() const { return overflow_; }
  int VertexCount() const { return vertexCount_; }
  int PolygonCount() const { return polygonCount_; }
  int TexCoordCount() const { return texCoordCount_; }
  int IndexCount() const { return indexCount_; }

  std::span<const MeshVertex> Vertices() const { return {vertices_.data(), size_t(vertexCount_)}; }
  std::span<const MeshPolygon> Polygons() const { return {polygons_.data(), size_t(polygonCount_)}; }
  // Which of its cell's surfaces a polygon shows. Kept beside the polygons, not
  // in them: the model file's polygon record has no room for it.
  SurfaceKind PolygonSurface(int polygon) const { return polygonSurfaces_[size_t(polygon)]; }
  std::span<const TexCoord> TexCoords() const { return {texCoords_.data(), size_t(texCoordCount_)}; }
  std::span<const uint16_t> VertexIndices() const { return {vertexIndices_.data(), size_t(indexCount_)}; }
  std::span<const uint16_t> TexCoordIndices() const { return {texCoordIndices_.data(), size_t(indexCount_)}; }
  // Column-major like the map's cells: (x, y) is element x*64 + y.
  std::span<const CellSummary> Summaries() const { return summaries_; }
  const CellSummary& Summary(int x, int y) const { return summaries_[SummaryIndex(x, y)]; }

 private:
  static size_t SummaryIndex(int x, int y) { return size_t(x * GridSize + y); }
  struct CornerRange {
    int begin = 0, end = 0;
  };
  CornerRange CornersOf(int cx, int cy) const;
  int FindVertex(int x, int y, float vx, float vy, float vz) const;
  int FindVertexByWindowWalk(int x, int y, float vx, float vy, float vz) const;
  int FindVertexInCell(int cx, int cy, float vx, float vy, float vz) const;
  int FindVertexByPosition(int x, int y, float vx, float vy, float vz) const;
  int FindTexCoord(float u, float v) const;
  int FindTexCoordLinear(float u, float v) const;
  int AppendVertex(float vx, float vy, float vz);
  int AppendTexCoord(float u, float v);
  // What the corners of a face already have in the tables (-1: nothing yet).
  struct CornerLookup {
    std::array<int, MaxFaceVertices> vertices;
    std::array<int, MaxFaceVertices> texCoords;
  };
  MeshTable CheckRoom(std::span<const FaceVertex> face, const CornerLookup& found) const;
  void AppendCorners(std::span<const FaceVertex> face, const CornerLookup& found);

  std::vector<MeshVertex> vertices_;
  std::vector<MeshPolygon> polygons_;
  std::vector<SurfaceKind> polygonSurfaces_;
  std::vector<TexCoord> texCoords_;
  std::vector<uint16_t> vertexIndices_;
  std::vector<uint16_t> texCoordIndices_;
  std::vector<CellSummary> summaries_;
  CornerIndex cornerIndex_;
  TexCoordIndex texCoordIndex_;
  int vertexCount_ = 0;
  int polygonCount_ = 0;
  int texCoordCount_ = 0;
  int indexCount_ = 0;
  MeshTable overflow_ = MeshTable::None;
  VertexSearch vertexSearch_ = VertexSearch::Hashed;
  TexCoordSearch texCoordSearch_ = TexCoordSearch::Hashed;
};

}  // namespace tessmoor
