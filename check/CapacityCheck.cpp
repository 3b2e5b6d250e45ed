#include "check/CapacityCheck.h"

#include <memory>

#include "compiler/CompileMap.h"

namespace tessmoor {

namespace {

void AddOverflow(MapFindings& findings, MeshTable table, const std::string& needed) {
  findings.push_back({Severity::Error, std::nullopt,
                      needed + " " + TableName(table) + ", höchstens " + std::to_string(Capacity(table))});
}

}  // namespace

void CheckCapacities(const MapDocument& document, const ColumnProfile& profile, const FaceCounts& faces,
                     MapFindings& findings) {
  // Every face takes one polygon and its corners, so these two are known exactly.
  if (faces.polygons > MaxPolygons) return AddOverflow(findings, MeshTable::Polygons, std::to_string(faces.polygons));
  if (faces.indices > MaxIndices) return AddOverflow(findings, MeshTable::Indices, std::to_string(faces.indices));
  // Vertices and texture coordinates are merged as they are built: only the
  // real pass knows whether they fit, and it stops at the first that does not.
  static thread_local const std::unique_ptr<MeshBuilder> builder = std::make_unique<MeshBuilder>();
  builder->Reset();
  if (CellGeometry(document, profile, *builder)) return;
  const MeshTable full = builder->Overflow();
  AddOverflow(findings, full, "Mehr als " + std::to_string(Capacity(full)));
}

}  // namespace tessmoor
