#include "check/CapacityCheck.h"

#include <memory>

#include "compiler/CompileMap.h"

namespace tessmoor {

namespace {

void AddOverflow(MapFindings& findings, MeshTable table, int needed) {
  const std::string tableNumber = std::to_string(static_cast<int>(table));
  findings.push_back(
      {Severity::Error, std::nullopt, {FindingCode::TableOverflow, {std::to_string(needed), tableNumber}}});
}

}  // namespace

void CheckCapacities(const MapDocument& document, const ColumnProfile& profile, const FaceCounts& faces,
                     MapFindings& findings) {
  // Every face takes one polygon and its corners, so these two are known exactly.
  if (faces.polygons > MaxPolygons) return AddOverflow(findings, MeshTable::Polygons, faces.polygons);
  if (faces.indices > MaxIndices) return AddOverflow(findings, MeshTable::Indices, faces.indices);
  // Vertices and texture coordinates are merged as they are built: only the
  // real pass knows whether they fit, and it stops at the first that does not.
  static thread_local const std::unique_ptr<MeshBuilder> builder = std::make_unique<MeshBuilder>();
  builder->Reset();
  if (CellGeometry(document, profile, *builder)) return;
  const MeshTable full = builder->Overflow();
  findings.push_back(
      {Severity::Error, std::nullopt, {FindingCode::TableOverflowBeyond, {std::to_string(static_cast<int>(full))}}});
}

}  // namespace tessmoor
