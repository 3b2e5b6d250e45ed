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

CoreMessage OverflowMessage(MeshTable table) {
  return {CoreCode::TableOverflow, {std::to_string(static_cast<int>(table))}};
}

namespace {

CoreMessage CountLine(MeshTable table, int count) {
  return {CoreCode::CompileCount, {std::to_string(static_cast<int>(table)), std::to_string(count)}};
}

}  // namespace

MapCompiler::MapCompiler() : profile_(BuildColumnProfile(ColumnRadius)) {}

bool MapCompiler::Compile(const MapDocument& document, const std::string& modelPath, CompileLog& log, FileOps& ops) {
  log.ClearLog();
  log.AddLogLine("Tessmoor Compiler v1.0");
  log.AddLogLine();
  log.AddLogLine(CoreMessage{CoreCode::CompileBuilding, {}});
  if (!BuildMesh(document, log)) return false;
  log.AddLogLine();
  LogCounts(log);
  log.AddLogLine();
  log.AddLogLine(CoreMessage{CoreCode::CompileWriting, {modelPath}});
  if (!WriteModel(document, modelPath, log, ops)) return false;
  log.AddLogLine();
  log.AddLogLine(CoreMessage{CoreCode::CompileDone, {}});
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
  log.AddLogLine(CountLine(MeshTable::Vertices, builder_.VertexCount()));
  log.AddLogLine(CountLine(MeshTable::Polygons, builder_.PolygonCount()));
  log.AddLogLine(CountLine(MeshTable::TexCoords, builder_.TexCoordCount()));
  log.AddLogLine(CountLine(MeshTable::Indices, builder_.IndexCount()));
}

bool MapCompiler::WriteModel(const MapDocument& document, const std::string& modelPath, CompileLog& log, FileOps& ops) {
  SerializeModel(document, builder_, modelBytes_);
  switch (WriteModelFile(modelBytes_, modelPath, ops)) {
    case ModelWriteResult::Ok:
      return true;
    case ModelWriteResult::CreateFailed:
      log.AddLogLine(CoreMessage{CoreCode::ModelNotCreated, {modelPath}});
      break;
    case ModelWriteResult::WriteFailed:
      log.AddLogLine(CoreMessage{CoreCode::ModelNotWritten, {modelPath}});
      break;
  }
  return false;
}

}  // namespace tessmoor
