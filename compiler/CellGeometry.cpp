#include "compiler/CellGeometry.h"

#include <array>

namespace tessmoor {

namespace {

using Quad = std::array<FaceVertex, 4>;

constexpr uint8_t Opaque = 255;
constexpr uint8_t WallType = static_cast<uint8_t>(CellType::Wall);

// One edge of a cell towards a neighbour: the grid corners P0 and P1 relative to
// the cell, and which ceiling corner of this cell and of the neighbour sits at
// each. Faces built on it look towards the neighbour.
struct SideEdge {
  int dx, dy;    // the neighbour
  int p0x, p0y;  // P0 = (x + p0x, y + p0y)
  int p1x, p1y;
  int own0, own1;      // this cell's ceiling corners at P0, P1
  int other0, other1;  // the neighbour's ceiling corners at P0, P1
};

// Neighbours are always tried in this order.
constexpr SideEdge SideEdges[4] = {
    {0, -1, 1, 0, 0, 0, 1, 0, 2, 3},
    {0, 1, 0, 1, 1, 1, 3, 2, 0, 1},
    {-1, 0, 0, 0, 0, 1, 0, 3, 1, 2},
    {1, 0, 1, 1, 1, 0, 2, 1, 3, 0},
};

float CornerX(int i) { return static_cast<float>(8192 - 128 * i); }
float CornerZ(int j) { return static_cast<float>(128 * j); }

bool InsideGrid(int x, int y) { return x >= 0 && x < GridSize && y >= 0 && y < GridSize; }

// The neighbour across the edge when it can take a side face: inside the grid
// and not a wall.
const MapCell* OpenNeighbour(const MapDocument& document, int x, int y, const SideEdge& edge) {
  const int nx = x + edge.dx, ny = y + edge.dy;
  if (!InsideGrid(nx, ny)) return nullptr;
  const MapCell& other = document.Cell(nx, ny);
  return other.type == WallType ? nullptr : &other;
}

// A wall's side is built only towards a neighbour that shows a floor.
bool TakesWallSide(const MapCell* neighbour) {
  return neighbour && neighbour->texture[SurfaceKind::Floor] != NoTexture;
}

// Vertical faces: V = offset - Y at the upper corners Q1, Q2; each lower corner
// takes its upper corner's V plus the drop, in single precision.
void ApplyVerticalV(Quad& quad, int16_t offset) {
  const float base = offset;
  quad[0].v = base - quad[0].y;
  quad[1].v = base - quad[1].y;
  quad[2].v = quad[1].v + (quad[1].y - quad[2].y);
  quad[3].v = quad[0].v + (quad[0].y - quad[3].y);
}

// Sink is the mesh builder, or the face counter when only the numbers matter;
// both see exactly the same faces.
template <class Sink>
class CellFaces {
 public:
  CellFaces(const MapDocument& document, const ColumnProfile& profile, Sink& builder)
      : document_(document), profile_(profile), builder_(builder) {}

  // False when a face did not fit into the builder.
  bool Build(int x, int y) {
    x_ = x;
    y_ = y;
    const MapCell& cell = document_.Cell(x, y);
    builder_.FillSummary(cell, x, y);
    if (cell.type == WallType) {
      WallSides(cell);
    } else {
      OpenCell(cell);
    }
    return !failed_;
  }

 private:
  void OpenCell(const MapCell& cell) {
    if (cell.texture[SurfaceKind::Floor] != NoTexture)
      Emit(FlatQuad(cell.floorHeight), SurfaceKind::Floor, cell, Opaque);
    if (cell.texture[SurfaceKind::Ceiling] != NoTexture) Emit(CeilingQuad(cell), SurfaceKind::Ceiling, cell, Opaque);
    if (cell.texture[SurfaceKind::PedestalFloor] != NoTexture) FloorSteps(cell);
    if (cell.texture[SurfaceKind::PedestalCeiling] != NoTexture) CeilingSteps(cell);
    if (cell.texture[SurfaceKind::Wall] == NoTexture) return;
    switch (static_cast<CellType>(cell.type)) {
      case CellType::Column:
        ColumnFaces(cell);
        break;
      case CellType::WaterBasin:
        Emit(FlatQuad(cell.waterLevel), SurfaceKind::Wall, cell, cell.opacity);
        break;
      case CellType::WindowHorizontal:
        Emit(HorizontalPane(cell), SurfaceKind::Wall, cell, cell.opacity);
        break;
      case CellType::WindowVertical:
        Emit(VerticalPane(cell), SurfaceKind::Wall, cell, cell.opacity);
        break;
      default:
        break;
    }
  }

  void WallSides(const MapCell& cell) {
    if (cell.texture[SurfaceKind::Wall] == NoTexture) return;
    for (const SideEdge& edge : SideEdges) {
      const MapCell* other = Neighbour(edge);
      if (!TakesWallSide(other)) continue;
      Quad quad = SideQuad(edge, other->ceilingHeight[edge.other0], other->ceilingHeight[edge.other1],
                           other->floorHeight, other->floorHeight);
      ApplyVerticalV(quad, cell.textureOffset[SurfaceKind::Wall]);
      Emit(quad, SurfaceKind::Wall, cell, Opaque);
    }
  }

  // Built by the higher cell only, down to each lower neighbour's floor.
  void FloorSteps(const MapCell& cell) {
    for (const SideEdge& edge : SideEdges) {
      const MapCell* other = Neighbour(edge);
      if (!other || !(other->floorHeight < cell.floorHeight) || other->texture[SurfaceKind::Floor] == NoTexture)
        continue;
      Quad quad = SideQuad(edge, cell.floorHeight, cell.floorHeight, other->floorHeight, other->floorHeight);
      ApplyVerticalV(quad, cell.textureOffset[SurfaceKind::PedestalFloor]);
      Emit(quad, SurfaceKind::PedestalFloor, cell, Opaque);
    }
  }

  // Built by the lower ceiling, up to the neighbour's; where two ceilings cross
  // along the edge both cells build one.
  void CeilingSteps(const MapCell& cell) {
    for (const SideEdge& edge : SideEdges) {
      const MapCell* other = Neighbour(edge);
      if (!other) continue;
      const float top0 = other->ceilingHeight[edge.other0];
      const float top1 = other->ceilingHeight[edge.other1];
      const float bottom0 = cell.ceilingHeight[edge.own0];
      const float bottom1 = cell.ceilingHeight[edge.own1];
      if (!(top0 > bottom0) && !(top1 > bottom1)) continue;
      Quad quad = SideQuad(edge, top0, top1, bottom0, bottom1);
      ApplyVerticalV(quad, cell.textureOffset[SurfaceKind::PedestalCeiling]);
      Emit(quad, SurfaceKind::PedestalCeiling, cell, Opaque);
    }
  }

  void ColumnFaces(const MapCell& cell) {
    const float xhi = CornerX(x_);
    const float zlo = CornerZ(y_);
    const float top = cell.ceilingHeight[0];
    const float bottom = cell.floorHeight;
    for (int side = 0; side < ColumnSides; ++side) {
      const ProfilePoint& from = profile_[size_t(side + 1)];
      const ProfilePoint& to = profile_[size_t(side)];
      const float fromX = xhi - from.px, fromZ = zlo + from.pz;
      const float toX = xhi - to.px, toZ = zlo + to.pz;
      Quad quad = {FaceVertex{fromX, top, fromZ, from.pu, 0}, FaceVertex{toX, top, toZ, to.pu, 0},
                   FaceVertex{toX, bottom, toZ, to.pu, 0}, FaceVertex{fromX, bottom, fromZ, from.pu, 0}};
      ApplyVerticalV(quad, cell.textureOffset[SurfaceKind::Wall]);
      Emit(quad, SurfaceKind::Wall, cell, Opaque);
    }
  }

  // A pane across the middle of the cell, in the plane Z = Zlo + 64.
  Quad HorizontalPane(const MapCell& cell) const {
    const float xlo = CornerX(x_ + 1), xhi = CornerX(x_);
    const float z = CornerZ(y_) + 64.0f;
    const float top = cell.ceilingHeight[0], bottom = cell.floorHeight;
    Quad quad = {FaceVertex{xlo, top, z, 0, 0}, FaceVertex{xhi, top, z, 128, 0}, FaceVertex{xhi, bottom, z, 128, 0},
                 FaceVertex{xlo, bottom, z, 0, 0}};
    ApplyVerticalV(quad, cell.textureOffset[SurfaceKind::Wall]);
    return quad;
  }

  // A pane across the middle of the cell, in the plane X = Xhi - 64.
  Quad VerticalPane(const MapCell& cell) const {
    const float x = CornerX(x_) - 64.0f;
    const float zlo = CornerZ(y_), zhi = CornerZ(y_ + 1);
    const float top = cell.ceilingHeight[0], bottom = cell.floorHeight;
    Quad quad = {FaceVertex{x, top, zhi, 0, 0}, FaceVertex{x, top, zlo, 128, 0}, FaceVertex{x, bottom, zlo, 128, 0},
                 FaceVertex{x, bottom, zhi, 0, 0}};
    ApplyVerticalV(quad, cell.textureOffset[SurfaceKind::Wall]);
    return quad;
  }

  // Floor and water surface, seen from above.
  Quad FlatQuad(float height) const {
    const float xlo = CornerX(x_ + 1), xhi = CornerX(x_);
    const float zlo = CornerZ(y_), zhi = CornerZ(y_ + 1);
    return {FaceVertex{xlo, height, zhi, 128, 128}, FaceVertex{xhi, height, zhi, 0, 128},
            FaceVertex{xhi, height, zlo, 0, 0}, FaceVertex{xlo, height, zlo, 128, 0}};
  }

  // The ceiling through its four corner heights, seen from below.
  Quad CeilingQuad(const MapCell& cell) const {
    const float xlo = CornerX(x_ + 1), xhi = CornerX(x_);
    const float zlo = CornerZ(y_), zhi = CornerZ(y_ + 1);
    const float* c = cell.ceilingHeight;
    return {FaceVertex{xlo, c[2], zhi, 128, 0}, FaceVertex{xlo, c[1], zlo, 128, 128},
            FaceVertex{xhi, c[0], zlo, 0, 128}, FaceVertex{xhi, c[3], zhi, 0, 0}};
  }

  // Corners Q1..Q4: P0 top, P1 top, P1 bottom, P0 bottom; V is left to the caller.
  Quad SideQuad(const SideEdge& edge, float top0, float top1, float bottom0, float bottom1) const {
    const float x0 = CornerX(x_ + edge.p0x), z0 = CornerZ(y_ + edge.p0y);
    const float x1 = CornerX(x_ + edge.p1x), z1 = CornerZ(y_ + edge.p1y);
    return {FaceVertex{x0, top0, z0, 0, 0}, FaceVertex{x1, top1, z1, 128, 0}, FaceVertex{x1, bottom1, z1, 128, 0},
            FaceVertex{x0, bottom0, z0, 0, 0}};
  }

  const MapCell* Neighbour(const SideEdge& edge) const { return OpenNeighbour(document_, x_, y_, edge); }

  // Every face wears one of its cell's surface textures; the builder keeps which.
  void Emit(const Quad& quad, SurfaceKind surface, const MapCell& cell, uint8_t opacity) {
    if (failed_) return;
    if (builder_.EmitPolygon(quad, cell.texture[surface], opacity, x_, y_, surface) == EmitFailed) {
      failed_ = true;
      return;
    }
    builder_.CountPolygon(x_, y_);
  }

  const MapDocument& document_;
  const ColumnProfile& profile_;
  Sink& builder_;
  int x_ = 0;
  int y_ = 0;
  bool failed_ = false;
};

// Takes the faces as the builder would, but keeps only their numbers.
class FaceCounter {
 public:
  explicit FaceCounter(FaceCounts& counts) : counts_(counts) {}
  void FillSummary(const MapCell&, int, int) {}
  int EmitPolygon(const Quad& quad, uint16_t, uint8_t, int, int, SurfaceKind) {
    ++counts_.polygons;
    counts_.indices += static_cast<int>(quad.size());
    return 0;
  }
  void CountPolygon(int x, int y) { ++counts_.cellPolygons[static_cast<size_t>(x * GridSize + y)]; }

 private:
  FaceCounts& counts_;
};

}  // namespace

void CountFaces(const MapDocument& document, const ColumnProfile& profile, FaceCounts& counts) {
  counts = FaceCounts{};
  FaceCounter counter(counts);
  CellFaces<FaceCounter> faces(document, profile, counter);
  for (int y = 0; y < GridSize; ++y) {
    for (int x = 0; x < GridSize; ++x) faces.Build(x, y);
  }
}

bool CellGeometry(const MapDocument& document, const ColumnProfile& profile, MeshBuilder& builder,
                  const RowDoneCallback& onRowDone) {
  CellFaces<MeshBuilder> faces(document, profile, builder);
  for (int y = 0; y < GridSize; ++y) {
    for (int x = 0; x < GridSize; ++x) {
      if (!faces.Build(x, y)) return false;
    }
    if (onRowDone) onRowDone(y);
  }
  return true;
}

bool WallFacesAnOpenFloor(const MapDocument& document, int x, int y) {
  for (const SideEdge& edge : SideEdges) {
    if (TakesWallSide(OpenNeighbour(document, x, y, edge))) return true;
  }
  return false;
}

}  // namespace tessmoor
