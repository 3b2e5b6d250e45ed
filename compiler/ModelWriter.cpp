#include "compiler/ModelWriter.h"

#include <algorithm>
#include <bit>

namespace tessmoor {

namespace {

constexpr size_t TextureHeaderSize = 8;
constexpr size_t FrameNameSize = 1 + FrameNameCapacity;
constexpr size_t VertexSize = 16;
constexpr size_t PolygonSize = 8;
constexpr size_t TexCoordSize = 8;

// Writes little-endian values into a buffer sized in advance, so the layout
// never depends on the host's struct padding or byte order.
class ByteWriter {
 public:
  explicit ByteWriter(uint8_t* out) : out_(out) {}

  void U8(uint8_t value) { *out_++ = value; }
  void U16(uint16_t value) {
    U8(uint8_t(value));
    U8(uint8_t(value >> 8));
  }
  void U32(uint32_t value) {
    U16(uint16_t(value));
    U16(uint16_t(value >> 16));
  }
  void I32(int32_t value) { U32(static_cast<uint32_t>(value)); }
  void F32(float value) { U32(std::bit_cast<uint32_t>(value)); }
  void Bytes(const uint8_t* data, size_t size) { out_ = std::copy(data, data + size, out_); }

 private:
  uint8_t* out_;
};

// The document's table holds at most 256 textures of 8 frames; a count outside
// that range must not make the writer read past it.
int32_t TexturesToWrite(const MapDocument& document) { return std::clamp(document.textureCount, 0, MaxTextures); }
int32_t FramesToWrite(const TextureEntry& entry) { return std::clamp(entry.frameCount, 0, MaxFrames); }

size_t ModelSize(const MapDocument& document, const MeshBuilder& builder) {
  size_t size = ModelFixedSize;
  for (int32_t t = 0; t < TexturesToWrite(document); ++t) {
    size += TextureHeaderSize + FrameNameSize * size_t(FramesToWrite(document.textures[size_t(t)]));
  }
  size += 2 * 2 * size_t(builder.IndexCount());
  size += VertexSize * size_t(builder.VertexCount());
  size += PolygonSize * size_t(builder.PolygonCount());
  size += TexCoordSize * size_t(builder.TexCoordCount());
  return size;
}

void WriteHeader(ByteWriter& out, const MapDocument& document, const MeshBuilder& builder) {
  out.Bytes(reinterpret_cast<const uint8_t*>("TCM1"), 4);
  out.I32(document.startPosition.x);
  out.I32(document.startPosition.y);
  out.I32(TexturesToWrite(document));
  // Index count before vertex count: the engine reads them in this order.
  out.I32(builder.IndexCount());
  out.I32(builder.VertexCount());
  out.I32(builder.PolygonCount());
  out.I32(builder.TexCoordCount());
}

void WriteSummaries(ByteWriter& out, const MeshBuilder& builder) {
  for (const CellSummary& summary : builder.Summaries()) {
    out.U8(summary.type);
    out.U8(summary.opacity);
    out.U16(summary.reserved);
    out.U16(summary.firstPolygon);
    out.U16(summary.polygonCount);
    out.F32(summary.floorHeight);
    out.F32(summary.lowestCeiling);
    out.F32(summary.waterLevel);
  }
}

void WriteTextures(ByteWriter& out, const MapDocument& document) {
  for (int32_t t = 0; t < TexturesToWrite(document); ++t) {
    const TextureEntry& entry = document.textures[size_t(t)];
    const int32_t frames = FramesToWrite(entry);
    out.I32(static_cast<int32_t>(entry.animationType));
    out.I32(frames);
    for (int32_t f = 0; f < frames; ++f) out.Bytes(entry.frames[size_t(f)].fileName, FrameNameSize);
  }
}

void WriteMesh(ByteWriter& out, const MeshBuilder& builder) {
  for (uint16_t index : builder.VertexIndices()) out.U16(index);
  for (uint16_t index : builder.TexCoordIndices()) out.U16(index);
  for (const MeshVertex& vertex : builder.Vertices()) {
    out.F32(vertex.x);
    out.F32(vertex.y);
    out.F32(vertex.z);
    out.Bytes(vertex.colour, 4);
  }
  for (const MeshPolygon& polygon : builder.Polygons()) {
    out.U16(polygon.firstIndex);
    out.U16(polygon.vertexCount);
    out.U16(polygon.texture);
    out.U8(polygon.opacity);
    out.U8(polygon.translucent);
  }
  for (const TexCoord& texCoord : builder.TexCoords()) {
    out.F32(texCoord.u);
    out.F32(texCoord.v);
  }
}

}  // namespace

void SerializeModel(const MapDocument& document, const MeshBuilder& builder, std::vector<uint8_t>& bytes) {
  bytes.resize(ModelSize(document, builder));
  ByteWriter out(bytes.data());
  WriteHeader(out, document, builder);
  WriteSummaries(out, builder);
  WriteTextures(out, document);
  WriteMesh(out, builder);
}

ModelWriteResult WriteModelFile(const std::vector<uint8_t>& bytes, const std::string& path, FileOps& ops) {
  SaveFile file(path, ops);
  if (!file.Open()) return ModelWriteResult::CreateFailed;
  file.Write(bytes.data(), bytes.size());
  return file.Commit() ? ModelWriteResult::Ok : ModelWriteResult::WriteFailed;
}

}  // namespace tessmoor
