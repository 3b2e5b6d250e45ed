#include "compiler/CompileMap.h"

#include "compiler/CellGeometry.h"
#include "compiler/ModelWriter.h"

std::string ModelFileName(const std::string& mapPath) {
  for (size_t i = mapPath.size(); i-- > 0;) {
    if (mapPath[i] == '/') break;
    if (mapPath[i] == '.') return mapPath.substr(0, i + 1) + "tcm";
  }
  return mapPath + ".tcm";
}

std::string OverflowMessage(MeshTable table) {
  const char* what = "";
  switch (table) {
    case MeshTable::Vertices: what = "Eckpunkte"; break;
    case MeshTable::Polygons: what = "Polygone"; break;
    case MeshTable::TexCoords: what = "Textur-Koordinaten"; break;
    case MeshTable::Indices: what = "Indizes"; break;
    case MeshTable::FaceCorners: what = "Ecken in einem Polygon"; break;
    case MeshTable::None: break;
  }
  return std::string("Fehler: Zu viele ") + what + " (h\xC3\xB6" "chstens " + std::to_string(Capacity(table)) + ").";
}

MapCompiler::MapCompiler() : profile_(BuildColumnProfile(ColumnRadius)) {}

bool MapCompiler::Compile(const MapDocument& document, const std::string& modelPath, CompileLog& log,
                          FileOps& ops) {
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

bool MapCompiler::WriteModel(const MapDocument& document, const std::string& modelPath, CompileLog& log,
                             FileOps& ops) {
  SerializeModel(document, builder_, modelBytes_);
  switch (WriteModelFile(modelBytes_, modelPath, ops)) {
    case ModelWriteResult::Ok: return true;
    case ModelWriteResult::CreateFailed: log.AddLogLine("Fehler beim Erstellen von " + modelPath + "!"); break;
    case ModelWriteResult::WriteFailed: log.AddLogLine("Fehler beim Schreiben von " + modelPath + "!"); break;
  }
  return false;
}
