#pragma once
// The compile driver: geometry pass, mesh tables and model file, reported line by
// line in a compile log. Saving the map first, showing the log window and the busy
// cursor belong to the editor's command around it.

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/ColumnProfile.h"
#include "compiler/CompileLog.h"
#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"
#include "io/CoreMessage.h"
#include "io/SaveFile.h"

namespace tessmoor {

// The model path beside a map: its extension replaced by "tcm", or ".tcm"
// appended when the file name has no extension ('/' separates directories).
std::string ModelFileName(const std::string& mapPath);

// The log line for a compile that ran out of room in `table`.
CoreMessage OverflowMessage(MeshTable table);

class MapCompiler {
 public:
  MapCompiler();

  // Compiles the document and writes the model to `modelPath`. True when the
  // model was written; otherwise the log's last line says why, and a previous
  // file at `modelPath` is left as it was.
  bool Compile(const MapDocument& document, const std::string& modelPath, CompileLog& log,
               FileOps& ops = RealFileOps());

  // The tables of the last compile, kept until the next one.
  const MeshBuilder& Builder() const { return builder_; }
  const ColumnProfile& Profile() const { return profile_; }
  void SetVertexSearch(VertexSearch search) { builder_.SetVertexSearch(search); }
  void SetTexCoordSearch(TexCoordSearch search) { builder_.SetTexCoordSearch(search); }

 private:
  bool BuildMesh(const MapDocument& document, CompileLog& log);
  void LogCounts(CompileLog& log) const;
  bool WriteModel(const MapDocument& document, const std::string& modelPath, CompileLog& log, FileOps& ops);

  ColumnProfile profile_;
  MeshBuilder builder_;
  std::vector<uint8_t> modelBytes_;  // reused, so a compile allocates nothing new
};

}  // namespace tessmoor
