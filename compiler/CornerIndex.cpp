#include "compiler/CornerIndex.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tessmoor {

namespace {

bool HasNaN(float x, float y, float z) { return std::isnan(x) || std::isnan(y) || std::isnan(z); }

// Equal floats give equal bits once the two zeros are folded together.
uint64_t KeyBits(float value) { return value == 0.0f ? 0u : std::bit_cast<uint32_t>(value); }

}  // namespace

CornerIndex::CornerIndex(int maxPositions, int maxCorners) : older_(size_t(maxCorners), -1) {
  // At most half full, so probe chains stay short.
  const size_t size = std::bit_ceil(static_cast<size_t>(maxPositions) * 2);
  slots_.assign(size, Slot{0, 0, 0, -1});
  mask_ = size - 1;
  shift_ = 64 - std::countr_zero(size);
}

void CornerIndex::Clear() { std::fill(slots_.begin(), slots_.end(), Slot{0, 0, 0, -1}); }

size_t CornerIndex::Home(float x, float y, float z) const {
  const uint64_t key = (KeyBits(x) * 0x9E3779B97F4A7C15ull) ^ (KeyBits(y) * 0xC2B2AE3D27D4EB4Full) ^
                       (KeyBits(z) * 0x165667B19E3779F9ull);
  return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
}

void CornerIndex::Add(int corner, float x, float y, float z) {
  if (HasNaN(x, y, z)) return;
  for (size_t slot = Home(x, y, z);; slot = (slot + 1) & mask_) {
    Slot& entry = slots_[slot];
    if (entry.newest < 0) {
      entry = Slot{x, y, z, corner};
      older_[size_t(corner)] = -1;
      return;
    }
    if (entry.x == x && entry.y == y && entry.z == z) {
      older_[size_t(corner)] = entry.newest;
      entry.newest = corner;
      return;
    }
  }
}

int CornerIndex::Newest(float x, float y, float z) const {
  if (HasNaN(x, y, z)) return -1;
  for (size_t slot = Home(x, y, z);; slot = (slot + 1) & mask_) {
    const Slot& entry = slots_[slot];
    if (entry.newest < 0) return -1;
    if (entry.x == x && entry.y == y && entry.z == z) return entry.newest;
  }
}

}  // namespace tessmoor
