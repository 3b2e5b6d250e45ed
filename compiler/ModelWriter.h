#pragma once
// The compiled model file (.tcm, magic "TCM1"), written only: a 32-byte header,
// the 64 x 64 cell summaries, the texture list with every frame's file name, and
// the indexed mesh. Little-endian throughout, no padding between the parts.

#include <cstdint>
#include <string>
#include <vector>

#include "compiler/MeshBuilder.h"
#include "document/MapDocument.h"
#include "io/SaveFile.h"

namespace tessmoor {

constexpr size_t ModelHeaderSize = 32;
constexpr size_t CellSummarySize = 20;
constexpr size_t ModelFixedSize = ModelHeaderSize + CellSummarySize * GridCells;  // 81,952

enum class ModelWriteResult { Ok, CreateFailed, WriteFailed };

// The file's bytes for the document's start position and textures and the
// builder's tables, into `bytes` (whose capacity is reused between calls).
void SerializeModel(const MapDocument& document, const MeshBuilder& builder, std::vector<uint8_t>& bytes);

// Writes `bytes` to `path` atomically: a previous file at `path` is replaced only
// when every step succeeded, and is left untouched otherwise.
ModelWriteResult WriteModelFile(const std::vector<uint8_t>& bytes, const std::string& path,
                                FileOps& ops = RealFileOps());

}  // namespace tessmoor
