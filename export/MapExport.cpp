#include "export/MapExport.h"

#include <algorithm>

#include "compiler/CellGeometry.h"
#include "compiler/CompileMap.h"
#include "export/ExportScene.h"
#include "export/ExportTextures.h"
#include "export/GlbWriter.h"
#include "export/ObjWriter.h"

namespace tessmoor {

namespace {

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : char(c); });
  return text;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

size_t TriangleCount(const ExportScene& scene) {
  size_t triangles = 0;
  for (const ExportPrimitive& primitive : scene.primitives) triangles += primitive.indices.size() / 3;
  return triangles;
}

}  // namespace

std::optional<ExportFormat> ExportFormatOf(const std::string& path) {
  const std::string lower = LowerAscii(path);
  if (EndsWith(lower, ".glb")) return ExportFormat::Glb;
  if (EndsWith(lower, ".obj")) return ExportFormat::Obj;
  return std::nullopt;
}

MapExporter::MapExporter() : profile_(BuildColumnProfile(ColumnRadius)) {}

ExportResult MapExporter::Export(const MapDocument& document, const std::string& programDirectory, ExportFormat format,
                                 const std::string& path, FileOps& ops) {
  builder_.Reset();
  if (!CellGeometry(document, profile_, builder_)) return ExportResult::Failed(OverflowMessage(builder_.Overflow()));
  const ExportScene scene = BuildExportScene(document, builder_);
  const TexturePngs pictures = EncodeTexturePngs(document, scene, programDirectory);
  if (!pictures.Ok()) return ExportResult::Failed(pictures.error);
  ExportResult result = format == ExportFormat::Glb ? WriteGlb(document, scene, pictures, path, ops)
                                                    : WriteObj(scene, pictures, path, ops);
  if (result.ok) result.triangles = TriangleCount(scene);
  return result;
}

}  // namespace tessmoor
