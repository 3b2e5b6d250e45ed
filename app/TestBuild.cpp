#include "app/TestBuild.h"

#include <algorithm>
#include <iterator>

#include "check/MapCheck.h"

namespace tessmoor {

std::optional<StartCellProblem> CheckStartCell(const MapDocument& document, GridPoint cell) {
  if (cell.x < 0 || cell.x >= GridSize || cell.y < 0 || cell.y >= GridSize) return StartCellProblem::OutsideGrid;
  if (document.Cell(cell.x, cell.y).type == static_cast<uint8_t>(CellType::Wall)) return StartCellProblem::Wall;
  return std::nullopt;
}

std::string TestModelName(const MapDocument& document) {
  const std::string& path = document.fileName;
  const size_t slash = path.rfind('/');
  return ModelFileName(slash == std::string::npos ? path : path.substr(slash + 1));
}

std::unique_ptr<MapDocument> CopyForCompile(const MapDocument& document) {
  auto copy = std::make_unique<MapDocument>();
  copy->startPosition = document.startPosition;
  copy->textureCount = document.textureCount;
  for (size_t t = 0; t < document.textures.size(); ++t) {
    const TextureEntry& from = document.textures[t];
    TextureEntry& to = copy->textures[t];
    to.index = from.index;
    std::copy(std::begin(from.name), std::end(from.name), std::begin(to.name));
    to.animationType = from.animationType;
    to.frameCount = from.frameCount;
    for (size_t f = 0; f < from.frames.size(); ++f)
      std::copy(std::begin(from.frames[f].fileName), std::end(from.frames[f].fileName),
                std::begin(to.frames[f].fileName));
  }
  copy->cells = document.cells;
  copy->fileName = document.fileName;
  copy->modified = document.modified;
  return copy;
}

bool BuildTestModel(const MapDocument& document, std::optional<GridPoint> startCell, const std::string& modelPath,
                    MapCompiler& compiler, CompileLog& log, MapFindings& errors) {
  std::unique_ptr<MapDocument> moved;
  if (startCell) {
    moved = CopyForCompile(document);
    moved->startPosition = {startCell->x, startCell->y};
  }
  const MapDocument& compiled = moved ? *moved : document;
  // A map the engine would stumble over is not worth starting it for.
  errors.clear();
  const MapFindings findings = CheckMap(compiled);
  if (HasErrors(findings)) {
    log.ClearLog();
    for (const MapFinding& finding : findings)
      if (finding.severity == Severity::Error) errors.push_back(finding);
    return false;
  }
  return compiler.Compile(compiled, modelPath, log);
}

}  // namespace tessmoor
