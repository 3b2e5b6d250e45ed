#include "document/Stamp.h"

#include <cstring>

#include "document/PascalString.h"

namespace tessmoor {

namespace {

constexpr char Magic[4] = {'T', 'M', 'S', 'T'};

class ByteWriter {
 public:
  void Bytes(const void* data, size_t size) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    out.insert(out.end(), bytes, bytes + size);
  }
  // Little-endian, as the map file stores its numbers.
  template <typename T>
  void Number(T value) {
    uint8_t bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T));
    Bytes(bytes, sizeof(T));
  }
  template <typename Length>
  void Text(const std::string& text) {
    Number(static_cast<Length>(text.size()));
    Bytes(text.data(), text.size());
  }
  std::vector<uint8_t> out;
};

// Every read checks its length and its limit; the first failure sticks, so the
// reader can go on and look only once at the end.
class ByteReader {
 public:
  explicit ByteReader(ByteSource& source) : source_(source) {}
  template <typename T>
  T Number() {
    T value{};
    if (ok && !source_.ReadExactly(&value, sizeof(T))) ok = false;
    return ok ? value : T{};
  }
  template <typename Length>
  std::string Text(size_t capacity) {
    const size_t length = Number<Length>();
    if (length > capacity) ok = false;
    if (!ok) return {};
    std::string text(length, '\0');
    if (!source_.ReadExactly(text.data(), length)) ok = false;
    return ok ? text : std::string();
  }
  void Bytes(void* data, size_t size) {
    if (ok && !source_.ReadExactly(data, size)) ok = false;
  }
  bool AtEnd() {
    uint8_t extra;
    return source_.Read(&extra, 1) == 0;
  }
  bool ok = true;

 private:
  ByteSource& source_;
};

bool ReferencesFit(const Stamp& stamp) {
  for (const MapCell& cell : stamp.block.cells) {
    for (const uint16_t texture : cell.texture) {
      if (texture != NoTexture && texture >= stamp.textures.size()) return false;
    }
  }
  return true;
}

StampResult Failed(Stamp& stamp, CoreCode code) {
  stamp = Stamp{};
  return {false, {code, {}}};
}

}  // namespace

StampTexture DescribeTexture(const TextureEntry& entry) {
  StampTexture texture;
  texture.name = ReadPascalString(entry.name, TextureNameCapacity);
  texture.animationType = entry.animationType;
  const int frames = entry.frameCount < 0 ? 0 : (entry.frameCount > MaxFrames ? MaxFrames : entry.frameCount);
  for (int k = 0; k < frames; ++k) {
    texture.frames.push_back(ReadPascalString(entry.frames[static_cast<size_t>(k)].fileName, FrameNameCapacity));
  }
  return texture;
}

namespace {

// Appends `cell` to the stamp's block, its references renumbered to the
// stamp's textures (`local` maps the table's numbers to the stamp's).
void AddCell(Stamp& stamp, std::vector<int>& local, const MapDocument& document, MapCell cell) {
  for (uint16_t& texture : cell.texture) {
    if (texture == NoTexture) continue;
    if (texture >= document.textureCount) {
      texture = NoTexture;
      continue;
    }
    int& number = local[texture];
    if (number < 0) {
      number = static_cast<int>(stamp.textures.size());
      stamp.textures.push_back(DescribeTexture(document.textures[texture]));
    }
    texture = static_cast<uint16_t>(number);
  }
  stamp.block.cells.push_back(cell);
}

}  // namespace

Stamp MakeStamp(const MapDocument& document, CellRange range, std::string name) {
  Stamp stamp;
  stamp.name = std::move(name);
  stamp.block.width = range.x2 - range.x1 + 1;
  stamp.block.height = range.y2 - range.y1 + 1;
  std::vector<int> local(MaxTextures, -1);
  for (int x = range.x1; x <= range.x2; ++x) {
    for (int y = range.y1; y <= range.y2; ++y) AddCell(stamp, local, document, document.Cell(x, y));
  }
  return stamp;
}

Stamp CellStamp(const MapDocument& document, const MapCell& cell) {
  Stamp stamp;
  stamp.block.width = stamp.block.height = 1;
  std::vector<int> local(MaxTextures, -1);
  AddCell(stamp, local, document, cell);
  return stamp;
}

std::vector<uint8_t> StampFileBytes(const Stamp& stamp) {
  ByteWriter writer;
  writer.Bytes(Magic, sizeof Magic);
  writer.Number<uint16_t>(StampFileVersion);
  writer.Text<uint16_t>(stamp.name.substr(0, StampNameCapacity));
  writer.Number<uint16_t>(static_cast<uint16_t>(stamp.block.width));
  writer.Number<uint16_t>(static_cast<uint16_t>(stamp.block.height));
  writer.Number<uint16_t>(static_cast<uint16_t>(stamp.textures.size()));
  for (const StampTexture& texture : stamp.textures) {
    writer.Text<uint8_t>(texture.name.substr(0, TextureNameCapacity));
    writer.Number<int32_t>(static_cast<int32_t>(texture.animationType));
    writer.Number<uint8_t>(static_cast<uint8_t>(texture.frames.size()));
    for (const std::string& frame : texture.frames) writer.Text<uint8_t>(frame.substr(0, FrameNameCapacity));
  }
  writer.Bytes(stamp.block.cells.data(), stamp.block.cells.size() * sizeof(MapCell));
  return std::move(writer.out);
}

StampResult SaveStamp(const Stamp& stamp, const std::string& path, FileOps& ops) {
  const std::vector<uint8_t> bytes = StampFileBytes(stamp);
  SaveFile file(path, ops);
  if (file.Open() && file.Write(bytes.data(), bytes.size()) && file.Commit()) return {true, {}};
  return {false, {CoreCode::StampNotSaved, {path}}};
}

StampResult ReadStamp(Stamp& stamp, ByteSource& source) {
  stamp = Stamp{};
  ByteReader reader(source);
  char magic[sizeof Magic] = {};
  reader.Bytes(magic, sizeof magic);
  if (!reader.ok || std::memcmp(magic, Magic, sizeof Magic) != 0) return Failed(stamp, CoreCode::NotAStamp);
  const uint16_t version = reader.Number<uint16_t>();
  if (reader.ok && version > StampFileVersion) return Failed(stamp, CoreCode::NewerStamp);
  if (version == 0) return Failed(stamp, CoreCode::DamagedStamp);
  stamp.name = reader.Text<uint16_t>(StampNameCapacity);
  const int width = reader.Number<uint16_t>();
  const int height = reader.Number<uint16_t>();
  const int textures = reader.Number<uint16_t>();
  if (!reader.ok || width < 1 || width > GridSize || height < 1 || height > GridSize || textures > MaxTextures) {
    return Failed(stamp, CoreCode::DamagedStamp);
  }
  for (int t = 0; t < textures && reader.ok; ++t) {
    StampTexture texture;
    texture.name = reader.Text<uint8_t>(TextureNameCapacity);
    texture.animationType = static_cast<AnimationType>(reader.Number<int32_t>());
    const int frames = reader.Number<uint8_t>();
    // The animation is kept as a map keeps it, whatever its value.
    if (frames > MaxFrames) reader.ok = false;
    for (int k = 0; k < frames && reader.ok; ++k) texture.frames.push_back(reader.Text<uint8_t>(FrameNameCapacity));
    stamp.textures.push_back(std::move(texture));
  }
  stamp.block.width = width;
  stamp.block.height = height;
  stamp.block.cells.resize(static_cast<size_t>(width * height));
  reader.Bytes(stamp.block.cells.data(), stamp.block.cells.size() * sizeof(MapCell));
  // Trailing bytes mean the file is not what its header says.
  if (!reader.ok || !reader.AtEnd() || !ReferencesFit(stamp)) return Failed(stamp, CoreCode::DamagedStamp);
  return {true, {}};
}

StampResult LoadStamp(Stamp& stamp, const std::string& path) {
  FileSource source(path);
  if (!source.IsOpen()) {
    stamp = Stamp{};
    return {false, {CoreCode::StampNotOpened, {path}}};
  }
  StampResult result = ReadStamp(stamp, source);
  if (!result.ok) result.message.args.insert(result.message.args.begin(), path);
  return result;
}

}  // namespace tessmoor
