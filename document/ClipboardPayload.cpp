#include "document/ClipboardPayload.h"

#include <cstring>

namespace tessmoor {

namespace {

constexpr char Magic[4] = {'T', 'M', 'C', 'B'};
constexpr size_t HeaderSize = sizeof Magic + sizeof(uint16_t) + 2 * sizeof(uint64_t);

// Little-endian, as the stamp file stores its numbers.
template <typename T>
void Put(std::vector<uint8_t>& out, T value) {
  uint8_t bytes[sizeof(T)];
  std::memcpy(bytes, &value, sizeof(T));
  out.insert(out.end(), bytes, bytes + sizeof(T));
}

template <typename T>
T Take(const uint8_t*& data) {
  T value;
  std::memcpy(&value, data, sizeof(T));
  data += sizeof(T);
  return value;
}

}  // namespace

std::vector<uint8_t> ClipboardPayloadBytes(const ClipboardPayload& payload) {
  std::vector<uint8_t> out(Magic, Magic + sizeof Magic);
  Put<uint16_t>(out, ClipboardPayloadVersion);
  Put<uint64_t>(out, payload.owner);
  Put<uint64_t>(out, payload.generation);
  const std::vector<uint8_t> block = StampFileBytes(payload.block);
  out.insert(out.end(), block.begin(), block.end());
  return out;
}

bool ReadClipboardSender(uint64_t& owner, uint64_t& generation, const uint8_t* data, size_t size) {
  if (data == nullptr || size < HeaderSize || std::memcmp(data, Magic, sizeof Magic) != 0) return false;
  const uint8_t* at = data + sizeof Magic;
  // A newer editor's block may mean more than this one can tell: it is left alone.
  if (Take<uint16_t>(at) != ClipboardPayloadVersion) return false;
  owner = Take<uint64_t>(at);
  generation = Take<uint64_t>(at);
  return true;
}

bool ReadClipboardPayload(ClipboardPayload& payload, const uint8_t* data, size_t size) {
  payload = ClipboardPayload{};
  uint64_t owner = 0, generation = 0;
  if (!ReadClipboardSender(owner, generation, data, size)) return false;
  MemorySource source(data + HeaderSize, size - HeaderSize);
  if (!ReadStamp(payload.block, source).ok) return false;
  payload.owner = owner;
  payload.generation = generation;
  return true;
}

}  // namespace tessmoor
