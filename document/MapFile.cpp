#include "document/MapFile.h"

#include <cstring>
#include <new>
#include <vector>

#include "document/FramePictures.h"
#include "document/FrameThumbnailJobs.h"
#include "document/PascalString.h"
#include "io/RegularFile.h"
#include "io/SaveTarget.h"

namespace tessmoor {

namespace {

constexpr uint8_t Magic[4] = {0x00, 'T', 'M', 'M'};
constexpr size_t TextureNameField = 1 + TextureNameCapacity;
constexpr size_t FrameNameField = 1 + FrameNameCapacity;

void PutInt32(std::vector<uint8_t>& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(bits >> shift));
}

int32_t GetInt32(const uint8_t* bytes) {
  return static_cast<int32_t>(static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                              static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

bool ReadInt32(ByteSource& source, int32_t& value) {
  uint8_t bytes[4];
  if (!source.ReadExactly(bytes, sizeof bytes)) return false;
  value = GetInt32(bytes);
  return true;
}

// Header and texture table; the grid is written straight from the cell array.
std::vector<uint8_t> SerializeHeaderAndTextures(const MapDocument& document) {
  std::vector<uint8_t> out(Magic, Magic + 4);
  PutInt32(out, document.startPosition.x);
  PutInt32(out, document.startPosition.y);
  PutInt32(out, document.textureCount);
  for (int t = 0; t < document.textureCount; ++t) {
    const TextureEntry& entry = document.textures[static_cast<size_t>(t)];
    out.insert(out.end(), entry.name, entry.name + TextureNameField);
    PutInt32(out, static_cast<int32_t>(entry.animationType));
    PutInt32(out, entry.frameCount);
    for (int f = 0; f < entry.frameCount; ++f) {
      const uint8_t* name = entry.frames[static_cast<size_t>(f)].fileName;
      out.insert(out.end(), name, name + FrameNameField);
    }
  }
  return out;
}

MapFileResult Failure(CoreMessage message) { return {false, std::move(message)}; }

CoreMessage ReadErrorMessage(const std::string& path) { return {CoreCode::MapNotRead, {path}}; }

CoreMessage NotAMapMessage(const std::string& path) { return {CoreCode::NotAMap, {path}}; }

// Reads texture record t into its entry and queues its frames' pictures. False
// when the record is cut short or damaged.
bool ReadTexture(MapDocument& document, ByteSource& source, int t, const MapLoadOptions& options,
                 std::vector<tessmoor::FrameThumbnailJob>& pictures) {
  TextureEntry& entry = document.textures[static_cast<size_t>(t)];
  entry.index = t;
  int32_t animationType = 0;
  if (!source.ReadExactly(entry.name, TextureNameField) || !ReadInt32(source, animationType) ||
      !ReadInt32(source, entry.frameCount)) {
    return false;
  }
  entry.animationType = static_cast<AnimationType>(animationType);
  // A frame count the table cannot hold means a damaged file; nothing past the
  // table may be touched.
  if (entry.frameCount < 0 || entry.frameCount > MaxFrames) return false;
  for (int f = 0; f < entry.frameCount; ++f) {
    TextureFrame& frame = entry.frames[static_cast<size_t>(f)];
    if (!source.ReadExactly(frame.fileName, FrameNameField)) return false;
    if (options.loadPictures)
      pictures.push_back({ReadPascalString(frame.fileName, FrameNameCapacity), &frame.thumbnail});
  }
  return true;
}

}  // namespace

std::vector<uint8_t> MapFileBytes(const MapDocument& document) {
  std::vector<uint8_t> bytes = SerializeHeaderAndTextures(document);
  const auto* grid = reinterpret_cast<const uint8_t*>(document.cells.data());
  bytes.insert(bytes.end(), grid, grid + MapGridBytes);
  return bytes;
}

MapFileResult SaveMap(MapDocument& document, const std::string& path, FileOps& ops) {
  const std::vector<uint8_t> head = SerializeHeaderAndTextures(document);
  SaveFile file(path, ops);
  if (!file.Open()) return Failure({CoreCode::MapNotCreated, {path}});
  file.Write(head.data(), head.size());
  file.Write(document.cells.data(), MapGridBytes);
  if (!file.Commit()) return Failure({CoreCode::MapNotWritten, {path}});
  document.modified = false;
  return {true, {}};
}

MapFileResult ReadMap(MapDocument& document, ByteSource& source, const std::string& path,
                      const MapLoadOptions& options) {
  uint8_t header[MapHeaderSize] = {};
  const bool headerComplete = source.ReadExactly(header, sizeof header);
  if (std::memcmp(header, Magic, sizeof Magic) != 0) return Failure(NotAMapMessage(path));

  document.startPosition = {GetInt32(header + 4), GetInt32(header + 8)};
  const int32_t count = GetInt32(header + 12);
  const auto fail = [&](CoreMessage message) {
    ClearDocument(document, true);
    return Failure(std::move(message));
  };
  if (!headerComplete || count < 0 || count > MaxTextures) return fail(ReadErrorMessage(path));

  // The records are read first and the pictures loaded together afterwards. The
  // messages are those of reading record after record and loading each picture
  // as its name comes: a picture that fails before a damaged record is named,
  // one after it is never reached.
  std::vector<tessmoor::FrameThumbnailJob> pictures;
  bool recordsComplete = true;
  for (int t = 0; t < count && recordsComplete; ++t)
    recordsComplete = ReadTexture(document, source, t, options, pictures);
  const size_t failed = tessmoor::LoadFrameThumbnails(options.programDirectory, pictures);
  if (failed < pictures.size()) {
    return fail(PictureLoadErrorMessage(FramePicturePath(options.programDirectory, pictures[failed].frameName)));
  }
  if (!recordsComplete) return fail(ReadErrorMessage(path));
  document.textureCount = count;
  if (!source.ReadExactly(document.cells.data(), MapGridBytes)) return fail(ReadErrorMessage(path));
  document.modified = false;
  return {true, {}};
}

MapFileResult LoadMap(MapDocument& document, const std::string& path, const MapLoadOptions& options) {
  FileSource source(path);
  if (source.OpenError() == NotARegularFile) return Failure(NotAMapMessage(path));
  if (!source.IsOpen()) return {false, {CoreCode::MapNotOpened, {path}}, source.OpenError()};
  try {
    return ReadMap(document, source, path, options);
  } catch (const std::bad_alloc&) {
    ClearDocument(document, true);
    return Failure(ReadErrorMessage(path));
  }
}

CoreMessage ModelOverMapMessage(const std::string& mapPath, const std::string& modelPath) {
  if (!IsSameFile(mapPath, modelPath)) return {};
  return {CoreCode::ModelOverMap, {modelPath, mapPath}};
}

}  // namespace tessmoor
