#pragma once
// A hash over the texture-coordinate table that finds the same entry as a linear
// first-match search with float ==, in constant time.
//
// The table never holds two entries that compare equal (an equal pair is always
// found before a new one is appended), so "the first match" is "the only match"
// and a hash lookup may replace the scan. Two float subtleties keep it exact:
// -0.0 equals +0.0, so the key folds both zeros together; NaN equals nothing,
// so a coordinate with a NaN is never looked up nor entered.

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tessmoor {

struct TexCoord {
  float u, v;
};

class TexCoordIndex {
 public:
  // Room for `capacity` entries without the probe chains growing long.
  explicit TexCoordIndex(int capacity);

  void Clear();
  // The index of the entry of `table` equal to (u, v), or -1.
  int Find(float u, float v, const TexCoord* table) const;
  // Remembers that table entry `index` holds (u, v); (u, v) must not be present.
  void Insert(float u, float v, int index);

 private:
  size_t Slot(float u, float v) const;

  std::vector<int32_t> slots_;  // table index, or -1 for an empty slot
  size_t mask_;
  int shift_;
};

}  // namespace tessmoor
