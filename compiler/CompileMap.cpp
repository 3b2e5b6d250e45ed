#include "compiler/CompileMap.h"

#include "compiler/CellGeometry.h"
#include "compiler/ModelWriter.h"

namespace tessmoor {

std::string ModelFileName(const std::string& mapPath) {
  for (size_t i = mapPath.size(); i-- > 0;) {
    if (mapPath[i] == '/') break;
    if (mapPath[i] == '.') return mapPath.substr(0, i + 1) + "tcm";
  }
  return mapPath + ".tcm";
}

const char* TableName(MeshTable table) {
  switch (table) {
    case MeshTable::Vertices:
      return "Eckpunkte";
    case MeshTable::Polygons:
      return "Polygone";
    case MeshTable::TexCoords:
      return "Textur-Koordinaten";
    case MeshTable::Indices:
      return "Indizes";
    case MeshTable::FaceCorners:
      return "Ecken in einem Polygon";
    case MeshTable::None:
      break;
  }
  return "";
}

std::string OverflowMessage(MeshTable table) {
  return std::string("Fehler: Zu viele ") + TableName(table) + " (höchstens " + std::to_string(Capacity(table)) + ").";
}

MapCompiler::MapCompiler() : profile_(BuildColumnProfile(ColumnRadius)) {}

bool MapCompiler::Compile(const MapDocument& document, const std::string& modelPath, CompileLog& log, FileOps& ops) {
  log.ClearLog();
  log.AddLogLine("Tessmoor Compiler v1.0");
  log.AddLogLine();
  log.AddLogLine("Erstelle 3D-Modell...");
  if (!BuildMesh(document, log)) return false;
  log.AddLogLine();
  LogCounts(log);
  log.AddLogLine();
  log.AddLogLine("Erstelle " + modelPath + "...");
  if (!WriteModel(document, modelPath, log, ops)) return false;
  log.AddLogLine();
  log.AddLogLine("Compilierung abgeschlossen.");
  return true;
}

bool MapCompiler::BuildMesh(const MapDocument& document, CompileLog& log) {
  builder_.Reset();
  if (CellGeometry(document, profile_, builder_, [&log](int) { log.ExtendLastLine("."); })) return true;
  // A map too detailed for the engine's tables gets no model at all.
  log.AddLogLine(OverflowMessage(builder_.Overflow()));
  return false;
}

void MapCompiler::LogCounts(CompileLog& log) const {
  log.AddLogLine("Eckpunkte: " + std::to_string(builder_.VertexCount()));
  log.AddLogLine("Polygone: " + std::to_string(builder_.PolygonCount()));
  log.AddLogLine("Textur-Koord.: " + std::to_string(builder_.TexCoordCount()));
  log.AddLogLine("Indezies: " + std::to_string(builder_.IndexCount()));
}

bool MapCompiler::WriteModel(const MapDocument& document, const std::string& modelPath, CompileLog& log, FileOps& ops) {
  SerializeModel(document, builder_, modelBytes_);
  switch (WriteModelFile(modelBytes_, modelPath, ops)) {
    case ModelWriteResult::Ok:
      return true;
    case ModelWriteResult::CreateFailed:
      log.AddLogLine("Fehler beim Erstellen von " + modelPath + "!");
      break;
    case ModelWriteResult::WriteFailed:
      log.AddLogLine("Fehler beim Schreiben von " + modelPath + "!");
      break;
  }
  return false;
}

}  // namespace tessmoor
