#pragma once
// A copied block as another editor process reads it from the system
// clipboard: who copied it (the clipboard's owner and the block's generation)
// and the block with its textures, in the bytes of a stamp file. Whatever
// lies on the system clipboard may come from anywhere, so reading checks
// every length and limit as the stamp reader does.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "document/Stamp.h"

namespace tessmoor {

inline constexpr const char* ClipboardMimeType = "application/x-tessmoor-cells";
constexpr uint16_t ClipboardPayloadVersion = 1;

struct ClipboardPayload {
  uint64_t owner = 0;
  uint64_t generation = 0;
  Stamp block;  // unnamed; its references number its own textures
};

std::vector<uint8_t> ClipboardPayloadBytes(const ClipboardPayload& payload);
// False, with `payload` empty, for anything but a whole payload of a version
// this program knows.
bool ReadClipboardPayload(ClipboardPayload& payload, const uint8_t* data, size_t size);
// Only who copied the block, from the header; false where ReadClipboardPayload
// would refuse the header (the block itself is not read).
bool ReadClipboardSender(uint64_t& owner, uint64_t& generation, const uint8_t* data, size_t size);

}  // namespace tessmoor
