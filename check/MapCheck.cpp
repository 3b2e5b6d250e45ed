#include "check/MapCheck.h"

#include <algorithm>
#include <memory>
#include <tuple>

#include "check/CapacityCheck.h"
#include "check/CellChecks.h"
#include "check/TextureChecks.h"

namespace tessmoor {

namespace {

auto OrderKey(const MapFinding& finding) {
  const GridPoint cell = finding.cell.value_or(GridPoint{});
  return std::make_tuple(finding.severity, finding.cell.has_value(), cell.y, cell.x);
}

}  // namespace

MapFindings CheckMap(const MapDocument& document) {
  static const ColumnProfile profile = BuildColumnProfile(ColumnRadius);
  const auto faces = std::make_unique<FaceCounts>();
  CountFaces(document, profile, *faces);
  MapFindings findings;
  CheckCapacities(document, profile, *faces, findings);
  CheckStartPosition(document, findings);
  CheckCells(document, findings);
  CheckTextures(document, findings);
  std::stable_sort(findings.begin(), findings.end(),
                   [](const MapFinding& a, const MapFinding& b) { return OrderKey(a) < OrderKey(b); });
  return findings;
}

bool HasErrors(const MapFindings& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const MapFinding& finding) { return finding.severity == Severity::Error; });
}

}  // namespace tessmoor
