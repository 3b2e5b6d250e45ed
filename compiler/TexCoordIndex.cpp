#include "compiler/TexCoordIndex.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tessmoor {

namespace {

constexpr int32_t EmptySlot = -1;

bool HasNaN(float u, float v) { return std::isnan(u) || std::isnan(v); }

// Equal floats give equal bits once the two zeros are folded together.
uint32_t KeyBits(float value) { return value == 0.0f ? 0u : std::bit_cast<uint32_t>(value); }

}  // namespace

TexCoordIndex::TexCoordIndex(int capacity) {
  // At most a quarter full, so a miss ends after a probe or two.
  const size_t size = std::bit_ceil(static_cast<size_t>(capacity) * 4);
  slots_.assign(size, EmptySlot);
  mask_ = size - 1;
  shift_ = 64 - std::countr_zero(size);
}

void TexCoordIndex::Clear() { std::fill(slots_.begin(), slots_.end(), EmptySlot); }

size_t TexCoordIndex::Slot(float u, float v) const {
  const uint64_t key = (uint64_t{KeyBits(u)} << 32) | KeyBits(v);
  // Fibonacci hashing: the high bits of the product depend on every key bit.
  return static_cast<size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
}

int TexCoordIndex::Find(float u, float v, const TexCoord* table) const {
  if (HasNaN(u, v)) return -1;
  for (size_t slot = Slot(u, v);; slot = (slot + 1) & mask_) {
    const int32_t index = slots_[slot];
    if (index == EmptySlot) return -1;
    const TexCoord& entry = table[index];
    if (entry.u == u && entry.v == v) return index;
  }
}

void TexCoordIndex::Insert(float u, float v, int index) {
  if (HasNaN(u, v)) return;
  size_t slot = Slot(u, v);
  while (slots_[slot] != EmptySlot) slot = (slot + 1) & mask_;
  slots_[slot] = index;
}

}  // namespace tessmoor
