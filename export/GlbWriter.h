#pragma once
// The scene as one binary glTF 2.0 file (.glb), written with tinygltf: one mesh
// with a primitive per material, one embedded PNG per texture, nearest-neighbour
// repeating samplers, and a node "Start" at the start eye.

#include <string>

#include "document/MapDocument.h"
#include "export/ExportFile.h"
#include "export/ExportScene.h"
#include "export/ExportTextures.h"

namespace tessmoor {

// The file's bytes.
std::string SerializeGlb(const MapDocument& document, const ExportScene& scene, const TexturePngs& pictures);

ExportResult WriteGlb(const MapDocument& document, const ExportScene& scene, const TexturePngs& pictures,
                      const std::string& path, FileOps& ops = RealFileOps());

}  // namespace tessmoor
