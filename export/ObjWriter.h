#pragma once
// The scene as Wavefront OBJ for older tools: "map.obj", its material library
// "map.mtl" beside it and one PNG per used texture ("map_textur3.png").

#include <string>

#include "document/MapDocument.h"
#include "export/ExportFile.h"
#include "export/ExportScene.h"
#include "export/ExportTextures.h"

namespace tessmoor {

// `path` with its extension replaced by `extension` (without the dot), or the
// extension appended when the file name has none.
std::string WithExtension(const std::string& path, const std::string& extension);

// The PNG file name of a texture beside the OBJ file at `objPath`, without directory.
std::string TexturePngName(const std::string& objPath, uint16_t texture);

// The texts of the two files; `mtlName` is what the OBJ file refers to.
std::string SerializeObj(const ExportScene& scene, const std::string& mtlName);
std::string SerializeMtl(const ExportScene& scene, const TexturePngs& pictures, const std::string& objPath);

// Writes the pictures first and the OBJ file last, each atomically, so an OBJ
// file never names a file that was not written.
ExportResult WriteObj(const ExportScene& scene, const TexturePngs& pictures, const std::string& path,
                      FileOps& ops = RealFileOps());

}  // namespace tessmoor
