#include "document/RecoveryFile.h"

#include <cstring>
#include <limits>

namespace tessmoor {

namespace {

RecoveryLoadResult NotACopy(const std::string& path) { return {{false, {CoreCode::NotARecoveryCopy, {path}}}, {}}; }

bool ReadHeader(ByteSource& source, std::string& originalPath) {
  char magic[sizeof RecoveryMagic];
  uint8_t length[2];
  if (!source.ReadExactly(magic, sizeof magic) || std::memcmp(magic, RecoveryMagic, sizeof magic) != 0 ||
      !source.ReadExactly(length, sizeof length))
    return false;
  originalPath.assign(static_cast<size_t>(length[0] | (length[1] << 8)), '\0');
  return source.ReadExactly(originalPath.data(), originalPath.size());
}

}  // namespace

std::vector<uint8_t> RecoveryFileBytes(const std::vector<uint8_t>& mapBytes, const std::string& originalPath) {
  const std::string& name = originalPath.size() > std::numeric_limits<uint16_t>::max() ? std::string() : originalPath;
  std::vector<uint8_t> bytes(std::begin(RecoveryMagic), std::end(RecoveryMagic));
  bytes.push_back(static_cast<uint8_t>(name.size() & 0xFF));
  bytes.push_back(static_cast<uint8_t>(name.size() >> 8));
  bytes.insert(bytes.end(), name.begin(), name.end());
  bytes.insert(bytes.end(), mapBytes.begin(), mapBytes.end());
  return bytes;
}

bool WriteRecoveryFile(const std::string& path, const std::vector<uint8_t>& mapBytes, const std::string& originalPath,
                       FileOps& ops) {
  const std::vector<uint8_t> bytes = RecoveryFileBytes(mapBytes, originalPath);
  SaveFile file(path, ops);
  return file.Open() && file.Write(bytes.data(), bytes.size()) && file.Commit();
}

RecoveryLoadResult ReadRecoveryFile(MapDocument& document, ByteSource& source, const std::string& path,
                                    const MapLoadOptions& options) {
  std::string originalPath;
  if (!ReadHeader(source, originalPath)) return NotACopy(path);
  return {ReadMap(document, source, path, options), originalPath};
}

RecoveryLoadResult LoadRecoveryFile(MapDocument& document, const std::string& path, const MapLoadOptions& options) {
  FileSource source(path);
  if (!source.IsOpen()) return {};
  return ReadRecoveryFile(document, source, path, options);
}

std::optional<std::string> RecoveryOriginalPath(const std::string& path) {
  FileSource source(path);
  std::string originalPath;
  if (!source.IsOpen() || !ReadHeader(source, originalPath)) return std::nullopt;
  return originalPath;
}

}  // namespace tessmoor
