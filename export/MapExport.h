#pragma once
// Exports a map as glTF 2.0 or OBJ from its compile in memory: the same geometry
// pass and mesh tables as the model file, without writing the model.

#include <optional>
#include <string>

#include "compiler/ColumnProfile.h"
#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"
#include "export/ExportFile.h"

namespace tessmoor {

enum class ExportFormat { Glb, Obj };

// The format a file name asks for by its extension (ignoring ASCII case), or nothing.
std::optional<ExportFormat> ExportFormatOf(const std::string& path);

class MapExporter {
 public:
  MapExporter();

  // Compiles the document and writes it to `path`, taking the frame pictures from
  // GFX/ below `programDirectory`. On failure the message says why (the compile's
  // overflow line, a picture that cannot be loaded, or a file that cannot be
  // written) and no file at `path` has changed. The document is not touched.
  ExportResult Export(const MapDocument& document, const std::string& programDirectory, ExportFormat format,
                      const std::string& path, FileOps& ops = RealFileOps());

  // The tables of the last compile.
  const MeshBuilder& Builder() const { return builder_; }

 private:
  ColumnProfile profile_;
  MeshBuilder builder_;
};

}  // namespace tessmoor
